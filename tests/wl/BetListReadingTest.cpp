// The BETLIST reader: the lists a client writes, and every way a list can
// be bad, including the ones that would play a stake the total never held.
#include <gtest/gtest.h>

#include <string>

#include "wl/BetList.h"

namespace wl {
namespace {

struct Read {
  int ok;
  int bets[kRouletteSlots];
  double total;
};

Read ReadText(const std::string& text) {
  Read r{};
  r.total = -1;
  for (int& bet : r.bets) bet = -7;  // untouched by a bad list
  r.ok = ReadBetList(text.c_str(), r.bets, &r.total);
  return r;
}

TEST(BetListReading, ListsAsTheClientWritesThem) {
  Read empty = ReadText("0,0");
  ASSERT_EQ(empty.ok, 1);
  EXPECT_EQ(empty.total, 0);
  for (int bet : empty.bets) EXPECT_EQ(bet, 0);

  Read two = ReadText("72,5,178,10,0,0");
  ASSERT_EQ(two.ok, 1);
  EXPECT_EQ(two.total, 15);
  EXPECT_EQ(two.bets[72], 5);
  EXPECT_EQ(two.bets[178], 10);
  int others = 0;
  for (int slot = 0; slot < kRouletteSlots; ++slot) {
    others += slot != 72 && slot != 178 && two.bets[slot] != 0;
  }
  EXPECT_EQ(others, 0);

  std::string every;
  for (int slot = 32; slot <= 185; ++slot) every += std::to_string(slot) + ",2,";
  Read all = ReadText(every + "0,0");
  ASSERT_EQ(all.ok, 1);
  EXPECT_EQ(all.total, 2 * 154);
  EXPECT_EQ(all.bets[32], 2);
  EXPECT_EQ(all.bets[185], 2);
  EXPECT_EQ(all.bets[31], 0);
}

TEST(BetListReading, TheListEndsAtAZeroSlotOrAmount) {
  Read r = ReadText("72,5,0,0,178,10");  // nothing after the closing pair is read
  ASSERT_EQ(r.ok, 1);
  EXPECT_EQ(r.total, 5);
  EXPECT_EQ(r.bets[178], 0);
  Read zeroAmount = ReadText("72,5,178,0,179,10,0,0");
  ASSERT_EQ(zeroAmount.ok, 1);
  EXPECT_EQ(zeroAmount.total, 5);
  EXPECT_EQ(zeroAmount.bets[178], 0);
  EXPECT_EQ(zeroAmount.bets[179], 0);
  EXPECT_EQ(ReadText("0,5").ok, 1);
}

TEST(BetListReading, MalformedListsAreBad) {
  const char* const bad[] = {
      "",                     // nothing
      "72",                   // no comma after the first slot
      "72;10,0,0",            // a semicolon after the first slot
      "72,10",                // no closing pair
      "72,10,",               // the text ends where a slot should be
      "72,10,0",              // the closing slot has no comma
      "72,10,0,",             // the closing amount is missing
      "72,10;0,0",            // the amount is not followed by a comma
      "72, 10,0,0",           // a space is not a number
      "72,ten,0,0",
      "72,+10,0,0",
      "31,10,0,0",            // below the first bet slot
      "186,10,0,0",           // above the last
      "72,5,186,10,0,0",      // a bad slot after a good one
      "-72,10,0,0",
      "0x48,10,0,0",          // decimal only
  };
  for (const char* text : bad) {
    const Read r = ReadText(text);
    EXPECT_EQ(r.ok, 0) << '"' << text << '"';
    EXPECT_EQ(r.bets[72], -7) << text;
    EXPECT_EQ(r.total, -1) << text;
  }
}

TEST(BetListReading, NoStakeThatTheTotalDoesNotHold) {
  // Read as written, these would total 0 and pass the limits with a bet on
  // the table, or cancel one bet with another.
  const char* const bad[] = {
      "72,-10,72,10,0,0",
      "72,10,178,-10,0,0",
      "72,-10,0,0",
      "72,10,72,10,0,0",      // a slot named twice
      "72,5,178,5,72,10,0,0",
  };
  for (const char* text : bad) EXPECT_EQ(ReadText(text).ok, 0) << text;
}

TEST(BetListReading, NumbersTooLongOrTooLarge) {
  EXPECT_EQ(ReadText("72,2147483647,0,0").ok, 1);
  EXPECT_EQ(ReadText("72,2147483647,0,0").total, 2147483647.0);
  const char* const bad[] = {
      "72,2147483648,0,0",           // does not fit an int
      "72,99999999999999999999,0,0",
      "4294967368,10,0,0",           // 72 once cut to 32 bits
      "00000000072,10,0,0",          // eleven digits
      "72,10,0000000000000000000,0",
  };
  for (const char* text : bad) EXPECT_EQ(ReadText(text).ok, 0) << text;
  // The largest stakes on every slot add up without loss.
  std::string every;
  for (int slot = 32; slot <= 185; ++slot) every += std::to_string(slot) + ",2147483647,";
  const Read all = ReadText(every + "0,0");
  ASSERT_EQ(all.ok, 1);
  EXPECT_EQ(all.total, 154.0 * 2147483647.0);
}

}  // namespace
}  // namespace wl
