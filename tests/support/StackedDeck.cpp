#include "tests/support/StackedDeck.h"

#include <gtest/gtest.h>

#include "tests/support/QueuedDraws.h"

namespace hx {
namespace {

int SuitOf(char c) {
  switch (c) {
    case 'D': return 0;
    case 'H': return 1;
    case 'C': return 2;
    default: return 3;
  }
}

int ValueOf(char c) {
  switch (c) {
    case 'A': return 1;
    case 'T': return 10;
    case 'J': return 11;
    case 'Q': return 12;
    case 'K': return 13;
    default: return c - '0';
  }
}

}  // namespace

std::vector<Card> ParseCards(const std::string& text) {
  std::vector<Card> cards;
  for (std::size_t i = 0; i + 1 < text.size() + 1; i += 3) {
    cards.push_back(Card{SuitOf(text[i + 1]), ValueOf(text[i])});
  }
  return cards;
}

std::vector<int> DrawsForDeck(const std::vector<Card>& top) {
  std::vector<Card> left;
  for (int i = 0; i < kDeckSize; ++i) left.push_back(Card{i / 13, i % 13 + 1});
  std::vector<int> draws;
  for (const Card& card : top) {
    std::size_t at = 0;
    while (at < left.size() && (left[at].suit != card.suit || left[at].value != card.value)) ++at;
    EXPECT_LT(at, left.size()) << "a card named twice";
    draws.push_back(static_cast<int>(at));
    left.erase(left.begin() + static_cast<long>(at));
  }
  while (draws.size() < kDeckSize) draws.push_back(0);
  return draws;
}

void QueueDeck(const std::string& cards) {
  for (int draw : DrawsForDeck(ParseCards(cards))) QueueDraw(draw);
}

}  // namespace hx
