// The Craps client's pieces that need no running program: the stickman's
// calls, the win summary, a roll's won and lost lists, the snapshot file,
// the options file, the button table and the hit map painted from it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "artwork/BitmapWriter.h"
#include "dq/CrapsButtons.h"
#include "dq/CrapsCallouts.h"
#include "dq/CrapsClient.h"
#include "dq/CrapsOptions.h"
#include "dq/CrapsRollResults.h"
#include "dq/art/CrapsSheet.h"
#include "dq/CrapsSnapshot.h"
#include "dq/CrapsTableLayout.h"
#include "dq/CrapsTableView.h"
#include "artwork/Generator.h"
#include "artwork/StandardColours.h"
#include "tests/support/TempFolderFixture.h"

namespace {

using namespace dq;

// ---- The calls of a roll -------------------------------------------------------

struct CallCase {
  int die1, die2, before, after;
  const char* text;
  std::vector<std::string> sounds;
  int waitForLast;
};

TEST(CrapsCallouts, EachTotalHasItsWordsAndSamples) {
  const CallCase cases[] = {
      {1, 1, 1, 1, "CRAPS TWO#|", {"../wav/c_2.wav", "../wav/dq_c2.wav"}, 1},
      {1, 2, 0, 0, "CRAPS THREE#|", {"../wav/c_3.wav", "../wav/dq_c3.wav"}, 1},
      {2, 2, 0, 0, "HARD FOUR#|", {"../wav/c_4.wav", "../wav/dq_h4.wav"}, 1},
      {1, 3, 1, 0, "EASY FOUR THE POINT IS FOUR#|",
       {"../wav/c_4.wav", "../wav/dq_e4.wav", "../wav/dq_point.wav", "../wav/c_4.wav"}, 1},
      {2, 3, 1, 0, "THE POINT IS FIVE#|", {"../wav/c_5.wav", "../wav/dq_point.wav", "../wav/c_5.wav"}, 1},
      {1, 4, 0, 0, "THE ROLL IS FIVE#|", {"../wav/c_5.wav", "../wav/dq_roll.wav", "../wav/c_5.wav"}, 1},
      {3, 3, 1, 0, "HARD SIX THE POINT IS SIX#|",
       {"../wav/c_6.wav", "../wav/dq_h6.wav", "../wav/dq_point.wav", "../wav/c_6.wav"}, 1},
      {3, 4, 1, 1, "WINNER SEVEN, PAY THE LINE#|",
       {"../wav/c_7.wav", "../wav/dq_w7.wav", "../wav/dq_line.wav"}, 1},
      {6, 1, 0, 1, "OUT SEVEN#|", {"../wav/c_7.wav", "../wav/dq_out7.wav"}, 1},
      {2, 6, 0, 0, "EASY EIGHT#|", {"../wav/c_8.wav", "../wav/dq_e8.wav"}, 1},
      {4, 5, 0, 0, "THE ROLL IS NINE#|", {"../wav/c_9.wav", "../wav/dq_roll.wav", "../wav/c_9.wav"}, 1},
      {5, 5, 0, 0, "HARD TEN#|", {"../wav/c_10.wav", "../wav/dq_h10.wav"}, 1},
      {5, 6, 1, 1, "YO ELEVEN! WINNER ELEVEN#|",
       {"../wav/dq_yo11.wav", "../wav/dq_win11.wav", "../wav/dq_line.wav"}, 1},
      {6, 5, 0, 0, "YO ELEVEN! ROLL IS ELEVEN#|",
       {"../wav/dq_yo11.wav", "../wav/dq_roll.wav", "../wav/c_11.wav"}, 1},
      {6, 6, 1, 1, "CRAPS TWELVE#|", {"../wav/dq_c12.wav"}, 0},
  };
  for (const CallCase& c : cases) {
    SCOPED_TRACE(c.text);
    const RollCall call = CallOfRoll(c.die1, c.die2, c.before, c.after);
    EXPECT_STREQ(call.tickerText, c.text);
    ASSERT_EQ(call.soundCount, static_cast<int>(c.sounds.size()));
    for (int i = 0; i < call.soundCount; ++i) EXPECT_EQ(call.sounds[i], c.sounds[i]);
    EXPECT_EQ(call.waitForLast, c.waitForLast);
  }
}

TEST(CrapsCallouts, DuringAPointTheStickmanSaysShootShootOut) {
  int counter = 0;
  std::vector<std::string> said;
  const char* sounds[2];
  for (int roll = 0; roll < 6; ++roll) {
    const int n = CallBeforeThrow(0, 9, &counter, sounds);
    said.push_back(n == 2 ? std::string(sounds[0]) + "+" + sounds[1] : sounds[0]);
  }
  const std::string shoot = "../wav/dq_shoot.wav+../wav/c_9.wav";
  EXPECT_EQ(said, (std::vector<std::string>{shoot, shoot, "../wav/dq_out.wav", shoot, shoot,
                                            "../wav/dq_out.wav"}));
  // A come-out roll neither speaks the counter nor resets it.
  counter = 1;
  ASSERT_EQ(CallBeforeThrow(1, 0, &counter, sounds), 1);
  EXPECT_STREQ(sounds[0], "../wav/dq_come.wav");
  EXPECT_EQ(counter, 1);
}

TEST(CrapsCallouts, WinSummaryListsTheNetWinOfEachBet) {
  float bets[kCrapsBetSlots] = {};
  float results[kCrapsBetSlots] = {};
  bets[kPassline] = 5;
  results[kPassline] = 10;
  bets[kComePointOdds4 + 1] = 10;  // a returned odds bet: its stake comes back, net 0
  results[kComePointOdds4 + 1] = 10;
  const int won[] = {kPassline, kComePointOdds4 + 1, kBetListEnd};
  char text[3000];
  BuildWinSummary(text, sizeof text, 10.0f, bets, results, won, kBetListEnd);
  EXPECT_STREQ(text,
               "TOTAL WIN:   $10.00   @    PLAYER WON $5.00 ON THE PASSLINE , $0.00 ON THE "
               "COME POINT 5 ODDS #|");
  // Cut to a small buffer the end mark still stands.
  char small[40];
  EXPECT_EQ(BuildWinSummary(small, sizeof small, 10.0f, bets, results, won, kBetListEnd), 39);
  EXPECT_EQ(std::string(small).substr(37), "#|");
}

// ---- A roll's lists ------------------------------------------------------------

TEST(CrapsRollResults, ComeBetThatStaysBecomesAPendingMove) {
  CrapsClientRecord r{};
  r.dice[0] = 5;
  r.dice[1] = 3;
  r.bets[kComeBet] = 12.5f;
  r.results[kComeBet] = kResultStays;
  RollLists lists;
  SettleRollOnRecord(&r, &lists);
  EXPECT_EQ(r.comeMove[0], 12);
  EXPECT_EQ(r.comeMove[1], kComePoint4 + 3);  // Come Point 8
  EXPECT_EQ(r.results[kComeBet], 0.0f);
  EXPECT_EQ(lists.won[0], kBetListEnd);
  EXPECT_EQ(lists.lost[0], kBetListEnd);
}

TEST(CrapsRollResults, WonReturnedAndLostBetsFillTheirLists) {
  CrapsClientRecord r{};
  r.dice[0] = 3;
  r.dice[1] = 4;
  r.balance = 100;
  r.bets[kPassline] = 5;
  r.results[kPassline] = 10;
  r.bets[kField] = 25;
  r.results[kField] = kResultLost;
  r.bets[kComePointOdds4] = 10;
  r.results[kComePointOdds4] = kResultReturned;
  r.bets[kDontComeBet] = 5;
  r.results[kDontComeBet] = kResultStays;  // on a 7 it cannot move
  RollLists lists;
  SettleRollOnRecord(&r, &lists);
  EXPECT_EQ(std::vector<int>(lists.won, lists.won + 3),
            (std::vector<int>{kPassline, kComePointOdds4, kBetListEnd}));
  EXPECT_EQ(std::vector<int>(lists.lost, lists.lost + 2), (std::vector<int>{kField, kBetListEnd}));
  EXPECT_EQ(r.won, 10.0f);
  EXPECT_EQ(r.lost, 25.0f);
  EXPECT_EQ(r.balance, 95.0);  // the won stake left the table's money
  EXPECT_EQ(r.results[kComePointOdds4], 10.0f);
  EXPECT_EQ(r.dontComeMove[0], 0);
}

int ListLength(const int* list) {
  int n = 0;
  while (n < kBetListCapacity && list[n] != kBetListEnd) ++n;
  return n;
}

TEST(CrapsRollResults, EveryKindFitsInTheLists) {
  CrapsClientRecord r{};
  r.dice[0] = 1;
  r.dice[1] = 1;
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) {
    r.bets[kind] = 1;
    r.results[kind] = kResultReturned;
  }
  RollLists lists;
  SettleRollOnRecord(&r, &lists);
  EXPECT_EQ(ListLength(lists.won), kCrapsBetKinds);
  EXPECT_EQ(lists.won[kCrapsBetKinds], kBetListEnd);
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) r.results[kind] = kResultLost;
  SettleRollOnRecord(&r, &lists);
  EXPECT_EQ(ListLength(lists.lost), kCrapsBetKinds);
}

