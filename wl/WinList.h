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

}  // namespace wl
