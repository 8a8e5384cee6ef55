// The Craps animations on a table of their own: every show run to its end
// with animations on reaches the table its shortcut (animations off) reaches
// at once; the walks, flights and puck take the frames they should; the dice
// come to rest where the table allows; the sounds and their wait flags.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "dq/CrapsAnimations.h"
#include "dq/CrapsRollResults.h"
#include "dq/CrapsStartup.h"
#include "dq/CrapsTableLayout.h"
#include "dq/CrapsTableView.h"
#include "dq/CrapsThrowLegs.h"
#include "framework/shell/ShellGlobals.h"
#include "tests/dq/CrapsAnimTable.h"

namespace {

using namespace dq;

// ---- Scenes: a table, and the show that runs on it ---------------------------

struct Scene {
  const char* name;
  void (*record)(CrapsClientRecord& r);    // the record as the show starts
  int puckPoint;                           // where the puck stands, -1: at the point
  void (*prepare)(CrapsClientRecord& r);   // once the table is drawn (may be null)
  AnimStep (*step)();                      // a fresh show
  int leavesDice;                          // with animations the dice lie on the table at the end
  int shortcutFrames;                      // frames of the show with animations off
};

void DiceLying(CrapsClientRecord& r) {
  gTableView.diceOnTable = 1;
  gTableView.diePlaces[0] = {130, 170};
  gTableView.diePlaces[1] = {150, 250};
  DrawRestingDice(r);
}

void Settle(CrapsClientRecord& r) { SettleRollOnRecord(&r, &gTableView.lists); }

// Bets away from every place a die may rest on.
void BetsOffTheDicePath(CrapsClientRecord& r) {
  r.dice[0] = 3;
  r.dice[1] = 5;
  r.point = 8;
  r.bets[kPassline] = 10;
  r.bets[kPasslineOdds] = 20;
  r.bets[kPlaceWin4 + 4] = 30;  // Place Win 9
  r.bets[kHardway6] = 10;
  r.bets[kAny7] = 5;
  r.bets[kHorn11] = 1;
}

void TallBigEight(CrapsClientRecord& r) {
  BetsOffTheDicePath(r);
  r.bets[kBig8] = 161;  // six chips
}

void TallBigSix(CrapsClientRecord& r) {
  BetsOffTheDicePath(r);
  r.bets[kBig6] = 161;
}

void BoxFourAndTallBigEight(CrapsClientRecord& r) {
  TallBigEight(r);
  r.bets[kLay4] = 40;
}

void PointOf(CrapsClientRecord& r, int point) {
  r.point = point;
  r.comeOut = point == 0 ? 1 : 0;
  r.bets[kPassline] = 25;
  r.bets[kComePoint4 + 1] = 15;   // Come Point 5
  r.bets[kPlaceLose4 + 3] = 40;   // Place Loose 8
  r.bets[kBuy4 + 5] = 100;        // Buy 10
}

void PointFour(CrapsClientRecord& r) { PointOf(r, 4); }
void PointSix(CrapsClientRecord& r) { PointOf(r, 6); }
void PointTen(CrapsClientRecord& r) { PointOf(r, 10); }
void NoPoint(CrapsClientRecord& r) { PointOf(r, 0); }

// A pile in every column the puck passes on its way to the 10.
void EveryColumnCovered(CrapsClientRecord& r) {
  PointOf(r, 10);
  for (int c = 0; c < kBoxCount; ++c) r.bets[kLay4 + c] = 5;
}

// One high pile in the 6 column.
void SixColumnCovered(CrapsClientRecord& r) {
  PointOf(r, 10);
  r.bets[kDontComePoint4 + 2] = 20;
}

void LostRoll(CrapsClientRecord& r) {
  r.dice[0] = 6;
  r.dice[1] = 1;
  r.bets[kField] = 25;
  r.results[kField] = kResultLost;
  r.bets[kAny7 + 2] = 10;  // Hardway 8
  r.results[kAny7 + 2] = kResultLost;
  r.bets[kPassline] = 137;
  r.results[kPassline] = kResultLost;
  r.bets[kLay4 + 1] = 20;  // stays
  r.results[kLay4 + 1] = kResultStays;
}

void WonRoll(CrapsClientRecord& r) {
  r.dice[0] = 6;
  r.dice[1] = 2;
  r.point = 8;
  r.bets[kPassline] = 10;
  r.results[kPassline] = 20;
  r.bets[kPlaceWin4 + 2] = 30;  // Place Win 6
  r.results[kPlaceWin4 + 2] = 65;
  r.bets[kDontPass] = 10;
  r.results[kDontPass] = kResultReturned;
  r.bets[kBig8] = 500;
  r.results[kBig8] = 6000;  // shown as 1000 on its spot
  r.bets[kField] = 5;
  r.results[kField] = kResultLost;
}

void ComeBetStays(CrapsClientRecord& r) {
  r.dice[0] = 4;
  r.dice[1] = 2;
  r.point = 9;
  r.comeOut = 0;
  r.bets[kComeBet] = 137;
  r.bets[kDontComeBet] = 30;
  r.bets[kPassline] = 10;
  r.comeMove[0] = 137;
  r.comeMove[1] = kComePoint4 + 2;
  r.dontComeMove[0] = 30;
  r.dontComeMove[1] = kDontComePoint4 + 2;
}

void FullTable(CrapsClientRecord& r) {
  r.point = 5;
  r.comeOut = 0;
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) r.bets[kind] = static_cast<float>(kind % 7 + 1);
}

