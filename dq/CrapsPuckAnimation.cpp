#include "dq/CrapsAnimationParts.h"
#include "dq/CrapsAnimations.h"
#include "dq/CrapsTableView.h"
#include "framework/shell/ShellGlobals.h"

namespace dq {
namespace {

struct PuckProgress {
  int comeOut = 1;  // come-out flag of the last move
  int slot = 0;     // where the puck stands (point - 1; 0 the OFF place)
  int steps = kFirstPuckMoveSteps;  // of the last move
  int moving = 0;
  int step = 0;
  int target = 0;
  int landsAtOnce = 0;  // every column on its way is covered: no flight
  int covered[kBoxCount] = {};
};
PuckProgress gPuck;

// A pile of a column's spot hides the puck behind it above these heights.
struct ColumnCover {
  int firstKind;  // the run of six, in box order
  int aboveHeight;
};
constexpr ColumnCover kColumnCovers[] = {
    {kLay4, 0},        {kDontComePoint4, 0}, {kDontComePointOdds4, 4},
    {kPlaceLose4, 5},  {kComePoint4, 8},     {kBuy4, 8},
};
static_assert(sizeof kColumnCovers / sizeof kColumnCovers[0] == 6, "six spots near each column");

int BoxIndex(int point) {
  for (int i = 0; i < kBoxCount; ++i) {
    if (kBoxNumbers[i] == point) return i;
  }
  return 0;
}

bool ColumnCovered(int column) {
  for (const ColumnCover& c : kColumnCovers) {
    if (gTableView.pileHeight[c.firstKind + column] > c.aboveHeight) return true;
  }
  return false;
}

// Marks the covered columns on the way; 1 when every one of them is.
int FindCoveredColumns() {
  const bool toPoint = gPuck.target != 0;
  if (toPoint) {
    for (int& flag : gPuck.covered) flag = 0;
  }
  int all = 1;
  for (int c = BoxIndex((toPoint ? gPuck.target : gPuck.slot) + 1); c >= 0; --c) {
    if (ColumnCovered(c)) {
      gPuck.covered[c] = 1;
    } else {
      all = 0;
    }
  }
  return all;
}

bool InCoveredColumn(int x) {
  for (int c = 0; c < kBoxCount; ++c) {
    if (gPuck.covered[c] && x > kBoxColumnLeft[c] && x < kBoxColumnRight[c]) return true;
  }
  return false;
}

// Leaving OFF the puck turns ON at the point; leaving a point it turns OFF.
int Land(CrapsClientRecord* record, int comeOut) {
  const Point face = gPuck.slot == 0 ? kPuckOnSprite : kPuckOffSprite;
  const Point at = kPuckPlaces[gPuck.target];
  DrawSprite(at.x, at.y, face, kPuckWidth, kPuckHeight);
  gPuck.comeOut = comeOut;
  gPuck.slot = gPuck.target;
  gPuck.moving = 0;
  EraseSpot(record, kPassline);
  RedrawAllBets(*record);
  return 1;
}

}  // namespace

void ResetPuckAnimation() { gPuck = PuckProgress{}; }

void PlacePuck(int point) {
  ResetPuckAnimation();
  gPuck.slot = point != 0 ? point - 1 : 0;
  gPuck.comeOut = point != 0 ? 0 : 1;
}

int AnimMovePuck(CrapsClientRecord* record, int point, int comeOut) {
  if (!gPuck.moving) {
    if (comeOut == gPuck.comeOut) return 1;
    if (record->point != 0) gTableView.workingMarkersShown = 0;
    gPuck.target = point != 0 ? point - 1 : 0;
    if (gPuck.target != 0) gPuck.steps = kPuckMoveSteps[BoxIndex(point)];
    const Point from = kPuckPlaces[gPuck.slot];
    gScreen.Restore(from.x, from.y, kPuckWidth, kPuckHeight);
    if (!AnimationsOn()) return Land(record, comeOut);
    // Piles the erased puck stood on get their chips back.
    RedrawAllBets(*record);
    gPuck.moving = 1;
    gPuck.step = 0;
    gPuck.landsAtOnce = FindCoveredColumns();
    if (gPuck.landsAtOnce) return 0;
  }
  if (gPuck.landsAtOnce || gPuck.step >= gPuck.steps) return Land(record, comeOut);
  const Point at = StraightStep(kPuckPlaces[gPuck.slot], kPuckPlaces[gPuck.target], gPuck.step,
                                gPuck.steps);
  DrawSpriteTop(at.x, at.y, gPuck.slot == 0 ? kPuckOffSprite : kPuckOnSprite, kPuckWidth,
                kPuckHeight);
  if (InCoveredColumn(at.x)) {
    EraseSpot(record, kPassline);
    RedrawAllBets(*record);
  }
  ++gPuck.step;
  return 0;
}

}  // namespace dq
