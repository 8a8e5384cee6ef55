#include "dq/BetModel.h"

#include <gtest/gtest.h>

namespace dq {
namespace {

TEST(BetModel, NamesCarryOneTrailingBlank) {
  EXPECT_STREQ(BetName(kPassline), "Passline ");
  EXPECT_STREQ(BetName(kComePoint4 + 5), "Come Point 10 ");
  EXPECT_STREQ(BetName(kDontComePointOdds4 + 5), "Don't Come Point 10 Odds ");
  EXPECT_STREQ(BetName(kPlaceLose4 + 2), "Place Loose 6 ");
  EXPECT_STREQ(BetName(kHardway4), "Hardway 4 ");
  EXPECT_STREQ(BetName(kHorn11), "Horn 11 ");
  EXPECT_STREQ(BetName(kAnyCraps), "Any Craps ");
}

TEST(BetModel, TickerNamesAreTheNamesInCapitals) {
  EXPECT_STREQ(TickerBetName(kPasslineOdds), "PASSLINE ODDS ");
  EXPECT_STREQ(TickerBetName(kDontComePointOdds4 + 5), "DON'T COME POINT 10 ODDS ");
  EXPECT_STREQ(TickerBetName(kAnyCraps), "ANY CRAPS ");
}

TEST(BetModel, KindsOutsideTheTableHaveNoName) {
  EXPECT_EQ(BetName(67), nullptr);
  EXPECT_EQ(BetName(-1), nullptr);
  EXPECT_EQ(TickerBetName(67), nullptr);
}

TEST(BetModel, RunsOfSixCoverTheBoxesInOrder) {
  EXPECT_EQ(BoxOfRun(kPlaceWin4, kPlaceWin4), 4);
  EXPECT_EQ(BoxOfRun(kPlaceWin4 + 3, kPlaceWin4), 8);
  EXPECT_EQ(BoxOfRun(kPlaceWin4 + 5, kPlaceWin4), 10);
  EXPECT_EQ(BoxOfRun(kPlaceWin4 + 6, kPlaceWin4), 0);
  EXPECT_EQ(BoxOfRun(kPlaceWin4 - 1, kPlaceWin4), 0);
}

TEST(BetModel, NoKindIsLocked) {
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) EXPECT_EQ(IsBetLocked(kind), 0);
}

}  // namespace
}  // namespace dq
