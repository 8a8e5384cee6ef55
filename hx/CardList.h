// The card container of the Black Jack and Video Poker programs: up to 52
// {suit, value} cards, the shuffle of a full deck, appending and taking from
// the top, and the Black Jack totals of a hand. The list is stored byte for
// byte inside saved server records, so its layout is fixed.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace hx {

inline constexpr int kDeckSize = 52;
inline constexpr int kSuits = 4;
inline constexpr int kAceValue = 1;
inline constexpr int kKingValue = 13;

// Suit 0 diamonds, 1 hearts, 2 clubs, 3 spades; value 1 ace .. 13 king.
struct Card {
  std::int32_t suit;
  std::int32_t value;
};

// Entries 0..count-1 in the order added; the top (taken next) is count-1.
struct CardList {
  Card cards[kDeckSize];
  std::int32_t count;
};

inline constexpr std::size_t kCardListSize = 420;
static_assert(std::endian::native == std::endian::little, "the stored list is little-endian");
static_assert(sizeof(Card) == 8);
static_assert(sizeof(CardList) == kCardListSize);
static_assert(offsetof(CardList, cards) == 0);
static_assert(offsetof(CardList, count) == 416);

// 1 for a suit 0..3 and a value 1..13.
int IsValidCard(int suit, int value);

// Every entry and the count to 0.
void CardListClear(CardList& list);
// The 52 cards of one deck in the order drawn from random (0..32767 per
// call): each draw takes the (draw mod cards left)-th card of the ordered
// deck that is left, and the first card drawn lies on top.
void ShuffleDeck(CardList& list, int (*random)());
// Appends the card; 0 and nothing changed on a full list.
int CardListAdd(CardList& list, int suit, int value);
// Removes the top card, hands it out and zeroes its entry. 0 on an empty
// list; also 0, with the card removed and handed out, for a card that is
// not valid (the list was corrupt).
int CardListTake(CardList& list, int* suit, int* value);

// The Black Jack totals: first is the hard total (aces 1), or 21 whenever
// the hand makes 21 either way; second the soft total (one ace as 11) when
// that stays under 21, else 0. Answers 0 for an empty hand.
int HandTotals(const CardList& list, int* first, int* second);
// The total a hand stands on: second when it is 1..21, else first.
int BestTotal(const CardList& list);
// What a card counts in a total: its value, faces 10 (an ace 1 here).
int CountValue(int value);
// 1 when the card counts 10 (a ten or a face card).
int IsTenValued(int value);
// 1 for exactly two cards, an ace and a card counting 10.
int IsNatural(const CardList& list);

}  // namespace hx
