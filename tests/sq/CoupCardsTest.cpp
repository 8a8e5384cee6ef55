// The CARDS text of DEALANSWER as the client reads it: the 15 fields in
// slot order, and every field out of its range refused.
#include <gtest/gtest.h>

#include "sq/BaccaratWire.h"

namespace sq {
namespace {

TEST(CoupCards, ReadsTheFifteenFieldsInSlotOrder) {
  CoupCards c{};
  ASSERT_EQ(ParseCoupCards("2,16,37,44,100,51,4,5,0,7,2,3,1,19.500000,1", &c), 1);
  const int cards[] = {2, 16, 37, 44, kNotDrawn, 51};
  const int points[] = {4, 5, 0, 7, 2, 3};
  for (int i = 0; i < kCoupCards; ++i) {
    EXPECT_EQ(c.cards[i], cards[i]);
    EXPECT_EQ(c.points[i], points[i]);
  }
  EXPECT_EQ(c.result, kBankerStakeWon);
  EXPECT_DOUBLE_EQ(c.win, 19.5);
  EXPECT_EQ(c.winner, kBankerWins);
}

TEST(CoupCards, RefusesEveryFieldOutOfItsRangeAndLeavesTheCoupAlone) {
  const char* const bad[] = {
      "52,16,37,44,100,100,4,5,0,7,2,3,0,10,0",   // a card id past the deck
      "-1,16,37,44,100,100,4,5,0,7,2,3,0,10,0",   // a negative card id
      "2,100,37,44,100,100,4,5,0,7,2,3,0,10,0",   // 100 outside the third-card slots
      "2,16,37,44,100,100,4,10,0,7,2,3,0,10,0",   // a point of 10
      "2,16,37,44,100,100,4,5,0,-1,2,3,0,10,0",   // a negative point
      "2,16,37,44,100,100,4,5,0,7,2,3,4,10,0",    // result 4
      "2,16,37,44,100,100,4,5,0,7,2,3,0,10,3",    // winner 3
      "2,16,37,44,100,100,4,5,0,7,2,3,0,nan,0",   // a win that is no number
      "2,16,37,44,100,100,4,5,0,7,2,3,0,-5,0",    // a negative win
      "2,16,37,44,100,100,4,5,0,7,2,3,0,10",      // 14 fields
      "4294967298,16,37,44,100,100,4,5,0,7,2,3,0,10,0",  // 2^32 + 2 is no card 2
      "",
  };
  for (const char* text : bad) {
    CoupCards c{};
    c.result = 9;
    EXPECT_EQ(ParseCoupCards(text, &c), 0) << text;
    EXPECT_EQ(c.result, 9) << text;
  }
}

}  // namespace
}  // namespace sq
