// The Black Jack program's picture, hit map, sounds and help page. Every
// place comes from the program's own tables (hx/BlackJackLayout.h,
// hx/BlackJackButtons.h, hx/BlackJackFonts.h, hx/BlackJackFiles.h); only the
// look of the table is decided here. The sheet registers itself.
#pragma once

#include <span>

#include "artwork/CardTableSheet.h"
#include "artwork/Sheet.h"

namespace hx::art {

inline constexpr char kProgram[] = "blackjack";

// Every sprite's area in the picture, for checking that none leaves the
// picture or lies over another.
std::span<const artwork::SpriteArea> SpriteAreas();

const artwork::Sheet& BlackJackSheet();

}  // namespace hx::art
