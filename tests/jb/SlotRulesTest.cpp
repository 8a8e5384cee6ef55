// The Slot strip, pay rules and bet checks alone, against counts and pays
// worked by hand from the strip and the table.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "jb/SlotRules.h"

namespace jb {
namespace {

TEST(SlotReelStrip, HoldsEachSymbolAsOftenAsTheMachineShowsIt) {
  int counts[7] = {};
  for (int stop = 0; stop < kReelStops; ++stop) ++counts[kReelStrip[stop]];
  EXPECT_EQ(counts[0], 11);  // every odd stop
  EXPECT_EQ(counts[1], 2);
  EXPECT_EQ(counts[2], 3);
  EXPECT_EQ(counts[3], 2);
  EXPECT_EQ(counts[4], 2);
  EXPECT_EQ(counts[5], 1);
  EXPECT_EQ(counts[6], 1);
  for (int stop = 1; stop < kReelStops; stop += 2) EXPECT_EQ(kReelStrip[stop], kBlank);
}

// Over all 22 x 22 x 22 stops, each rule wins as often as counted by hand:
// three of a symbol k^3 ways with k its stops; the mix 7^3 less the 43
// three-of-a-kinds of 2, 3 and 4; symbol 1 (2 stops, 20 others) twice
// 3 x 2 x 2 x 20 and once 3 x 2 x 20 x 20 ways.
TEST(SlotPayRules, WinAsOftenAsCountedByHand) {
  int rows[kPayRows] = {};
  int none = 0;
  for (int a = 0; a < kReelStops; ++a) {
    for (int b = 0; b < kReelStops; ++b) {
      for (int c = 0; c < kReelStops; ++c) {
        const int stops[kReels] = {a, b, c};
        const int row = SlotWinRow(stops);
        if (row == kNoWinRow) {
          ++none;
        } else {
          ++rows[row];
        }
      }
    }
  }
  const int expected[kPayRows] = {1, 1, 8, 8, 27, 8, 300, 0, 0, 240, 2400};
  for (int row = 0; row < kPayRows; ++row) EXPECT_EQ(rows[row], expected[row]) << "row " << row;
  EXPECT_EQ(none, 22 * 22 * 22 - 2993);
}

TEST(SlotPayRules, PayTheColumnOfTheCoins) {
  struct Case {
    int stops[kReels];
    int pays[3];  // for 1, 2, 3 coins
  };
  const Case cases[] = {
      {{16, 16, 16}, {1000, 2000, 5000}},  // three 6
      {{6, 6, 6}, {250, 500, 750}},        // three 5
      {{2, 10, 2}, {50, 100, 150}},        // three 4
      {{4, 18, 18}, {25, 50, 75}},         // three 3
      {{8, 8, 8}, {10, 20, 30}},           // three 2, not the mix
      {{0, 12, 0}, {10, 20, 30}},          // three 1
      {{8, 4, 2}, {4, 8, 12}},             // 2, 3, 4
      {{4, 4, 14}, {4, 8, 12}},            // 3, 3, 2
      {{0, 12, 1}, {4, 8, 12}},            // 1, 1, blank
      {{12, 8, 0}, {4, 8, 12}},            // 1, 2, 1
      {{0, 3, 5}, {2, 4, 6}},              // 1 once
      {{8, 8, 0}, {2, 4, 6}},              // 2, 2, 1: not the mix
      {{1, 3, 5}, {0, 0, 0}},              // three blanks
      {{8, 8, 1}, {0, 0, 0}},              // two 2 and a blank
      {{16, 16, 6}, {0, 0, 0}},            // 6, 6, 5
      {{2, 4, 16}, {0, 0, 0}},             // a 6 spoils the mix
  };
  for (const Case& c : cases) {
    for (int coins = 1; coins <= 3; ++coins) {
      EXPECT_EQ(SlotRowPay(SlotWinRow(c.stops), coins), c.pays[coins - 1])
          << c.stops[0] << "," << c.stops[1] << "," << c.stops[2] << " with " << coins;
    }
  }
}

TEST(SlotBet, ReadsExactlyTwoNumbers) {
  double coins = 0, value = 0;
  EXPECT_EQ(ReadSlotBet("3.000000,0.250000", &coins, &value), 1);
  EXPECT_EQ(coins, 3.0);
  EXPECT_EQ(value, 0.25);
  EXPECT_EQ(ReadSlotBet("1,5", &coins, &value), 1);
  EXPECT_EQ(value, 5.0);
  for (const char* bad : {"", "3", "3,", ",1", "3;1", "3,1,", "3,1,2", "a,1", "3,1x"}) {
    EXPECT_EQ(ReadSlotBet(bad, &coins, &value), 0) << bad;
  }
}

TEST(SlotBet, LimitsWholeCoinsAndTheBalance) {
  EXPECT_TRUE(IsSlotBetValid(1, 0.25, 0.25));
  EXPECT_TRUE(IsSlotBetValid(3, 5, 15));
  EXPECT_TRUE(IsSlotBetValid(2, 1, 1000));
  EXPECT_FALSE(IsSlotBetValid(3, 5, 14.99));  // above the balance
  EXPECT_FALSE(IsSlotBetValid(4, 1, 1000));
  EXPECT_FALSE(IsSlotBetValid(0, 1, 1000));
  EXPECT_FALSE(IsSlotBetValid(-1, 1, 1000));
  EXPECT_FALSE(IsSlotBetValid(2.5, 1, 1000));  // part coins would be charged, not paid
  EXPECT_FALSE(IsSlotBetValid(1.0000001, 1, 1000));
  EXPECT_FALSE(IsSlotBetValid(1, 0.1, 1000));
  EXPECT_FALSE(IsSlotBetValid(1, 5.01, 1000));
  EXPECT_FALSE(IsSlotBetValid(1, 0, 1000));
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(IsSlotBetValid(nan, 1, 1000));
  EXPECT_FALSE(IsSlotBetValid(1, nan, 1000));
  EXPECT_FALSE(IsSlotBetValid(inf, 1, inf));
  EXPECT_FALSE(IsSlotBetValid(1, inf, inf));
}

TEST(SlotWinList, WritesTheStopsAndTheWin) {
  char text[kWinListTextSize];
  const int stops[kReels] = {16, 0, 21};
  FormatSlotWinList(stops, 5000, text, sizeof(text));
  EXPECT_STREQ(text, "16,0,21,5000.000000");
}

}  // namespace
}  // namespace jb