TEST(CrapsTableView, PilesSplitGreedilyWithOneFractionChip) {
  EXPECT_EQ(ChipCount(0.5f, 1), 1);
  EXPECT_EQ(ChipCount(1.5f, 1), 2);
  EXPECT_EQ(ChipCount(530.0f, 1), 3);
  EXPECT_EQ(ChipCount(137.0f, 0), 6);
  EXPECT_EQ(ChipCount(0.0f, 1), 0);
  // 199 500s, a 100 and a 25 of 99,625.5; a payout no pile could show stops
  // at the pile's top instead of taking 500 off a float for ever.
  EXPECT_EQ(ChipCount(99625.5f, 1), 202);
  EXPECT_EQ(ChipCount(200500.0f, 1), kMaxPileChips);
  EXPECT_EQ(ChipCount(1e20f, 1), kMaxPileChips);
}

TEST(CrapsClientRequests, KeysAskToRollOrQuitAndAreCleared) {
  CrapsClientRecord r{};
  ClientKeyCommand(&r, 'R');
  EXPECT_EQ(r.rollRequest, 1);
  ClientKeyCommand(&r, 'x');
  EXPECT_EQ(r.quitRequest, 0);
  ClientKeyCommand(&r, 'E');
  EXPECT_EQ(r.quitRequest, 1);
  ClearClientRequests(&r);
  EXPECT_EQ(r.rollRequest + r.quitRequest, 0);
}

