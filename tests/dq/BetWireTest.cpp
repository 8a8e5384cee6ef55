#include "dq/BetWire.h"

#include <gtest/gtest.h>

#include <string>

#include "dq/Settlement.h"

namespace dq {
namespace {

std::string Encode(const float* bets, CrapsWorkingFlags flags) {
  char text[kBetListTextSize];
  EXPECT_GT(EncodeBetList(bets, flags, text, sizeof(text)), 0);
  return text;
}

int Parse(const char* text) {
  float bets[kCrapsBetSlots];
  CrapsWorkingFlags flags{};
  return ParseBetList(text, bets, &flags);
}

TEST(BetList, EncodesIndexStakeAndFlags) {
  float bets[kCrapsBetSlots] = {};
  bets[kBig6] = 5;
  bets[kField] = 10;
  EXPECT_EQ(Encode(bets, {}), "305.00$3210.00$#0000");
  bets[kPassline] = 5;
  EXPECT_EQ(Encode(bets, {1, 0, 1, 0}), "0@5.00$305.00$3210.00$#1010");
}

TEST(BetList, ReadsBackWhatWasWritten) {
  float bets[kCrapsBetSlots] = {};
  bets[kPassline] = 5;
  bets[kComePoint4 + 4] = 25;
  bets[kAnyCraps] = 500;
  std::string text = Encode(bets, {0, 1, 0, 1});
  float read[kCrapsBetSlots];
  CrapsWorkingFlags flags{};
  ASSERT_EQ(ParseBetList(text.c_str(), read, &flags), kBetListOk);
  for (int kind = 0; kind < kCrapsBetSlots; ++kind) EXPECT_EQ(read[kind], bets[kind]) << kind;
  EXPECT_EQ(flags.place, 0);
  EXPECT_EQ(flags.buy, 1);
  EXPECT_EQ(flags.comeOdds, 0);
  EXPECT_EQ(flags.hardways, 1);
}

TEST(BetList, ReadsIntoAFreshList) {
  float bets[kCrapsBetSlots];
  for (float& bet : bets) bet = 9;
  CrapsWorkingFlags flags{};
  ASSERT_EQ(ParseBetList("3210.00$#0000", bets, &flags), kBetListOk);
  EXPECT_EQ(bets[kField], 10.0f);
  EXPECT_EQ(bets[kBig6], 0.0f);
  EXPECT_EQ(bets[69], 0.0f);
}

TEST(BetList, AnyFlagCharacterButZeroWorks) {
  float bets[kCrapsBetSlots];
  CrapsWorkingFlags flags{};
  ASSERT_EQ(ParseBetList("#x0 9", bets, &flags), kBetListOk);
  EXPECT_EQ(flags.place, 1);
  EXPECT_EQ(flags.buy, 0);
  EXPECT_EQ(flags.comeOdds, 1);
  EXPECT_EQ(flags.hardways, 1);
}

TEST(BetList, IndexesOutsideTheTableAreRefused) {
  EXPECT_EQ(Parse("675.00$#0000"), kBetListIndexOutOfRange);
  EXPECT_EQ(Parse("995.00$#0000"), kBetListIndexOutOfRange);
  EXPECT_EQ(Parse("-15.00$#0000"), kBetListIndexOutOfRange);
  EXPECT_EQ(Parse("665.00$#0000"), kBetListOk);
}

TEST(BetList, AListThatEndsEarlyIsRefused) {
  EXPECT_EQ(Parse(""), kBetListIncomplete);
  EXPECT_EQ(Parse("305.00$"), kBetListIncomplete);   // no end mark
  EXPECT_EQ(Parse("305.00"), kBetListIncomplete);    // no "$"
  EXPECT_EQ(Parse("30"), kBetListIncomplete);
  EXPECT_EQ(Parse("3"), kBetListIncomplete);
  EXPECT_EQ(Parse("305.00$#000"), kBetListIncomplete);  // three flags
}

TEST(BetList, UnreadableIndexesAndStakesAreRefused) {
  EXPECT_EQ(Parse("x@5.00$#0000"), kBetListBadIndex);
  EXPECT_EQ(Parse("@@5.00$#0000"), kBetListBadIndex);
  EXPECT_EQ(Parse("30$#0000"), kBetListBadStake);
  EXPECT_EQ(Parse("30abc$#0000"), kBetListBadStake);
  EXPECT_EQ(Parse("30nan$#0000"), kBetListBadStake);
  EXPECT_EQ(Parse("30inf$#0000"), kBetListBadStake);
  EXPECT_EQ(Parse("3012345.67$#0000"), kBetListBadStake);  // eight characters
  EXPECT_EQ(Parse("301234.56$#0000"), kBetListOk);
}

TEST(ResultList, AComeOutElevenWithAFieldBet) {
  CrapsServerRecord r{};
  r.comeOut = 1;
  r.dice[0] = 5;
  r.dice[1] = 6;
  r.bets[kField] = 10;
  SettleRoll(r);
  char text[kResultListTextSize];
  ASSERT_GT(EncodeResultList(r, text, sizeof(text)), 0);
  EXPECT_STREQ(text, "3220.000000$#5,6,0,1,0,0,0,0,0,0,0,0,0,0,0,0");
}

TEST(ResultList, CarriesEveryNonzeroResultAndThePoints) {
  CrapsServerRecord r{};
  r.dice[0] = 2;
  r.dice[1] = 3;
  r.point = 5;
  r.results[kPassline] = kResultStays;
  r.results[kHorn3] = kResultLost;
  r.results[kComePointOdds4] = kResultReturned;
  r.results[kBuy4 + 1] = 48.5f;
  r.comePoints[3] = 1;
  r.comePoints[9] = 1;
  r.dontComePoints[5] = 1;
  char text[kResultListTextSize];
  ASSERT_GT(EncodeResultList(r, text, sizeof(text)), 0);
  EXPECT_STREQ(text,
               "0@-1.000000$11-3.000000$4648.500000$64-2.000000$"
               "#2,3,5,0,1,0,0,0,0,1,0,0,1,0,0,0");
  CrapsRollOutcome outcome{};
  ASSERT_EQ(ParseResultList(text, &outcome), kResultListOk);
  EXPECT_EQ(outcome.results[kPassline], kResultStays);
  EXPECT_EQ(outcome.results[kBuy4 + 1], 48.5f);
  EXPECT_EQ(outcome.results[kHorn3], kResultLost);
  EXPECT_EQ(outcome.dice[1], 3);
  EXPECT_EQ(outcome.point, 5);
  EXPECT_EQ(outcome.comePoints[0], 1);
  EXPECT_EQ(outcome.comePoints[5], 1);
  EXPECT_EQ(outcome.dontComePoints[2], 1);
}

TEST(ResultList, ReadingStopsAtTheEndOfTheText) {
  CrapsRollOutcome outcome{};
  EXPECT_EQ(ParseResultList("3220.000000", &outcome), kResultListBadResult);
  EXPECT_EQ(ParseResultList("3", &outcome), kResultListBadResult);
  EXPECT_EQ(ParseResultList("7720.0$#1,1,0,1,0,0,0,0,0,0,0,0,0,0,0,0", &outcome),
            kResultListBadResult);
  EXPECT_EQ(ParseResultList("#5,6,0,1,0,0,0,0,0,0,0,0,0,0,0", &outcome), kResultListBadNumbers);
  EXPECT_EQ(ParseResultList("#5,6,0,1,0,0,0,0,0,0,0,0,0,0,0,0", &outcome), kResultListOk);
  // 2^32 + 5 is no die of 5.
  EXPECT_EQ(ParseResultList("#4294967301,6,0,1,0,0,0,0,0,0,0,0,0,0,0,0", &outcome), kResultListBadNumbers);
}

TEST(ResultList, AResultLongerThanItsBufferIsRefused) {
  CrapsRollOutcome outcome{};
  const std::string numbers = "#5,6,0,1,0,0,0,0,0,0,0,0,0,0,0,0";
  const std::string fits = "00" + std::string(60, '0') + "1.5$" + numbers;  // 63 characters
  ASSERT_EQ(ParseResultList(fits.c_str(), &outcome), kResultListOk);
  EXPECT_FLOAT_EQ(outcome.results[0], 1.5f);
  const std::string tooLong = "00" + std::string(61, '0') + "1.5$" + numbers;  // 64 characters
  EXPECT_EQ(ParseResultList(tooLong.c_str(), &outcome), kResultListBadResult);
}

}  // namespace
}  // namespace dq
