// The help page's pay table, worked out from the game's settlement, against
// payouts worked by hand for a $10 stake.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dq/BetModel.h"
#include "dq/art/CrapsHelp.h"

namespace {

using dq::art::PayRow;

std::vector<PayRow> RowsOf(int kind) {
  std::vector<PayRow> rows;
  for (const PayRow& row : dq::art::PayTable()) {
    if (row.kind == kind) rows.push_back(row);
  }
  return rows;
}

void ExpectRow(const PayRow& row, const char* when, const char* wins, const char* loses, const char* returns) {
  EXPECT_EQ(row.when, when);
  EXPECT_EQ(row.wins, wins);
  EXPECT_EQ(row.loses, loses);
  EXPECT_EQ(row.returns, returns);
}

TEST(CrapsHelp, LineBetsReadTheComeOutAndThePoint) {
  const std::vector<PayRow> pass = RowsOf(dq::kPassline);
  ASSERT_EQ(pass.size(), 2u);
  ExpectRow(pass[0], "come-out roll", "7, 11", "2, 3, 12", "$20.00");
  ExpectRow(pass[1], "a point stands", "the point", "7", "$20.00");
  const std::vector<PayRow> dontPass = RowsOf(dq::kDontPass);
  ASSERT_EQ(dontPass.size(), 2u);
  ExpectRow(dontPass[0], "come-out roll", "3, 12", "7, 11", "$20.00");  // a 2 stands off
}

TEST(CrapsHelp, OddsPayByThePoint) {
  const std::vector<PayRow> odds = RowsOf(dq::kPasslineOdds);
  ASSERT_EQ(odds.size(), 6u);
  ExpectRow(odds[0], "point 4", "4", "7", "$30.00");  // 2 to 1
  ExpectRow(odds[1], "point 5", "5", "7", "$25.00");  // 3 to 2
  ExpectRow(odds[2], "point 6", "6", "7", "$22.00");  // 6 to 5
  const std::vector<PayRow> lay = RowsOf(dq::kDontPassOdds);
  ASSERT_EQ(lay.size(), 6u);
  ExpectRow(lay[1], "point 5", "7", "5", "$16.60");  // 10 x 2/3 = 6.66.., cut to 6.60
}

TEST(CrapsHelp, BoxBetsShowTheHousesCutPayouts) {
  ExpectRow(RowsOf(dq::kPlaceWin4 + 2)[0], "a point stands", "6", "7", "$21.60");  // 11.66.. cut to 11.60
  ExpectRow(RowsOf(dq::kPlaceLose4)[0], "any roll", "7", "4", "$14.50");          // 10 x 5/11 = 4.54..
  ExpectRow(RowsOf(dq::kBuy4)[0], "a point stands", "4", "7", "$29.00");          // 10 x 0.95 x 2
  ExpectRow(RowsOf(dq::kLay4 + 5)[0], "any roll", "7", "10", "$14.70");           // 10 x 0.5 x 0.95
}

TEST(CrapsHelp, OneRollAndHardwayBets) {
  ExpectRow(RowsOf(dq::kField)[0], "any roll", "2, 3, 4, 9, 10, 11, 12", "5, 6, 7, 8",
            "$30.00 on 2, 12; $20.00 on 3, 4, 9, 10, 11");
  ExpectRow(RowsOf(dq::kHardway6)[0], "a point stands", "hard 6", "easy 6, 7", "$100.00");
  ExpectRow(RowsOf(dq::kHorn3)[0], "any roll", "3", "2, 4, 5, 6, 7, 8, 9, 10, 11, 12", "$160.00");
}

TEST(CrapsHelp, EveryBetHasARowOnThePage) {
  const std::string page = dq::art::CrapsHelpPage();
  for (int kind = 0; kind < dq::kCrapsBetKinds; ++kind) {
    SCOPED_TRACE(kind);
    EXPECT_FALSE(RowsOf(kind).empty());
    std::string name = dq::BetName(kind);
    name.pop_back();
    EXPECT_NE(page.find("<td>" + name + "</td>"), std::string::npos);
  }
}

}  // namespace