// ---- Files ---------------------------------------------------------------------

TEST(CrapsSnapshotBytes, StoredAsNotRotatedLeftByFive) {
  EXPECT_EQ(SnapshotStoreByte(0x00), 0xFF);
  EXPECT_EQ(SnapshotStoreByte(0x01), 0xDF);
  EXPECT_EQ(SnapshotStoreByte(0x80), 0xEF);
  for (int b = 0; b < 256; ++b) {
    EXPECT_EQ(SnapshotLoadByte(SnapshotStoreByte(static_cast<std::uint8_t>(b))), b);
  }
}

using CrapsSnapshotFile = TempFolderTest;

TEST_F(CrapsSnapshotFile, RoundTripKeepsTheLiveState) {
  CrapsClientRecord saved{};
  saved.state = kClientBetting;
  saved.bets[kPassline] = 25;
  saved.bets[kHardway4] = 7.0f;
  saved.balance = 1234.5;
  saved.point = 9;
  std::strcpy(saved.text, "snapshot");
  ASSERT_EQ(SaveClientSnapshot(&saved), 1);
  const std::string stored = ReadFile("dqdata.dat");
  ASSERT_EQ(stored.size(), 1304u);
  EXPECT_EQ(static_cast<unsigned char>(stored[0]), 0xFF);  // autoPress 0

  CrapsClientRecord live{};
  live.state = kClientWaitBeginPlay;
  ASSERT_EQ(LoadClientSnapshot(&live), 1);
  EXPECT_EQ(live.state, kClientWaitBeginPlay);
  EXPECT_EQ(live.bets[kPassline], 25.0f);
  EXPECT_EQ(live.bets[kHardway4], 7.0f);
  EXPECT_EQ(live.balance, 1234.5);
  EXPECT_EQ(live.point, 9);
  EXPECT_STREQ(live.text, "snapshot");
}

