// Every one of the 67 areas of the Craps table as the player meets it: the
// staged hit map, read as the program reads it, gives each button where the
// button is shown, and that button's hover text and the bet kind a click on
// it places are the table's below, written out from the game's own button
// list rather than taken from the code.
#include <gtest/gtest.h>

#include <string>

#include "artwork/Generator.h"
#include "dq/BetModel.h"
#include "dq/CrapsButtons.h"
#include "dq/CrapsTableLayout.h"
#include "dq/art/CrapsSheet.h"
#include "framework/sound/HitMap.h"
#include "tests/artwork/TempFolder.h"

namespace {

using namespace dq;

struct Area {
  const char* hover;  // null: none
  int kind;           // the bet a left click places; -1 for none
};

constexpr Area kAreas[kCrapsButtonCount] = {
    {nullptr, -1},
    {"Info bar", -1},
    {"Options", -1},
    {"Help", -1},
    {"Exit", -1},
    {"Bet $1", -1}, {"Bet $5", -1}, {"Bet $25", -1}, {"Bet $100", -1}, {"Bet $500", -1},
    {nullptr, -1},  // Roll
    {"Passline", 0},
    {"Passline Odds", 1},
    {"Don't Pass", 2},
    {"Come", 4},
    {"Don't Come", 17},
    {"Big 6", 30}, {"Big 8", 31}, {"Field", 32},
    {"Place Win 4", 33}, {"Place Win 5", 34}, {"Place Win 6", 35},
    {"Place Win 8", 36}, {"Place Win 9", 37}, {"Place Win 10", 38},
    {"Place Loose 4", 39}, {"Place Loose 5", 40}, {"Place Loose 6", 41},
    {"Place Loose 8", 42}, {"Place Loose 9", 43}, {"Place Loose 10", 44},
    {"Come Point Odds 4", 11}, {"Come Point Odds 5", 12}, {"Come Point Odds 6", 13},
    {"Come Point Odds 8", 14}, {"Come Point Odds 9", 15}, {"Come Point Odds 10", 16},
    {"Don't Come Point 4 / Don't Come Point Odds 4", 24},
    {"Don't Come Point 5 / Don't Come Point Odds 5", 25},
    {"Don't Come Point 6 / Don't Come Point Odds 6", 26},
    {"Don't Come Point 8 / Don't Come Point Odds 8", 27},
    {"Don't Come Point 9 / Don't Come Point Odds 9", 28},
    {"Don't Come Point 10 / Don't Come Point Odds 10", 29},
    {"Any 7", 57},
    {"Hardway 6", 58}, {"Hardway 8", 59}, {"Hardway 10", 60}, {"Hardway 4", 61},
    {"Horn 2", 62}, {"Horn 12", 63}, {"Horn 3", 64}, {"Horn 11", 65},
    {"Any Craps", 66},
    {"Info Menu", -1},
    {"Lay Bet 4", 51}, {"Lay Bet 5", 52}, {"Lay Bet 6", 53},
    {"Lay Bet 8", 54}, {"Lay Bet 9", 55}, {"Lay Bet 10", 56},
    {"Buy Bet 4", 45}, {"Buy Bet 5", 46}, {"Buy Bet 6", 47},
    {"Buy Bet 8", 48}, {"Buy Bet 9", 49}, {"Buy Bet 10", 50},
    {"Don't Pass Odds", 3},
};

class CrapsButtonAreas : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(artwork::WriteSheet(folder.Path(), art::CrapsSheet()), 1);
    const std::string name = artwork::StagePath(folder.Path(), art::kProgram, "res\\Btndata.dat");
    map = LoadHitMap(name.c_str());
    ASSERT_NE(map, nullptr);
  }
  void TearDown() override { FreeHitMap(map); }

  TempFolder folder;
  HitMap* map = nullptr;
};

// Where the player sees a button: a bet at its spot, where its label and its
// chips stand; a drawn button or info area at its middle.
Point ShownAt(int button) {
  const int kind = kAreas[button].kind;
  if (kind >= 0) return kBetSpots[kind];
  const ButtonEntry& row = kCrapsButtonTable.rows[button];
  return {row.x + row.width / 2, row.y + row.height / 2};
}

TEST_F(CrapsButtonAreas, EachAreaShowsItsHoverTextAndPlacesItsBet) {
  for (int button = 0; button < kCrapsButtonCount; ++button) {
    SCOPED_TRACE(button);
    const Area& area = kAreas[button];
    if (area.hover == nullptr) {
      EXPECT_EQ(ButtonHoverText(button), nullptr);
    } else {
      ASSERT_NE(ButtonHoverText(button), nullptr);
      EXPECT_STREQ(ButtonHoverText(button), area.hover);
    }
    EXPECT_EQ(BetKindOfButton(button), area.kind);
    if (button == kButtonNone) continue;
    const Point at = ShownAt(button);
    EXPECT_EQ(HitTest(map, at.x, at.y), button) << "at " << at.x << ", " << at.y;
  }
}

// The bet areas' hover texts name the bet their click places.
TEST_F(CrapsButtonAreas, HoverTextNamesTheBetAClickPlaces) {
  for (int button = kFirstBetButton; button < kCrapsButtonCount; ++button) {
    const int kind = BetKindOfButton(button);
    if (kind < 0) continue;
    SCOPED_TRACE(button);
    const std::string hover = ButtonHoverText(HitTest(map, kBetSpots[kind].x, kBetSpots[kind].y));
    std::string name = BetName(kind);
    name.pop_back();  // the trailing blank
    // The hover texts shorten "Come Bet" and "Don't Come Bet" and put "Odds"
    // before the number; the rest read the bet's name.
    if (kind == kComeBet || kind == kDontComeBet) name.resize(name.size() - 4);
    if (kind >= kComePointOdds4 && kind < kComePointOdds4 + 6) {
      name = "Come Point Odds " + std::to_string(kBoxNumbers[kind - kComePointOdds4]);
    }
    if (kind >= kDontComePointOdds4 && kind < kDontComePointOdds4 + 6) {
      name = "Don't Come Point Odds " + std::to_string(kBoxNumbers[kind - kDontComePointOdds4]);
    }
    EXPECT_NE(hover.find(name), std::string::npos) << hover << " / " << name;
  }
}

}  // namespace
