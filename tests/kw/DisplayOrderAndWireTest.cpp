// The client's side of the Pai Gow packets and of the showdown: the answers
// it reads, the order it lays the hands out in and the chip a right click
// on the bet takes off.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kw/DisplayOrder.h"
#include "kw/PaiGowWire.h"
#include "tests/kw/CardText.h"

namespace {

using kw_test::Ids;
using kw_test::Name;

std::string Shown(const std::string& hand) {
  std::vector<int> ids = Ids(hand);
  std::int32_t cards[5];
  for (int i = 0; i < 5; ++i) cards[i] = ids[i];
  kw::OrderHandForDisplay(cards);
  std::string out;
  for (int i = 0; i < 5; ++i) out += (i ? " " : "") + Name(cards[i]);
  return out;
}

TEST(DisplayOrder, PairsComeFirstThenTheJokerThenTheRestFromTheTop) {
  EXPECT_EQ(Shown("3s Kh 3d 9c Xj"), "3s 3d Xj Kh 9c");
  EXPECT_EQ(Shown("9c Kh 4d Ks 4s"), "Kh Ks 4d 4s 9c");   // two pair: the higher first
  EXPECT_EQ(Shown("2c Ah Xj 7d 9s"), "Ah Xj 9s 7d 2c");   // the joker pairs the ace
  EXPECT_EQ(Shown("7c 7h Jd 7s Jh"), "7c 7h 7s Jd Jh");   // full house: the three first
  EXPECT_EQ(Shown("2h 9h Xj Kh 5h"), "Xj Kh 9h 5h 2h");   // flush: the joker first
  EXPECT_EQ(Shown("2c 9h Jd Kh 5s"), "Kh Jd 9h 5s 2c");   // high card
  EXPECT_EQ(Shown("As Ah Xj Ad Ac"), "Xj As Ah Ad Ac");   // five aces
}

TEST(DisplayOrder, StraightsRunFromTheTopWithTheJokerInItsPlace) {
  EXPECT_EQ(Shown("2c 4h 3d 5s Ah"), "5s 4h 3d 2c Ah");
  EXPECT_EQ(Shown("9c Th Jd Qs 8h"), "Qs Jd Th 9c 8h");
  EXPECT_EQ(Shown("6c 8h 7d 9s Xj"), "Xj 9s 8h 7d 6c");
  EXPECT_EQ(Shown("Jc Ah Qd Ks Xj"), "Ah Ks Qd Jc Xj");
  EXPECT_EQ(Shown("9c 6h 8d 5s Xj"), "9c 8d Xj 6h 5s");
  EXPECT_EQ(Shown("2c 4h 3d 5s Xj"), "5s 4h 3d 2c Xj");
  EXPECT_EQ(Shown("Ac 4h 3d 2s Xj"), "Xj 4h 3d 2s Ac");
  EXPECT_EQ(Shown("Ac 5h 3d 2s Xj"), "5h Xj 3d 2s Ac");
  EXPECT_EQ(Shown("Ac 5h 3d 4s Xj"), "5h 4s 3d Xj Ac");
}

TEST(DisplayOrder, TheDealersLowHandShowsTheJokerOrTheHigherCardFirst) {
  std::int32_t low[2] = {Ids("4c")[0], 52};
  kw::OrderLowHandForDisplay(low);
  EXPECT_EQ(Name(low[0]) + " " + Name(low[1]), "Xj 4c");
  std::int32_t pair[2] = {Ids("9c")[0], Ids("Kd")[0]};
  kw::OrderLowHandForDisplay(pair);
  EXPECT_EQ(Name(pair[0]) + " " + Name(pair[1]), "Kd 9c");
}

TEST(ClientWire, FirstCardsAreSevenDistinctIdsOfTheDeck) {
  std::int32_t ids[7] = {};
  ASSERT_EQ(kw::ParseFirstCards("0,52,13,26,39,51,7", ids), 1);
  EXPECT_EQ(ids[1], 52);
  EXPECT_EQ(ids[6], 7);
  std::int32_t kept[7] = {1, 1, 1, 1, 1, 1, 1};
  for (const char* bad : {"0,1,2,3,4,5", "0,1,2,3,4,5,53", "0,1,2,3,4,5,-1", "0,1,2,3,4,5,5",
                          "0,1,2,3,4,5,6,7", "a,1,2,3,4,5,6", "", "4294967296,1,2,3,4,5,6"}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(kw::ParseFirstCards(bad, kept), 0);
    EXPECT_EQ(kept[0], 1);  // nothing stored
  }
  EXPECT_EQ(kw::ParseFirstCards(nullptr, kept), 0);
}

TEST(ClientWire, DealerCardsAfterOkAndAfterCardfail) {
  kw::DealerCards cards{};
  ASSERT_EQ(kw::ParseDealerCards("10,11,12,13,14,15,52,0,6,2,1,1", 1, &cards), 1);
  EXPECT_EQ(cards.ids[6], 52);
  EXPECT_EQ(cards.result, 0);
  EXPECT_EQ(cards.low[0], 6);
  EXPECT_EQ(cards.low[1], 2);
  EXPECT_EQ(cards.wonHigh, 1);
  ASSERT_EQ(kw::ParseDealerCards("10,11,12,13,14,15,16,3,4", 0, &cards), 1);
  EXPECT_EQ(cards.low[0], 3);
  EXPECT_EQ(cards.low[1], 4);
  // Positions outside 0..6 or twice, a bad result, the other count: refused.
  EXPECT_EQ(kw::ParseDealerCards("10,11,12,13,14,15,16,7,4", 0, &cards), 0);
  EXPECT_EQ(kw::ParseDealerCards("10,11,12,13,14,15,16,4,4", 0, &cards), 0);
  EXPECT_EQ(kw::ParseDealerCards("10,11,12,13,14,15,16,3,0,6,1,1", 1, &cards), 0);
  EXPECT_EQ(kw::ParseDealerCards("10,11,12,13,14,15,16,3,4", 1, &cards), 0);
  EXPECT_EQ(kw::ParseDealerCards("10,11,12,13,14,15,10,0,6,2,1,1", 1, &cards), 0);
}

}  // namespace