// The whole show of a roll that makes the point 8 with a come bet and a
// don't come bet on the table, as the client machine runs it.
void RollMakingAPoint(CrapsClientRecord& r) {
  r.comeOut = 1;
  r.previousComeOut = 1;
  r.bets[kPassline] = 10;
  r.bets[kDontPass] = 5;
  r.bets[kAny7] = 5;
  r.bets[kHorn11] = 2;
  r.bets[kPlaceWin4 + 3] = 12;
  r.results[kPassline] = kResultStays;
  r.results[kDontPass] = kResultStays;
  r.results[kAny7] = kResultLost;
  r.results[kHorn11] = kResultLost;
  r.results[kPlaceWin4 + 3] = kResultReturned;
  r.dice[0] = 5;
  r.dice[1] = 3;
  r.point = 8;
  r.comeOut = 0;
}

AnimStep Pickup() { return AnimDicePickup; }
AnimStep PickupThrow1() { return AnimChain({AnimDicePickup, AnimDiceThrow1}); }
AnimStep PickupThrow2() { return AnimChain({AnimDicePickup, AnimDiceThrow2}); }
AnimStep PickupThrow3() { return AnimChain({AnimDicePickup, AnimDiceThrow3}); }
AnimStep Throw1() { return AnimDiceThrow1; }
AnimStep MovePuck() {
  return [](CrapsClientRecord* r) { return AnimMovePuck(r, r->point, r->comeOut); };
}
AnimStep TakeLosers() { return AnimTakeLosingBets; }
AnimStep PayWinners() { return AnimPayWinningBets; }
AnimStep Walks() {
  return AnimChain({[](CrapsClientRecord* r) { return AnimMoveComeBet(r, r->comeMove[0], r->comeMove[1]); },
                    [](CrapsClientRecord* r) {
                      return AnimMoveDontComeBet(r, r->dontComeMove[0], r->dontComeMove[1]);
                    }});
}
AnimStep QuitReturn() { return AnimQuitReturnBets; }
AnimStep QuitForfeit() { return AnimQuitForfeitBets; }
AnimStep WholeRoll() {
  return AnimChain({AnimDicePickup, AnimDiceThrow2,
                    [](CrapsClientRecord* r) {
                      DrawDice(r->dice[0], r->dice[1]);
                      return 1;
                    },
                    MovePuck(),
                    [](CrapsClientRecord* r) {
                      ProcessRollResults(r);
                      return 1;
                    },
                    AnimTakeLosingBets, AnimPayWinningBets, Walks()});
}

