// The bet check, the bet list, the picks and the draw.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "pd/KenoRules.h"

namespace pd {
namespace {

KenoServerRecord Bet(int count, int stake, double money, std::initializer_list<int> picks) {
  KenoServerRecord r{};
  r.count = count;
  r.stake = stake;
  r.money = money;
  int i = 0;
  for (int p : picks) r.picks[i++] = p;
  return r;
}

TEST(KenoBetCheck, CountsAreCheckedBeforeTheMoney) {
  EXPECT_EQ(CheckKenoBet(Bet(2, 1, 100, {})), kKenoBetTooFew);
  EXPECT_EQ(CheckKenoBet(Bet(11, 1, 100, {})), kKenoBetTooMany);
  EXPECT_EQ(CheckKenoBet(Bet(11, 10, 5, {})), kKenoBetTooMany);
  EXPECT_EQ(CheckKenoBet(Bet(-1, 10, 5, {})), kKenoBetTooFew);
  EXPECT_EQ(CheckKenoBet(Bet(3, 10, 9.99, {})), kKenoBetTooBig);
  EXPECT_EQ(CheckKenoBet(Bet(3, 10, 10, {})), kKenoBetOk);
  EXPECT_EQ(CheckKenoBet(Bet(10, 1, 1, {})), kKenoBetOk);
}

TEST(KenoBetList, ReadsTwelveNumbers) {
  KenoServerRecord r{};
  ASSERT_EQ(ReadKenoBetList("4,5,1,2,80,0x10,0,0,0,0,0,0", &r), 1);
  EXPECT_EQ(r.count, 4);
  EXPECT_EQ(r.stake, 5);
  const std::int32_t picks[] = {1, 2, 80, 16, 0, 0, 0, 0, 0, 0};
  for (int i = 0; i < kKenoPickSlots; ++i) EXPECT_EQ(r.picks[i], picks[i]);
}

TEST(KenoBetList, RefusesTextThatIsNotTwelveNumbers) {
  for (const char* text : {"", "3,1,1,2,3,0,0,0,0,0,0", "3,1,1,2,3,0,0,0,0,0,0,", "3;1,1,2,3,0,0,0,0,0,0,0",
                           "3,1,1,2,x,0,0,0,0,0,0,0", "3,1,1,2,3,0,0,0,0,0,0,99999999999"}) {
    KenoServerRecord r{};
    r.count = 7;
    EXPECT_EQ(ReadKenoBetList(text, &r), 0) << text;
    EXPECT_EQ(r.count, 7) << text;
  }
}

TEST(KenoPicks, DistinctBoardNumbersInExactlyCountSlots) {
  EXPECT_EQ(AreKenoPicksSound(Bet(3, 1, 0, {7, 0, 80, 0, 0, 0, 0, 0, 0, 1})), 1);
  EXPECT_EQ(AreKenoPicksSound(Bet(10, 1, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10})), 1);
  EXPECT_EQ(AreKenoPicksSound(Bet(4, 1, 0, {1, 2, 3})), 0);
  EXPECT_EQ(AreKenoPicksSound(Bet(3, 1, 0, {1, 2, 3, 4})), 0);
  EXPECT_EQ(AreKenoPicksSound(Bet(2, 1, 0, {1, 2})), 0);
}

TEST(KenoPicks, RepeatedOrOffBoardPicksAreRefused) {
  EXPECT_EQ(AreKenoPicksSound(Bet(10, 1, 0, {5, 5, 5, 5, 5, 5, 5, 5, 5, 5})), 0);
  EXPECT_EQ(AreKenoPicksSound(Bet(3, 1, 0, {5, 6, 5})), 0);
  EXPECT_EQ(AreKenoPicksSound(Bet(3, 1, 0, {1, 2, 81})), 0);
  EXPECT_EQ(AreKenoPicksSound(Bet(3, 1, 0, {-4, 2, 3})), 0);
}

TEST(KenoMatches, CountsThePicksDrawn) {
  KenoServerRecord r = Bet(4, 1, 0, {3, 0, 50, 77, 80});
  for (int i = 0; i < kKenoDrawn; ++i) r.drawn[i] = i + 41;  // 41..60
  EXPECT_EQ(CountKenoMatches(r), 1);
  r.drawn[0] = 80;
  r.drawn[19] = 3;
  EXPECT_EQ(CountKenoMatches(r), 3);
}

void ExpectDistinctOnBoard(const std::int32_t drawn[kKenoDrawn]) {
  bool seen[kKenoNumbers + 1] = {};
  for (int i = 0; i < kKenoDrawn; ++i) {
    ASSERT_GE(drawn[i], 1);
    ASSERT_LE(drawn[i], kKenoNumbers);
    ASSERT_FALSE(seen[drawn[i]]) << drawn[i] << " drawn twice";
    seen[drawn[i]] = true;
  }
}

std::mt19937 g_engine;
int FromEngine() { return static_cast<int>(g_engine() % 32768); }

TEST(KenoDraw, TwentyDistinctNumbersOfTheBoardForManySeeds) {
  const unsigned seed = std::random_device{}();
  std::printf("seed %u\n", seed);
  g_engine.seed(seed);
  for (int round = 0; round < 5000; ++round) {
    std::int32_t drawn[kKenoDrawn];
    DrawKenoNumbers(FromEngine, drawn);
    ExpectDistinctOnBoard(drawn);
    if (HasFatalFailure()) return;
  }
}

// Each value comes three times, and values 80 apart give the same number.
int g_step = 0;
int Repeating() {
  const int value = (g_step / 3) * 80 + (g_step / 6) % 80;
  ++g_step;
  return value % 32768;
}

TEST(KenoDraw, ASourceThatRepeatsIsDrawnAgainUntilNew) {
  g_step = 0;
  std::int32_t drawn[kKenoDrawn];
  DrawKenoNumbers(Repeating, drawn);
  ExpectDistinctOnBoard(drawn);
  // 1, 2, ... in order: each number came six times and only the first counted.
  for (int i = 0; i < kKenoDrawn; ++i) EXPECT_EQ(drawn[i], i + 1);
}

}  // namespace
}  // namespace pd
