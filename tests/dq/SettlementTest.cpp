// Which bets lose, stay or come back on a roll, how the point and the come
// points move, what the money step moves and what a quit forfeits.
#include <gtest/gtest.h>

#include "dq/BetModel.h"
#include "dq/RoundValues.h"
#include "dq/Settlement.h"

namespace dq {
namespace {

CrapsServerRecord Roll(int die1, int die2, int point) {
  CrapsServerRecord r{};
  r.dice[0] = die1;
  r.dice[1] = die2;
  r.point = point;
  r.comeOut = point == 0 ? 1 : 0;
  return r;
}

float Resolve(CrapsServerRecord r, int kind, float stake = 10) {
  r.bets[kind] = stake;
  return ResolveBet(r, kind);
}

TEST(Resolve, PasslineLosesOnCrapsAndOnTheSeven) {
  EXPECT_EQ(Resolve(Roll(1, 1, 0), kPassline), kResultLost);
  EXPECT_EQ(Resolve(Roll(6, 6, 0), kPassline), kResultLost);
  EXPECT_EQ(Resolve(Roll(3, 4, 6), kPassline), kResultLost);
  EXPECT_EQ(Resolve(Roll(2, 3, 0), kPassline), kResultStays);
  EXPECT_EQ(Resolve(Roll(2, 3, 6), kPassline), kResultStays);
  EXPECT_EQ(Resolve(Roll(5, 6, 0), kPassline), 20.0f);
  EXPECT_EQ(Resolve(Roll(5, 6, 6), kPassline), kResultStays);
}

TEST(Resolve, PasslineOddsNeedAPasslineAndStayOnTheComeOut) {
  EXPECT_EQ(Resolve(Roll(2, 3, 5), kPasslineOdds), kResultStays);  // no passline under it
  EXPECT_EQ(Resolve(Roll(3, 4, 5), kPasslineOdds), kResultLost);
  EXPECT_EQ(Resolve(Roll(3, 4, 0), kPasslineOdds), kResultStays);
}

TEST(Resolve, DontPassStandsOnAComeOutTwo) {
  EXPECT_EQ(Resolve(Roll(1, 1, 0), kDontPass), kResultStays);
  EXPECT_EQ(Resolve(Roll(6, 6, 0), kDontPass), 20.0f);
  EXPECT_EQ(Resolve(Roll(5, 6, 0), kDontPass), kResultLost);
  EXPECT_EQ(Resolve(Roll(3, 4, 0), kDontPass), kResultLost);
  EXPECT_EQ(Resolve(Roll(2, 2, 4), kDontPass), kResultLost);
  EXPECT_EQ(Resolve(Roll(3, 4, 4), kDontPass), 20.0f);
}

TEST(Resolve, ComeBetsAlwaysStayOnAComeOutRoll) {
  for (int die = 1; die <= 6; ++die) {
    EXPECT_EQ(Resolve(Roll(die, 1, 0), kComeBet), kResultStays);
    EXPECT_EQ(Resolve(Roll(die, 1, 0), kDontComeBet), kResultStays);
  }
  EXPECT_EQ(Resolve(Roll(1, 2, 6), kComeBet), kResultLost);
  EXPECT_EQ(Resolve(Roll(3, 4, 6), kDontComeBet), kResultLost);
  EXPECT_EQ(Resolve(Roll(1, 1, 6), kDontComeBet), kResultStays);
}

TEST(Resolve, ComePointOddsAreReturnedOnAComeOutWhenNotWorking) {
  CrapsServerRecord onFive = Roll(1, 4, 0);
  onFive.comePoints[4] = 1;
  CrapsServerRecord onSeven = Roll(3, 4, 0);
  onSeven.comePoints[4] = 1;
  const int odds = kComePointOdds4 + 1;
  EXPECT_EQ(Resolve(onFive, odds), kResultReturned);
  EXPECT_EQ(Resolve(onSeven, odds), kResultReturned);
  EXPECT_EQ(Resolve(onFive, kComePoint4 + 1), 20.0f);
  EXPECT_EQ(Resolve(onSeven, kComePoint4 + 1), kResultLost);
  onFive.workingComeOdds = 1;
  onSeven.workingComeOdds = 1;
  EXPECT_EQ(Resolve(onFive, odds), 25.0f);
  EXPECT_EQ(Resolve(onSeven, odds), kResultLost);
}

TEST(Resolve, ComePointsNeedTheirFlag) {
  EXPECT_EQ(Resolve(Roll(1, 4, 6), kComePoint4 + 1), kResultStays);
  EXPECT_EQ(Resolve(Roll(3, 4, 6), kComePoint4 + 1), kResultStays);
  EXPECT_EQ(Resolve(Roll(3, 4, 6), kDontComePoint4 + 1), kResultStays);
}

TEST(Resolve, DontComePointsLoseOnTheirNumber) {
  CrapsServerRecord r = Roll(4, 5, 6);
  r.dontComePoints[8] = 1;
  EXPECT_EQ(Resolve(r, kDontComePoint4 + 4), kResultLost);
  EXPECT_EQ(Resolve(r, kDontComePointOdds4 + 4), kResultLost);
  CrapsServerRecord comeOut = Roll(3, 4, 0);  // don't come odds always work
  comeOut.dontComePoints[8] = 1;
  EXPECT_EQ(Resolve(comeOut, kDontComePointOdds4 + 4, 30), 50.0f);
}

TEST(Resolve, PlaceAndBuyBetsStayOnAComeOutUnlessWorking) {
  CrapsServerRecord six = Roll(2, 4, 0);
  CrapsServerRecord seven = Roll(3, 4, 0);
  EXPECT_EQ(Resolve(six, kPlaceWin4 + 2, 6), kResultStays);
  EXPECT_EQ(Resolve(seven, kPlaceWin4 + 2, 6), kResultStays);
  EXPECT_EQ(Resolve(six, kBuy4 + 2), kResultStays);
  EXPECT_EQ(Resolve(seven, kBuy4 + 2), kResultStays);
  six.workingPlace = seven.workingPlace = 1;
  six.workingBuy = seven.workingBuy = 1;
  EXPECT_EQ(Resolve(six, kPlaceWin4 + 2, 6), 13.0f);
  EXPECT_EQ(Resolve(seven, kPlaceWin4 + 2, 6), kResultLost);
  EXPECT_EQ(Resolve(six, kBuy4 + 2), 21.4f);
  EXPECT_EQ(Resolve(seven, kBuy4 + 2), kResultLost);
}

TEST(Resolve, PlaceLoseLayBigAndFieldAlwaysWork) {
  CrapsServerRecord six = Roll(2, 4, 0);
  CrapsServerRecord seven = Roll(3, 4, 0);
  EXPECT_EQ(Resolve(six, kPlaceLose4 + 2), kResultLost);
  EXPECT_EQ(Resolve(seven, kPlaceLose4 + 2, 5), 9.0f);
  EXPECT_EQ(Resolve(six, kLay4 + 2), kResultLost);
  EXPECT_EQ(Resolve(seven, kLay4 + 2, 12), 21.5f);
  EXPECT_EQ(Resolve(six, kBig6), 20.0f);
  EXPECT_EQ(Resolve(seven, kBig6), kResultLost);
  EXPECT_EQ(Resolve(seven, kBig8), kResultLost);
  EXPECT_EQ(Resolve(Roll(2, 2, 0), kBig8), kResultStays);
  for (int total : {5, 6, 7, 8}) {
    EXPECT_EQ(Resolve(Roll(total - 1, 1, 0), kField), kResultLost) << total;
  }
  EXPECT_EQ(Resolve(Roll(2, 2, 0), kPlaceLose4 + 2), kResultStays);
}

TEST(Resolve, HardwaysLoseEasyAndOnTheSeven) {
  EXPECT_EQ(Resolve(Roll(2, 4, 8), kHardway6), kResultLost);
  EXPECT_EQ(Resolve(Roll(3, 3, 8), kHardway6), 100.0f);
  EXPECT_EQ(Resolve(Roll(3, 4, 8), kHardway6), kResultLost);
  EXPECT_EQ(Resolve(Roll(2, 3, 8), kHardway6), kResultStays);
  EXPECT_EQ(Resolve(Roll(3, 3, 0), kHardway6), kResultStays);  // off on the come-out
  CrapsServerRecord working = Roll(3, 3, 0);
  working.workingHardways = 1;
  EXPECT_EQ(Resolve(working, kHardway6), 100.0f);
}

TEST(Resolve, OneRollBetsLoseOnEveryOtherRoll) {
  EXPECT_EQ(Resolve(Roll(2, 4, 0), kAny7), kResultLost);
  EXPECT_EQ(Resolve(Roll(1, 2, 0), kHorn2), kResultLost);
  EXPECT_EQ(Resolve(Roll(1, 1, 0), kHorn3), kResultLost);
  EXPECT_EQ(Resolve(Roll(1, 2, 0), kHorn3), 160.0f);
  EXPECT_EQ(Resolve(Roll(4, 6, 0), kHorn11), kResultLost);
  EXPECT_EQ(Resolve(Roll(3, 4, 0), kAnyCraps), kResultLost);
  EXPECT_EQ(Resolve(Roll(1, 1, 0), kAnyCraps, 1), 8.0f);
}

TEST(Settle, NoStakeGivesNoResults) {
  CrapsServerRecord r = Roll(3, 4, 6);
  SettleRoll(r);
  for (int kind = 0; kind < kCrapsBetSlots; ++kind) EXPECT_EQ(r.results[kind], 0.0f);
}

TEST(Settle, PreviousBetsBecomeTheSettledList) {
  CrapsServerRecord r = Roll(2, 3, 0);
  r.bets[kPassline] = 10;
  r.bets[kField] = 5;
  r.previousBets[kBig6] = 7;
  SettleRoll(r);
  EXPECT_EQ(r.previousBets[kPassline], 10.0f);
  EXPECT_EQ(r.previousBets[kField], 5.0f);
  EXPECT_EQ(r.previousBets[kBig6], 0.0f);
}

TEST(Settle, AComeOutNumberBecomesThePoint) {
  CrapsServerRecord r = Roll(4, 5, 0);
  r.comePoints[5] = 1;
  SettleRoll(r);
  EXPECT_EQ(r.point, 9);
  EXPECT_EQ(r.comeOut, 0);
  EXPECT_EQ(r.comePoints[5], 1);
  EXPECT_EQ(r.comePoints[8], 0);
}

// Every roll from every point leaves a point the restore and the client
// accept, and the totals that are never a point are refused.
TEST(Settle, EveryRollLeavesAPointThatIsAccepted) {
  const int points[] = {0, 4, 5, 6, 8, 9, 10};
  for (int point : points) {
    for (int die1 = 1; die1 <= 6; ++die1) {
      for (int die2 = 1; die2 <= 6; ++die2) {
        CrapsServerRecord r = Roll(die1, die2, point);
        SettleRoll(r);
        EXPECT_EQ(IsPoint(r.point), 1) << point << " " << die1 << die2;
      }
    }
  }
  const int never[] = {-4, 1, 2, 3, 7, 11, 12};
  for (int total : never) EXPECT_EQ(IsPoint(total), 0) << total;
}

TEST(Settle, AComeBetMovesToItsNumberWhenThePointIsMade) {
  CrapsServerRecord r = Roll(4, 4, 8);
  r.bets[kComeBet] = 10;
  r.bets[kDontComeBet] = 10;
  SettleRoll(r);
  EXPECT_EQ(r.point, 0);
  EXPECT_EQ(r.comeOut, 1);
  EXPECT_EQ(r.comePoints[7], 1);
  EXPECT_EQ(r.dontComePoints[7], 1);
}

TEST(Settle, AComePointThatWonIsClearedUnlessANewComeBetMoves) {
  CrapsServerRecord r = Roll(2, 4, 8);
  r.comePoints[5] = 1;
  r.bets[kComePoint4 + 2] = 10;
  SettleRoll(r);
  EXPECT_EQ(r.results[kComePoint4 + 2], 20.0f);
  EXPECT_EQ(r.comePoints[5], 0);

  CrapsServerRecord again = Roll(2, 4, 8);
  again.comePoints[5] = 1;
  again.bets[kComePoint4 + 2] = 10;
  again.bets[kComeBet] = 10;
  SettleRoll(again);
  EXPECT_EQ(again.comePoints[5], 1);
}

TEST(Settle, CrapsAndElevenInThePointPhaseMoveNothing) {
  CrapsServerRecord r = Roll(5, 6, 8);
  r.bets[kComeBet] = 10;
  SettleRoll(r);
  EXPECT_EQ(r.point, 8);
  for (int flag : r.comePoints) EXPECT_EQ(flag, 0);
}

TEST(Settle, ASevenClearsThePointAndEveryComePointAlsoOnAComeOut) {
  for (int point : {0, 6}) {
    CrapsServerRecord r = Roll(3, 4, point);
    r.comePoints[4] = 1;
    r.dontComePoints[9] = 1;
    SettleRoll(r);
    EXPECT_EQ(r.point, 0);
    EXPECT_EQ(r.comeOut, 1);
    for (int flag : r.comePoints) EXPECT_EQ(flag, 0);
    for (int flag : r.dontComePoints) EXPECT_EQ(flag, 0);
  }
}

TEST(Money, WinsCountNetAndLostStakesWhole) {
  CrapsServerRecord r = Roll(3, 4, 0);  // a come-out seven
  r.bets[kPassline] = 10;               // pays 20: wins 10
  r.bets[kAny7] = 5;                    // pays 25: wins 20
  r.bets[kField] = 20;                  // lost
  r.bets[kPlaceWin4 + 2] = 6;           // off on the come-out: stays
  r.comePoints[3] = 1;
  r.bets[kComePointOdds4] = 10;         // odds on 4, off on the come-out: returned
  SettleRoll(r);
  EXPECT_EQ(SettleMoney(r), 10.0);
  EXPECT_EQ(r.won, 30.0f);
  EXPECT_EQ(r.lost, 20.0f);
}

TEST(Money, ARollWithNothingDecidedMovesNothing) {
  CrapsServerRecord r = Roll(2, 2, 8);
  r.bets[kPassline] = 10;
  SettleRoll(r);
  EXPECT_EQ(SettleMoney(r), 0.0);
  EXPECT_EQ(r.won, 0.0f);
  EXPECT_EQ(r.lost, 0.0f);
}

// A table after its last roll settled: the stakes and what became of them.
CrapsServerRecord AfterRoll(int die1, int die2, int point) {
  CrapsServerRecord r = Roll(die1, die2, point);
  r.previousDice[0] = die1;
  r.previousDice[1] = die2;
  return r;
}

void Settled(CrapsServerRecord& r, int kind, float stake, float result) {
  r.previousBets[kind] = stake;
  r.results[kind] = result;
}

TEST(Quit, AQuitWithConsentChargesOnlyContractStakesStillStanding) {
  CrapsServerRecord r = AfterRoll(2, 2, 6);
  r.comeOut = 0;
  r.quitFlag = 1;
  Settled(r, kPassline, 10, kResultStays);
  Settled(r, kComeBet, 5, kResultStays);           // moved onto 4
  Settled(r, kComePoint4 + 3, 15, kResultStays);   // stands on 8
  Settled(r, kField, 20, kResultLost);             // already taken
  Settled(r, kHardway4, 1, 8.0f);                  // already paid
  Settled(r, kPlaceWin4 + 2, 6, kResultStays);     // may be taken off
  Settled(r, kDontComePoint4 + 1, 10, kResultStays);  // may be taken off
  CrapsQuitForfeit forfeit = QuitForfeit(r);
  EXPECT_EQ(forfeit.allowed, 1);
  EXPECT_EQ(forfeit.amount, 30.0);
}

TEST(Quit, AQuitWithoutConsentIsRefusedWhileAContractStakeStands) {
  CrapsServerRecord r = AfterRoll(2, 3, 6);
  r.comeOut = 0;
  Settled(r, kPassline, 10, kResultStays);
  CrapsQuitForfeit forfeit = QuitForfeit(r);
  EXPECT_EQ(forfeit.allowed, 0);
  EXPECT_EQ(forfeit.amount, 10.0);
}

TEST(Quit, ADontComePointThePlayerMayTakeOffIsNotCharged) {
  CrapsServerRecord r = AfterRoll(2, 3, 6);
  r.comeOut = 0;
  r.previousBets[kPassline] = 0;
  Settled(r, kDontComePoint4 + 2, 10, kResultStays);
  CrapsQuitForfeit forfeit = QuitForfeit(r);
  EXPECT_EQ(forfeit.allowed, 1);
  EXPECT_EQ(forfeit.amount, 0.0);
}

TEST(Quit, StakesDecidedOnTheLastRollAreNeverCharged) {
  CrapsServerRecord r = AfterRoll(4, 4, 0);  // the point 8 was made
  r.quitFlag = 1;
  Settled(r, kPassline, 10, 20.0f);
  Settled(r, kComePoint4 + 3, 10, 20.0f);
  Settled(r, kComePoint4 + 1, 10, kResultStays);  // still on 5
  CrapsQuitForfeit forfeit = QuitForfeit(r);
  EXPECT_EQ(forfeit.amount, 10.0);
  r.quitFlag = 0;
  EXPECT_EQ(QuitForfeit(r).allowed, 0);
}

}  // namespace
}  // namespace dq