const Scene kScenes[] = {
    {"PickupAndFirstThrow", BetsOffTheDicePath, -1, DiceLying, PickupThrow1, 1, 2},
    {"PickupAndSecondThrowBesideATallBigEight", TallBigEight, -1, DiceLying, PickupThrow2, 1, 2},
    {"PickupAndThirdThrowBehindATallBigSix", TallBigSix, -1, DiceLying, PickupThrow3, 1, 2},
    {"FirstThrowWithABoxFourBet", BoxFourAndTallBigEight, -1, nullptr, Throw1, 1, 1},
    {"PuckToFour", PointFour, 0, nullptr, MovePuck, 0, 1},
    {"PuckToSix", PointSix, 0, nullptr, MovePuck, 0, 1},
    {"PuckToTen", PointTen, 0, nullptr, MovePuck, 0, 1},
    {"PuckBackToOff", NoPoint, 9, nullptr, MovePuck, 0, 1},
    {"PuckBehindTheSixColumn", SixColumnCovered, 0, nullptr, MovePuck, 0, 1},
    {"PuckWithEveryColumnCovered", EveryColumnCovered, 0, nullptr, MovePuck, 0, 1},
    {"LostBetsLeave", LostRoll, -1, Settle, TakeLosers, 0, 1},
    {"WonBetsArePaid", WonRoll, -1, Settle, PayWinners, 0, 1},
    {"ComeAndDontComeBetsWalk", ComeBetStays, -1, nullptr, Walks, 0, 2},
    {"QuitReturnsEveryBet", FullTable, -1, nullptr, QuitReturn, 0, 1},
    {"QuitForfeitsEveryBet", FullTable, -1, nullptr, QuitForfeit, 0, 1},
    {"WholeRollMakingAPoint", RollMakingAPoint, 0, DiceLying, WholeRoll, 1, 0},
};

void PrintTo(const Scene& scene, std::ostream* out) { *out << scene.name; }

class AnimShortcut : public CrapsAnimTable, public ::testing::WithParamInterface<Scene> {};

std::string FirstDifference(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
  const int stride = gScreen.Background().Stride();
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (a[i] != b[i]) {
      const int row = static_cast<int>(i) / stride;
      return "first at x " + std::to_string(static_cast<int>(i) % stride) + " y " +
             std::to_string(gScreen.Height() - 1 - row);
    }
  }
  return "sizes differ";
}

TEST_P(AnimShortcut, ReachesTheTableOfTheShow) {
  const Scene& scene = GetParam();
  CrapsClientRecord start{};
  scene.record(start);

  StartTable(start, scene.puckPoint);
  CrapsClientRecord withShow = start;
  if (scene.prepare) scene.prepare(withShow);
  const AnimRun on = Run(withShow, scene.step(), 1);

  StartTable(start, scene.puckPoint);
  CrapsClientRecord shortcut = start;
  if (scene.prepare) scene.prepare(shortcut);
  AnimRun off = Run(shortcut, scene.step(), 0);
  if (scene.leavesDice) {
    // The shortcut leaves no dice on the table; the show leaves them where
    // they came to rest.
    EXPECT_EQ(off.view.diceOnTable, 0);
    EXPECT_EQ(on.view.diceOnTable, 1);
    gTableView.diceOnTable = 1;
    gTableView.diePlaces[0] = on.view.diePlaces[0];
    gTableView.diePlaces[1] = on.view.diePlaces[1];
    DrawRestingDice(off.record);
    off.table = Table();
    if (on.table != off.table) {
      // Rest places may overlap, and the first throw leaves on top the die
      // that landed last: die 1 on top is the other table it may leave.
      DrawTableDie(on.view.diePlaces[0], off.record.dice[0]);
      off.table = Table();
    }
  }

  EXPECT_GT(on.frames, off.frames);
  if (scene.shortcutFrames > 0) {
    EXPECT_EQ(off.frames, scene.shortcutFrames);
  }
  EXPECT_EQ(off.spriteFrames, 0);
  EXPECT_TRUE(on.table == off.table) << FirstDifference(on.table, off.table);
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) {
    EXPECT_EQ(on.record.bets[kind], off.record.bets[kind]) << "kind " << kind;
  }
  EXPECT_EQ(on.view.workingMarkersShown, off.view.workingMarkersShown);
}

