// The deal every card game of one 52-card deck uses: distinct ids drawn
// from the ordered deck.
#pragma once

#include <cstdint>

namespace gz {

inline constexpr int kDeckCards = 52;

// Draws 0..32767; the server passes its own replayable stream.
using DealRandom = int (*)();

// Deals count cards (at most kDeckCards) into cards, in the order drawn:
// each is the entry at random() mod (cards left) of the ordered deck
// 0..51, and the cards behind it close up.
void DealCards(std::int32_t* cards, int count, DealRandom random);

}  // namespace gz
