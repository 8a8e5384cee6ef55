#include "dq/TableRules.h"

#include <gtest/gtest.h>

namespace dq {
namespace {

constexpr CrapsLimits kLimits{5, 500, 500, 3, 1};

// The client's table: bets now, the snapshot of the last roll, its total.
struct Table {
  float bets[kCrapsBetSlots] = {};
  float last[kCrapsBetSlots] = {};
  int lastTotal = 0;
  int comeOut = 1;
  CrapsLimits limits = kLimits;

  int Check() const { return CheckTableRules({bets, last, lastTotal, comeOut, limits}); }
};

TEST(TableRules, APasslineInThePointPhaseMustBeFromTheLastRoll) {
  Table t;
  t.comeOut = 0;
  t.bets[kPassline] = 10;
  EXPECT_EQ(t.Check(), kRuleNoPassline);
  t.last[kPassline] = 5;
  EXPECT_EQ(t.Check(), kRuleOk);  // raised
}

TEST(TableRules, ThePasslineStaysWhileAPointStandsTheDontPassMayGo) {
  Table t;
  t.comeOut = 0;
  t.last[kPassline] = 10;
  EXPECT_EQ(t.Check(), kRuleKeepPassline);
  t.comeOut = 1;
  EXPECT_EQ(t.Check(), kRuleOk);
  Table dontPass;
  dontPass.comeOut = 0;
  dontPass.last[kDontPass] = 10;
  EXPECT_EQ(dontPass.Check(), kRuleOk);
  dontPass.bets[kDontPass] = 10;
  EXPECT_EQ(dontPass.Check(), kRuleOk);
  dontPass.last[kDontPass] = 0;
  EXPECT_EQ(dontPass.Check(), kRuleNoDontPass);
}

TEST(TableRules, AComeBetThatJustMovedCannotBeTakenOff) {
  Table t;
  t.comeOut = 0;
  t.last[kComeBet] = 10;
  t.lastTotal = 6;
  EXPECT_EQ(t.Check(), kRuleKeepComeBet);  // Come Point 6 empty
  t.bets[kComePoint4 + 2] = 10;
  EXPECT_EQ(t.Check(), kRuleOk);
}

TEST(TableRules, AComePointMayComeOffOnlyOnceDecided) {
  Table t;
  t.comeOut = 0;
  t.last[kComePoint4 + 2] = 10;
  t.lastTotal = 8;
  EXPECT_EQ(t.Check(), kRuleKeepComeBet);
  t.lastTotal = 7;
  EXPECT_EQ(t.Check(), kRuleOk);
  t.lastTotal = 6;
  EXPECT_EQ(t.Check(), kRuleOk);
}

TEST(TableRules, OddsNeedTheirBetAndKeepToTheMaximum) {
  Table t;
  t.comeOut = 0;
  t.last[kPassline] = 10;
  t.bets[kPassline] = 10;
  t.bets[kPasslineOdds] = 30;
  EXPECT_EQ(t.Check(), kRuleOk);
  t.bets[kPasslineOdds] = 31;
  EXPECT_EQ(t.Check(), kRuleMaxOdds);
  t.comeOut = 1;
  EXPECT_EQ(t.Check(), kRuleNoOdds);

  Table come;
  come.bets[kComePointOdds4 + 1] = 5;
  EXPECT_EQ(come.Check(), kRuleNoOdds);
  come.bets[kDontComePointOdds4 + 1] = 5;
  come.bets[kComePointOdds4 + 1] = 0;
  EXPECT_EQ(come.Check(), kRuleNoOdds);
  come.bets[kDontComePoint4 + 1] = 1;
  EXPECT_EQ(come.Check(), kRuleMaxOdds);
}

TEST(TableRules, NoComeOrDontComeBetOnTheComeOut) {
  Table t;
  t.bets[kComeBet] = 5;
  EXPECT_EQ(t.Check(), kRuleNoComeOnComeOut);
  t.bets[kComeBet] = 0;
  t.bets[kDontComeBet] = 5;
  EXPECT_EQ(t.Check(), kRuleNoDontComeOnComeOut);
  t.comeOut = 0;
  EXPECT_EQ(t.Check(), kRuleOk);
}

TEST(TableRules, TheFirstFailingKindInIndexOrderDecides) {
  Table t;
  t.bets[kDontComeBet] = 5;   // 8
  t.bets[kComeBet] = 5;       // 7 comes first
  t.bets[kAnyCraps] = 600;    // 1 comes last
  EXPECT_EQ(t.Check(), kRuleNoComeOnComeOut);
}

TEST(TableRules, TheTableTotalCountsWholeDollarsAfterEachAddition) {
  Table t;
  t.bets[kBig6] = 250.7f;
  t.bets[kBig8] = 250.7f;  // 250 + 250.7 -> 500: equal to the maximum
  EXPECT_EQ(t.Check(), kRuleOk);
  t.bets[kField] = 1;
  EXPECT_EQ(t.Check(), kRuleMaxTable);
  t.bets[kField] = 0;
  t.bets[kBig6] = 501;
  EXPECT_EQ(t.Check(), kRuleMaxBet);
}

TEST(TableRules, RuleTexts) {
  EXPECT_STREQ(BetErrorText(1), "You have bet your maximum");
  EXPECT_STREQ(BetErrorText(2), "The tables maximum is 500 dollars");
  EXPECT_STREQ(BetErrorText(6), "The maximum odds bet is 3 times your original bet");
  EXPECT_STREQ(BetErrorText(10), "You can't remove your come bet at this point");
  EXPECT_STREQ(BetErrorText(11),
               "You can't make that bet during come-out roll, unless you have your bets working");
  EXPECT_EQ(BetErrorText(0), nullptr);
  EXPECT_EQ(BetErrorText(12), nullptr);
}

TEST(MinimumBets, PropositionsHaveTheirOwnMinimum) {
  float bets[kCrapsBetSlots] = {};
  bets[kAny7] = 1;
  int failing = -1;
  EXPECT_EQ(CheckMinimumBets(bets, kLimits, &failing), 1);
  bets[kField] = 4;
  EXPECT_EQ(CheckMinimumBets(bets, kLimits, &failing), 0);
  EXPECT_EQ(failing, kField);
  bets[kField] = 5;
  bets[kHorn3] = 0.5f;
  EXPECT_EQ(CheckMinimumBets(bets, kLimits, &failing), 0);
  EXPECT_EQ(failing, kHorn3);
}

TEST(MinimumBets, TheMessageNamesFixedAmountsWhateverTheLimits) {
  EXPECT_STREQ(MinimumBetText(kLay4 + 5), "Minimum bet is $5 on the ");
  EXPECT_STREQ(MinimumBetText(kAny7), "Minimum bet is $1 on the ");
}

TEST(Quit, ContractBetsKeepThePlayerAtTheTable) {
  float bets[kCrapsBetSlots] = {};
  bets[kPassline] = 10;
  EXPECT_EQ(CanQuitNow(bets, 1), 1);
  EXPECT_EQ(CanQuitNow(bets, 0), 0);
  bets[kPassline] = 0;
  bets[kPlaceWin4] = 10;
  EXPECT_EQ(CanQuitNow(bets, 0), 1);
  bets[kComePoint4 + 5] = 10;
  EXPECT_EQ(CanQuitNow(bets, 1), 0);
  bets[kComePoint4 + 5] = 0;
  bets[kDontComePoint4] = 10;
  EXPECT_EQ(CanQuitNow(bets, 1), 0);
}

TEST(Chips, DenominationIsTheLargestChipNotAbove) {
  EXPECT_EQ(ChipDenomination(600), 500);
  EXPECT_EQ(ChipDenomination(500), 500);
  EXPECT_EQ(ChipDenomination(499), 100);
  EXPECT_EQ(ChipDenomination(30), 25);
  EXPECT_EQ(ChipDenomination(7), 5);
  EXPECT_EQ(ChipDenomination(1), 1);
  EXPECT_EQ(ChipDenomination(0.5), 0.5);
}

TEST(Chips, TheSelectionStepsDownToWhatTheMoneyAllows) {
  EXPECT_EQ(StepDownChip(4, 600), 4);
  EXPECT_EQ(StepDownChip(4, 300), 3);
  EXPECT_EQ(StepDownChip(4, 3), 0);
  EXPECT_EQ(StepDownChip(2, 0.5), kNoChip);
  EXPECT_EQ(StepDownChip(1, 30), 1);    // never steps up
  EXPECT_EQ(StepDownChip(kNoChip, 1000), kNoChip);
  EXPECT_EQ(StepDownChip(kNoChip, 30), 2);
  EXPECT_EQ(ChipValue(2), 25);
  EXPECT_EQ(ChipValue(kNoChip), 0);
}

TEST(Chips, ARightClickedChipIsNotUsable) {
  EXPECT_EQ(IsChipUsable(-5), 0);
  EXPECT_EQ(IsChipUsable(-9), 0);
  EXPECT_EQ(IsChipUsable(5), 1);
  EXPECT_EQ(IsChipUsable(-10), 1);
}

// The client's betting state for ChangeBet.
struct Board {
  Table table;
  float total = 0;
  double balance = 1000;
  int open = 1;