INSTANTIATE_TEST_SUITE_P(CrapsAnimations, AnimShortcut, ::testing::ValuesIn(kScenes),
                         [](const ::testing::TestParamInfo<Scene>& info) {
                           return std::string(info.param.name);
                         });

// ---- What the shows do on the way -------------------------------------------

class CrapsAnimation : public CrapsAnimTable {};

TEST_F(CrapsAnimation, FlyingPilesAndThePuckMoveInTheWorkLayerOnly) {
  CrapsClientRecord r{};
  LostRoll(r);
  StartTable(r);
  Settle(r);
  const AnimRun lost = Run(r, TakeLosers(), 1);
  // Three piles of 20 steps; the table changes only when a pile is lifted.
  EXPECT_EQ(lost.frames, 60);
  EXPECT_EQ(lost.spriteFrames, 60);
  EXPECT_EQ(lost.lastingFrames, 3);

  PointTen(r);
  StartTable(r, 0);
  const AnimRun puck = Run(r, MovePuck(), 1);
  EXPECT_EQ(puck.frames, 21);  // 20 steps to the 10, then it lands
  EXPECT_EQ(puck.spriteFrames, 20);
}

TEST_F(CrapsAnimation, StickTakesTheStepsOfItsLegsThenGathersEachDieOnTheNextCall) {
  CrapsClientRecord r{};
  BetsOffTheDicePath(r);
  StartTable(r);
  DiceLying(r);
  const AnimRun pickup = Run(r, Pickup(), 1);
  // 25 steps to die 2, 10 to die 1, 25 home, then the call that ends it.
  EXPECT_EQ(pickup.frames, 25 + 10 + 25 + 1);
  EXPECT_EQ(pickup.spriteFrames, 25 + 10 + 25);
  EXPECT_EQ(pickup.lastingFrames, 2);  // each die is taken off the table
}

TEST_F(CrapsAnimation, PuckTakesTheStepsOfItsPointAndKeepsThemBackToOff) {
  const int points[kBoxCount] = {4, 5, 6, 8, 9, 10};
  for (int i = 0; i < kBoxCount; ++i) {
    SCOPED_TRACE(points[i]);
    CrapsClientRecord r{};
    PointOf(r, points[i]);
    StartTable(r, 0);
    const AnimRun out = Run(r, MovePuck(), 1);
    EXPECT_EQ(out.frames, kPuckMoveSteps[i] + 1);
    EXPECT_EQ(out.view.workingMarkersShown, 0);
    // Back to OFF without a start of the table: the puck remembers its move.
    CrapsClientRecord back = out.record;
    back.point = 0;
    back.comeOut = 1;
    const AnimRun home = Run(back, MovePuck(), 1);
    EXPECT_EQ(home.frames, kPuckMoveSteps[i] + 1);
    const Point off = kPuckOffPlace;
    EXPECT_EQ(TablePixel(off.x + 14, off.y + 13), PicturePixel(kPuckOffSprite.x + 14, kPuckOffSprite.y + 13));
  }
}

TEST_F(CrapsAnimation, PuckStaysWhileTheComeOutFlagStaysWhateverThePoint) {
  CrapsClientRecord r{};
  PointOf(r, 6);
  StartTable(r);
  const std::vector<std::uint8_t> before = Table();
  // The puck's last move was to a point (come-out flag 0): a roll that
  // keeps the flag at 0 leaves it, even when asked with another point.
  const AnimRun run = Run(r, [](CrapsClientRecord* rec) { return AnimMovePuck(rec, 9, 0); }, 1);
  EXPECT_EQ(run.frames, 1);
  EXPECT_TRUE(run.table == before);
}

