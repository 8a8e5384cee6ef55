// Both Roulette limit checks at every boundary with the table's limits
// (table 5..500, a number 1..100, an outside slot 5..500), and their texts.
#include <gtest/gtest.h>

#include <string>

#include "wl/RouletteLimits.h"

namespace wl {
namespace {

constexpr RouletteLimits kTable{5, 500, 1, 100, 5, 500};
constexpr int kStraight12 = 72;

struct Layout {
  int bets[kRouletteSlots] = {};
  double total = 0;
  Layout& On(int slot, int amount) {
    bets[slot] += amount;
    total += amount;
    return *this;
  }
};

int Server(const Layout& l, double money = 1000) {
  return CheckBetLimits(l.bets, l.total, kTable, money);
}
int Chip(const Layout& l, double x, int slot) {
  return CheckChipLimits(l.bets, l.total, kTable, x, slot);
}

TEST(CheckBetLimits, TheTableCasesInOrderOfTheirTests) {
  EXPECT_EQ(Server(Layout{}), kLimitsKept);                                  // empty layout
  EXPECT_EQ(Server(Layout{}.On(kRedSlot, 500).On(kBlackSlot, 100)), kAboveMaxTable);  // total 600
  EXPECT_EQ(Server(Layout{}.On(kStraight12, 101)), kAboveMaxNr);
  EXPECT_EQ(Server(Layout{}.On(kRedSlot, 4)), kBelowMinExtern);  // before the table minimum
  // The first slot out of its limits decides.
  EXPECT_EQ(Server(Layout{}.On(kRedSlot, 4).On(kBlackSlot, 501)), kBelowMinExtern);
  EXPECT_EQ(Server(Layout{}.On(kStraight12, 1)), kBelowMinTable);
  EXPECT_EQ(Server(Layout{}.On(kRedSlot, 25), 20), kAboveMoney);
  EXPECT_EQ(Server(Layout{}.On(kRedSlot, 500).On(kStraight12, 1)), kAboveMaxTable);  // 501
}

TEST(CheckBetLimits, AValueEqualToALimitPasses) {
  EXPECT_EQ(Server(Layout{}.On(kStraight12, 100)), kLimitsKept);
  EXPECT_EQ(Server(Layout{}.On(kStraight12, 101)), kAboveMaxNr);
  EXPECT_EQ(Server(Layout{}.On(kRedSlot, 500)), kLimitsKept);
  EXPECT_EQ(Server(Layout{}.On(kRedSlot, 501)), kAboveMaxExtern);
  EXPECT_EQ(Server(Layout{}.On(kRedSlot, 5)), kLimitsKept);
  EXPECT_EQ(Server(Layout{}.On(kStraight12, 5)), kLimitsKept);  // the table minimum
  EXPECT_EQ(Server(Layout{}.On(kStraight12, 4)), kBelowMinTable);
  EXPECT_EQ(Server(Layout{}.On(kRedSlot, 300).On(kBlackSlot, 200)), kLimitsKept);  // 500 in total
  EXPECT_EQ(Server(Layout{}.On(kRedSlot, 25), 25), kLimitsKept);               // all the money
  EXPECT_EQ(Server(Layout{}.On(kRedSlot, 25), 24.99), kAboveMoney);
  // The zero slots are number slots: their minimum is a number's.
  EXPECT_EQ(Server(Layout{}.On(kFiveNumbersSlot, 1).On(kRedSlot, 5)), kLimitsKept);
  EXPECT_EQ(Server(Layout{}.On(kFiveNumbersSlot, 101)), kAboveMaxNr);
}

TEST(CheckBetLimits, EverySlotIsCheckedAsTheKindItIs) {
  for (int slot = 32; slot <= 185; ++slot) {
    const bool outside = slot >= 170 && slot <= 181;
    EXPECT_EQ(Server(Layout{}.On(slot, 101)), outside ? kLimitsKept : kAboveMaxNr) << slot;
    EXPECT_EQ(Server(Layout{}.On(slot, 4)), outside ? kBelowMinExtern : kBelowMinTable) << slot;
  }
}

TEST(CheckChipLimits, AChipOnOneSlot) {
  Layout l;
  EXPECT_EQ(Chip(l, 1, kStraight12), kBelowMinTable);  // placed all the same by the client
  EXPECT_EQ(Chip(l, 1, kRedSlot), kBelowMinExtern);
  EXPECT_EQ(Chip(l, 100, kStraight12), kLimitsKept);
  EXPECT_EQ(Chip(l, 101, kStraight12), kAboveMaxNr);
  l.On(kStraight12, 100);
  EXPECT_EQ(Chip(l, 1, kStraight12), kAboveMaxNr);
  EXPECT_EQ(Chip(l, 1, kStraight12 + 2), kLimitsKept);  // only the slot named is looked at
  l.On(kRedSlot, 400);
  EXPECT_EQ(Chip(l, 1, kBlackSlot), kBelowMinExtern);
  EXPECT_EQ(Chip(l, 5, kBlackSlot), kAboveMaxTable);        // 505 in total
  EXPECT_EQ(Chip(l, 100, kRedSlot), kAboveMaxTable);        // red at 500 passes, the table not
  // Taking a chip back: a prospective amount of 0 is not checked.
  Layout two;
  two.On(kRedSlot, 5).On(kStraight12, 5);
  EXPECT_EQ(Chip(two, -5, kRedSlot), kLimitsKept);
  EXPECT_EQ(Chip(two, -4, kRedSlot), kBelowMinExtern);
}

TEST(CheckChipLimits, TheWholeLayoutBeforeASpin) {
  EXPECT_EQ(Chip(Layout{}, 0, 0), kLimitsKept);
  EXPECT_EQ(Chip(Layout{}.On(kStraight12, 1), 0, 0), kBelowMinTable);
  EXPECT_EQ(Chip(Layout{}.On(kStraight12, 5), 0, 0), kLimitsKept);
  EXPECT_EQ(Chip(Layout{}.On(kStraight12, 1).On(kRedSlot, 4), 0, 0), kBelowMinExtern);
  EXPECT_EQ(Chip(Layout{}.On(kStraight12, 101), 0, 0), kAboveMaxNr);
  EXPECT_EQ(Chip(Layout{}.On(kRedSlot, 500).On(kBlackSlot, 1), 0, 0), kBelowMinExtern);
  EXPECT_EQ(Chip(Layout{}.On(kRedSlot, 500).On(kBlackSlot, 5), 0, 0), kAboveMaxTable);
  // No money test on the client's side.
  EXPECT_EQ(Chip(Layout{}.On(kRedSlot, 500), 0, 0), kLimitsKept);
  // A chip on every slot at once meets the first slot's limits first.
  EXPECT_EQ(Chip(Layout{}, 1, 0), kBelowMinExtern);  // $1 on 170
  EXPECT_EQ(Chip(Layout{}, 101, 0), kAboveMaxNr);    // $101 on 32
}

std::string Text(int code) {
  char text[128];
  LimitText(code, kTable, text, sizeof(text));
  return text;
}

TEST(LimitText, EachCodeWithItsLimitInWholeDollars) {
  EXPECT_EQ(Text(kBelowMinTable), "The table's minimum is set to $5!");
  EXPECT_EQ(Text(kAboveMaxTable), "The table's maximum is set to $500!");
  EXPECT_EQ(Text(kBelowMinNr), "The minimum limit on all numbers is set to $1!");
  EXPECT_EQ(Text(kAboveMaxNr), "The maximum limit on a number is set to $100!");
  EXPECT_EQ(Text(kBelowMinExtern), "The minimum limit on all none numbers is set to $5!");
  EXPECT_EQ(Text(kAboveMaxExtern), "The maximum limit on all none numbers is set to $500!");
  EXPECT_EQ(Text(kAboveMoney), "you don't have enough money to play your bet");
  EXPECT_EQ(Text(kLimitsKept), "");
  EXPECT_EQ(Text(8), "");
}

}  // namespace
}  // namespace wl
