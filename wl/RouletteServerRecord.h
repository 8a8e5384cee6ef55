// The Roulette server's record. It is never stored: the program keeps no
// saved games.
#pragma once

#include <cstddef>

#include "wl/RouletteLayout.h"
#include "wl/RouletteLimits.h"

namespace wl {

struct RouletteServerRecord {
  int bets[kRouletteSlots];  // whole dollars by slot, cleared at BEGINPLAY
  int state;                 // game::SpinServerState
  char gameName[16];         // zero-terminated, "WL"
  RouletteLimits limits;     // read at CLIENTINIT
  double money;              // the balance read at BEGINPLAY
};
static_assert(sizeof(RouletteServerRecord) == 824);
static_assert(offsetof(RouletteServerRecord, state) == 744);
static_assert(offsetof(RouletteServerRecord, gameName) == 748);
static_assert(offsetof(RouletteServerRecord, limits) == 768);
static_assert(offsetof(RouletteServerRecord, money) == 816);

}  // namespace wl
