#include "gz/Settlement.h"

#include "gz/HandInfo.h"

namespace gz {

namespace {

// One row per non-negative CompareHands result: the credit is anteUnits x
// ante + betUnits x bet, the bet's share capped at betCap when it is set.
struct PayRow {
  int anteUnits;
  int betUnits;
  double betCap;
  int outcome;
};

constexpr PayRow kPayTable[] = {
    {1, 0, 0, kPush},                         // tie: the ante back
    {2, 1, 0, kPlayerWins},                   // high card
    {2, 0, 0, kDealerNotQualified},           // ante paid 1:1, the call returned
    {2, 1, 0, kPlayerWins},                   // pair
    {2, 2, 0, kPlayerWins},                   // two pair
    {2, 3, 0, kPlayerWins},                   // three of a kind
    {2, 4, 0, kPlayerWins},                   // straight
    {2, 5, 0, kPlayerWins},                   // flush
    {2, 7, 0, kPlayerWins},                   // full house
    {2, 20, 0, kPlayerWins},                  // four of a kind
    {2, 50, 0, kPlayerWins},                  // straight flush
    {2, 200, kRoyalBetCap, kPlayerWins},      // royal flush
};
static_assert(sizeof(kPayTable) / sizeof(kPayTable[0]) == kRoyalFlushCategory + 1,
              "one row per result");

}  // namespace

double CallBet(double ante) { return 2 * ante; }

CaribbeanSettlement SettleCall(int result, double ante) {
  const double bet = CallBet(ante);
  if (result < 0 || result > kRoyalFlushCategory) return {0, bet, kDealerWins};
  const PayRow& row = kPayTable[result];
  double betShare = row.betUnits * bet;
  if (row.betCap > 0 && betShare > row.betCap) betShare = row.betCap;
  return {row.anteUnits * ante + betShare, 0, row.outcome};
}

}  // namespace gz
