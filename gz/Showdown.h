// The showdown of a called hand: the dealer's qualification, then the
// categories from the royal flush down, each hand analysed from the record's
// ten cards.
#pragma once

#include <cstdint>

#include "gz/CaribbeanServerRecord.h"

namespace gz {

// CompareHands results: 2 when the dealer does not qualify; else the
// CaribbeanCategory of the deciding category, positive when the player
// wins, negative when the dealer does; 0 a tie.

// CompareKickers answers.
enum KickerComparison : int { kFirstHigher = 1, kSecondHigher = 2, kKickersEqual = 3 };

// Fills the record's value and suit arrays and both HandInfos from the
// cards, decides the showdown and answers the result (also kept in
// record.comparison; record.dealerNotQualified is 1 when the dealer did not
// qualify).
int CompareHands(CaribbeanServerRecord& record);

// Two ascending arrays of 5 values compared from the highest entry down.
int CompareKickers(const std::int32_t* first, const std::int32_t* second);

}  // namespace gz
