// The server record is a stored format; a saved one is checked whole before
// a restore installs it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "kw/Deal.h"
#include "kw/PaiGowServerRecord.h"
#include "kw/PaiGowServer.h"
#include "kw/RecordCheck.h"
#include "kw/Showdown.h"

namespace kw {
namespace {

std::uint32_t WordAt(const PaiGowServerRecord& r, std::size_t offset) {
  unsigned char bytes[sizeof(r)];
  std::memcpy(bytes, &r, sizeof(r));
  return static_cast<std::uint32_t>(bytes[offset]) | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
         static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

TEST(ServerRecordLayout, FieldsSitAtTheirStoredOffsets) {
  PaiGowServerRecord r{};
  std::strcpy(r.gameName, "KW");
  r.state = 0x11223344;
  r.minBet = 2.0;  // 0x4000000000000000
  r.cards[13] = 0x0A0B0C0D;
  r.dealerSuits[6] = 0x55;
  r.eval.rank2 = 0x66;
  r.pairs.kind = 0x77;
  r.straightFlush.joker = 0x88;
  r.secondHand[1] = 0x99;
  r.wonLow = 0x01020304;
  EXPECT_EQ(WordAt(r, 0), 0x574Bu);
  EXPECT_EQ(WordAt(r, 16), 0x11223344u);
  EXPECT_EQ(WordAt(r, 28), 0x40000000u);
  EXPECT_EQ(WordAt(r, 64 + 13 * 4), 0x0A0B0C0Du);
  EXPECT_EQ(WordAt(r, 208 + 6 * 4), 0x55u);
  EXPECT_EQ(WordAt(r, 244), 0x66u);
  EXPECT_EQ(WordAt(r, 248), 0x77u);
  EXPECT_EQ(WordAt(r, 288), 0x88u);
  EXPECT_EQ(WordAt(r, 296), 0x99u);
  EXPECT_EQ(WordAt(r, 308), 0x01020304u);
}

int Counting() {
  static int n = 0;
  return n += 7;
}

PaiGowServerRecord Dealt(int state) {
  PaiGowServerRecord r{};
  r.state = state;
  r.minBet = 5;  // the table's limits, as CLIENTINIT read them
  r.maxBet = 500;
  ShuffleAndDeal(&r, Counting);
  DecodeCards(r.cards, &r);
  return r;
}

TEST(RecordCheck, AcceptsADealtRecord) {
  EXPECT_TRUE(IsSoundServerRecord(Dealt(3)));
  PaiGowServerRecord r = Dealt(8);
  r.secondHand[0] = 7;
  r.secondHand[1] = 1;
  EXPECT_TRUE(IsSoundServerRecord(r));
  r.state = 10;
  r.secondHand[0] = 6;
  r.secondHand[1] = 0;
  EXPECT_TRUE(IsSoundServerRecord(r));
}

TEST(RecordCheck, RefusesWhatARestoreCouldNotPlay) {
  PaiGowServerRecord r = Dealt(23);
  EXPECT_FALSE(IsSoundServerRecord(r)) << "state above 22";
  r.state = -1;
  EXPECT_FALSE(IsSoundServerRecord(r));
  r = Dealt(3);
  r.cards[5] = r.cards[4];
  DecodeCards(r.cards, &r);
  EXPECT_FALSE(IsSoundServerRecord(r)) << "a card twice";
  r = Dealt(3);
  r.cards[0] = 53;
  EXPECT_FALSE(IsSoundServerRecord(r)) << "no such card";
  r = Dealt(3);
  r.dealerRanks[3] += 1;
  EXPECT_FALSE(IsSoundServerRecord(r)) << "rank disagrees with its id";
  r = Dealt(3);
  r.playerSuits[0] = (r.playerSuits[0] + 1) % 5;
  EXPECT_FALSE(IsSoundServerRecord(r)) << "suit disagrees with its id";
  r = Dealt(8);
  r.secondHand[0] = 0;
  r.secondHand[1] = 3;
  EXPECT_FALSE(IsSoundServerRecord(r)) << "1-based positions before the split check";
  r = Dealt(9);
  r.secondHand[0] = 7;
  r.secondHand[1] = 3;
  EXPECT_FALSE(IsSoundServerRecord(r)) << "0-based positions after it";
  r = Dealt(4);
  r.secondHand[0] = 8;
  EXPECT_FALSE(IsSoundServerRecord(r));
}

// Amounts a played round can hold: the limits of the table (5 to 500), a
// bet within them, a credit of at most 1.95 x bet, a balance.
PaiGowServerRecord AtShowdown() {
  PaiGowServerRecord r = Dealt(9);
  r.secondHand[0] = 0;
  r.secondHand[1] = 1;
  return r;
}

TEST(RecordCheck, LimitsAreTheTablesOrNotReadYet) {
  PaiGowServerRecord r = Dealt(3);
  r.minBet = 1;
  EXPECT_FALSE(IsSoundServerRecord(r)) << "a minimum below the table's";
  r = Dealt(3);
  r.maxBet = 1e6;
  EXPECT_FALSE(IsSoundServerRecord(r)) << "a maximum above the table's";
  r.maxBet = std::nan("");
  EXPECT_FALSE(IsSoundServerRecord(r));
  for (int state : {0, 20, 22}) {
    r = Dealt(state);
    r.minBet = r.maxBet = 0;
    EXPECT_TRUE(IsSoundServerRecord(r)) << "before or without CLIENTINIT, state " << state;
  }
  for (int state : {1, 3, 9, 13, 21}) {
    r = Dealt(state);
    r.minBet = r.maxBet = 0;
    EXPECT_FALSE(IsSoundServerRecord(r)) << "past CLIENTINIT, state " << state;
  }
  r = Dealt(0);
  r.minBet = r.maxBet = 0;
  r.bet = 5;
  EXPECT_FALSE(IsSoundServerRecord(r)) << "a bet with no limits read";
}

TEST(RecordCheck, TheBetIsNoneOrWithinTheLimits) {
  const double inf = std::numeric_limits<double>::infinity();
  for (double bet : {0.0, 5.0, 123.5, 500.0}) {
    PaiGowServerRecord r = AtShowdown();
    r.bet = bet;
    EXPECT_TRUE(IsSoundServerRecord(r)) << bet;
  }
  for (double bet : {4.99, 500.01, 1e6, -5.0, inf, std::nan("")}) {
    PaiGowServerRecord r = AtShowdown();
    r.bet = bet;
    EXPECT_FALSE(IsSoundServerRecord(r)) << bet;
  }
}

TEST(RecordCheck, TheWinCreditIsAtMostTheShowdownsAndTheMoneyABalance) {
  PaiGowServerRecord r = AtShowdown();
  r.bet = 200;
  for (double credit : {0.0, 200.0, 390.0}) {  // nothing, a push, a win
    r.winCredit = credit;
    EXPECT_TRUE(IsSoundServerRecord(r)) << credit;
  }
  for (double credit : {390.01, -1.0, std::nan("")}) {
    r.winCredit = credit;
    EXPECT_FALSE(IsSoundServerRecord(r)) << credit;
  }
  r.winCredit = 0;
  r.money = -0.01;
  EXPECT_FALSE(IsSoundServerRecord(r));
  r.money = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(IsSoundServerRecord(r));
}

}  // namespace
}  // namespace kw
