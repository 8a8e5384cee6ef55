// The BETLIST of a SPIN packet: decimal pairs slot,amount separated by
// commas and ended by a pair with a zero slot or amount, "0,0" for an empty
// layout. The client writes "%i,%i," for each slot with a bet, ascending,
// then "0,0".
#pragma once

#include "wl/RouletteLayout.h"

namespace wl {

// Reads text into bets (whole dollars by slot, every other slot 0) and
// their total. 1 for a sound list; 0 for a bad one, leaving bets and total
// untouched: a number that is not decimal digits (an optional '-' first)
// or does not fit an int, a slot or amount not followed by a comma, a slot
// outside 32..185, a negative amount, a slot named twice, or a list that
// runs out before its closing pair. Nothing after the closing pair is read.
int ReadBetList(const char* text, int bets[kRouletteSlots], double* total);

// The client's BETLIST of bets into text of size characters: 1, or 0 when
// it does not fit (text then holds no list).
inline constexpr int kBetListTextSize = 1600;
int WriteBetList(const int bets[kRouletteSlots], char* text, int size);

// One decimal number of a list at *at (an optional '-' first) that fits an
// int, moving past it; 0 when there is none.
int ReadListNumber(const char** at, int* value);
// The same followed by a comma, moving past both.
int ReadListedNumber(const char** at, int* value);

}  // namespace wl
