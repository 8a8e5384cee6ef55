// The two Roulette limit checks, the server's on a whole bet list and the
// client's on one more chip, with their result codes and texts.
#pragma once

#include <cstddef>

#include "wl/RouletteLayout.h"

namespace wl {

// The six table limits in the order they are read and sent.
struct RouletteLimits {
  double minTable, maxTable;    // the total of all bets
  double minNr, maxNr;          // one number slot
  double minExtern, maxExtern;  // one outside slot
};
static_assert(sizeof(RouletteLimits) == 6 * sizeof(double));

enum RouletteLimitCode : int {
  kLimitsKept = 0,
  kBelowMinTable = 1,
  kAboveMaxTable = 2,
  kBelowMinNr = 3,
  kAboveMaxNr = 4,
  kBelowMinExtern = 5,
  kAboveMaxExtern = 6,
  kAboveMoney = 7,  // the server's check only
  kRouletteLimitCodes,
};

// The server's check of a bet list: bets by slot in whole dollars, their
// total, the limits and the balance. A total of exactly 0 passes; else the
// first slot (ascending) out of its limits decides, then the total against
// the table and the money. A value equal to a limit passes.
int CheckBetLimits(const int bets[kRouletteSlots], double total, const RouletteLimits& limits,
                   double money);
// The client's check of a chip of x dollars more on slot (0: on every slot
// that holds a bet), against its bets by slot and their total: codes 0..6,
// no money test.
int CheckChipLimits(const int bets[kRouletteSlots], double totalBet, const RouletteLimits& limits,
                    double x, int slot);

// The text of a code 1..7 with its limit written as whole dollars; the
// text is cut to fit size. Codes outside 1..7 give "".
void LimitText(int code, const RouletteLimits& limits, char* text, std::size_t size);

}  // namespace wl