TEST_F(CrapsAnimation, PuckLandsWithoutFlyingWhenEveryColumnOnItsWayIsCovered) {
  CrapsClientRecord r{};
  EveryColumnCovered(r);
  StartTable(r, 0);
  const AnimRun run = Run(r, MovePuck(), 1);
  EXPECT_EQ(run.frames, 2);
  EXPECT_EQ(run.spriteFrames, 0);
}

TEST_F(CrapsAnimation, ComeBetOf137WalksAsItsChipsThreeFramesApart) {
  CrapsClientRecord r{};
  ComeBetStays(r);
  StartTable(r);
  gCasinoCfg.showAnimations = 1;
  const int target = kComePoint4 + 2;
  std::vector<int> moved;
  std::vector<int> chipFrames;
  float last = 0;
  int frame = 0;
  int done = 0;
  while (!done && frame < 100) {
    done = AnimMoveComeBet(&r, 137, target);
    ++frame;
    gScreen.Flush(nullptr, 0, 0, CScreen::kFlushDirty);
    if (r.bets[target] != last) {
      last = r.bets[target];
      moved.push_back(static_cast<int>(last));
      chipFrames.push_back(frame);
      EXPECT_EQ(r.bets[kComeBet] + r.bets[target], 137.0f);
    }
  }
  EXPECT_EQ(moved, (std::vector<int>{100, 125, 130, 135, 136, 137}));
  EXPECT_EQ(chipFrames, (std::vector<int>{4, 8, 12, 16, 20, 24}));
  EXPECT_EQ(frame, 25);  // the call after the last chip
  EXPECT_EQ(r.bets[kComeBet], 0.0f);

  // The next Come walk waits 10 frames before its first chip, the next
  // Don't Come walk (its first) 3.
  r.bets[kComeBet] = 5;
  int first = 0;
  for (int f = 1; f <= 20 && !first; ++f) {
    AnimMoveComeBet(&r, 5, kComePoint4);
    if (r.bets[kComePoint4] == 5.0f) first = f;
  }
  EXPECT_EQ(first, 11);
  r.bets[kDontComeBet] = 5;
  first = 0;
  for (int f = 1; f <= 20 && !first; ++f) {
    AnimMoveDontComeBet(&r, 5, kDontComePoint4);
    if (r.bets[kDontComePoint4] == 5.0f) first = f;
  }
  EXPECT_EQ(first, 4);
}

TEST_F(CrapsAnimation, NothingToMoveTakesOneCall) {
  CrapsClientRecord r{};
  BetsOffTheDicePath(r);
  StartTable(r);
  SettleRollOnRecord(&r, &gTableView.lists);  // every result 0: both lists empty
  ASSERT_EQ(gTableView.lists.won[0], kBetListEnd);
  ASSERT_EQ(gTableView.lists.lost[0], kBetListEnd);
  const std::vector<std::uint8_t> before = Table();
  for (int animations = 0; animations < 2; ++animations) {
    EXPECT_EQ(Run(r, TakeLosers(), animations).frames, 1);
    EXPECT_EQ(Run(r, PayWinners(), animations).frames, 1);
    EXPECT_EQ(Run(r, [](CrapsClientRecord* rec) { return AnimMoveComeBet(rec, 0, kComePoint4); },
                  animations).frames, 1);
    // No dice lie on the table, so the stick has nothing to gather.
    const AnimRun pickup = Run(r, Pickup(), animations);
    EXPECT_EQ(pickup.frames, 1);
    EXPECT_TRUE(pickup.sounds.empty());
  }
  EXPECT_TRUE(Table() == before);
}

