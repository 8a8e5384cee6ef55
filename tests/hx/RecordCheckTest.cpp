// A saved record is taken only when the machine can run it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "hx/BlackJackServerRecord.h"

namespace hx {
namespace {

BlackJackServerRecord Sound() {
  BlackJackServerRecord r{};
  std::strcpy(r.gameCode, kBlackJackGameCode);
  r.state = 7;
  r.minBet = 5;
  r.maxBet = 500;
  r.bet = 10;
  r.stakes[kStakeFirstHand] = 10;
  CardListAdd(r.current, 0, 1);
  CardListAdd(r.current, 3, 13);
  CardListAdd(r.dealer, 2, 7);
  return r;
}

TEST(BlackJackRecordCheck, ASoundRecordIsTaken) {
  EXPECT_EQ(IsBlackJackServerRecord(Sound()), 1);
  BlackJackServerRecord last = Sound();
  last.state = 33;
  EXPECT_EQ(IsBlackJackServerRecord(last), 1);
}

TEST(BlackJackRecordCheck, EachFaultIsRefused) {
  BlackJackServerRecord r = Sound();
  r.state = 34;
  EXPECT_EQ(IsBlackJackServerRecord(r), 0);
  r = Sound();
  r.state = -1;
  EXPECT_EQ(IsBlackJackServerRecord(r), 0);
  r = Sound();
  std::strcpy(r.gameCode, "HY");
  EXPECT_EQ(IsBlackJackServerRecord(r), 0);
  r = Sound();
  std::strcpy(r.gameCode, "HXX");
  EXPECT_EQ(IsBlackJackServerRecord(r), 0);
  r = Sound();
  r.deck.count = 53;
  EXPECT_EQ(IsBlackJackServerRecord(r), 0);
  r = Sound();
  r.pendingHand.count = -1;
  EXPECT_EQ(IsBlackJackServerRecord(r), 0);
  r = Sound();
  r.current.cards[1].value = 14;
  EXPECT_EQ(IsBlackJackServerRecord(r), 0);
  r = Sound();
  r.dealer.cards[0].suit = 4;
  EXPECT_EQ(IsBlackJackServerRecord(r), 0);
  r = Sound();
  r.stakes[kStakeSecondInsurance] = -0.01;
  EXPECT_EQ(IsBlackJackServerRecord(r), 0);
  r = Sound();
  r.stakes[kStakeInsurance] = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(IsBlackJackServerRecord(r), 0);
  r = Sound();
  r.stakes[kStakeSecondHand] = std::numeric_limits<double>::infinity();
  EXPECT_EQ(IsBlackJackServerRecord(r), 0);
}

TEST(BlackJackRecordCheck, CardsBeyondTheCountAreNotRead) {
  BlackJackServerRecord r = Sound();
  r.current.cards[5].value = 99;
  EXPECT_EQ(IsBlackJackServerRecord(r), 1);
}

}  // namespace
}  // namespace hx
