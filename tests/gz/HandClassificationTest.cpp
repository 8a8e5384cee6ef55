// Every five-card hand of the deck analysed by the engine and ranked by the
// independent oracle: the same category and the same ranks, hand by hand,
// and the textbook count of each category.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "gz/HandAnalysis.h"
#include "gz/Showdown.h"
#include "tests/support/PokerOracle.h"

namespace gz {
namespace {

HandInfo Analyse(const std::int32_t* ids, std::int32_t* values) {
  std::int32_t suits[kHandCards];
  HandInfo h;
  h.royalFlush = 7;  // must be written whatever it held
  AnalyseHand(ids, values, suits, h);
  return h;
}

// The ranks the engine keeps for the category, in the oracle's order.
bool RanksAgree(const HandInfo& h, const test::PokerKey& key, const std::int32_t* ids) {
  const auto& r = key.ranks;
  switch (key.category) {
    case kRoyalFlushCategory:
      return h.straightFlushTop == 14 && h.straightFlushSuit == ids[0] / 13;
    case kStraightFlushCategory:
      return h.straightFlushTop == r[0] && h.straightFlushSuit == ids[0] / 13;
    case kFourOfAKindCategory: return h.fourOfAKindRank == r[0] && h.pairRank == r[0];
    case kFullHouseCategory:
      return h.fullHouseThreeRank == r[0] && h.fullHousePairRank == r[1] &&
             h.threeOfAKindRank == r[0];
    case kFlushCategory: return h.flushSuit == ids[0] / 13 && h.straight == 0;
    case kStraightCategory: return h.straightTop == r[0] && h.flush == 0;
    case kThreeOfAKindCategory: return h.threeOfAKindRank == r[0] && h.twoPair == 0;
    case kTwoPairCategory:
      return h.highPairRank == r[0] && h.lowPairRank == r[1] && h.pairRank == r[0];
    case kPairCategory: return h.pairRank == r[0] && h.twoPair == 0;
    default: return h.pair == 0 && h.straight == 0 && h.flush == 0;
  }
}

struct Tally {
  long long counts[kRoyalFlushCategory + 1] = {};
  long long aceKingOnly = 0;
  long long disagreements = 0;
  std::string firstDisagreement;
};

// Every hand whose lowest card is one of the firsts (stride apart).
void ClassifyHands(int first, int stride, Tally* tally) {
  std::int32_t ids[kHandCards];
  for (ids[0] = first; ids[0] < 52; ids[0] += stride)
    for (ids[1] = ids[0] + 1; ids[1] < 52; ++ids[1])
      for (ids[2] = ids[1] + 1; ids[2] < 52; ++ids[2])
        for (ids[3] = ids[2] + 1; ids[3] < 52; ++ids[3])
          for (ids[4] = ids[3] + 1; ids[4] < 52; ++ids[4]) {
            std::int32_t values[kHandCards];
            const HandInfo h = Analyse(ids, values);
            const test::PokerKey key = test::RankHand(ids);
            const int category = HandCategory(h);
            ++tally->counts[category];
            if (category == kHighCard && h.aceKing) ++tally->aceKingOnly;
            const bool sorted = values[0] <= values[1] && values[1] <= values[2] &&
                                values[2] <= values[3] && values[3] <= values[4];
            const bool qualifies = !DealerNotQualified(h);
            if (category != key.category || !RanksAgree(h, key, ids) || !sorted ||
                qualifies != test::Qualifies(ids)) {
              if (tally->disagreements++ == 0) {
                tally->firstDisagreement = "hand " + std::to_string(ids[0]) + "," +
                                           std::to_string(ids[1]) + "," + std::to_string(ids[2]) +
                                           "," + std::to_string(ids[3]) + "," +
                                           std::to_string(ids[4]) + ": engine " +
                                           std::to_string(category) + ", oracle " +
                                           std::to_string(key.category);
              }
            }
          }
}

TEST(HandClassification, EveryHandAgreesWithTheOracle) {
  constexpr int kThreads = 4;
  Tally tallies[kThreads];
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) threads.emplace_back(ClassifyHands, t, kThreads, &tallies[t]);
  for (auto& thread : threads) thread.join();
  Tally total;
  for (const Tally& t : tallies) {
    for (int c = 0; c <= kRoyalFlushCategory; ++c) total.counts[c] += t.counts[c];
    total.aceKingOnly += t.aceKingOnly;
    total.disagreements += t.disagreements;
    EXPECT_EQ(t.disagreements, 0) << t.firstDisagreement;
  }
  const long long* counts = total.counts;
  EXPECT_EQ(counts[kRoyalFlushCategory], 4);
  EXPECT_EQ(counts[kStraightFlushCategory], 36);
  EXPECT_EQ(counts[kFourOfAKindCategory], 624);
  EXPECT_EQ(counts[kFullHouseCategory], 3744);
  EXPECT_EQ(counts[kFlushCategory], 5108);
  EXPECT_EQ(counts[kStraightCategory], 10200);
  EXPECT_EQ(counts[kThreeOfAKindCategory], 54912);
  EXPECT_EQ(counts[kTwoPairCategory], 123552);
  EXPECT_EQ(counts[kPairCategory], 1098240);
  EXPECT_EQ(counts[kHighCard], 1302540);
  EXPECT_EQ(counts[kDealerNotQualifiedResult], 0);
  // Ace-king with no pair, straight or flush: ace, king and three of the
  // other 11 ranks not making a straight (Q-J-10 does), in 4^5 - 4 suitings.
  EXPECT_EQ(total.aceKingOnly, (165 - 1) * (1024 - 4));
}

TEST(SortValues, AscendingInPlaceAnsweringCountLessOne) {
  std::int32_t values[] = {14, 3, 9, 3, 2};
  EXPECT_EQ(SortValues(5, values), 4);
  EXPECT_EQ(std::vector<std::int32_t>(values, values + 5), (std::vector<std::int32_t>{2, 3, 3, 9, 14}));
  std::int32_t one[] = {5};
  EXPECT_EQ(SortValues(1, one), 0);
  EXPECT_EQ(one[0], 5);
}

TEST(FindStraight, TheWheelHasTopFiveAndKeepsItsAceAtTheEnd) {
  std::int32_t ids[] = {12, 13 + 0, 1, 26 + 2, 3};  // A, 2, 3, 4, 5 in mixed suits
  std::int32_t values[kHandCards];
  const HandInfo h = Analyse(ids, values);
  EXPECT_EQ(h.straight, 1);
  EXPECT_EQ(h.straightTop, 5);
  EXPECT_EQ(h.royalFlush, 0);
  EXPECT_EQ(values[4], 14);
  EXPECT_EQ(values[0], 2);
}

}  // namespace
}  // namespace gz