TEST_F(CrapsAnimation, WonBetsShowTheirPayoutThenFillTheWinningsPiles) {
  CrapsClientRecord r{};
  WonRoll(r);
  StartTable(r);
  Settle(r);
  gCasinoCfg.showAnimations = 1;
  // The first won bet in kind order is the Passline: its payout of 20
  // stands on the spot.
  ASSERT_EQ(gTableView.lists.won[0], kPassline);
  AnimPayWinningBets(&r);
  EXPECT_EQ(r.bets[kPassline], 20.0f);
  const AnimRun run = Run(r, PayWinners(), 1);
  // Four won bets (the returned Don't Pass among them), each 30 frames on
  // its spot, 15 in the air and one to land, less the frame taken above.
  EXPECT_EQ(run.frames, 4 * 46 - 1);
  // 20 + 65 + 10 + 6000: a pile of 5000 and one of the rest.
  EXPECT_FLOAT_EQ(WinningsOfRoll(run.record), 6095.0f);
  for (int place = 0; place < 3; ++place) {
    const Point at = kWinningsPlaces[place];
    const bool chip = TablePixel(at.x, at.y) != PicturePixel(at.x, at.y);
    EXPECT_EQ(chip, place < 2) << "winnings place " << place;
  }
}

TEST_F(CrapsAnimation, PayoutAboveFiveThousandShowsWithoutItsFullPiles) {
  const float cases[][2] = {{5000, 5000}, {6000, 1000}, {10000, 5000}, {12000, 2000}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c[0]);
    CrapsClientRecord r{};
    r.bets[kBig8] = 500;
    r.results[kBig8] = c[0];
    StartTable(r);
    Settle(r);
    gCasinoCfg.showAnimations = 1;
    AnimPayWinningBets(&r);
    EXPECT_EQ(r.bets[kBig8], c[1]);
    ResetAnimations();
  }
}

TEST_F(CrapsAnimation, ReturnedStakeIsPaidLikeAWinOfItsStake) {
  CrapsClientRecord r{};
  r.bets[kDontPass] = 25;
  r.results[kDontPass] = kResultReturned;
  for (int animations = 0; animations < 2; ++animations) {
    StartTable(r);
    CrapsClientRecord settled = r;
    Settle(settled);
    const AnimRun run = Run(settled, PayWinners(), animations);
    EXPECT_EQ(run.record.bets[kDontPass], 0.0f);
    EXPECT_FLOAT_EQ(WinningsOfRoll(run.record), 25.0f);
    // One 25 chip at the first winnings place.
    const Point at = kWinningsPlaces[0];
    const Point chip = kChipSprites[2];
    EXPECT_EQ(TablePixel(at.x + 1 - kChipWidth / 2 + 11, at.y - kChipHeight / 2 + 8),
              PicturePixel(chip.x + 11, chip.y + 8));
  }
}

TEST_F(CrapsAnimation, DiceComeToRestWhereTheTableAllows) {
  for (int round = 0; round < 40; ++round) {
    SCOPED_TRACE(round);
    CrapsClientRecord r{};
    TallBigEight(r);
    r.dice[0] = 1 + round % 6;
    r.dice[1] = 1 + round / 6 % 6;
    StartTable(r);
    // A Big 8 pile of six chips keeps die 1 of the second throw at (98, 86).
    const AnimRun second = Run(r, AnimDiceThrow2, 1);
    EXPECT_EQ(second.view.diePlaces[0].x, 98);
    EXPECT_EQ(second.view.diePlaces[0].y, 86);
    // So does it for the first throw, unless a box-4 spot holds a bet.
    const AnimRun first = Run(r, AnimDiceThrow1, 1);
    EXPECT_EQ(first.view.diePlaces[0].x, 98);
    EXPECT_EQ(first.view.diePlaces[0].y, 86);
    CrapsClientRecord dontCome = r;
    dontCome.bets[kDontComeBet] = 5;
    StartTable(dontCome);
    const AnimRun boxFour = Run(dontCome, AnimDiceThrow1, 1);
    EXPECT_EQ(boxFour.view.diePlaces[0].x, 150);
    EXPECT_EQ(boxFour.view.diePlaces[0].y, 175);
    // Without those, the first throw keeps both dice off the Big 6 and 8
    // and apart from each other.
    CrapsClientRecord plain{};
    BetsOffTheDicePath(plain);
    plain.dice[0] = r.dice[0];
    plain.dice[1] = r.dice[1];
    StartTable(plain);
    const AnimRun free = Run(plain, AnimDiceThrow1, 1);
    const Area big = kBigSixEightArea;
    for (int d = 0; d < 2; ++d) {
      const Point p = free.view.diePlaces[d];
      EXPECT_FALSE(p.x >= big.x && p.x < big.x + big.width && p.y >= big.y && p.y < big.y + big.height);
    }
    const Point a = free.view.diePlaces[0];
    const Point b = free.view.diePlaces[1];
    const bool apart = std::abs(a.x - b.x) >= 20 && std::abs(a.y - b.y) >= 20;
    EXPECT_TRUE(apart || (b.x == 127 && b.y == 286));
    // The faces of the roll lie there.
    const Point face = TableDieFace(plain.dice[0]);
    EXPECT_EQ(TablePixel(a.x + 12, a.y + 20), PicturePixel(face.x + 12, face.y + 20));
  }
}

