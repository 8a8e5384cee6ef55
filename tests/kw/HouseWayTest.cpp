// The dealer's house way, case by case, worked by hand from the table rules.
#include <gtest/gtest.h>

#include "kw/HouseWay.h"
#include "tests/kw/CardText.h"

namespace kw {
namespace {

using kw_test::HouseWayLow;

TEST(HouseWayValue, IsTenTimesTheFirstPositionPlusTheSecond) {
  std::int32_t ranks[7], suits[7];
  PairStructure p;
  StraightFlushFindings f;
  kw_test::RanksSuits(kw_test::Ids("Ks Kh Ad 7c 4s 9h 2d"), ranks, suits);
  EXPECT_EQ(HouseWay7(ranks, suits, &p, &f), 25);
  kw_test::RanksSuits(kw_test::Ids("Ad 9c Ks Kh 7s 4h 2d"), ranks, suits);
  EXPECT_EQ(HouseWay7(ranks, suits, &p, &f), 1);
}

TEST(PairStructure, KindsAndRanksOfSevenCards) {
  struct Case {
    const char* hand;
    int kind, a, b;
  } cases[] = {
      {"As Kh 9d 7c 5s 4h 2d", 0, 0, 0},  {"Ks Kh Ad 9c 7s 4h 2d", 1, 13, 0},
      {"3s 3h 2d 2c Ks 9h 5d", 2, 3, 2},  {"Qs Qh 8d 8c 5s 5h 2d", 3, 12, 8},
      {"7s 7h 7d Kc Ts 4h 2d", 4, 7, 0},  {"9s 9h 9d 5c 5s 5h Ad", 5, 9, 5},
      {"8s 8h 8d 4c 4s Kh 2d", 6, 8, 4},  {"Js Jh Jd Jc As 2h 5d", 7, 11, 0},
      {"As Ah Ad Ac 5s 5h 2d", 8, 14, 5}, {"Ks Kh Kd Kc Qs Qh Qd", 9, 13, 12},
      {"9s 9h 9d 5c 5s 3h 3d", 10, 9, 5}, {"As Ah Ad Ac Xj Kh 2d", 11, 14, 0},
      {"As Ah Ad Ac Xj 2h 2d", 12, 2, 0}, {"As Xj Kh 9d 7c 5s 2h", 1, 14, 0},
  };
  for (const Case& c : cases) {
    std::int32_t ranks[7], suits[7];
    kw_test::RanksSuits(kw_test::Ids(c.hand), ranks, suits);
    PairStructure p;
    EXPECT_EQ(ClassifyPairs7(ranks, &p), c.kind != 0) << c.hand;
    EXPECT_EQ(p.kind, c.kind) << c.hand;
    EXPECT_EQ(p.rankA, c.a) << c.hand;
    EXPECT_EQ(p.rankB, c.b) << c.hand;
  }
}

TEST(StraightFlushFindings, RunsFlushesAndTheJokerWord) {
  std::int32_t ranks[7], suits[7];
  StraightFlushFindings f;
  kw_test::RanksSuits(kw_test::Ids("Kc Qh Jd 9s 8c 7h Xj"), ranks, suits);
  FindStraightFlush7(ranks, suits, &f);
  EXPECT_EQ(f.code, kStraightOnly);
  EXPECT_EQ(f.runLength, 7);
  EXPECT_EQ(f.runTop, 13);
  EXPECT_EQ(f.joker, kJokerInGap);

  kw_test::RanksSuits(kw_test::Ids("Ks Qh Jd Tc 9s 8h Xj"), ranks, suits);
  FindStraightFlush7(ranks, suits, &f);
  EXPECT_EQ(f.runTop, 14);
  EXPECT_EQ(f.joker, kJokerPresent);

  kw_test::RanksSuits(kw_test::Ids("9s 8h 7d 6c 5s Kh 2d"), ranks, suits);
  FindStraightFlush7(ranks, suits, &f);
  EXPECT_EQ(f.code, kStraightOnly);
  EXPECT_EQ(f.runLength, 5);
  EXPECT_EQ(f.leftOver[0], 13);
  EXPECT_EQ(f.leftOver[1], 2);

  kw_test::RanksSuits(kw_test::Ids("As 2h 3d 4c Xj 9s Kh"), ranks, suits);
  FindStraightFlush7(ranks, suits, &f);
  EXPECT_EQ(f.runTop, 5);
  EXPECT_EQ(f.joker, kJokerInGap);

  kw_test::RanksSuits(kw_test::Ids("Ks 9s 7s 6s 5s 8h 2d"), ranks, suits);
  FindStraightFlush7(ranks, suits, &f);
  EXPECT_EQ(f.code, kStraightAndFlush);
  EXPECT_EQ(f.flushSuit, 0);
  EXPECT_EQ(f.flushCount, 5);
  EXPECT_EQ(f.joker, kJokerAbsent);

  kw_test::RanksSuits(kw_test::Ids("6s 5s 4s 3s 2s Kh Qd"), ranks, suits);
  FindStraightFlush7(ranks, suits, &f);
  EXPECT_EQ(f.joker, kStraightFlushWithoutJoker);

  kw_test::RanksSuits(kw_test::Ids("Js Ts 8s 7s Xj 3h Kd"), ranks, suits);
  FindStraightFlush7(ranks, suits, &f);
  EXPECT_EQ(f.code, kStraightAndFlush);
  EXPECT_EQ(f.runLength, 5);
  EXPECT_EQ(f.joker, kStraightFlushWithJoker);

  kw_test::RanksSuits(kw_test::Ids("Ks Js 9s 7s 5s Qh 2d"), ranks, suits);
  FindStraightFlush7(ranks, suits, &f);
  EXPECT_EQ(f.code, kFlushOnly);
  EXPECT_EQ(f.flushCount, 5);
}

TEST(HouseWayPlain, NoPair) {
  EXPECT_EQ(HouseWayLow("As Kh 9d 7c 5s 4h 2d"), "Kh 7c");
  EXPECT_EQ(HouseWayLow("As Kh Jd 7c 5s 4h 2d"), "Kh Jd");
  EXPECT_EQ(HouseWayLow("Ks Qh 9d 7c 5s 4h 2d"), "Qh 9d");
  EXPECT_EQ(HouseWayLow("As Qh Td 8c 5s 4h 2d"), "Qh 8c");
  EXPECT_EQ(HouseWayLow("As Qh Td 9c 5s 4h 2d"), "Qh Td");
}

TEST(HouseWayPlain, PairsAndThrees) {
  EXPECT_EQ(HouseWayLow("Ks Kh Ad 9c 7s 4h 2d"), "Ad 9c");
  EXPECT_EQ(HouseWayLow("3s 3h 2d 2c Ks 9h 5d"), "Ks 9h");
  EXPECT_EQ(HouseWayLow("3s 3h 2d 2c Js 9h 5d"), "2d 2c");
  EXPECT_EQ(HouseWayLow("As Ah 7d 7c Ks Qh 5d"), "7d 7c");
  EXPECT_EQ(HouseWayLow("Qs Qh 8d 8c 5s 5h 2d"), "Qs Qh");
  EXPECT_EQ(HouseWayLow("As Ah Ad 9c 7s 4h 2d"), "As 9c");
  EXPECT_EQ(HouseWayLow("Ks Kh Kd Tc 7s 4h 2d"), "Ks Tc");
  EXPECT_EQ(HouseWayLow("Ks Kh Kd Jc 9s 4h 2d"), "Ks Jc");
  EXPECT_EQ(HouseWayLow("Ks Kh Kd Jc Ts 4h 2d"), "Jc Ts");
  EXPECT_EQ(HouseWayLow("7s 7h 7d Kc Ts 4h 2d"), "Kc Ts");
  EXPECT_EQ(HouseWayLow("9s 9h 9d 5c 5s 5h Ad"), "9s 9h");
  EXPECT_EQ(HouseWayLow("9s 9h 9d 5c 5s 3h 3d"), "5c 5s");
  EXPECT_EQ(HouseWayLow("As Ah Ad 3c 3s 2h 2d"), "As Ah");
}

TEST(HouseWayPlain, FoursAndFiveAces) {
  EXPECT_EQ(HouseWayLow("Js Jh Jd Jc Ks Qh 2d"), "Js Jh");
  EXPECT_EQ(HouseWayLow("Js Jh Jd Jc As 3h 2d"), "As 3h");
  EXPECT_EQ(HouseWayLow("6s 6h 6d 6c As Kh 2d"), "As Kh");
  EXPECT_EQ(HouseWayLow("As Ah Ad Ac Ks Qh 2d"), "As Ah");
  EXPECT_EQ(HouseWayLow("Ks Kh Kd Kc As Qh 2d"), "As Qh");
  EXPECT_EQ(HouseWayLow("Ks Kh Kd Kc As Jh 2d"), "Ks Kh");
  EXPECT_EQ(HouseWayLow("Ts Th Td Tc Ks Qh 2d"), "Ks Qh");
  EXPECT_EQ(HouseWayLow("Ts Th Td Tc Ks Jh 2d"), "Ts Th");
  EXPECT_EQ(HouseWayLow("Ts Th Td Tc As 3h 2d"), "As 3h");
  EXPECT_EQ(HouseWayLow("9s 9h 9d 9c Ks 3h 2d"), "Ks 3h");
  EXPECT_EQ(HouseWayLow("9s 9h 9d 9c Qs 3h 2d"), "9s 9h");
  EXPECT_EQ(HouseWayLow("8s 8h 8d 8c Qs Jh 2d"), "Qs Jh");
  EXPECT_EQ(HouseWayLow("8s 8h 8d 8c Qs Th 2d"), "8s 8h");
  EXPECT_EQ(HouseWayLow("7s 7h 7d 7c Qs 3h 2d"), "Qs 3h");
  EXPECT_EQ(HouseWayLow("7s 7h 7d 7c Js Th 2d"), "7s 7h");
  EXPECT_EQ(HouseWayLow("As Ah Ad Ac 5s 5h 2d"), "As Ah");
  EXPECT_EQ(HouseWayLow("As Ah Ad Ac 6s 6h 2d"), "6s 6h");
  EXPECT_EQ(HouseWayLow("Ks Kh Kd Kc 4s 4h 2d"), "Ks Kh");
  EXPECT_EQ(HouseWayLow("Ks Kh Kd Kc 5s 5h 2d"), "5s 5h");
  EXPECT_EQ(HouseWayLow("Js Jh Jd Jc 3s 3h 2d"), "Js Jh");
  EXPECT_EQ(HouseWayLow("Js Jh Jd Jc 4s 4h 2d"), "4s 4h");
  EXPECT_EQ(HouseWayLow("Ks Kh Kd Kc Qs Qh Qd"), "Qs Qh");
  EXPECT_EQ(HouseWayLow("Ks Kh Kd Kc Js Jh Jd"), "Ks Kh");
  EXPECT_EQ(HouseWayLow("Xj As Ah Ad Ac Kh 2d"), "As Ah");
  EXPECT_EQ(HouseWayLow("As Ah Ad Ac Xj 2h 2d"), "2h 2d");
}

// Full house beside an ace: the lowest second single that keeps the full
// house high, by three (2..13) and pair (2..8); 0 never.
struct FullHouseCell {
  int three, pair, keepFrom;
};
constexpr FullHouseCell kFullHouseCells[] = {
    {2, 3, 10}, {2, 4, 11}, {2, 5, 12}, {2, 6, 12}, {2, 7, 13}, {2, 8, 13},
    {3, 2, 10}, {3, 4, 11}, {3, 5, 12}, {3, 6, 12}, {3, 7, 13}, {3, 8, 13},
    {4, 2, 11}, {4, 3, 12}, {4, 5, 12}, {4, 6, 13}, {4, 7, 13}, {4, 8, 13},
    {5, 2, 11}, {5, 3, 12}, {5, 4, 12}, {5, 6, 13}, {5, 7, 13}, {5, 8, 0},
    {6, 2, 11}, {6, 3, 12}, {6, 4, 12}, {6, 5, 13}, {6, 7, 13}, {6, 8, 0},
    {7, 2, 12}, {7, 3, 12}, {7, 4, 13}, {7, 5, 13}, {7, 6, 13}, {7, 8, 0},
    {8, 2, 12}, {8, 3, 12}, {8, 4, 13}, {8, 5, 13}, {8, 6, 13}, {8, 7, 0},
    {9, 2, 12}, {9, 3, 12}, {9, 4, 13}, {9, 5, 13}, {9, 6, 13}, {9, 8, 0},
    {10, 2, 12}, {10, 3, 12}, {10, 4, 13}, {10, 5, 13}, {10, 6, 0}, {10, 8, 0},
    {11, 2, 12}, {11, 3, 13}, {11, 4, 13}, {11, 5, 13}, {11, 6, 0}, {11, 8, 0},
    {12, 2, 11}, {12, 3, 13}, {12, 4, 13}, {12, 5, 13}, {12, 6, 0}, {12, 8, 0},
    {13, 2, 11}, {13, 3, 12}, {13, 4, 12}, {13, 5, 0}, {13, 8, 0},
};

const char kRankChars[] = "..23456789TJQKA";

std::string Card(int rank, char suit) { return std::string(1, kRankChars[rank]) + suit; }

// Three, pair, an ace and s2, the suits spread so that no flush forms.
std::string FullHouseHand(int three, int pair, int s2) {
  return Card(three, 's') + " " + Card(three, 'h') + " " + Card(three, 'd') + " " + Card(pair, 'c') + " " +
         Card(pair, 's') + " " + Card(14, 'h') + " " + Card(s2, 'd');
}

TEST(HouseWayPlain, FullHouseBesideAnAceStaysHighFromItsThreshold) {
  for (const FullHouseCell& c : kFullHouseCells) {
    const std::string pairLow = Card(c.pair, 'c') + " " + Card(c.pair, 's');
    if (c.keepFrom == 0) {
      const std::string hand = FullHouseHand(c.three, c.pair, c.three == 13 ? 12 : 13);
      EXPECT_EQ(HouseWayLow(hand), pairLow) << hand;
      continue;
    }
    const std::string at = FullHouseHand(c.three, c.pair, c.keepFrom);
    EXPECT_EQ(HouseWayLow(at), Card(14, 'h') + " " + Card(c.keepFrom, 'd')) << at;
    int below = c.keepFrom - 1;
    while (below == c.three || below == c.pair) --below;
    const std::string under = FullHouseHand(c.three, c.pair, below);
    EXPECT_EQ(HouseWayLow(under), pairLow) << under;
  }
  EXPECT_EQ(HouseWayLow("As Ah Ad 3c 3s Kh Qd"), "3c 3s");
  EXPECT_EQ(HouseWayLow("8s 8h 8d 4c 4s Kh 2d"), "4c 4s");
}

// Two pairs H over L (L in lowMin..lowMax): singles that keep them together
// and singles just below that split them.
struct TwoPairCase {
  int high, lowMin, lowMax;
  int keepS1, keepS2, splitS1, splitS2;
};
constexpr TwoPairCase kTwoPairCases[] = {
    {3, 2, 2, 11, 10, 11, 9},    {3, 2, 2, 12, 4, 11, 9},
    {4, 2, 2, 12, 5, 12, 4},     {4, 2, 2, 13, 3, 12, 4},     {4, 3, 3, 12, 6, 12, 5},
    {5, 2, 3, 12, 10, 12, 9},    {5, 4, 4, 12, 11, 12, 10},   {5, 4, 4, 13, 2, 12, 10},
    {6, 2, 2, 12, 11, 12, 10},   {6, 3, 3, 13, 4, 13, 2},     {6, 3, 3, 14, 2, 13, 2},
    {6, 4, 5, 13, 3, 13, 2},     {7, 2, 3, 13, 4, 12, 11},    {7, 4, 4, 13, 3, 13, 2},
    {7, 5, 5, 13, 10, 13, 9},    {7, 6, 6, 13, 11, 13, 10},   {8, 2, 2, 13, 4, 13, 3},
    {8, 3, 3, 13, 5, 13, 4},     {8, 4, 5, 13, 11, 13, 10},   {8, 6, 7, 13, 12, 13, 11},
    {9, 2, 2, 13, 10, 13, 9},    {9, 3, 3, 13, 11, 13, 10},   {9, 4, 6, 13, 12, 13, 11},
    {9, 7, 8, 14, 3, 14, 2},     {9, 7, 8, 14, 3, 13, 12},    {10, 2, 4, 13, 12, 13, 11},
    {10, 2, 4, 14, 2, 13, 11},   {10, 5, 6, 14, 3, 14, 2},    {10, 7, 7, 14, 6, 14, 5},
    {10, 8, 9, 14, 11, 14, 10},  {11, 2, 3, 14, 4, 14, 3},    {11, 4, 4, 14, 3, 14, 2},
    {11, 5, 5, 14, 8, 14, 7},    {11, 6, 6, 14, 10, 14, 9},   {11, 7, 9, 14, 12, 14, 10},
    {11, 10, 10, 14, 13, 14, 12}, {12, 2, 2, 14, 8, 14, 7},   {12, 3, 3, 14, 9, 14, 8},
    {12, 4, 4, 14, 10, 14, 9},   {12, 5, 5, 14, 11, 14, 10},  {12, 6, 9, 14, 13, 14, 11},
    {13, 2, 3, 14, 11, 14, 10},  {13, 4, 5, 14, 12, 14, 11},
};

TEST(HouseWaySplitTwoPair, KeepsFromEachThresholdAndSplitsBelowIt) {
  for (const TwoPairCase& c : kTwoPairCases) {
    for (int low = c.lowMin; low <= c.lowMax; ++low) {
      EXPECT_EQ(HouseWaySplitTwoPair(c.high, low, c.keepS1, c.keepS2), 0)
          << c.high << " over " << low << " with " << c.keepS1 << "," << c.keepS2;
      EXPECT_EQ(HouseWaySplitTwoPair(c.high, low, c.splitS1, c.splitS2), 1)
          << c.high << " over " << low << " with " << c.splitS1 << "," << c.splitS2;
    }
  }
  for (int low = 10; low <= 11; ++low) EXPECT_EQ(HouseWaySplitTwoPair(12, low, 14, 13), 1);
  for (int low = 6; low <= 12; ++low) EXPECT_EQ(HouseWaySplitTwoPair(13, low, 14, 12), 1);
  for (int low = 2; low <= 13; ++low) EXPECT_EQ(HouseWaySplitTwoPair(14, low, 13, 12), 1);
}

TEST(HouseWayStraight, NoPair) {
  EXPECT_EQ(HouseWayLow("Kc Qh Jd 9s 8c 7h Xj"), "Kc Qh");
  EXPECT_EQ(HouseWayLow("Qc Jh Td 9s 8c 6h Xj"), "6h Xj");
  EXPECT_EQ(HouseWayLow("9s 8h 7d 6c 5s Kh 2d"), "Kh 2d");
  EXPECT_EQ(HouseWayLow("Ts 9h 8d 7c 6s 5h Kd"), "Ts Kd");
  EXPECT_EQ(HouseWayLow("Ts 9h 8d 7c 6s 5h 2d"), "Ts 2d");
  EXPECT_EQ(HouseWayLow("Ts 9h 8d 7c 6s Xj 2d"), "Xj 2d");
  EXPECT_EQ(HouseWayLow("As Kh Qd Jc Ts 9h 8d"), "As Kh");
  EXPECT_EQ(HouseWayLow("Ks Qh Jd Tc 9s 8h Xj"), "Ks Xj");
}

TEST(HouseWayStraight, PairsThreesAndFours) {
  EXPECT_EQ(HouseWayLow("As Kh Qd Jc Ts Th 4d"), "As Kh");
  EXPECT_EQ(HouseWayLow("As Kh Qd Jc Ts 4h 4d"), "4h 4d");
  EXPECT_EQ(HouseWayLow("9s 8h 7d 6c Xj 2s 2h"), "2s 2h");
  EXPECT_EQ(HouseWayLow("Ks Qh Jd Xj 9c 9s 3h"), "Ks Xj");
  EXPECT_EQ(HouseWayLow("Qs Jh Td Xj 8c 8s 3h"), "Qs Xj");
  EXPECT_EQ(HouseWayLow("Qs Jh Td Xj 8c 8s Kh"), "8c 8s");
  EXPECT_EQ(HouseWayLow("9s 8h 7d Xj 5c 5s Kh"), "5c Kh");
  EXPECT_EQ(HouseWayLow("As Xj Kh Qd Jc 5s 3h"), "Kh Qd");
  EXPECT_EQ(HouseWayLow("4s 4h 2d 2c 3s 5h 6d"), "4s 2d");
  EXPECT_EQ(HouseWayLow("9s 9h 5d 5c 8s 7h 6d"), "5d 5c");
  EXPECT_EQ(HouseWayLow("As Xj 5h 5d 4c 4s 3h"), "As Xj");
  EXPECT_EQ(HouseWayLow("7s 7h 7d 8c 9s Th Jd"), "7s 7h");
  // Three aces with the joker in the run: the other ace and the card left.
  EXPECT_EQ(HouseWayLow("As Ah Xj Kc Qs Jh 4d"), "As 4d");
  EXPECT_EQ(HouseWayLow("As Ah Xj Kc Ks Qh Jd"), "Kc Ks");
  EXPECT_EQ(HouseWayLow("As Ah Ad Xj Kc Qs Jh"), "As Ah");
}

// Three aces made with the joker beside a run of 6 the joker fills: one ace
// is left over, and the second low card must be the other real ace, since
// the joker going low breaks the straight and the aces low beat the rest.
TEST(HouseWayStraight, ThreeAcesWithTheJokerInARunOfSixPlayTheRealAces) {
  EXPECT_EQ(HouseWayLow("2s 3s 4s 6d Ad Ah Xj"), "Ad Ah");   // 2-3-4-(5)-6 stays
  EXPECT_EQ(HouseWayLow("As Kh Qd Jc 9s Ah Xj"), "As Ah");   // 9-(10)-J-Q-K stays
}

// Two of three aces made with the joker go low beside a straight and a
// flush: the two real aces, so the joker's straight stays high.
TEST(HouseWayStraightAndFlush, TwoOfThreeAcesKeepTheJokersStraightHigh) {
  EXPECT_EQ(HouseWayLow("6h 7h 8h Ah 4c Ac Xj"), "Ah Ac");   // 4-(5)-6-7-8 stays
  EXPECT_EQ(HouseWayLow("6h Ah 2c 3c 4c Ac Xj"), "Ah Ac");   // 2-3-4-(5)-6 stays
}

TEST(HouseWayFlush, NoPair) {
  EXPECT_EQ(HouseWayLow("As 9s 7s 5s 2s Kh Qd"), "Kh Qd");
  EXPECT_EQ(HouseWayLow("Ks 9s 7s 5s 2s Xj Qd"), "Xj Qd");
  EXPECT_EQ(HouseWayLow("Ks 9s 7s 5s 2s 3s Qd"), "Ks Qd");
  EXPECT_EQ(HouseWayLow("Ks 9s 7s 5s 2s 3s Ad"), "Ks Ad");
  EXPECT_EQ(HouseWayLow("Ks Js 9s 7s 5s 3s 2s"), "Ks Js");
  EXPECT_EQ(HouseWayLow("Ks Js 9s 7s 5s 3s Xj"), "Ks Xj");
}

TEST(HouseWayFlush, Pairs) {
  EXPECT_EQ(HouseWayLow("Ks Js 9s 7s 5s 3s 3h"), "3s 3h");
  EXPECT_EQ(HouseWayLow("Ks Js 9s 7s 5s 3h 3d"), "3h 3d");
  EXPECT_EQ(HouseWayLow("Ks Js 9s 7s 3s 3h 4d"), "3h 4d");
  EXPECT_EQ(HouseWayLow("As Js 9s 7s 5s 9h 4d"), "As Js");
  EXPECT_EQ(HouseWayLow("As Js 9s 7s 5s 9h 8d"), "9h 8d");
  EXPECT_EQ(HouseWayLow("Ks Js 9s 7s Xj 5h 5s"), "5h 5s");
  EXPECT_EQ(HouseWayLow("Xj Ks 9s 7s 9h 4d 2s"), "Xj Ks");
  EXPECT_EQ(HouseWayLow("Xj Ks Ts 7s 5h 5s 4d"), "5h 4d");
  EXPECT_EQ(HouseWayLow("As Ks 9s 7s Xj Qh 4d"), "Ks Qh");
  EXPECT_EQ(HouseWayLow("As Kh 9s 7s Xj Qs 4d"), "Kh 4d");
  EXPECT_EQ(HouseWayLow("As Xj Ks 9s 7s 5h 5d"), "5h 5d");
  EXPECT_EQ(HouseWayLow("Js 9s 7s 4s 4h 3s 3d"), "4h 3d");
  EXPECT_EQ(HouseWayLow("As Ah 9s 7s 5s 2s 2h"), "Ah 2h");
  EXPECT_EQ(HouseWayLow("Ks Kh 9s 7s 5s 2s 9h"), "9s 9h");
  EXPECT_EQ(HouseWayLow("As Xj Ks Kh 7s 7h 5s"), "As Xj");
}

TEST(HouseWayFlush, ThreesFullHousesAndFours) {
  EXPECT_EQ(HouseWayLow("7s 7h 7d Ks 9s 4s 2s"), "7h 7d");
  // Six of the suit counting the joker leave one card outside: the joker
  // completes the low hand.
  EXPECT_EQ(HouseWayLow("As Ah Xj Ks 9s 4s 2s"), "Ah Xj");
  EXPECT_EQ(HouseWayLow("As Ah Xj 5s 5h Ks 2s"), "5s 5h");
  EXPECT_EQ(HouseWayLow("Ks Kh Kd As Xj 9s 2s"), "Kh Kd");
  EXPECT_EQ(HouseWayLow("9s 9h 9d As Xj Ks 2s"), "As Xj");
  EXPECT_EQ(HouseWayLow("As Ah Ad Xj Ks 9s 2s"), "Ah Ad");
}

// Four aces beside a flush need the joker in the flush, wherever it was dealt.
TEST(HouseWayFlush, FourAcesKeepTheJokerHigh) {
  EXPECT_EQ(HouseWayLow("As Xj Ah Ad Ks 9s 2s"), "Ah Ad");
  EXPECT_EQ(HouseWayLow("Xj Ah As Ad Ks Qs Js"), "Ah Ad");
}

TEST(HouseWayStraightAndFlush, ChoosesBetweenThem) {
  EXPECT_EQ(HouseWayLow("Ks 9s 7s 6s 5s 8h 2d"), "Ks 2d");
  EXPECT_EQ(HouseWayLow("Ts 9s 7s 6s 5s 8h 2d"), "8h 2d");
  EXPECT_EQ(HouseWayLow("6s 6h 4s 4h 5s 3s 2s"), "6h 4h");
}

}  // namespace
}  // namespace kw