TEST_F(CrapsSnapshotFile, MissingOrShortFileLeavesTheRecord) {
  CrapsClientRecord live{};
  live.balance = 7;
  EXPECT_EQ(LoadClientSnapshot(&live), 0);
  WriteFile("dqdata.dat", std::string(1303, '\xFF'));
  EXPECT_EQ(LoadClientSnapshot(&live), 0);
  EXPECT_EQ(live.balance, 7.0);
}

// A round as the client saves it when it begins: past CLIENTINIT with the
// casino's limits, the $5 chip, a point of 6 with Passline, odds and a Come
// Point standing, the dice of the last roll resting on the table.
CrapsClientRecord PlayedRound() {
  CrapsClientRecord r{};
  r.state = kClientWaitBeginPlay;
  r.minBet = r.minBetCopy = 5.0;
  r.maxBet = 500.0;
  r.maxTable = 500.0;
  r.maxOdds = 3.0;
  r.minBetProp = 1.0;
  r.balance = r.beginBalance = 960.0;
  r.selectedChip = 1;
  r.chipValue = 5;
  r.negativeChipValue = -5;
  r.bets[kPassline] = 10.0f;
  r.bets[kPasslineOdds] = 20.0f;
  r.bets[kComePoint4 + 4] = 5.0f;  // Come Point 9
  r.betSnapshot[kPassline] = 10.0f;
  r.betSnapshot[kComeBet] = 5.0f;
  r.results[kField] = -1.0f;
  r.results[kPlaceWin4 + 2] = 5.83f;  // a Place 6 of $5 pays 7 to 6
  r.won = 5.83f;
  r.lost = 0.0f;
  r.tableTotal = 35.0f;
  r.dice[0] = 4;
  r.dice[1] = 5;
  r.previousDice[0] = 2;
  r.previousDice[1] = 4;
  r.point = 6;
  r.previousPoint = 6;
  r.comeOut = 0;
  r.previousComeOut = 0;
  r.comePoints[8] = 1;
  r.diceResting = 1;
  r.restingDie1[0] = 380;
  r.restingDie1[1] = 370;
  r.restingDie2[0] = 410;
  r.restingDie2[1] = 380;
  r.workingPlace = 1;
  return r;
}

TEST_F(CrapsSnapshotFile, APlayedRoundLoadsWhole) {
  const CrapsClientRecord saved = PlayedRound();
  ASSERT_EQ(SaveClientSnapshot(&saved), 1);
  CrapsClientRecord live{};
  live.state = kClientWaitBeginPlay;
  ASSERT_EQ(LoadClientSnapshot(&live), 1);
  EXPECT_EQ(std::memcmp(&live, &saved, sizeof live), 0);
}

TEST_F(CrapsSnapshotFile, ARecordBeforeItsFirstRoundLoads) {
  CrapsClientRecord saved = PlayedRound();
  saved.dice[0] = saved.dice[1] = 0;
  saved.previousDice[0] = saved.previousDice[1] = 0;
  saved.point = saved.previousPoint = 0;
  saved.comeOut = saved.previousComeOut = 1;
  saved.selectedChip = kNoChip;  // a balance below a dollar affords no chip
  saved.chipValue = saved.negativeChipValue = 0;
  ASSERT_EQ(SaveClientSnapshot(&saved), 1);
  CrapsClientRecord live{};
  EXPECT_EQ(LoadClientSnapshot(&live), 1);
}

// A file whose round no game could have left: damaged or altered. The
// restore must not draw or play from it.
struct BadSnapshot {
  const char* name;
  void (*spoil)(CrapsClientRecord*);
};

class CrapsBadSnapshotFile : public TempFolderTest,
                             public ::testing::WithParamInterface<BadSnapshot> {};

