// What the animation files share: the switch, the small drawing steps they
// all take and the resets of their progress.
#pragma once

#include "dq/CrapsClientRecord.h"
#include "dq/CrapsTableLayout.h"

namespace dq {

// 1 while the show-animations switch of "Casino.cfg" is on.
int AnimationsOn();
// The position at step of steps on the straight line from from to to.
Point StraightStep(Point from, Point to, int step, int steps);
// Restores the area the kind's pile covers (the record keeps its height).
void EraseSpot(CrapsClientRecord* record, int kind);
// The puck's ON face at the point's place when a point stands.
void RedrawPuck(const CrapsClientRecord& record);
// The chips of amount into the moving-pile bitmap, ready to fly.
void TakeMovingPile(float amount);
// The moving pile at at, for this frame only.
void DrawMovingPileTop(Point at);

// Each animation file's progress back to its start.
void ResetDicePickup();
void ResetDiceThrows();
void ResetPuckAnimation();
void ResetChipFlights();
void ResetChipWalks();

}  // namespace dq
