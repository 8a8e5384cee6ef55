// The Slot machine's money model worked by hand: dollars into credits at
// the machine value and back, the coins bet, and a machine change that
// keeps the whole dollars in the machine and the cents outside.
#include <gtest/gtest.h>

#include <cmath>

#include "jb/SlotMoney.h"

namespace jb {
namespace {

SlotClientRecord Machine(double money, double credits, double betCoins) {
  SlotClientRecord r{};
  r.money = money;
  r.credits = credits;
  r.betCoins = betCoins;
  return r;
}

TEST(SlotMoney, FiveDollarsOnAQuarterMachineAreTwentyCreditsAndCashOutWhole) {
  SlotClientRecord r = Machine(100, 0, 0);
  ASSERT_EQ(InsertMoney(r, 5, 0.25), 1);
  EXPECT_DOUBLE_EQ(r.credits, 20.0);
  EXPECT_DOUBLE_EQ(r.money, 95.0);
  EXPECT_EQ(CashOutMoney(r, 0.25), 20);
  EXPECT_DOUBLE_EQ(r.money, 100.0);
  EXPECT_DOUBLE_EQ(r.credits, 0.0);
}

TEST(SlotMoney, InsertNeedsTheMoneyOutside) {
  SlotClientRecord r = Machine(24.5, 0, 0);
  EXPECT_EQ(InsertMoney(r, 25, 1.0), 0);
  EXPECT_EQ(r.credits, 0.0);
  EXPECT_EQ(r.money, 24.5);
  EXPECT_EQ(InsertMoney(r, 0, 1.0), 0);
}

TEST(SlotMoney, CashOutReturnsTheBetWithTheCreditsAndCountsWholeCredits) {
  // $1 on a $5 machine is 0.2 credits; with 2 coins bet: $11 back, 2 whole coins in the tray.
  SlotClientRecord r = Machine(0, 2.2, 2);
  EXPECT_EQ(CashOutMoney(r, 5.0), 2);
  EXPECT_DOUBLE_EQ(r.money, 21.0);
  EXPECT_EQ(r.betCoins, 0.0);
}

TEST(SlotMoney, SevenCreditsChangedFromOneToFiveDollarsAreOnePointFour) {
  SlotClientRecord r = Machine(10, 7, 0);
  ChangeMachineValue(r, 1.0, 5.0);
  EXPECT_DOUBLE_EQ(r.credits, 1.4);
  EXPECT_DOUBLE_EQ(r.money, 10.0);
  // ... and back: 1.4 x $5 is $7, 7 credits again and no cent lost.
  ChangeMachineValue(r, 5.0, 1.0);
  EXPECT_DOUBLE_EQ(r.credits, 7.0);
  EXPECT_DOUBLE_EQ(r.money, 10.0);
}

TEST(SlotMoney, AQuarterCreditChangedToOneDollarStaysInTheMoney) {
  SlotClientRecord r = Machine(10, 1, 0);
  ChangeMachineValue(r, 0.25, 1.0);
  EXPECT_EQ(r.credits, 0.0);
  EXPECT_DOUBLE_EQ(r.money, 10.25);
}

TEST(SlotMoney, AChangeTakesTheBetBackIntoTheCredits) {
  // 5 credits and 3 coins bet at $0.25 are $2: 2 credits at $1, nothing bet.
  SlotClientRecord r = Machine(0, 5, 3);
  ChangeMachineValue(r, 0.25, 1.0);
  EXPECT_DOUBLE_EQ(r.credits, 2.0);
  EXPECT_EQ(r.betCoins, 0.0);
  EXPECT_DOUBLE_EQ(r.money, 0.0);
}

TEST(SlotMoney, BetOneCoinStopsAtThreeAndNeedsACredit) {
  SlotClientRecord r = Machine(0, 5, 0);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(BetOneCoin(r), 1);
  EXPECT_EQ(BetOneCoin(r), 0);
  EXPECT_EQ(r.betCoins, 3.0);
  EXPECT_EQ(r.credits, 2.0);
  SlotClientRecord poor = Machine(0, 0.4, 0);
  EXPECT_EQ(BetOneCoin(poor), 0);
  EXPECT_EQ(poor.betCoins, 0.0);
}

TEST(SlotMoney, BetThreeCoinsCountsTheCoinsAlreadyBet) {
  SlotClientRecord r = Machine(0, 3, 1);
  ASSERT_EQ(BetThreeCoins(r), 1);
  EXPECT_EQ(r.credits, 1.0);
  EXPECT_EQ(r.betCoins, 3.0);
  SlotClientRecord two = Machine(0, 2, 2);
  EXPECT_EQ(BetThreeCoins(two), 0);
  EXPECT_EQ(two.credits, 2.0);
  EXPECT_EQ(two.betCoins, 2.0);
}

TEST(SlotMoney, OnlyTheThreeMachineValuesAreMachineValues) {
  EXPECT_EQ(IsMachineValue(0.25), 1);
  EXPECT_EQ(IsMachineValue(1.0), 1);
  EXPECT_EQ(IsMachineValue(5.0), 1);
  for (double v : {0.0, 0.1, 0.5, 2.5, -1.0, 25.0, std::nan("")}) EXPECT_EQ(IsMachineValue(v), 0) << v;
  EXPECT_EQ(MachineValueIndex(5.0), 2);
}

}  // namespace
}  // namespace jb