  CrapsBetChange Change(int amount, int kind) {
    CrapsBetBoard board{table.bets, &total,  table.last, table.lastTotal,
                        table.comeOut, balance, table.limits, open};
    return ChangeBet(board, amount, kind);
  }
};

TEST(PlaceBet, AnAddAboveTheMaximumIsCutToWhatIsLeft) {
  Board b;
  b.table.bets[kField] = 450;
  b.total = 450;
  CrapsBetChange change = b.Change(100, kField);
  EXPECT_EQ(change.outcome, kBetChangeDone);
  EXPECT_EQ(change.applied, 50.0f);
  EXPECT_EQ(b.table.bets[kField], 500.0f);
  EXPECT_EQ(b.total, 500.0f);
  change = b.Change(100, kField);
  EXPECT_EQ(change.outcome, kBetChangeAtMaximum);
  EXPECT_EQ(BetChangeAnswer(change), 0);
  EXPECT_EQ(b.table.bets[kField], 500.0f);
}

// A server's maximum far outside any int: every add is at the maximum, or
// none is cut.
TEST(PlaceBet, AMaximumBeyondAnyIntIsComparedBeforeItIsCut) {
  Board b;
  b.table.limits.maxBet = -1e308;
  EXPECT_EQ(b.Change(5, kField).outcome, kBetChangeAtMaximum);
  EXPECT_EQ(b.table.bets[kField], 0.0f);
  b.table.limits.maxBet = 1e308;
  EXPECT_EQ(b.Change(5, kField).outcome, kBetChangeDone);
  EXPECT_EQ(b.table.bets[kField], 5.0f);
}

TEST(PlaceBet, NoAddBeyondTheMoneyOrWhileBettingIsClosed) {
  Board b;
  b.balance = 30;
  b.total = 10;
  EXPECT_EQ(b.Change(25, kField).outcome, kBetChangeRefused);
  EXPECT_EQ(b.Change(20, kField).outcome, kBetChangeDone);
  b.open = 0;
  EXPECT_EQ(b.Change(1, kField).outcome, kBetChangeRefused);
  CrapsBetChange none = b.Change(-5, kField);
  EXPECT_EQ(none.outcome, kBetChangeNone);
  EXPECT_EQ(BetChangeAnswer(none), 1);
  EXPECT_EQ(b.table.bets[kField], 20.0f);
}

TEST(PlaceBet, TakingOffMoreThanTheBetTakesItsWholeDollars) {
  Board b;
  b.table.bets[kBig6] = 7;
  b.total = 7;
  CrapsBetChange change = b.Change(-25, kBig6);
  EXPECT_EQ(change.outcome, kBetChangeDone);
  EXPECT_EQ(change.applied, -7.0f);
  EXPECT_EQ(b.table.bets[kBig6], 0.0f);
  EXPECT_EQ(b.total, 0.0f);
  EXPECT_EQ(b.Change(-5, kBig6).outcome, kBetChangeNone);
}

TEST(PlaceBet, AChangeThatBreaksARuleIsUndone) {
  Board b;
  b.table.comeOut = 0;
  b.total = 12;
  CrapsBetChange change = b.Change(5, kPassline);
  EXPECT_EQ(change.outcome, kBetChangeBrokeRule);
  EXPECT_EQ(change.ruleCode, kRuleNoPassline);
  EXPECT_EQ(b.table.bets[kPassline], 0.0f);
  EXPECT_EQ(b.total, 12.0f);

  b.table.last[kPassline] = 5;
  b.table.bets[kPassline] = 5;
  change = b.Change(-5, kPassline);
  EXPECT_EQ(change.ruleCode, kRuleKeepPassline);
  EXPECT_EQ(b.table.bets[kPassline], 5.0f);
}

// The server's previous list and last dice stand in for the snapshot.
struct ServerTable {
  CrapsServerRecord r{};
  ServerTable() {
    r.minBet = 5;
    r.maxBet = 500;
    r.minBetProp = 1;
    r.maxTable = 500;
    r.maxOdds = 3;
    r.comeOut = 0;
    r.point = 8;
  }
  void LastRoll(int die1, int die2) {
    r.previousDice[0] = die1;
    r.previousDice[1] = die2;
  }
  int Check() const { return ServerCheckBets(r); }
};

TEST(ServerCheckBets, EveryBetReachesItsMinimumFirst) {
  ServerTable t;
  t.r.bets[kField] = 4;
  EXPECT_EQ(t.Check(), 0);
  t.r.bets[kField] = 5;
  t.r.bets[kHorn12] = 1;
  EXPECT_EQ(t.Check(), 1);
  t.r.bets[kHorn12] = 0.5f;
  EXPECT_EQ(t.Check(), 0);
  t.r.bets[kHorn12] = -1;
  EXPECT_EQ(t.Check(), 0);
}

TEST(ServerCheckBets, TheClientsRulesHold) {
  ServerTable t;
  t.r.bets[kPassline] = 10;  // a new pass line bet in the point phase
  EXPECT_EQ(t.Check(), 0);
  t.r.previousBets[kPassline] = 10;
  EXPECT_EQ(t.Check(), 1);
  t.r.bets[kPassline] = 0;  // taken off while the point stands
  EXPECT_EQ(t.Check(), 0);
  t.r.bets[kPassline] = 10;
  t.r.bets[kBig6] = 500;
  EXPECT_EQ(t.Check(), 0);  // table total 510
}

TEST(ServerCheckBets, AComeBetMovesOnlyToTheNumberRolled) {
  ServerTable t;
  t.r.previousBets[kComeBet] = 10;
  t.LastRoll(2, 4);
  t.r.bets[kComePoint4 + 2] = 10;
  EXPECT_EQ(t.Check(), 1);
  t.r.bets[kComePoint4 + 3] = 10;
  EXPECT_EQ(t.Check(), 0);  // onto 8 after a six
  t.r.bets[kComePoint4 + 3] = 0;
  t.r.bets[kComePoint4 + 2] = 0;
  EXPECT_EQ(t.Check(), 0);  // the moved bet went missing
}

TEST(ServerCheckBets, AStandingComePointKeepsItsAmountUntilDecided) {
  ServerTable t;
  t.r.previousBets[kComePoint4 + 3] = 10;  // on 8
  t.LastRoll(2, 3);
  t.r.bets[kComePoint4 + 3] = 10;
  EXPECT_EQ(t.Check(), 1);
  t.r.bets[kComePoint4 + 3] = 15;
  EXPECT_EQ(t.Check(), 0);
  t.r.bets[kComePoint4 + 3] = 10;
  t.LastRoll(3, 4);  // it lost on the seven
  EXPECT_EQ(t.Check(), 0);
  t.LastRoll(4, 4);  // it won on the eight
  EXPECT_EQ(t.Check(), 0);
}

TEST(ServerCheckBets, ANewComeBetMayMoveOntoAPointThatJustWon) {
  ServerTable t;
  t.r.previousBets[kComeBet] = 10;
  t.r.previousBets[kComePoint4 + 3] = 10;
  t.LastRoll(4, 4);
  t.r.bets[kComePoint4 + 3] = 10;
  EXPECT_EQ(t.Check(), 1);
  t.LastRoll(3, 4);
  EXPECT_EQ(t.Check(), 0);
}

TEST(ServerCheckBets, DontComePointsFollowTheDontComeBet) {
  ServerTable t;
  t.r.previousBets[kDontComeBet] = 10;
  t.LastRoll(4, 5);
  t.r.bets[kDontComePoint4 + 4] = 10;
  EXPECT_EQ(t.Check(), 1);
  t.r.bets[kDontComePoint4 + 4] = 0;
  EXPECT_EQ(t.Check(), 1);  // the player may take it off
  t.r.bets[kDontComePoint4 + 1] = 10;
  EXPECT_EQ(t.Check(), 0);  // onto 5 after a nine
  t.r.bets[kDontComePoint4 + 1] = 0;
  t.r.previousBets[kDontComeBet] = 0;
  t.r.bets[kDontComePoint4 + 4] = 10;
  EXPECT_EQ(t.Check(), 0);  // from nowhere
}

}  // namespace
}  // namespace dq
