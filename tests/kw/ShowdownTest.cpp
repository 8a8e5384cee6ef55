// The player's split check and the showdown, worked by hand.
#include <gtest/gtest.h>

#include "kw/Showdown.h"
#include "tests/kw/CardText.h"

namespace kw {
namespace {

PaiGowServerRecord Table(const std::string& player, const std::string& dealer) {
  PaiGowServerRecord r{};
  const std::vector<int> ids = kw_test::Ids(player + " " + dealer);
  for (int i = 0; i < kDealtCards; ++i) r.cards[i] = ids[i];
  DecodeCards(r.cards, &r);
  return r;
}

TEST(DecodeCards, FillsRanksAndSuitsOfBothSides) {
  PaiGowServerRecord r = Table("2s Ac Xj 9h Kd 3s 4s", "Ah 2c Td Jd Qd 5h 6h");
  EXPECT_EQ(r.playerRanks[0], 2);
  EXPECT_EQ(r.playerSuits[1], 3);
  EXPECT_EQ(r.playerRanks[2], 1);
  EXPECT_EQ(r.playerSuits[2], 4);
  EXPECT_EQ(r.dealerRanks[0], 14);
  EXPECT_EQ(r.dealerSuits[0], 1);
  EXPECT_EQ(r.dealerRanks[6], 6);
}

TEST(IsValidSplit, TheTwoCardHandMustNotBeatTheFiveCardHand) {
  PaiGowServerRecord r = Table("Ks Qh Kd Qc 9s 7h 3d", "2s 3s 4s 5s 6s 7s 8s");
  EXPECT_TRUE(IsValidSplit(0, 1, &r)) << "K-Q against K-Q-9-7-3 is equal and legal";
  r = Table("As Kh Qd 9c 7s 4h 2d", "2s 3s 4s 5s 6s 7s 8s");
  EXPECT_FALSE(IsValidSplit(0, 1, &r));
  EXPECT_TRUE(IsValidSplit(2, 3, &r));
  r = Table("9s 9h 8d 8c As 4h 2d", "2s 3s 4s 5s 6s 7s 8s");
  EXPECT_FALSE(IsValidSplit(0, 1, &r)) << "nines over a pair of eights";
  EXPECT_TRUE(IsValidSplit(2, 3, &r));
  r = Table("7s 7h Kd 9c As 4h 2d", "2s 3s 4s 5s 6s 7s 8s");
  EXPECT_FALSE(IsValidSplit(0, 1, &r)) << "a pair behind no pair";
  r = Table("As Ah Ad Xj Kc 7s 2d", "2s 3s 4s 5s 6s 7s 8s");
  EXPECT_TRUE(IsValidSplit(0, 1, &r)) << "aces low, aces with the joker high";
  r = Table("Ks Qh Kd Jc 9s 7h 3d", "2s 3s 4s 5s 6s 7s 8s");
  EXPECT_FALSE(IsValidSplit(0, 1, &r)) << "K-Q against K-J-9-7-3";
  EXPECT_TRUE(IsValidSplit(1, 3, &r)) << "Q-J against a pair of kings";
}

TEST(CompareHands, TiesGoToTheDealer) {
  PaiGowServerRecord r = Table("As Kh Qd Jc Ts 2h 3d", "Ah Kd Qc Js Th 2s 3c");
  EXPECT_FALSE(CompareHighHands(5, 6, 5, 6, &r));
  r = Table("Ah Jh 9h 6h 2h Kc Qd", "As Js 9s 6s 3s Kd Qc");
  EXPECT_FALSE(CompareHighHands(5, 6, 5, 6, &r)) << "flush A-J-9-6-2 loses to A-J-9-6-3";
  EXPECT_FALSE(CompareLowHands(5, 6, 5, 6, r)) << "K-Q copies K-Q";
  r = Table("As Js 9s 6s 3s 2c 2d", "Ah Jh 9h 6h 2h Ac Kd");
  EXPECT_TRUE(CompareHighHands(5, 6, 5, 6, &r));
  EXPECT_TRUE(CompareLowHands(5, 6, 5, 6, r)) << "a pair of twos beats A-K";
  r = Table("9s 8h 7d 6c 5s 2c 2d", "Th 9d 8c 7h 6h 2h 2s");
  EXPECT_FALSE(CompareLowHands(5, 6, 5, 6, r)) << "equal pairs go to the dealer";
  EXPECT_FALSE(CompareHighHands(5, 6, 5, 6, &r));
  r = Table("Ts 9h 8d 7c 6s 2c 2d", "9d 8c 7h 6h 5h 2h 2s");
  EXPECT_TRUE(CompareHighHands(5, 6, 5, 6, &r));
}

TEST(Showdown, ReportsBothHandsAndTheResult) {
  // Player: high three aces, low 3-2; dealer: high K-7-5-4-2, low Q-9.
  PaiGowServerRecord r = Table("As Ah Ad Kc Ks 3d 2c", "Ks Qh 9d 7c 5s 4h 2d");
  EXPECT_EQ(Showdown(1, 2, 5, 6, &r), kPush);
  EXPECT_EQ(r.wonHigh, 1);
  EXPECT_EQ(r.wonLow, 0);
  EXPECT_EQ(Showdown(1, 2, 3, 4, &r), kPlayerWins);
  r = Table("Js 9h 8d 6c 3s Th 2c", "Ks Qh 9d 7c 5s 4h 2d");
  EXPECT_EQ(Showdown(1, 2, 5, 6, &r), kDealerWins);
  EXPECT_EQ(r.wonHigh, 0);
  EXPECT_EQ(r.wonLow, 0);
}

}  // namespace
}  // namespace kw
