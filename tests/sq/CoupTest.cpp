// PlayCoup against the dealer's rule over every point value of the six
// cards, and the outcome, result and win of the coup worked by hand.
#include <gtest/gtest.h>

#include "kw/Cards.h"
#include "sq/BaccaratRules.h"
#include "tests/support/BaccaratOracle.h"

namespace sq {
namespace {

// A rank of this point value; the tens and faces take turns with slot.
int RankOfPoint(int point, int slot) {
  if (point == 0) return 10 + slot % 4;
  return point == 1 ? kw::kAce : point;
}

// A record dealt these point values (as ranks, as ComputeCardRanks leaves
// them) with these stakes.
BaccaratServerRecord Dealt(const int points[kCoupCards], double player, double banker,
                           double tie) {
  BaccaratServerRecord r{};
  for (int i = 0; i < kCoupCards; ++i) {
    r.points[i] = RankOfPoint(points[i], i);
    r.cards[i] = kw::CardId(r.points[i], i % 4);
  }
  r.betPlayer = player;
  r.betBanker = banker;
  r.betTie = tie;
  return r;
}

TEST(PlayCoup, FollowsTheDealersRuleForEveryPointValueOfTheSixCards) {
  int points[kCoupCards];
  long long mismatches = 0;
  for (int code = 0; code < 1000000; ++code) {
    for (int i = 0, rest = code; i < kCoupCards; ++i, rest /= 10) points[i] = rest % 10;
    BaccaratServerRecord r = Dealt(points, 10, 20, 5);
    const std::int32_t playerThird = r.cards[kPlayerThird];
    const std::int32_t bankerThird = r.cards[kBankerThird];
    PlayCoup(r);
    const test::RuleCoup rule = test::PlayByRule(points);
    const int winner = rule.playerTotal > rule.bankerTotal   ? kPlayerWins
                       : rule.bankerTotal > rule.playerTotal ? kBankerWins
                                                             : kTie;
    const double win = winner == kPlayerWins ? 20.0 : winner == kBankerWins ? 39.0 : 45.0;
    bool same = r.playerTotal == rule.playerTotal && r.bankerTotal == rule.bankerTotal &&
                r.cards[kPlayerThird] == (rule.playerDraws ? playerThird : kNotDrawn) &&
                r.cards[kBankerThird] == (rule.bankerDraws ? bankerThird : kNotDrawn) &&
                r.winner == winner && r.result == winner && r.win == win;
    for (int i = 0; i < kCoupCards; ++i) same = same && r.points[i] == points[i];
    if (!same && ++mismatches <= 5) {
      ADD_FAILURE() << "points " << points[0] << points[1] << " " << points[2] << points[3]
                    << " " << points[4] << points[5] << ": totals " << r.playerTotal << "-"
                    << r.bankerTotal << ", winner " << r.winner;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(PlayCoup, PointValuesOfTheRanks) {
  const int expected[15] = {-1, -1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 0, 1};
  for (int rank = 2; rank <= kw::kAce; ++rank) EXPECT_EQ(PointValue(rank), expected[rank]);
}

struct OutcomeCase {
  const char* name;
  int points[kCoupCards];
  double player, banker, tie;
  int winner, result;
  double win, credit;
};

// Points P1 P2 B1 B2 P3 B3; the stakes; what is won and credited by hand.
const OutcomeCase kOutcomes[] = {
    {"Player 8 beats Banker 7, Player 10 staked", {3, 5, 0, 7, 2, 4}, 10, 0, 0, kPlayerWins, 0, 20, 20},
    {"Player 25 wins", {3, 5, 0, 7, 2, 4}, 25, 0, 0, kPlayerWins, 0, 50, 50},
    {"Banker 100 wins", {0, 2, 4, 5, 1, 1}, 0, 100, 0, kBankerWins, 1, 195, 195},
    {"Banker 20 loses", {3, 5, 0, 7, 2, 4}, 0, 20, 0, kPlayerWins, 3, 0, 0},
    {"Player wins with only a Tie stake", {3, 5, 0, 7, 2, 4}, 0, 0, 10, kPlayerWins, 3, 0, 0},
    {"tie of naturals with Tie 10 and Player 10", {4, 4, 0, 8, 2, 4}, 10, 0, 10, kTie, 2, 90, 100},
    {"tie of 10 and 10 without a Tie stake", {4, 4, 0, 8, 2, 4}, 10, 10, 0, kTie, 3, 20, 20},
    {"nothing staked", {4, 4, 0, 8, 2, 4}, 0, 0, 0, kTie, 3, 0, 0},
    {"a negative zero is no stake", {3, 5, 0, 7, 2, 4}, -0.0, 0, 0, kPlayerWins, 3, 0, 0},
};

TEST(PlayCoup, OutcomesAndPayoutsWorkedByHand) {
  for (const OutcomeCase& c : kOutcomes) {
    BaccaratServerRecord r = Dealt(c.points, c.player, c.banker, c.tie);
    PlayCoup(r);
    EXPECT_EQ(r.winner, c.winner) << c.name;
    EXPECT_EQ(r.result, c.result) << c.name;
    EXPECT_EQ(r.win, c.win) << c.name;
    EXPECT_EQ(CoupCredit(r), c.credit) << c.name;
  }
}

TEST(PlayCoup, TheThirdCardsOfTheEdgeCases) {
  struct Case {
    const char* name;
    int points[kCoupCards];
    bool playerDraws, bankerDraws;
    int playerTotal, bankerTotal;
  };
  const Case cases[] = {
      {"Player 8 against Banker 7: no third cards", {3, 5, 0, 7, 2, 4}, false, false, 8, 7},
      {"equal naturals", {4, 5, 0, 9, 2, 4}, false, false, 9, 9},
      {"a Banker natural stops a Player 0", {0, 0, 4, 4, 2, 4}, false, false, 0, 8},
      {"Player 5 draws a 4, Banker 4 draws", {2, 3, 0, 4, 4, 3}, true, true, 9, 7},
      {"Banker 3 stands on a Player third card of 8", {2, 3, 1, 2, 8, 3}, true, false, 3, 3},
      {"Banker 3 draws on a Player third card of 9", {2, 3, 1, 2, 9, 3}, true, true, 4, 6},
      {"Player stands on 6, Banker 5 draws", {3, 3, 2, 3, 9, 1}, false, true, 6, 6},
      {"Player stands on 7, Banker 6 stands", {3, 4, 2, 4, 9, 1}, false, false, 7, 6},
  };
  for (const Case& c : cases) {
    BaccaratServerRecord r = Dealt(c.points, 0, 0, 0);
    const std::int32_t playerThird = r.cards[kPlayerThird];
    const std::int32_t bankerThird = r.cards[kBankerThird];
    PlayCoup(r);
    EXPECT_EQ(r.cards[kPlayerThird], c.playerDraws ? playerThird : kNotDrawn) << c.name;
    EXPECT_EQ(r.cards[kBankerThird], c.bankerDraws ? bankerThird : kNotDrawn) << c.name;
    EXPECT_EQ(r.playerTotal, c.playerTotal) << c.name;
    EXPECT_EQ(r.bankerTotal, c.bankerTotal) << c.name;
  }
}

TEST(DealCards, ASourceAlwaysAnsweringZeroDealsTheDeckInOrder) {
  BaccaratServerRecord r{};
  DealCards(r, [] { return 0; });
  for (int i = 0; i < kCoupCards; ++i) {
    EXPECT_EQ(r.cards[i], i);
    EXPECT_EQ(r.points[i], i + 2);  // the ranks 2..7 of the first suit
  }
}

}  // namespace
}  // namespace sq
