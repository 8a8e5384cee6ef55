// The client's reading of the settlement: result words, win amounts, every
// result text of the table and the double pile that stays.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "hx/BlackJackResults.h"

namespace hx {
namespace {

TEST(BlackJackResults, WordsOfEachHand) {
  EXPECT_EQ(FirstHandResult("WIN"), kResultWon);
  EXPECT_EQ(FirstHandResult("LOOSE"), kResultLost);
  EXPECT_EQ(FirstHandResult("WIN2.5"), kResultNaturalWon);
  EXPECT_EQ(FirstHandResult("PUSH"), kResultPushed);
  EXPECT_EQ(FirstHandResult("win"), kResultPushed);  // compared exactly
  EXPECT_EQ(FirstHandResult("NOPLAY"), kResultPushed);
  EXPECT_EQ(SecondHandResult("WIN"), kResultWon);
  EXPECT_EQ(SecondHandResult("LOOSE"), kResultLost);
  EXPECT_EQ(SecondHandResult("PUSH"), kResultPushed);
  EXPECT_EQ(SecondHandResult("WIN2.5"), kResultNaturalWon);
  EXPECT_EQ(SecondHandResult("NOPLAY"), kResultNone);
  EXPECT_EQ(SecondHandResult("LOSE"), kResultNone);
}

TEST(BlackJackResults, WinAmounts) {
  EXPECT_DOUBLE_EQ(WinAmount(kResultWon, 10, 0), 10);
  EXPECT_DOUBLE_EQ(WinAmount(kResultWon, 10, 10), 20);
  EXPECT_DOUBLE_EQ(WinAmount(kResultNaturalWon, 25, 0), 37.5);
  EXPECT_DOUBLE_EQ(WinAmount(kResultPushed, 10, 10), 0);
  EXPECT_DOUBLE_EQ(WinAmount(kResultLost, 10, 10), 0);
}

std::string Text(int first, int second, int split, double w1 = 10, double w2 = 20) {
  char text[160];
  FormatResultText(first, second, split, w1, w2, text, sizeof text);
  return text;
}

TEST(BlackJackResults, EveryResultText) {
  EXPECT_EQ(Text(kResultWon, kResultNone, 0), "You win $10.00");
  EXPECT_EQ(Text(kResultNaturalWon, kResultNone, 0, 15), "You win $15.00");
  EXPECT_EQ(Text(kResultLost, kResultNone, 0), "Dealer wins");
  EXPECT_EQ(Text(kResultPushed, kResultNone, 0), "Push");
  EXPECT_EQ(Text(kResultWon, kResultWon, 1), "You win $10.00 on hand 1 and $20.00 on hand 2");
  EXPECT_EQ(Text(kResultLost, kResultLost, 1), "Dealer wins");
  EXPECT_EQ(Text(kResultPushed, kResultPushed, 1), "Push");
  EXPECT_EQ(Text(kResultWon, kResultLost, 1), "You win $10.00 on hand 1 and dealer wins on hand 2");
  EXPECT_EQ(Text(kResultLost, kResultWon, 1), "Dealer wins on hand 1 and you win $20.00 on hand 2");
  EXPECT_EQ(Text(kResultWon, kResultPushed, 1), "You win $10.00 on hand 1 and it's push on hand 2");
  EXPECT_EQ(Text(kResultPushed, kResultWon, 1), "It's push on hand 1 and you win $20.00 on hand 2");
  EXPECT_EQ(Text(kResultLost, kResultPushed, 1), "Dealer wins on hand 1 and it's push on hand 2");
  EXPECT_EQ(Text(kResultPushed, kResultLost, 1), "It's push on hand 1 and dealer wins on hand 2");
  EXPECT_EQ(Text(kResultWon, kResultNone, 1), "Unhandle won state!");
  char text[160];
  EXPECT_EQ(FormatResultText(kResultNone, kResultNone, 1, 0, 0, text, sizeof text), 0);
}

// The text stays inside the 160-character status text whatever the sums.
TEST(BlackJackResults, TextIsBounded) {
  char text[32];
  std::memset(text, 'x', sizeof text);
  FormatResultText(kResultWon, kResultWon, 1, 1e300, 1e300, text, sizeof text);
  EXPECT_EQ(std::strlen(text), sizeof text - 1);
}

TEST(BlackJackResults, DoublePileStaysOnlyAgainstATenUpNatural) {
  CardList dealer{};
  CardListAdd(dealer, 0, 10);
  CardListAdd(dealer, 1, 1);
  EXPECT_EQ(KeepsDoublePile(dealer, 10), 1);
  EXPECT_EQ(KeepsDoublePile(dealer, 0), 0);
  CardList aceUp{};
  CardListAdd(aceUp, 1, 1);
  CardListAdd(aceUp, 0, 13);
  EXPECT_EQ(KeepsDoublePile(aceUp, 10), 0);
  CardList three{};
  CardListAdd(three, 0, 10);
  CardListAdd(three, 1, 5);
  CardListAdd(three, 1, 6);
  EXPECT_EQ(KeepsDoublePile(three, 10), 0);
}


}  // namespace
}  // namespace hx
