// The Pai Gow Poker program's picture, hit map, sounds and help page. Every
// place comes from the program's own tables (kw/PaiGowTableLayout.h,
// kw/PaiGowButtons.h, kw/PaiGowFonts.h, kw/PaiGowFiles.h); only the look of
// the table is decided here. The sheet registers itself with the generator.
#pragma once

#include <span>

#include "artwork/CardTableSheet.h"
#include "artwork/Sheet.h"

namespace kw::art {

inline constexpr char kProgram[] = "paigow";

// Every sprite's area in the picture, for checking that none leaves the
// picture or lies over another.
std::span<const artwork::SpriteArea> SpriteAreas();

const artwork::Sheet& PaiGowSheet();

}  // namespace kw::art
