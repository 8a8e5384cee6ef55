// Craps settlement: every bet of the accepted list against the dice of the
// roll, the point and come-point moves, the money totals, and what a quit
// forfeits. Pure functions over the server record; the account calls are
// the server's.
#pragma once

#include "dq/CrapsServerRecord.h"

namespace dq {

// The result of one kind against the record's dice, come-out flag, point,
// come and don't come points and working flags: the whole payout with the
// stake, or kResultStays / kResultLost / kResultReturned; 0 without a stake.
// Payouts keep the house's truncation to tenths of a dollar.
float ResolveBet(const CrapsServerRecord& record, int kind);

// One roll: results of every kind, the previous list becomes the bets, then
// the point, the come-out flag and the come points move.
void SettleRoll(CrapsServerRecord& record);

// Sets won (payouts less their stakes) and lost (stakes of lost bets) from
// the settled results; answers won - lost, the one change of the balance.
double SettleMoney(CrapsServerRecord& record);

// What a quit before the next roll forfeits: the stakes of the last roll
// that still stand and that the table rules keep on the table (the
// Passline while a point stands, Come Points, and a Come Bet that moved
// onto its point). Stakes the player may take off are never charged.
struct CrapsQuitForfeit {
  int allowed;    // 0: a quit without consent while such stakes stand
  double amount;  // to debit; 0 when nothing is forfeited
};
CrapsQuitForfeit QuitForfeit(const CrapsServerRecord& record);

}  // namespace dq
