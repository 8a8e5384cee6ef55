#include "sq/BaccaratWire.h"

#include <cmath>
#include <cstdio>

namespace sq {
namespace {

bool CardFits(int slot, int id) {
  if (id >= 0 && id < 52) return true;
  return id == kNotDrawn && (slot == kPlayerThird || slot == kBankerThird);
}

}  // namespace

int ParseCoupCards(const char* text, CoupCards* coup) {
  CoupCards read{};
  std::int32_t* c = read.cards;
  std::int32_t* p = read.points;
  int end = 0;
  const int fields = std::sscanf(text, "%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%lf,%d%n", &c[0], &c[1], &c[2], &c[3],
                                 &c[4], &c[5], &p[0], &p[1], &p[2], &p[3], &p[4], &p[5], &read.result, &read.win,
                                 &read.winner, &end);
  if (fields != 15) return 0;
  for (int slot = 0; slot < kCoupCards; ++slot) {
    if (!CardFits(slot, c[slot]) || p[slot] < 0 || p[slot] > 9) return 0;
  }
  if (read.result < kPlayerStakeWon || read.result > kNoStakeWon) return 0;
  if (read.winner < kPlayerWins || read.winner > kTie) return 0;
  if (!std::isfinite(read.win) || read.win < 0.0) return 0;
  *coup = read;
  return 1;
}

}  // namespace sq
