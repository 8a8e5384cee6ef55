// The house way's rules by what straight and flush the dealer's cards make;
// each takes the two cards of his 2-card hand into h (CompleteLow fills any
// the rule leaves open).
#pragma once

#include "kw/DealerHand.h"

namespace kw {

void SplitNoStraightNoFlush(DealerHand* h);
void SplitStraightOnly(DealerHand* h);
void SplitFlushOnly(DealerHand* h);
void SplitStraightAndFlush(DealerHand* h);

// Two pairs without straight or flush: split them, or keep them and play
// the two highest singles.
void SplitTwoPairsPlain(DealerHand* h);

// One pair below aces beside a straight and the joker: keep the straight
// with the joker high, or play the joker low.
void SplitStraightPairWithJoker(DealerHand* h);

// One pair, the joker and exactly five of the flush suit: 0 keeps the
// flush; kGiveUpForJoker plays the joker with *t2 low; kGiveUpForAce plays
// the second and third highest low.
inline constexpr int kGiveUpForJoker = 1;
inline constexpr int kGiveUpForAce = 2;
int FlushPairWithJokerChoice(const DealerHand& h, int* t2);

}  // namespace kw
