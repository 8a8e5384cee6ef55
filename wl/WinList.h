// The settlement of a spin as the server lists it: each winning slot's win
// and the spin's total return.
#pragma once

#include <cstddef>

#include "wl/RouletteLayout.h"

namespace wl {

// Room for the longest WINLIST: a number and 17 slots each winning 35
// times the largest int.
inline constexpr std::size_t kWinListTextSize = 512;

// The WINLIST of number over bets: "number," then "slot,win," for each
// winning slot with a bet, in kWinningSlots order, the win being the bet
// times the slot's payout without the stake, then "0,0". The total return
// (each win with its stake) into *returned.
void WriteWinList(int number, const int bets[kRouletteSlots], char text[kWinListTextSize],
                  double* returned);

// Reads a WINLIST: the number, then slot,win pairs up to a zero slot or
// win. 1 with *number, wins by slot (every other slot 0) and *anyWin (1
// when a slot won); 0 for a bad list, leaving them untouched: a number
// outside 0..37, a number or slot not followed by a comma, a slot outside
// 32..185, a win below 0 or beyond an int, a list that runs out.
int ReadWinList(const char* text, int* number, int wins[kRouletteSlots], int* anyWin);

}  // namespace wl
