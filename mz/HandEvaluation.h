// The jacks-or-better evaluation of the five cards of a hand. The cards
// are put in order of value (ace low) in the record's sort slots, and the
// tests below read them in that order.
#pragma once

#include "mz/VideoPokerPayTable.h"
#include "mz/VideoPokerServerRecord.h"

namespace mz {

// Sorts the hand into sortScratch (by value, ace as 1, lowest first, ties
// in hand order) and answers its VideoPokerHandCode.
int EvaluateHand(VideoPokerServerRecord& record);
// Over the sorted order: 1 for five values each one above the last, or
// ace, 10, jack, queen, king; else 0.
int IsStraight(const VideoPokerServerRecord& record);
// Compare the cards at sorted positions i and j; a position outside 0..4
// compares false.
int SameValue(const VideoPokerServerRecord& record, int i, int j);
int SameSuit(const VideoPokerServerRecord& record, int i, int j);

}  // namespace mz
