#include "hx/CardList.h"

#include <cstring>

namespace hx {
int IsValidCard(int suit, int value) {
  return suit >= 0 && suit < kSuits && value >= kAceValue && value <= kKingValue;
}

void CardListClear(CardList& list) { std::memset(&list, 0, sizeof(list)); }

void ShuffleDeck(CardList& list, int (*random)()) {
  // The ordered deck, suit by suit; each draw removes the r-th card of what
  // is left and fills the target from the top down.
  Card ordered[kDeckSize];
  for (int i = 0; i < kDeckSize; ++i) ordered[i] = Card{i / kKingValue, i % kKingValue + 1};
  for (int remaining = kDeckSize; remaining > 0; --remaining) {
    const int r = random() % remaining;
    list.cards[remaining - 1] = ordered[r];
    std::memmove(&ordered[r], &ordered[r + 1], sizeof(Card) * (remaining - r - 1));
  }
  list.count = kDeckSize;
}

int CardListAdd(CardList& list, int suit, int value) {
  if (list.count < 0 || list.count >= kDeckSize) return 0;
  list.cards[list.count] = Card{suit, value};
  ++list.count;
  return 1;
}

int CardListTake(CardList& list, int* suit, int* value) {
  if (list.count <= 0 || list.count > kDeckSize) return 0;
  --list.count;
  *suit = list.cards[list.count].suit;
  *value = list.cards[list.count].value;
  list.cards[list.count] = Card{0, 0};
  return IsValidCard(*suit, *value);
}

int HandTotals(const CardList& list, int* first, int* second) {
  int soft = 0, hard = 0;
  bool aceSeen = false;
  for (int i = 0; i < list.count && i < kDeckSize; ++i) {
    const int value = list.cards[i].value;
    hard += CountValue(value);
    soft += value == kAceValue && !aceSeen ? 11 : CountValue(value);
    if (value == kAceValue) aceSeen = true;
  }
  if (soft < 22) {
    if (soft == 21 || hard == 21) {
      *first = 21;
      *second = 0;
    } else if (hard < soft) {
      *first = hard;
      *second = soft;
    } else {
      *first = soft;
      *second = 0;
    }
  } else {
    *first = hard;
    *second = 0;
  }
  if (*first == *second) *second = 0;
  return *first != 0 || *second != 0;
}

int BestTotal(const CardList& list) {
  int first = 0, second = 0;
  HandTotals(list, &first, &second);
  return second >= 1 && second <= 21 ? second : first;
}

int CountValue(int value) { return value > 10 ? 10 : value; }

int IsTenValued(int value) { return value >= 10 && value <= kKingValue; }

int IsNatural(const CardList& list) {
  if (list.count != 2) return 0;
  const int a = list.cards[0].value, b = list.cards[1].value;
  return (a == kAceValue && IsTenValued(b)) || (b == kAceValue && IsTenValued(a));
}

}  // namespace hx
