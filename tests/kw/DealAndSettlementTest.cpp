// The deal, the bet check, the settlement with its commission and the
// packet values, worked by hand.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>

#include "kw/Deal.h"
#include "kw/PaiGowWire.h"
#include "kw/Settlement.h"
#include "kw/Showdown.h"
#include "tests/kw/CardText.h"

namespace kw {
namespace {

int AlwaysZero() { return 0; }
int AlwaysFiftyTwo() { return 52; }

std::mt19937* g_rng = nullptr;
int FromRng() { return static_cast<int>((*g_rng)() % 32768); }

TEST(ShuffleAndDeal, DrawsFromTheClosingDeck) {
  PaiGowServerRecord r{};
  ShuffleAndDeal(&r, AlwaysZero);
  for (int i = 0; i < kDealtCards; ++i) EXPECT_EQ(r.cards[i], i);
  // 52 mod 53 is the joker, then 52 mod 52 = 0, 52 mod 51 = 1 (the 2 of
  // what is left), ...: every second card.
  ShuffleAndDeal(&r, AlwaysFiftyTwo);
  EXPECT_EQ(r.cards[0], 52);
  for (int i = 1; i < kDealtCards; ++i) EXPECT_EQ(r.cards[i], 2 * (i - 1));
}

TEST(ShuffleAndDeal, DealsFourteenDistinctCards) {
  constexpr std::uint32_t kSeed = 7;
  std::printf("seed %u\n", kSeed);
  std::mt19937 rng(kSeed);
  g_rng = &rng;
  int jokers = 0;
  for (int deal = 0; deal < 2000; ++deal) {
    PaiGowServerRecord r{};
    ShuffleAndDeal(&r, FromRng);
    bool seen[53] = {};
    for (int i = 0; i < kDealtCards; ++i) {
      ASSERT_GE(r.cards[i], 0);
      ASSERT_LE(r.cards[i], 52);
      ASSERT_FALSE(seen[r.cards[i]]);
      seen[r.cards[i]] = true;
    }
    jokers += seen[52];
  }
  g_rng = nullptr;
  EXPECT_GT(jokers, 0);
}

TEST(ReadBet, LimitsAreInclusive) {
  double bet = 0;
  EXPECT_EQ(ReadBet("10", 10, 500, &bet), kBetAccepted);
  EXPECT_EQ(bet, 10.0);
  EXPECT_EQ(ReadBet("500.000000", 10, 500, &bet), kBetAccepted);
  EXPECT_EQ(ReadBet("500.01", 10, 500, &bet), kBetOutOfLimits);
  EXPECT_EQ(ReadBet("9.99", 10, 500, &bet), kBetOutOfLimits);
  EXPECT_EQ(ReadBet("nan", 10, 500, &bet), kBetOutOfLimits);
  EXPECT_EQ(ReadBet("ten", 10, 500, &bet), kBetUnreadable);
  EXPECT_EQ(bet, -1.0);
  EXPECT_EQ(ReadBet("", 10, 500, &bet), kBetUnreadable);
  EXPECT_EQ(ReadBet(nullptr, 10, 500, &bet), kBetUnreadable);
}

// Bet 100 from 1000: the dealer's K-Q-9-7-5-4-2 plays Q-9 low.
PaiGowServerRecord Round(const std::string& player, int low1, int low2) {
  PaiGowServerRecord r{};
  const std::vector<int> ids = kw_test::Ids(player + " Ks Qh 9d 7c 5s 4h 2d");
  for (int i = 0; i < kDealtCards; ++i) r.cards[i] = ids[i];
  DecodeCards(r.cards, &r);
  r.bet = 100.0;
  r.money = 1000.0 - r.bet;
  r.secondHand[0] = low1;
  r.secondHand[1] = low2;
  return r;
}

TEST(PlayShowdown, PaysTheWinLessFivePercent) {
  PaiGowServerRecord r = Round("As Ah Ad Kc Ks Qd Jc", 3, 4);
  EXPECT_EQ(PlayShowdown(&r), 12);
  EXPECT_EQ(r.result, kPlayerWins);
  EXPECT_DOUBLE_EQ(r.winCredit, 195.0);
  EXPECT_DOUBLE_EQ(r.money, 1095.0);

  r = Round("As Ah Ad Kc Ks 3d 2c", 5, 6);
  PlayShowdown(&r);
  EXPECT_EQ(r.result, kPush);
  EXPECT_DOUBLE_EQ(r.winCredit, 100.0);
  EXPECT_DOUBLE_EQ(r.money, 1000.0);

  r = Round("Js 9h 8d 6c 3s Th 2c", 5, 6);
  PlayShowdown(&r);
  EXPECT_EQ(r.result, kDealerWins);
  EXPECT_DOUBLE_EQ(r.winCredit, 0.0);
  EXPECT_DOUBLE_EQ(r.money, 900.0);

  // A copy of the dealer's low hand loses it: the win becomes a push.
  r = Round("As Ah Ad Qc 9s 3d 2c", 3, 4);
  PlayShowdown(&r);
  EXPECT_EQ(r.result, kPush);
  EXPECT_EQ(r.wonLow, 0);
}

TEST(ShowdownCredit, ByResult) {
  EXPECT_DOUBLE_EQ(ShowdownCredit(kPlayerWins, 10.0), 19.5);
  EXPECT_DOUBLE_EQ(ShowdownCredit(kPush, 10.0), 10.0);
  EXPECT_DOUBLE_EQ(ShowdownCredit(kDealerWins, 10.0), 0.0);
}

TEST(PaiGowWire, CardTexts) {
  PaiGowServerRecord r{};
  for (int i = 0; i < kDealtCards; ++i) r.cards[i] = 52 - i;
  r.result = 2;
  r.wonHigh = 1;
  char text[kCardsTextSize];
  FormatFirstCards(r, text);
  EXPECT_STREQ(text, "52,51,50,49,48,47,46");
  FormatDealerCardsShowdown(r, 25, text);
  EXPECT_STREQ(text, "45,44,43,42,41,40,39,2,5,2,1,0");
  FormatDealerCardsCardFail(r, 3, text);
  EXPECT_STREQ(text, "45,44,43,42,41,40,39,3,0");
}

TEST(PaiGowWire, SecondCardsAreTwoDifferentPositionsOneToSeven) {
  std::int32_t a = 0, b = 0;
  EXPECT_TRUE(ParseSecondCards("3,5", &a, &b));
  EXPECT_EQ(a, 3);
  EXPECT_EQ(b, 5);
  EXPECT_TRUE(ParseSecondCards("7,1", &a, &b));
  a = b = 0;
  EXPECT_FALSE(ParseSecondCards("0,5", &a, &b));
  EXPECT_FALSE(ParseSecondCards("8,1", &a, &b));
  EXPECT_FALSE(ParseSecondCards("3,3", &a, &b));
  EXPECT_FALSE(ParseSecondCards("4294967299,5", &a, &b));  // 2^32 + 3 is no 3
  EXPECT_FALSE(ParseSecondCards("3", &a, &b));
  EXPECT_FALSE(ParseSecondCards("x,y", &a, &b));
  EXPECT_FALSE(ParseSecondCards(nullptr, &a, &b));
  EXPECT_EQ(a, 0);
  EXPECT_EQ(b, 0);
}

}  // namespace
}  // namespace kw
