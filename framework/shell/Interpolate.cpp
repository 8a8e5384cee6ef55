#include "framework/shell/Interpolate.h"

int InterpolateStep(int p0, float arc0, int p1, float arc1, int step, int steps) {
  if (steps <= 0) return p1;
  int perStep = 128 / steps;
  int n = perStep * steps;
  if (n == 0) return p1;
  int t = perStep * step;
  double value = ((p0 + static_cast<double>(arc0) * t) * (n - t) +
                  (p1 + static_cast<double>(arc1) * (n - t)) * t) /
                 n;
  return static_cast<int>(value);
}

int PathPoint(int start, double startSlope, int end, double endSlope, int step, int steps) {
  if (steps <= 0) return end;
  const double grid = 128.0 / steps;
  const int total = static_cast<int>(grid * steps);
  if (total == 0) return end;
  const int t = static_cast<int>(grid * step);
  const int u = total - t;
  return static_cast<int>(((endSlope * u + end) * t + (startSlope * t + start) * u) / total);
}
