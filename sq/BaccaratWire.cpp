#include "sq/BaccaratWire.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "framework/link/WholeNumbers.h"

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
  // Six cards, six points and the result, the win, the winner.
  std::int32_t n[13] = {};
  int used = 0;
  if (!ReadWholeNumberList(&text, 10, n, 13) || *text != ',') return 0;
  if (std::sscanf(text + 1, "%lf%n", &read.win, &used) != 1 || text[1 + used] != ',') return 0;
  text += used + 2;
  if (!ReadWholeNumber(&text, 10, &read.winner)) return 0;
  std::copy(n, n + 6, c);
  std::copy(n + 6, n + 12, p);
  read.result = n[12];
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
