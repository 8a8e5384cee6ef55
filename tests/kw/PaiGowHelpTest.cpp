// The help page's rows, worked out by the game's own rules, against hands
// and payouts worked by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kw/HandEval.h"
#include "kw/Showdown.h"
#include "kw/art/PaiGowHelp.h"

namespace {

using namespace kw::art;

// The page writes suits as HTML entities; the letters d, h, c, s read easier.
std::string Plain(std::string text) {
  const std::pair<const char*, const char*> suits[] = {
      {"&diams;", "d"}, {"&hearts;", "h"}, {"&clubs;", "c"}, {"&spades;", "s"}};
  for (const auto& [entity, letter] : suits) {
    for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity)) {
      text.replace(at, std::string(entity).size(), letter);
    }
  }
  return text;
}

TEST(PaiGowHelp, PayoutsOfATwentyDollarBet) {
  const std::vector<PayoutRow> rows = PayoutRows();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].result, kw::kPlayerWins);
  EXPECT_EQ(rows[0].returns, "$39.00");  // 20 back and 20 less 5%
  EXPECT_EQ(rows[1].result, kw::kPush);
  EXPECT_EQ(rows[1].returns, "$20.00");
  EXPECT_EQ(rows[2].result, kw::kDealerWins);
  EXPECT_EQ(rows[2].returns, "$0.00");
  EXPECT_DOUBLE_EQ(CommissionPercent(), 5.0);
}

TEST(PaiGowHelp, HandRankingShowsEveryClassOnceBestFirst) {
  const std::vector<RankingRow> rows = HandRanking();
  ASSERT_EQ(rows.size(), 10u);
  for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].handClass, kw::kFiveAces - static_cast<int>(i));
  EXPECT_EQ(rows.front().name, "Five aces");
  EXPECT_EQ(Plain(rows.front().cards), "As Ah Ac Ad Joker");
  EXPECT_EQ(rows.back().name, "High card");
}

TEST(PaiGowHelp, JokerFillsAStraightOrFlushOrCountsAsAnAce) {
  const std::vector<RankingRow> rows = JokerExamples();
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].handClass, kw::kOnePair);  // joker and ace: a pair of aces
  EXPECT_EQ(rows[1].handClass, kw::kStraightFlush);
  EXPECT_EQ(rows[2].handClass, kw::kFlush);
  EXPECT_EQ(rows[3].handClass, kw::kStraight);
}

const HouseWayRow* Find(const std::vector<HouseWayRow>& rows, const char* dealt) {
  for (const HouseWayRow& row : rows) {
    if (Plain(row.dealt) == dealt) return &row;
  }
  return nullptr;
}

void ExpectSplit(const std::vector<HouseWayRow>& rows, const char* dealt, const char* holding, const char* low,
                 const char* high) {
  SCOPED_TRACE(dealt);
  const HouseWayRow* row = Find(rows, dealt);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->holding, holding);
  EXPECT_EQ(Plain(row->low), low);
  EXPECT_EQ(Plain(row->high), high);
}

TEST(PaiGowHelp, HouseWayExamplesSplitAsTheDealerDoes) {
  const std::vector<HouseWayRow> rows = HouseWayExamples();
  // Ace, king, ten and an 8 below: the king and the fourth card go low.
  ExpectSplit(rows, "As Kh 10c 8d 6s 4h 2c", "no pair", "Kh 8d", "As 10c 6s 4h 2c");
  ExpectSplit(rows, "9s 9h Ac Kd 7s 4h 2c", "one pair", "Ac Kd", "9s 9h 7s 4h 2c");
  ExpectSplit(rows, "Ks Kh 8c 8d 4s 4h Ac", "three pairs", "Ks Kh", "8c 8d 4s 4h Ac");
  ExpectSplit(rows, "As Ah Ac Kd 8s 5h 2c", "three of a kind", "As Kd", "Ah Ac 8s 5h 2c");
  // Queens full of sevens beside an ace and a 3: the pair goes low.
  ExpectSplit(rows, "Qs Qh Qc 7d 7s Ah 3c", "full house", "7d 7s", "Qs Qh Qc Ah 3c");
  ExpectSplit(rows, "9s 8h 7c 6d 5s Kh 2c", "straight", "Kh 2c", "9s 8h 7c 6d 5s");
}

TEST(PaiGowHelp, PageCarriesEveryTable) {
  const std::string page = Plain(PaiGowHelpPage());
  EXPECT_NE(page.find("commission of 5%"), std::string::npos);
  EXPECT_NE(page.find("<td>You win both hands</td><td>$39.00</td>"), std::string::npos);
  EXPECT_NE(page.find("<td>Five aces</td><td>As Ah Ac Ad Joker</td>"), std::string::npos);
  EXPECT_NE(page.find("<td>Qs Qh Qc 7d 7s Ah 3c</td><td>7d 7s</td>"), std::string::npos);
  EXPECT_NE(page.find("$1, $5, $25, $100 or $500"), std::string::npos);
}

}  // namespace