// ---- Sounds ---------------------------------------------------------------------

TEST_F(CrapsAnimation, StickAndThrowsPlayTheirEffectsWithoutWaiting) {
  CrapsClientRecord r{};
  BetsOffTheDicePath(r);
  StartTable(r);
  DiceLying(r);
  EXPECT_EQ(Run(r, PickupThrow1(), 1).sounds,
            (std::vector<std::string>{"../wav/dq_coll.wav", "../wav/dq_coll.wav", "../wav/dq_Dice.wav"}));
  // A bounce at the end of every leg but the last, for each die.
  const std::vector<std::string> three(3 * 2, "../wav/dq_Dice2.wav");
  EXPECT_EQ(Run(r, AnimDiceThrow2, 1).sounds, three);
  const std::vector<std::string> two(2 * 2, "../wav/dq_Dice2.wav");
  EXPECT_EQ(Run(r, AnimDiceThrow3, 1).sounds, two);

  // With sound effects off, and with animations off, the dice are silent.
  gCasinoCfg.soundEffects = 0;
  StartTable(r);
  DiceLying(r);
  EXPECT_TRUE(Run(r, PickupThrow1(), 1).sounds.empty());
  gCasinoCfg.soundEffects = 1;
  StartTable(r);
  DiceLying(r);
  EXPECT_TRUE(Run(r, PickupThrow2(), 0).sounds.empty());
}

// ---- The moving pile --------------------------------------------------------------

TEST_F(CrapsAnimation, MovingPileStacksTheChipsOfTheAmountBottomUp) {
  // 137: 100, 25, 5, 5, 1, 1; chip n at (jitter[n] + 1, 45 - 3n).
  EXPECT_EQ(DrawMovingChipPile(&gMovingPile, 0, 137.0f, 1, 0), 6);
  const Point chips[6] = {kChipSprites[3], kChipSprites[2], kChipSprites[1],
                          kChipSprites[1], kChipSprites[0], kChipSprites[0]};
  for (int n = 0; n < 6; ++n) {
    // The chip's top row is covered by the chip above it; its bottom row is not.
    const int x = kMovingJitter[n] + 1 + 11;
    const int y = kMovingPileChipBase - 3 * n + kChipHeight - 2;
    EXPECT_EQ(*gMovingPile.PixelAddress(x, y), PicturePixel(chips[n].x + 11, chips[n].y + kChipHeight - 2))
        << "chip " << n;
  }
  // Nothing above the top chip, and nothing at all for 0.
  EXPECT_EQ(*gMovingPile.PixelAddress(12, kMovingPileChipBase - 3 * 5 - 2), gTransparentIndex);
  EXPECT_EQ(DrawMovingChipPile(&gMovingPile, 0, 0.0f, 1, 0), 0);
  EXPECT_EQ(*gMovingPile.PixelAddress(12, kMovingPileChipBase + 8), gTransparentIndex);
  // A fraction of a dollar gets its own chip on top.
  EXPECT_EQ(DrawMovingChipPile(&gMovingPile, 0, 1.5f, 1, 0), 2);
}

}  // namespace
