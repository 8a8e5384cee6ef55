// The curve step of flying sprites: integer positions on a 128-sub-step grid.
#pragma once

// The position at step of steps between p0 (step 0) and p1 (step == steps);
// non-zero arcs bend the path by (arc0 + arc1) * t * (n - t) / n, where
// n = int(128 / steps) * steps and t = int(128 / steps) * step; truncated
// toward zero. A step count outside 1..128 (an empty grid) answers p1.
int InterpolateStep(int p0, float arc0, int p1, float arc1, int step, int steps);
// The card games' curve: with total = int(128 / steps * steps) and
// t = int(128 / steps * step) on a fractional grid, u = total - t, the point
// int(((endSlope * u + end) * t + (startSlope * t + start) * u) / total).
// Unlike InterpolateStep the grid is not whole: PathPoint(0, 0, 100, 0, 3, 10)
// is 29 where InterpolateStep gives 30. steps below 1 answer end.
int PathPoint(int start, double startSlope, int end, double endSlope, int step, int steps);