TEST_P(CrapsBadSnapshotFile, IsRefusedAndTheRecordStays) {
  CrapsClientRecord saved = PlayedRound();
  GetParam().spoil(&saved);
  ASSERT_EQ(SaveClientSnapshot(&saved), 1);
  CrapsClientRecord live = PlayedRound();
  live.balance = 123.0;
  live.bets[kField] = 25.0f;
  const CrapsClientRecord before = live;
  EXPECT_EQ(LoadClientSnapshot(&live), 0);
  EXPECT_EQ(std::memcmp(&live, &before, sizeof live), 0);
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

const BadSnapshot kBadSnapshots[] = {
    {"DieOfSeven", [](CrapsClientRecord* r) { r->dice[0] = 7; }},
    {"NegativeDie", [](CrapsClientRecord* r) { r->dice[1] = -1; }},
    {"EarlierDieOfNine", [](CrapsClientRecord* r) { r->previousDice[0] = 9; }},
    {"PointOfSeven", [](CrapsClientRecord* r) { r->point = 7; }},
    {"PointOfThree", [](CrapsClientRecord* r) { r->point = 3; }},
    {"EarlierPointOfEleven", [](CrapsClientRecord* r) { r->previousPoint = 11; }},
    {"ComeOutFlagTwo", [](CrapsClientRecord* r) { r->comeOut = 2; }},
    {"EarlierComeOutNegative", [](CrapsClientRecord* r) { r->previousComeOut = -1; }},
    {"RestingFlagFive", [](CrapsClientRecord* r) { r->diceResting = 5; }},
    {"WorkingFlagHuge", [](CrapsClientRecord* r) { r->workingHardways = 1 << 30; }},
    {"QuitAnswerTwo", [](CrapsClientRecord* r) { r->quitAnswer = 2; }},
    {"ComePointNotAFlag", [](CrapsClientRecord* r) { r->comePoints[8] = 2139095040; }},
    {"DontComePointNegative", [](CrapsClientRecord* r) { r->dontComePoints[3] = -1; }},
    {"ChipFive", [](CrapsClientRecord* r) { r->selectedChip = 5; }},
    {"ChipNegative", [](CrapsClientRecord* r) { r->selectedChip = -1; }},
    {"ChipValueOfAnotherChip", [](CrapsClientRecord* r) { r->chipValue = 25; r->negativeChipValue = -25; }},
    {"TakeOffValueNotTheChip", [](CrapsClientRecord* r) { r->negativeChipValue = -500; }},
    {"BetNaN", [](CrapsClientRecord* r) { r->bets[kPassline] = kNaN; }},
    {"BetInfinite", [](CrapsClientRecord* r) { r->bets[kField] = kInf; }},
    {"BetNegative", [](CrapsClientRecord* r) { r->bets[kBig6] = -5.0f; }},
    {"BetHuge", [](CrapsClientRecord* r) { r->bets[kAny7] = 1e30f; }},
    {"BetNotWholeDollars", [](CrapsClientRecord* r) { r->bets[kHardway4] = 2.5f; }},
    {"UnusedBetSlotNaN", [](CrapsClientRecord* r) { r->bets[kCrapsBetSlots - 1] = kNaN; }},
    {"SnapshotBetNaN", [](CrapsClientRecord* r) { r->betSnapshot[kPassline] = kNaN; }},
    {"ResultNaN", [](CrapsClientRecord* r) { r->results[kField] = kNaN; }},
    {"ResultMinusInfinity", [](CrapsClientRecord* r) { r->results[kPassline] = -kInf; }},
    {"TableTotalNaN", [](CrapsClientRecord* r) { r->tableTotal = kNaN; }},
    {"WonInfinite", [](CrapsClientRecord* r) { r->won = kInf; }},
    {"MaxBetNaN", [](CrapsClientRecord* r) { r->maxBet = std::nan(""); }},
    {"MinBetNegative", [](CrapsClientRecord* r) { r->minBet = -1.0; }},
    {"MaxTableHuge", [](CrapsClientRecord* r) { r->maxTable = 1e300; }},
};

INSTANTIATE_TEST_SUITE_P(Fields, CrapsBadSnapshotFile, ::testing::ValuesIn(kBadSnapshots),
                         [](const ::testing::TestParamInfo<BadSnapshot>& info) {
                           return std::string(info.param.name);
                         });

using CrapsOptionsFile = TempFolderTest;

TEST_F(CrapsOptionsFile, DefaultsShortFilesAndRoundTrip) {
  CrapsOptions o{};
  EXPECT_EQ(LoadCrapsOptions(&o, kCrapsCfgName), 0);
  EXPECT_EQ(std::memcmp(&o, &kDefaultCrapsOptions, sizeof o), 0);
  EXPECT_EQ(o.voice, 1);
  EXPECT_EQ(o.scrollingText, 1);
  EXPECT_EQ(o.onOffMarker, 1);
  EXPECT_EQ(o.placeWorking + o.buyWorking + o.comeOddsWorking + o.hardwaysWorking, 0);

  WriteFile(kCrapsCfgName, std::string("\0\0\1\0\1", 5));
  EXPECT_EQ(LoadCrapsOptions(&o, kCrapsCfgName), 1);
  EXPECT_EQ(o.voice, 0);
  EXPECT_EQ(o.placeWorking, 1);
  EXPECT_EQ(o.buyWorking, 1);  // its low byte came from the file, the high one from the default
  EXPECT_EQ(o.scrollingText, 1);

  o = CrapsOptions{1, 2, 3, 4, 5, 6, 7};
  ASSERT_EQ(SaveCrapsOptions(&o, kCrapsCfgName), 1);
  EXPECT_EQ(ReadFile(kCrapsCfgName), std::string("\1\0\2\0\3\0\4\0\5\0\6\0\7\0", 14));
  CrapsOptions back{};
  EXPECT_EQ(LoadCrapsOptions(&back, kCrapsCfgName), 1);
  EXPECT_EQ(std::memcmp(&back, &o, sizeof o), 0);
}

// ---- The button table and the hit map -------------------------------------------

TEST(CrapsArtwork, HitMapAgreesWithTheButtonTable) {
  artwork::IndexedImage map;
  artwork::RenderHitMap(dq::art::CrapsSheet(), map);
  ASSERT_EQ(map.width, 320);
  ASSERT_EQ(map.height, 240);
  auto at = [&](int x, int y) { return static_cast<int>(map.At(x / 2, y / 2)); };
  std::vector<int> seen(kCrapsButtonCount, 0);
  for (std::uint8_t v : map.pixels) ++seen[v < kCrapsButtonCount ? v : 0];
  for (int b = 1; b < kCrapsButtonCount; ++b) {
    SCOPED_TRACE(b);
    EXPECT_GT(seen[b], 0);
    const ButtonEntry& row = kCrapsButtonTable.rows[b];
    const int kind = BetKindOfButton(b);
    if (kind >= 0) {
      EXPECT_EQ(at(kBetSpots[kind].x, kBetSpots[kind].y), b);
    } else if (row.width > 0) {
      // The map has half the screen's resolution: an area's odd first
      // column or row may fall to its neighbour.
      EXPECT_EQ(at(row.x + 1, row.y + 1), b);
      EXPECT_EQ(at(row.x + row.width / 2, row.y + row.height / 2), b);
      EXPECT_EQ(at(row.x + row.width - 1, row.y + row.height - 1), b);
    }
  }
  EXPECT_EQ(at(0, 0), 0);
  EXPECT_EQ(at(600, 470), 0);
}

TEST(CrapsArtwork, PictureHoldsTheColoursTheProgramReads) {
  artwork::IndexedImage picture;
  artwork::RenderPicture(dq::art::CrapsSheet(), picture);
  EXPECT_EQ(picture.At(kTransparentPixel.x, kTransparentPixel.y), artwork::kKey);
  EXPECT_EQ(picture.At(kTextColourPixel.x, kTextColourPixel.y), artwork::kKey);
  // The ticker's lit and unlit dots differ, and the strip's dots are unlit.
  EXPECT_NE(picture.At(301, 276), picture.At(344, 28));
  EXPECT_EQ(picture.At(kTickerStrip.x + 2, kTickerStrip.y + 2), picture.At(344, 28));
  // The chip tray shows the chips as they look when usable.
  EXPECT_NE(picture.At(kSelectorPlaces[1].x + 12, kSelectorPlaces[1].y + 12), artwork::kKey);
}

}  // namespace
