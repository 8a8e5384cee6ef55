// The client's reading of a WINLIST: what the server writes reads back,
// and every malformed list is refused whole.
#include <gtest/gtest.h>

#include <climits>

#include "wl/WinList.h"

namespace wl {
namespace {

TEST(WinListReading, ReadsWhatTheServerWrites) {
  int bets[kRouletteSlots] = {};
  bets[72] = 5;    // straight 12
  bets[178] = 10;  // red
  bets[179] = 7;   // black, lost
  char text[kWinListTextSize];
  double returned = 0;
  WriteWinList(12, bets, text, &returned);
  int number = -1, anyWin = -1;
  int wins[kRouletteSlots];
  ASSERT_EQ(ReadWinList(text, &number, wins, &anyWin), 1);
  EXPECT_EQ(number, 12);
  EXPECT_EQ(anyWin, 1);
  EXPECT_EQ(wins[72], 175);
  EXPECT_EQ(wins[178], 10);
  int listed = 0;
  for (int slot = 0; slot < kRouletteSlots; ++slot) listed += wins[slot] != 0;
  EXPECT_EQ(listed, 2);
}

TEST(WinListReading, ANumberAloneWinsNothing) {
  int number = -1, anyWin = -1;
  int wins[kRouletteSlots];
  ASSERT_EQ(ReadWinList("37,0,0", &number, wins, &anyWin), 1);
  EXPECT_EQ(number, kDoubleZero);
  EXPECT_EQ(anyWin, 0);
}

TEST(WinListReading, BadListsAreRefusedAndChangeNothing) {
  const char* const bad[] = {
      "38,0,0",                 // no such number
      "-1,0,0",                 // no such number
      "12;72,175,0,0",          // no comma after the number
      "12,72;175,0,0",          // no comma after a slot
      "12,186,10,0,0",          // slot past the layout
      "12,31,10,0,0",           // slot before it
      "12,72,-5,0,0",           // a negative win
      "12,72,2147483648,0,0",   // a win beyond an int
      "12,72,175",              // the list runs out
      "12,72,175,",             // the list runs out
      "",                       // nothing
  };
  for (const char* text : bad) {
    int number = 99, anyWin = 99;
    int wins[kRouletteSlots];
    for (int& w : wins) w = 7;
    EXPECT_EQ(ReadWinList(text, &number, wins, &anyWin), 0) << text;
    EXPECT_EQ(number, 99) << text;
    EXPECT_EQ(anyWin, 99) << text;
    EXPECT_EQ(wins[72], 7) << text;
  }
}

TEST(WinListReading, TheLargestIntWinIsRead) {
  int number = -1, anyWin = -1;
  int wins[kRouletteSlots];
  ASSERT_EQ(ReadWinList("0,182,2147483647,0,0", &number, wins, &anyWin), 1);
  EXPECT_EQ(wins[182], INT_MAX);
}

}  // namespace
}  // namespace wl
