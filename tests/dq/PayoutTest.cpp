// Winning payouts of every bet kind, worked by hand from the odds each bet
// pays (the result is the whole amount paid back, stake included). Stakes
// are chosen so the house's truncation to tenths takes nothing.
#include <gtest/gtest.h>

#include "dq/BetModel.h"
#include "dq/Settlement.h"

namespace dq {
namespace {

struct Win {
  int kind;
  float stake;
  int die1;
  int die2;
  int point;  // 0: a come-out roll
  float paid;
};

// The bet stands where it can win: its come or don't come point is set, and
// a line odds bet has its line bet under it.
CrapsServerRecord TableFor(const Win& w) {
  CrapsServerRecord r{};
  r.dice[0] = w.die1;
  r.dice[1] = w.die2;
  r.point = w.point;
  r.comeOut = w.point == 0 ? 1 : 0;
  r.bets[w.kind] = w.stake;
  if (w.kind == kPasslineOdds) r.bets[kPassline] = 10;
  if (w.kind == kDontPassOdds) r.bets[kDontPass] = 10;
  for (int first : {kComePoint4, kComePointOdds4}) {
    if (int box = BoxOfRun(w.kind, first)) r.comePoints[box - 1] = 1;
  }
  for (int first : {kDontComePoint4, kDontComePointOdds4}) {
    if (int box = BoxOfRun(w.kind, first)) r.dontComePoints[box - 1] = 1;
  }
  return r;
}

constexpr Win kWins[] = {
    {kPassline, 10, 3, 4, 0, 20},         // 1:1 on a natural
    {kPasslineOdds, 10, 2, 3, 5, 25},     // 3:2 on 5
    {kDontPass, 10, 1, 2, 0, 20},         // 1:1 on craps 3
    {kDontPassOdds, 30, 3, 4, 6, 55},     // 5:6 against 6
    {kComeBet, 10, 5, 6, 6, 20},          // 1:1 on 11
    {kComePoint4 + 0, 10, 1, 3, 6, 20},   // 1:1
    {kComePoint4 + 1, 10, 1, 4, 6, 20},
    {kComePoint4 + 2, 10, 1, 5, 8, 20},
    {kComePoint4 + 3, 10, 2, 6, 6, 20},
    {kComePoint4 + 4, 10, 3, 6, 6, 20},
    {kComePoint4 + 5, 10, 4, 6, 6, 20},
    {kComePointOdds4 + 0, 10, 1, 3, 6, 30},  // 2:1 on 4
    {kComePointOdds4 + 1, 10, 1, 4, 6, 25},  // 3:2 on 5
    {kComePointOdds4 + 2, 10, 1, 5, 8, 22},  // 6:5 on 6
    {kComePointOdds4 + 3, 10, 2, 6, 6, 22},  // 6:5 on 8
    {kComePointOdds4 + 4, 10, 3, 6, 6, 25},  // 3:2 on 9
    {kComePointOdds4 + 5, 10, 4, 6, 6, 30},  // 2:1 on 10
    {kDontComeBet, 10, 6, 6, 6, 20},         // 1:1 on 12
    {kDontComePoint4 + 0, 10, 3, 4, 6, 20},  // 1:1 on the seven
    {kDontComePoint4 + 1, 10, 3, 4, 6, 20},
    {kDontComePoint4 + 2, 10, 3, 4, 6, 20},
    {kDontComePoint4 + 3, 10, 3, 4, 6, 20},
    {kDontComePoint4 + 4, 10, 3, 4, 6, 20},
    {kDontComePoint4 + 5, 10, 3, 4, 6, 20},
    {kDontComePointOdds4 + 0, 20, 3, 4, 6, 30},  // 1:2 against 4
    {kDontComePointOdds4 + 1, 30, 3, 4, 6, 50},  // 2:3 against 5
    {kDontComePointOdds4 + 2, 30, 3, 4, 6, 55},  // 5:6 against 6
    {kDontComePointOdds4 + 3, 30, 3, 4, 6, 55},  // 5:6 against 8
    {kDontComePointOdds4 + 4, 30, 3, 4, 6, 50},  // 2:3 against 9
    {kDontComePointOdds4 + 5, 20, 3, 4, 6, 30},  // 1:2 against 10
    {kBig6, 10, 2, 4, 5, 20},                    // 1:1
    {kBig8, 10, 3, 5, 5, 20},
    {kField, 10, 1, 1, 0, 30},                   // 2:1 on 2
    {kPlaceWin4 + 0, 5, 1, 3, 6, 14},            // 9:5
    {kPlaceWin4 + 1, 5, 1, 4, 6, 12},            // 7:5
    {kPlaceWin4 + 2, 6, 1, 5, 8, 13},            // 7:6
    {kPlaceWin4 + 3, 6, 2, 6, 6, 13},            // 7:6
    {kPlaceWin4 + 4, 5, 3, 6, 6, 12},            // 7:5
    {kPlaceWin4 + 5, 5, 4, 6, 6, 14},            // 9:5
    {kPlaceLose4 + 0, 11, 3, 4, 6, 16},          // 5:11 against 4
    {kPlaceLose4 + 1, 8, 3, 4, 6, 13},           // 5:8 against 5
    {kPlaceLose4 + 2, 5, 3, 4, 6, 9},            // 4:5 against 6
    {kPlaceLose4 + 3, 5, 3, 4, 6, 9},            // 4:5 against 8
    {kPlaceLose4 + 4, 8, 3, 4, 6, 13},           // 5:8 against 9
    {kPlaceLose4 + 5, 11, 3, 4, 6, 16},          // 5:11 against 10
    {kBuy4 + 0, 20, 1, 3, 6, 58},                // 2:1 less 5%: 38
    {kBuy4 + 1, 20, 1, 4, 6, 48.5f},             // 3:2 less 5%: 28.5
    {kBuy4 + 2, 10, 1, 5, 8, 21.4f},             // 6:5 less 5%: 11.4
    {kBuy4 + 3, 10, 2, 6, 6, 21.4f},
    {kBuy4 + 4, 20, 3, 6, 6, 48.5f},
    {kBuy4 + 5, 20, 4, 6, 6, 58},
    {kLay4 + 0, 20, 3, 4, 6, 29.5f},             // 1:2 less 5%: 9.5
    {kLay4 + 1, 15, 3, 4, 6, 24.5f},             // 2:3 less 5%: 9.5
    {kLay4 + 2, 12, 3, 4, 6, 21.5f},             // 5:6 less 5%: 9.5
    {kLay4 + 3, 12, 3, 4, 6, 21.5f},
    {kLay4 + 4, 15, 3, 4, 6, 24.5f},
    {kLay4 + 5, 20, 3, 4, 6, 29.5f},
    {kAny7, 1, 1, 6, 6, 5},                      // 4:1
    {kHardway6, 1, 3, 3, 8, 10},                 // 9:1
    {kHardway8, 1, 4, 4, 6, 10},                 // 9:1
    {kHardway10, 1, 5, 5, 6, 8},                 // 7:1
    {kHardway4, 1, 2, 2, 6, 8},                  // 7:1
    {kHorn2, 1, 1, 1, 6, 31},                    // 30:1
    {kHorn12, 1, 6, 6, 6, 31},                   // 30:1
    {kHorn3, 1, 2, 1, 6, 16},                    // 15:1
    {kHorn11, 1, 6, 5, 6, 16},                   // 15:1
    {kAnyCraps, 5, 6, 6, 6, 40},                 // 7:1
};

TEST(Payout, TheTableHoldsEveryKindOnce) {
  bool seen[kCrapsBetKinds] = {};
  for (const Win& w : kWins) {
    EXPECT_FALSE(seen[w.kind]) << w.kind;
    seen[w.kind] = true;
  }
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) EXPECT_TRUE(seen[kind]) << kind;
}

TEST(Payout, EveryKindPaysItsOdds) {
  for (const Win& w : kWins) {
    SCOPED_TRACE(BetName(w.kind));
    CrapsServerRecord r = TableFor(w);
    EXPECT_EQ(ResolveBet(r, w.kind), w.paid);
  }
}

TEST(Payout, SettleWritesEachPayoutToItsOwnSlot) {
  for (const Win& w : kWins) {
    SCOPED_TRACE(BetName(w.kind));
    CrapsServerRecord r = TableFor(w);
    SettleRoll(r);
    EXPECT_EQ(r.results[w.kind], w.paid);
  }
}

TEST(Payout, LineOddsPayTrueOddsOnEveryPoint) {
  // {point, die1, die2, paid for 10}: 2:1, 3:2, 6:5
  const int rolls[6][4] = {{4, 2, 2, 30}, {5, 2, 3, 25}, {6, 2, 4, 22},
                           {8, 3, 5, 22}, {9, 4, 5, 25}, {10, 4, 6, 30}};
  for (const auto& roll : rolls) {
    Win w{kPasslineOdds, 10, roll[1], roll[2], roll[0], static_cast<float>(roll[3])};
    CrapsServerRecord r = TableFor(w);
    EXPECT_EQ(ResolveBet(r, kPasslineOdds), w.paid) << "point " << roll[0];
  }
}

TEST(Payout, DontPassOddsPayTrueOddsAgainstEveryPoint) {
  // {point, stake, paid}: 1:2, 2:3, 5:6 on the seven
  const int bets[6][3] = {{4, 20, 30}, {5, 30, 50}, {6, 30, 55},
                          {8, 30, 55}, {9, 30, 50}, {10, 20, 30}};
  for (const auto& bet : bets) {
    Win w{kDontPassOdds, static_cast<float>(bet[1]), 3, 4, bet[0], static_cast<float>(bet[2])};
    CrapsServerRecord r = TableFor(w);
    EXPECT_EQ(ResolveBet(r, kDontPassOdds), w.paid) << "point " << bet[0];
  }
}

TEST(Payout, FieldPaysDoubleOrTriple) {
  for (int total : {3, 4, 9, 10, 11}) {
    Win w{kField, 10, total - total / 2, total / 2, 0, 20};
    EXPECT_EQ(ResolveBet(TableFor(w), kField), 20.0f) << total;
  }
  EXPECT_EQ(ResolveBet(TableFor({kField, 10, 6, 6, 0, 30}), kField), 30.0f);
}

TEST(Payout, TruncationToTenthsKeepsTheHousesCents) {
  // 5 x 7/6 = 5.83 is paid as 5.8; 5 x 0.95 x 1.2 = 5.7 stays whole.
  EXPECT_EQ(ResolveBet(TableFor({kPlaceWin4 + 2, 5, 1, 5, 8, 0}), kPlaceWin4 + 2), 10.8f);
  EXPECT_EQ(ResolveBet(TableFor({kPlaceWin4 + 2, 6, 1, 5, 8, 0}), kPlaceWin4 + 2), 13.0f);
  EXPECT_EQ(ResolveBet(TableFor({kBuy4 + 2, 5, 1, 5, 8, 0}), kBuy4 + 2), 10.7f);
  // 7 x 5/11 = 3.18 is paid as 3.1.
  EXPECT_EQ(ResolveBet(TableFor({kPlaceLose4, 7, 3, 4, 6, 0}), kPlaceLose4), 10.1f);
}

}  // namespace
}  // namespace dq
