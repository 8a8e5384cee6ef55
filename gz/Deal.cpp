#include "gz/Deal.h"

namespace gz {

void DealCards(std::int32_t* cards, int count, DealRandom random) {
  std::int32_t deck[kDeckCards];
  for (int i = 0; i < kDeckCards; ++i) deck[i] = i;
  int left = kDeckCards;
  for (int slot = 0; slot < count && left > 0; ++slot) {
    const int index = random() % left;
    cards[slot] = deck[index];
    for (int i = index; i + 1 < left; ++i) deck[i] = deck[i + 1];
    --left;
  }
}

}  // namespace gz
