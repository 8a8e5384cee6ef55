#include "kw/Deal.h"

#include "kw/Cards.h"

namespace kw {

void ShuffleAndDeal(PaiGowServerRecord* record, DealRandom random) {
  int deck[kDeckWithJoker];
  for (int i = 0; i < kDeckWithJoker; ++i) deck[i] = i;
  int left = kDeckWithJoker;
  for (int slot = 0; slot < kDealtCards; ++slot) {
    const int r = random() % left;
    record->cards[slot] = deck[r];
    for (int i = r; i + 1 < left; ++i) deck[i] = deck[i + 1];
    --left;
  }
}

}  // namespace kw
