// The client's Keno values: the bet list as sent, the draw as read (and
// refused), the pick-count check, the panel's rows and the marquee's texts.
#include <gtest/gtest.h>

#include <string>

#include "pd/KenoWire.h"

namespace {

using namespace pd;

struct Board {
  std::int32_t entries[kBoardEntries] = {};
  void Mark(int number) { entries[number] = number; }
};

TEST(KenoBetList, CarriesCountStakeAndPicksInAscendingOrder) {
  Board board;
  board.Mark(80);
  board.Mark(3);
  board.Mark(41);
  std::int32_t lastBet[kLastBetEntries];
  for (auto& e : lastBet) e = 99;
  char text[128];
  FormatKenoBetList(board.entries, 3, 5, text, sizeof text, lastBet);
  EXPECT_STREQ(text, "3,5,3,41,80,0,0,0,0,0,0,0");
  for (int i = 0; i < kLastBetEntries; ++i) {
    const int want = (i == 3 || i == 41 || i == 80) ? i : 0;
    EXPECT_EQ(lastBet[i], want) << "entry " << i;
  }
}

TEST(KenoBetList, TakesTenPicksAtMost) {
  Board board;
  for (int n = 1; n <= 12; ++n) board.Mark(n * 6);
  std::int32_t lastBet[kLastBetEntries];
  char text[128];
  FormatKenoBetList(board.entries, 10, 10, text, sizeof text, lastBet);
  EXPECT_STREQ(text, "10,10,6,12,18,24,30,36,42,48,54,60");
}

constexpr char kGoodDraw[] = "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,80,1,50";

TEST(KenoWinList, ReadsTwentyNumbersTheFlagAndTheReturn) {
  std::int32_t drawn[kKenoDrawn] = {};
  std::int32_t flag = -1, won = -1;
  ASSERT_EQ(ReadKenoWinList(kGoodDraw, drawn, &flag, &won), 1);
  EXPECT_EQ(drawn[0], 1);
  EXPECT_EQ(drawn[19], 80);
  EXPECT_EQ(flag, 1);
  EXPECT_EQ(won, 50);
}

// Values that would index past the board or make no sense are refused
// whole, and nothing is written.
TEST(KenoWinList, RefusesNumbersOffTheBoardRepeatsBadFlagsAndNegativeReturns) {
  const char* bad[] = {
      "0,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,0,0",    // 0
      "81,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,0,0",   // 81
      "2,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,0,0",    // repeated
      "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,2,0",    // flag 2
      "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,0,-5",   // negative return
      "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,0",      // 21 numbers
      "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,x,0,0",     // not a number
      "4294967297,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,0,0",  // 2^32 + 1, no 1
      "",
  };
  for (const char* text : bad) {
    std::int32_t drawn[kKenoDrawn] = {};
    std::int32_t flag = 7, won = 7;
    EXPECT_EQ(ReadKenoWinList(text, drawn, &flag, &won), 0) << text;
    EXPECT_EQ(drawn[0], 0) << text;
    EXPECT_EQ(flag, 7) << text;
  }
}

TEST(KenoPickCount, TooFewTooManyAndTheStakeInThatOrder) {
  EXPECT_EQ(CheckPickCount(2, 5), kPickTooFew);
  EXPECT_EQ(CheckPickCount(0, 20), kPickTooFew);
  EXPECT_EQ(CheckPickCount(11, 20), kPickTooMany);
  EXPECT_EQ(CheckPickCount(3, 20), kPickStakeTooBig);
  EXPECT_EQ(CheckPickCount(3, 10), kPickOk);
  EXPECT_EQ(CheckPickCount(10, 1), kPickOk);
}

// The rows the panel shows, worked from the printed table: the match counts
// that return something, highest first.
TEST(KenoPanelRows, EachCountShowsTheMatchesThatPay) {
  const std::vector<std::vector<int>> expected = {
      {},                      // 2
      {3, 2},                  // 3
      {4, 3, 2},               // 4
      {5, 4, 3},               // 5
      {6, 5, 4, 3},            // 6
      {7, 6, 5, 4},            // 7
      {8, 7, 6, 5},            // 8
      {9, 8, 7, 6, 5},         // 9
      {10, 9, 8, 7, 6, 5},     // 10
  };
  for (int count = 2; count <= 10; ++count) {
    int matches[kPanelMaxRows] = {};
    const int rows = PaytableRows(count, matches);
    EXPECT_EQ(std::vector<int>(matches, matches + rows), expected[count - 2]) << count << " numbers";
  }
}

TEST(KenoMarquee, ResultTextsOfALossAndAWin) {
  char text[160];
  FormatKenoResult(2, 5, 0, 0, text, sizeof text);
  EXPECT_STREQ(text, "STARS MATCHED: 2 OUT OF TOTAL 5#| ");
  FormatKenoResult(3, 3, 1, 250, text, sizeof text);
  EXPECT_STREQ(text, "STARS MATCHED: 3 OUT OF TOTAL 3   TOTAL WIN:  $250    @ #| ");
}

TEST(KenoMarquee, MatchesCountMarkedEntriesAmongTheDrawn) {
  Board board;
  board.Mark(5);
  board.Mark(9);
  board.Mark(77);
  std::int32_t drawn[kKenoDrawn];
  for (int i = 0; i < kKenoDrawn; ++i) drawn[i] = i + 1;  // 1..20
  EXPECT_EQ(CountBoardMatches(board.entries, drawn), 2);
}

}  // namespace
