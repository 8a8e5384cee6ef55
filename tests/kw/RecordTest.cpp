// The server record is a stored format; a saved one is checked whole before
// a restore installs it.
#include <gtest/gtest.h>

#include <cstring>

#include "kw/Deal.h"
#include "kw/PaiGowServerRecord.h"
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

}  // namespace
}  // namespace kw
