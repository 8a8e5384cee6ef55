// A stacked deck for the servers that shuffle a CardList (hx/CardList.h):
// a test names the cards it wants on top, in dealing order, and queues the
// draws that make ShuffleDeck lay them there.
#pragma once

#include <string>
#include <vector>

#include "hx/CardList.h"

namespace hx {

// Cards written as rank and suit, "AS KH TD 7C": the first is dealt first.
std::vector<Card> ParseCards(const std::string& text);
// The draws that make ShuffleDeck lay these cards on top, in this order,
// and the rest of the deck below them.
std::vector<int> DrawsForDeck(const std::vector<Card>& top);
// Queues (tests/support/QueuedDraws.h) the draws of the deck whose top is
// cards.
void QueueDeck(const std::string& cards);

}  // namespace hx
