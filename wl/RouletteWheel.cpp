#include "wl/RouletteWheel.h"

#include <algorithm>

#include "framework/shell/ShellGlobals.h"
#include "framework/sound/GameSound.h"
#include "wl/RouletteFiles.h"
#include "wl/RouletteTableLayout.h"

namespace wl {
namespace {

// Steps left at which the ball hits the pockets' edge.
constexpr int kBounceStep = 50;

int gIndex = 0;
int gTurnFrames = 0;
int gBallSteps = kBallSteps;
int gBallFrames = 0;
Point gLastBall = {-kSmallBall, -kSmallBall};

// The extra frames a ball step lasts with steps steps left.
int BallRunDelay(int steps) { return steps <= 3 ? 2 : steps <= 51 ? 1 : 0; }

void DrawWheelFrame() {
  const Point f = WheelFrame(gIndex);
  gScreen.Blit(kWheelArea.x, kWheelArea.y, &gPicture, f.x, f.y, kWheelArea.width, kWheelArea.height, -1);
}

void Advance() { gIndex = (gIndex + 1) % kRouletteNumbers; }

void DrawBalls(int steps) {
  const Area& info = kInfoArea;
  const Point c = CloseUpFrame(gIndex);
  gScreen.Blit(info.x, info.y, &gPicture, c.x, c.y, info.width, info.height, -1);
  const Point b = CloseUpBallPoint(steps);
  const int left = std::max(info.x + b.x, info.x), top = std::max(info.y + b.y, info.y);
  const int right = std::min(info.x + b.x + kCloseUpBall, info.x + info.width);
  const int bottom = std::min(info.y + b.y + kCloseUpBall, info.y + info.height);
  if (right > left && bottom > top) {
    gScreen.Blit(left, top, &gPicture, kCloseUpBallSource.x + left - info.x - b.x,
                 kCloseUpBallSource.y + top - info.y - b.y, right - left, bottom - top, gTransparentIndex);
  }
  gScreen.Restore(gLastBall.x, gLastBall.y, kSmallBall, kSmallBall);
  DrawWheelFrame();
  gLastBall = SmallBallPoint(steps);
  gScreen.Blit(gLastBall.x, gLastBall.y, &gPicture, kSmallBallSource.x, kSmallBallSource.y, kSmallBall, kSmallBall,
               gTransparentIndex);
}

}  // namespace

void WheelIdleStep() {
  gTurnFrames ^= 1;
  if (gTurnFrames != 0) return;
  DrawWheelFrame();
  Advance();
}

int WheelSpinStep(int number) {
  if (kWheelOrder[gIndex] == number) return 1;
  WheelIdleStep();
  return 0;
}

int BallRunStep() {
  if (++gBallFrames < BallRunDelay(gBallSteps) + 2) return 0;
  gBallFrames = 0;
  DrawBalls(gBallSteps);
  Advance();
  if (gBallSteps == 0) {
    gBallSteps = kBallSteps;
    return 1;
  }
  if (gBallSteps == kBounceStep) PlayGameSound(kSoundBounce, 0, kSoundEffect);
  --gBallSteps;
  return 0;
}

int WheelIndex() { return gIndex; }

void ResetWheel() {
  gIndex = 0;
  gTurnFrames = 0;
  gBallSteps = kBallSteps;
  gBallFrames = 0;
  gLastBall = {-kSmallBall, -kSmallBall};
}

}  // namespace wl
