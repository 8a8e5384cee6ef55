// The deal of a Pai Gow round: 14 cards from the 52-card deck and the joker.
#pragma once

#include "kw/PaiGowServerRecord.h"

namespace kw {

// Draws 0..32767; the server passes its own replayable stream.
using DealRandom = int (*)();

// Deals the player's 7 cards, then the dealer's 7, into record->cards: each
// card is drawn at random() mod (cards left) from the ordered deck 0..52 and
// the cards behind it close up.
void ShuffleAndDeal(PaiGowServerRecord* record, DealRandom random);

}  // namespace kw
