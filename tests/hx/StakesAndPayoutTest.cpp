// Held stakes against the account, the dealer's play and the payout factor
// of a finished hand, each worked out by hand.
#include <gtest/gtest.h>

#include <cstring>

#include "framework/link/Db.h"
#include "hx/BlackJackRules.h"
#include "hx/Stakes.h"

namespace hx {
namespace {

double Balance() {
  double balance = 0;
  dbGetBalance(1, &balance);
  return balance;
}

void Set(CardList& list, std::initializer_list<int> values) {
  CardListClear(list);
  for (int value : values) CardListAdd(list, 1, value);
}

// A deck whose top card is the first of values.
void Deck(BlackJackServerRecord& r, std::initializer_list<int> values) {
  CardListClear(r.deck);
  for (auto it = std::rbegin(values); it != std::rend(values); ++it) CardListAdd(r.deck, 2, *it);
}

TEST(Stakes, HeldNotDebitedUntilSettled) {
  dbSetBalance(1, 100);
  BlackJackServerRecord r{};
  r.bet = 40;
  EXPECT_EQ(StakeSet(r, 1, kStakeFirstHand, 40), kDbOk);
  EXPECT_EQ(StakeSet(r, 1, kStakeSecondHand, 40), kDbOk);
  EXPECT_EQ(StakeSet(r, 1, kStakeInsurance, 20.01), kDbNotEnoughMoney);
  EXPECT_EQ(StakeSet(r, 1, kStakeInsurance, 20), kDbOk);
  EXPECT_EQ(Balance(), 100);
  double free = -1;
  EXPECT_EQ(FreeBalance(r, 1, &free), kDbOk);
  EXPECT_EQ(free, 0);
  EXPECT_EQ(CanAfford(r, 1, 0.01), 0);
  EXPECT_EQ(StakeWin(r, 1, kStakeFirstHand, 2.5), kDbOk);
  EXPECT_EQ(Balance(), 160);
  EXPECT_EQ(StakeWin(r, 1, kStakeInsurance, 0), kDbOk);
  EXPECT_EQ(Balance(), 200);
  EXPECT_EQ(StakeLose(r, 1, kStakeSecondHand), kDbOk);
  EXPECT_EQ(Balance(), 160);
  for (double stake : r.stakes) EXPECT_EQ(stake, 0);
}

TEST(Stakes, ADoubleNeedsTheBalanceBesideTheOtherStakes) {
  dbSetBalance(1, 100);
  BlackJackServerRecord r{};
  r.stakes[kStakeFirstHand] = 30;
  r.stakes[kStakeInsurance] = 15;
  EXPECT_EQ(StakeSetDouble(r, 1, kStakeFirstHand, 85.01), kDbNotEnoughMoney);
  EXPECT_EQ(r.stakes[kStakeFirstHand], 30);
  EXPECT_EQ(StakeSetDouble(r, 1, kStakeFirstHand, 85), kDbOk);
  EXPECT_EQ(StakeGet(r, kStakeFirstHand), 85);
}

TEST(Stakes, AFailedDebitKeepsTheStakeHeld) {
  dbSetBalance(1, 5);
  BlackJackServerRecord r{};
  r.stakes[kStakeFirstHand] = 10;
  EXPECT_EQ(StakeLose(r, 1, kStakeFirstHand), kDbNotEnoughMoney);
  EXPECT_EQ(r.stakes[kStakeFirstHand], 10);
  EXPECT_EQ(Balance(), 5);
}

TEST(Stakes, AForfeitDebitsEveryStakeInOrder) {
  dbSetBalance(1, 100);
  BlackJackServerRecord r{};
  r.bet = 10;
  r.stakes[kStakeFirstHand] = 10;
  r.stakes[kStakeSecondHand] = 10;
  r.stakes[kStakeInsurance] = 5;
  EXPECT_EQ(ForfeitAllStakes(r, 1), kDbOk);
  EXPECT_EQ(Balance(), 75);
}

TEST(HalvedLoss, OnlyADoubledHandAgainstANaturalWithATenUp) {
  BlackJackServerRecord r{};
  r.bet = 10;
  r.stakes[kStakeFirstHand] = 20;
  r.stakes[kStakeSecondHand] = 10;
  r.stakes[kStakeInsurance] = 20;
  Set(r.dealer, {13, 1});
  EXPECT_EQ(HandLossAmount(r, kStakeFirstHand), 10);
  EXPECT_EQ(HandLossAmount(r, kStakeSecondHand), 10);  // not doubled itself
  EXPECT_EQ(HandLossAmount(r, kStakeInsurance), 20);
  Set(r.dealer, {1, 13});
  EXPECT_EQ(HandLossAmount(r, kStakeFirstHand), 20);
  Set(r.dealer, {13, 5, 6});
  EXPECT_EQ(HandLossAmount(r, kStakeFirstHand), 20);
}

TEST(DealerDraw, StandsOnSoft17AndDrawsToIt) {
  BlackJackServerRecord r{};
  Set(r.firstHand, {10, 9});
  Set(r.dealer, {1});
  Deck(r, {6, 5});
  EXPECT_EQ(DealerDraw(r), 1);
  EXPECT_EQ(BestTotal(r.dealer), 17);
  Set(r.dealer, {1});
  Deck(r, {5, 2, 9});
  EXPECT_EQ(DealerDraw(r), 2);
  EXPECT_EQ(BestTotal(r.dealer), 18);
  Set(r.dealer, {10});
  Deck(r, {6, 10, 3});
  EXPECT_EQ(DealerDraw(r), 2);
  EXPECT_EQ(BestTotal(r.dealer), 26);
}

TEST(DealerDraw, TheModeFollowsThePlayersHands) {
  BlackJackServerRecord r{};
  Set(r.firstHand, {1, 13});
  Set(r.dealer, {7});
  Deck(r, {2, 2});
  EXPECT_EQ(DealerDraw(r), 0);  // a natural against a 7
  Set(r.dealer, {1});
  EXPECT_EQ(DealerDraw(r), 1);  // against an ace: one card, whatever it is
  EXPECT_EQ(r.dealer.count, 2);
  Set(r.firstHand, {10, 6, 9});
  Set(r.dealer, {7, 3});
  Deck(r, {2});
  EXPECT_EQ(DealerDraw(r), 0);  // the hand is bust
  Set(r.dealer, {7});
  r.insurance = 1;
  EXPECT_EQ(DealerDraw(r), 1);  // insured: the second card shows
  r.insurance = 0;
  r.splitState = kSplitSecondInPlay;
  Set(r.secondHand, {10, 7});
  Set(r.dealer, {7});
  Deck(r, {10});
  EXPECT_EQ(DealerDraw(r), 1);  // one split hand stands
  Set(r.secondHand, {10, 7, 8});
  Set(r.dealer, {7});
  EXPECT_EQ(DealerDraw(r), 0);  // both split hands bust
  Set(r.dealer, {2});
  r.splitState = kNoSplit;
  Set(r.firstHand, {10, 7});
  Deck(r, {2});
  EXPECT_EQ(DealerDraw(r), -1);  // the deck runs out
}

struct PayoutCase {
  std::initializer_list<int> hand, dealer;
  int split;
  double factor;
};

TEST(HandPayoutFactor, EveryOutcome) {
  const PayoutCase cases[] = {
      {{10, 6, 9}, {10, 6, 9}, 0, 0},   // both bust: the player loses first
      {{10, 8}, {10, 6, 9}, 0, 2.0},    // dealer bust
      {{1, 13}, {10, 6, 9}, 0, 2.5},
      {{1, 13}, {7}, 0, 2.5},           // natural against the up card alone
      {{1, 13}, {1, 12}, 0, 1.0},       // naturals push
      {{1, 13}, {10, 5, 6}, 0, 2.5},    // a natural beats a three-card 21
      {{7, 4, 10}, {13, 1}, 0, 0},      // a three-card 21 loses to a natural
      {{7, 4, 10}, {13, 5, 6}, 0, 1.0},
      {{10, 9}, {10, 9}, 0, 1.0},
      {{10, 9}, {10, 8}, 0, 2.0},
      {{10, 8}, {10, 9}, 0, 0},
      {{1, 13}, {10, 9}, kSplitSecondInPlay, 2.0},  // no natural after a split
      {{1, 13}, {1, 10}, kSplitSecondInPlay, 0},
  };
  for (const PayoutCase& c : cases) {
    BlackJackServerRecord r{};
    CardList hand{};
    Set(hand, c.hand);
    Set(r.dealer, c.dealer);
    r.splitState = c.split;
    EXPECT_EQ(HandPayoutFactor(r, hand), c.factor)
        << hand.cards[0].value << "," << hand.cards[1].value << " against " << r.dealer.cards[0].value;
  }
}

}  // namespace
}  // namespace hx
