// A saved record is taken only when the machine can run it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "hx/BlackJackServer.h"

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

TEST(BlackJackRecordCheck, LimitsAreTheTablesOrNotReadYet) {
  BlackJackServerRecord r = Sound();
  r.maxBet = 1e6;
  EXPECT_EQ(IsBlackJackServerRecord(r), 0);
  r.maxBet = std::nan("");
  EXPECT_EQ(IsBlackJackServerRecord(r), 0);
  r = BlackJackServerRecord{};
  std::strcpy(r.gameCode, kBlackJackGameCode);
  for (int state = 0; state < kBlackJackServerStates; ++state) {
    r.state = state;
    const bool notRead = state == kServerWaitClientInit || state == kServerSendFailure ||
                         state == kServerFailed;
    EXPECT_EQ(IsBlackJackServerRecord(r), notRead ? 1 : 0) << state;
  }
}

TEST(BlackJackRecordCheck, TheBetIsNoneOrWithinTheLimits) {
  const double inf = std::numeric_limits<double>::infinity();
  for (double bet : {5.0, 500.0}) {
    BlackJackServerRecord r = Sound();
    r.bet = r.stakes[kStakeFirstHand] = bet;
    EXPECT_EQ(IsBlackJackServerRecord(r), 1) << bet;
  }
  BlackJackServerRecord none = Sound();
  none.bet = none.stakes[kStakeFirstHand] = 0;
  EXPECT_EQ(IsBlackJackServerRecord(none), 1);
  for (double bet : {4.99, 500.01, 1e6, inf, std::nan("")}) {
    BlackJackServerRecord r = Sound();
    r.bet = r.stakes[kStakeFirstHand] = bet;
    EXPECT_EQ(IsBlackJackServerRecord(r), 0) << bet;
  }
}

// A split doubles each hand at most once, and insurance is half the bet.
TEST(BlackJackRecordCheck, StakesAreWhatSplitsDoublesAndInsuranceHold) {
  BlackJackServerRecord r = Sound();
  r.stakes[kStakeFirstHand] = 20;
  r.stakes[kStakeSecondHand] = 20;
  r.stakes[kStakeInsurance] = 5;
  EXPECT_EQ(IsBlackJackServerRecord(r), 1);
  r.stakes[kStakeSecondHand] = 10;
  r.stakes[kStakeFirstHand] = 0;  // settled
  EXPECT_EQ(IsBlackJackServerRecord(r), 1);
  for (double stake : {5.0, 15.0, 40.0, 1e6}) {
    BlackJackServerRecord bad = Sound();
    bad.stakes[kStakeFirstHand] = stake;
    EXPECT_EQ(IsBlackJackServerRecord(bad), 0) << stake;
    bad = Sound();
    bad.stakes[kStakeSecondHand] = stake;
    EXPECT_EQ(IsBlackJackServerRecord(bad), 0) << stake;
  }
  for (double stake : {10.0, 2.5, 1e6}) {
    BlackJackServerRecord bad = Sound();
    bad.stakes[kStakeInsurance] = stake;
    EXPECT_EQ(IsBlackJackServerRecord(bad), 0) << stake;
  }
  for (double stake : {5.0, 10.0}) {
    BlackJackServerRecord bad = Sound();
    bad.stakes[kStakeSecondInsurance] = stake;
    EXPECT_EQ(IsBlackJackServerRecord(bad), 0) << "no command sets it: " << stake;
  }
}

TEST(BlackJackRecordCheck, CardsBeyondTheCountAreNotRead) {
  BlackJackServerRecord r = Sound();
  r.current.cards[5].value = 99;
  EXPECT_EQ(IsBlackJackServerRecord(r), 1);
}

}  // namespace
}  // namespace hx
