// The Craps program's picture, hit map and sounds. Every place comes from
// the program's own tables (dq/CrapsTableLayout.h, dq/CrapsButtons.h,
// dq/CrapsFonts.h); only the look of the table is decided here.
#pragma once

#include "artwork/Sheet.h"

namespace artwork::craps {

inline constexpr char kProgram[] = "craps";
inline constexpr int kWidth = 800;   // the screen, then the sprites right of and below it
inline constexpr int kHeight = 660;

// The bet button whose area holds the screen point, 0 for none: each bet
// region of the table is split between its buttons by the nearest bet spot.
int BetButtonAt(int x, int y);

const Sheet& CrapsSheet();

}  // namespace artwork::craps
