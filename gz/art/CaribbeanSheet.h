// The Caribbean Poker program's picture, hit map, sounds and help page.
// Every place comes from the program's own tables (gz/CaribbeanTableLayout.h,
// gz/CaribbeanButtons.h, gz/CaribbeanFonts.h, gz/CaribbeanFiles.h); only the
// look of the table is decided here. The sheet registers itself with the
// generator.
#pragma once

#include <span>

#include "artwork/CardTableSheet.h"
#include "artwork/Sheet.h"

namespace gz::art {

inline constexpr char kProgram[] = "caribbean";

// Every sprite's area in the picture, for checking that none leaves the
// picture or lies over another.
std::span<const artwork::SpriteArea> SpriteAreas();

const artwork::Sheet& CaribbeanSheet();

}  // namespace gz::art
