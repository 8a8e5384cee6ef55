// The Keno program's picture, hit map, sounds and help page. Every place
// comes from the program's own tables (pd/KenoLayout.h, pd/KenoButtons.h,
// pd/KenoFiles.h); only the look is decided here.
#pragma once

#include "artwork/Sheet.h"

namespace pd::art {

inline constexpr char kProgram[] = "keno";

const artwork::Sheet& KenoSheet();

}  // namespace pd::art
