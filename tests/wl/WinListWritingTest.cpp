// The WINLIST and the spin's return, worked by hand.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "wl/WinList.h"

namespace wl {
namespace {

TEST(WinListWriting, OnlyStakedSlotsOfTheNumberInListingOrder) {
  int bets[kRouletteSlots] = {};
  bets[72] = 5;    // straight 12
  bets[178] = 10;  // red
  bets[179] = 7;   // black, lost
  bets[32] = 3;    // straight 1, lost
  char text[kWinListTextSize];
  double returned = 0;
  WriteWinList(12, bets, text, &returned);
  EXPECT_STREQ(text, "12,72,175,178,10,0,0");
  EXPECT_EQ(returned, 180 + 20);
  WriteWinList(37, bets, text, &returned);
  EXPECT_STREQ(text, "37,0,0");
  EXPECT_EQ(returned, 0);
}

TEST(WinListWriting, TheLongestListFits) {
  int bets[kRouletteSlots] = {};
  for (int slot = 32; slot <= 185; ++slot) bets[slot] = INT_MAX;
  char text[kWinListTextSize];
  double returned = 0;
  WriteWinList(5, bets, text, &returned);
  EXPECT_LT(std::strlen(text), kWinListTextSize - 1);
  EXPECT_EQ(std::string(text).substr(0, 17), "5,39,17179869176,");  // 8 x INT_MAX
  EXPECT_EQ(std::string(text).substr(std::strlen(text) - 4), ",0,0");
  // Back per dollar: a straight 36, four splits 18, four corners 9, a
  // street 12, two six lines 6, three even chances 2, a dozen and a column 3.
  const double perDollar = 36 + 4 * 18 + 4 * 9 + 12 + 2 * 6 + 3 * 2 + 2 * 3;
  EXPECT_EQ(returned, perDollar * INT_MAX);
}

}  // namespace
}  // namespace wl
