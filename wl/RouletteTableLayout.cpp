#include "wl/RouletteTableLayout.h"

#include <cmath>

namespace wl {
namespace {

constexpr double kPi = 3.14159265358979323846;
// Turns the ball still runs with steps left: fast at first, slowing down.
constexpr double kBallTurns = 5.0;
// Below this many steps left the ball falls from the track into the pockets.
constexpr int kFallSteps = 50;

double BallAngle(int steps) {
  const double left = static_cast<double>(steps) / kBallSteps;
  return 2 * kPi * kBallTurns * left * left;
}

// 1 on the track, 0 in the pocket, bouncing on the way down.
double BallHeight(int steps) {
  if (steps >= kFallSteps) return 1.0;
  const double left = static_cast<double>(steps) / kFallSteps;
  return left * (0.6 + 0.4 * std::fabs(std::cos(steps * 0.5)));
}

}  // namespace

Point SmallBallPoint(int steps) {
  const double angle = BallAngle(steps), height = BallHeight(steps);
  const double rx = kPocketRadiusX + (kTrackRadiusX - kPocketRadiusX) * height;
  const double ry = kPocketRadiusY + (kTrackRadiusY - kPocketRadiusY) * height;
  return {static_cast<int>(std::lround(kWheelCentre.x + rx * std::sin(angle))) - kSmallBall / 2,
          static_cast<int>(std::lround(kWheelCentre.y - ry * std::cos(angle))) - kSmallBall / 2};
}

Point CloseUpBallPoint(int steps) {
  // The view shows about a fifth of a turn either side of the mark.
  const double turn = std::remainder(BallAngle(steps), 2 * kPi);
  const double x = kInfoArea.width / 2 + turn * 170;
  if (std::fabs(turn) > 0.6) return {-2 * kCloseUpBall, -2 * kCloseUpBall};
  const double pocketY = 66, trackY = 22;
  const double y = pocketY - (pocketY - trackY) * BallHeight(steps);
  return {static_cast<int>(std::lround(x)) - kCloseUpBall / 2, static_cast<int>(std::lround(y)) - kCloseUpBall / 2};
}

}  // namespace wl