namespace jb {
namespace {

// The client reads back what the server writes, and nothing that would
// index past the reels' frame tables.
TEST(SlotWinList, StopsOutsideTheStripAndBrokenWinsAreRefused) {
  const int written[kReels] = {16, 0, 21};
  char text[kWinListTextSize];
  FormatSlotWinList(written, 5000, text, sizeof text);
  int stops[kReels] = {-1, -1, -1};
  double win = -1;
  ASSERT_EQ(ReadSlotWinList(text, stops, &win), 1);
  EXPECT_EQ(stops[0], 16);
  EXPECT_EQ(stops[1], 0);
  EXPECT_EQ(stops[2], 21);
  EXPECT_EQ(win, 5000.0);
  for (const char* bad : {"22,0,0,0.000000", "0,-1,0,0.000000", "0,0,44,2.000000", "0,0,0,-2.000000",
                          "0,0,0,nan", "0,0,0,2.5", "0,0,0,5001.000000", "0,0,0", "0,0,0,2.000000x", "",
                          "4294967296,0,0,0.000000"}) {
    stops[0] = 7;
    EXPECT_EQ(ReadSlotWinList(bad, stops, &win), 0) << bad;
    EXPECT_EQ(stops[0], 7) << bad;
  }
}

}  // namespace
}  // namespace jb
