// The record of the Roulette game client (never stored).
#pragma once

#include "wl/RouletteLayout.h"
#include "wl/RouletteLimits.h"

namespace wl {

struct RouletteClientRecord {
  int state;
  int quitRequested;
  int bets[kRouletteSlots];      // the layout being built, whole dollars
  int lastBets[kRouletteSlots];  // the last spin's, for the rebet
  double totalBet;
  double lastTotalBet;
  int wins[kRouletteSlots];  // each slot's win of the last spin, stake not included
  int spinRequested;
  int spinning;  // from the spin request until the result
  RouletteLimits limits;
  double money;
  const char* message;
};

}  // namespace wl
