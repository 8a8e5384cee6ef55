// The Roulette program's picture, hit map, sounds and help page. Every
// place comes from the program's own tables (wl/RouletteTableLayout.h,
// wl/RouletteButtons.h, wl/RouletteFiles.h); only the look is decided here.
#pragma once

#include "artwork/Sheet.h"

namespace wl::art {

inline constexpr char kProgram[] = "roulette";

const artwork::Sheet& RouletteSheet();

}  // namespace wl::art
