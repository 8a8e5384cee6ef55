// What a settled roll means for the table: which bets were won or returned,
// which were lost, the totals and the Come and Don't Come bets that move onto
// their numbers. No drawing.
#pragma once

#include "dq/BetModel.h"
#include "dq/CrapsClientRecord.h"

namespace dq {

inline constexpr int kBetListEnd = 999;
// Every kind a roll can produce, and the end mark.
inline constexpr int kBetListCapacity = kCrapsBetKinds + 1;

struct RollLists {
  int won[kBetListCapacity];   // won and returned kinds, ended by kBetListEnd
  int lost[kBetListCapacity];  // lost kinds, ended by kBetListEnd
};

// Turns the results of the last roll into the lists and the record's totals:
// clears the pending moves and the total win; a Come (Don't Come) Bet that
// stays on 4..10 becomes a pending move of its whole dollars to its point
// (result 0); a lost bet adds its stake to the total loss; a returned bet's
// result becomes its stake; a won bet adds its payout (stake included) to the
// total win and its stake leaves the balance. Both lists are ended.
void SettleRollOnRecord(CrapsClientRecord* record, RollLists* lists);

}  // namespace dq
