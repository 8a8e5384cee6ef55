// How the dealer plays and how a finished hand is paid.
#pragma once

#include "hx/BlackJackServerRecord.h"

namespace hx {

// Plays the dealer once the player has finished: from the deck's top onto
// the dealer's list, none, exactly one, or while his best total is 16 or
// less (he stands on every 17, soft 17 included). Answers the count of
// cards drawn, or -1 when the deck could not give one.
int DealerDraw(BlackJackServerRecord& record);

// 2.5 (a natural wins), 2.0 (a win), 1.0 (a push) or 0 (a loss) for a
// finished hand against the dealer's cards. After a split no hand is a
// natural.
double HandPayoutFactor(const BlackJackServerRecord& record, const CardList& hand);

}  // namespace hx
