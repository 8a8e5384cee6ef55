// The Baccarat program's picture, hit map, sounds and help page. Every
// place comes from the program's own tables (sq/BaccaratTableLayout.h,
// sq/BaccaratButtons.h, sq/BaccaratFonts.h, sq/BaccaratFiles.h); only the
// look of the table is decided here. The sheet registers itself with the
// generator.
#pragma once

#include <span>

#include "artwork/CardTableSheet.h"
#include "artwork/Sheet.h"

namespace sq::art {

inline constexpr char kProgram[] = "baccarat";

// Every sprite's area in the picture, for checking that none leaves the
// picture or lies over another.
std::span<const artwork::SpriteArea> SpriteAreas();

const artwork::Sheet& BaccaratSheet();

}  // namespace sq::art
