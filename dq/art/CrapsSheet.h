// The Craps program's picture, hit map, sounds and help page. Every place
// comes from the program's own tables (dq/CrapsTableLayout.h,
// dq/CrapsButtons.h, dq/CrapsFonts.h); only the look of the table is decided
// here. The sheet registers itself with the generator.
#pragma once

#include "artwork/Sheet.h"

namespace dq::art {

inline constexpr char kProgram[] = "craps";
inline constexpr int kWidth = 800;   // the screen, then the sprites right of and below it
inline constexpr int kHeight = 660;

// The bet button whose area holds the screen point, 0 for none: each bet
// region of the table is split between its buttons by the nearest bet spot.
int BetButtonAt(int x, int y);

const artwork::Sheet& CrapsSheet();

}  // namespace dq::art
