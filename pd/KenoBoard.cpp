#include "pd/KenoBoard.h"

#include <cstdio>

#include "framework/shell/Interpolate.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/GameSound.h"
#include "pd/KenoFiles.h"
#include "pd/KenoLayout.h"
#include "pd/KenoPayTable.h"

namespace pd {

GlyphTable gKenoFont = kSmallFont;

namespace {

int gRollFrame = 0;
int gFlightFrame = 0;
int gHitCounter = 0;
int gMissCounter = 0;
int gBowlFrame = 0;
int gBowlToggle = 0;
int gTickCounter = 0;
int gQuarterCounter = 0;

constexpr int kMarkDone = 10;

void RestoreArea(const Area& a) { gScreen.Restore(a.x, a.y, a.width, a.height); }

void DrawCounter(const Area& a, const char* text) {
  RestoreArea(a);
  DrawKenoText(a.x, a.y, text);
}

bool IsMarked(const std::int32_t board[kBoardEntries], int number) {
  return number >= 1 && number <= kNumbers && board[number] == number;
}

void AnimateHit(int number) {
  const Point cell = CellPlace(number);
  if (gHitCounter == 0) {
    DrawMarkedCell(number);
  } else if (gHitCounter <= kMarkFrames) {
    gScreen.Restore(cell.x, cell.y, kCellSize, kCellSize);
    const Point s = HitFrame(gHitCounter);
    gScreen.Blit(cell.x, cell.y, &gPicture, s.x, s.y, kCellSize, kCellSize, gTransparentIndex);
  }
  ++gHitCounter;
}

void AnimateMiss(int number) {
  const Point cell = CellPlace(number);
  if (gMissCounter < kMarkFrames) {
    if (gMissCounter > 0) gScreen.Restore(cell.x, cell.y, kCellSize, kCellSize);
    const Point s = MissFrame(gMissCounter);
    gScreen.Blit(cell.x + 2, cell.y + 2, &gPicture, s.x, s.y, kMissSize, kMissSize, gTransparentIndex);
  }
  ++gMissCounter;
}

void MarkStep(const std::int32_t board[kBoardEntries], int number) {
  if (IsMarked(board, number)) {
    AnimateHit(number);
  } else {
    AnimateMiss(number);
  }
}

int QuarterDivider() {
  if (++gQuarterCounter < 4) return 0;
  gQuarterCounter = 0;
  return 1;
}

}  // namespace

void DrawKenoText(int x, int y, const char* text) {
  gScreen.DrawText(&gPicture, gKenoFont.data(), text, x, y, gKenoFont[1]);
}

void DrawPlayerWins(int winReturn) {
  char text[40] = " ";
  if (winReturn != 0) std::snprintf(text, sizeof text, "Player wins $%.2i", winReturn);
  DrawCounter(kPlayerWinsArea, text);
}

void DrawTotalBet(int stake) {
  char text[40] = " ";
  if (stake != 0) std::snprintf(text, sizeof text, "Total Bet $%.i", stake);
  DrawCounter(kTotalBetArea, text);
}

void DrawTotalNumbers(int count) {
  char text[40] = " ";
  if (count != 0) std::snprintf(text, sizeof text, "Total Numbers %.i", count);
  DrawCounter(kTotalNumbersArea, text);
}

void DrawMarkedCell(int number) {
  const Point cell = CellPlace(number);
  gScreen.Blit(cell.x, cell.y, &gPicture, kMarkedCellSource.x, kMarkedCellSource.y, kMarkedCellSize,
               kMarkedCellSize, gTransparentIndex);
}

void InvalidateCell(int button) {
  const Point cell = CellPlace(button - kBoardIdOffset);
  gScreen.Restore(cell.x, cell.y, kCellSize, kCellSize);
}

void InvalidateBoard() { RestoreArea(kBoardArea); }

void DrawStakeChip(int stake) {
  for (int s = 0; s < 3; ++s) {
    const Area& spot = kStakeSpots[s];
    RestoreArea(spot);
    if (kKenoStakeDollars[s] != stake) continue;
    const Point from = kStakeChipSources[s];
    gScreen.Blit(spot.x, spot.y, &gPicture, from.x, from.y, spot.width, spot.height, gTransparentIndex);
  }
}

int AnimateBallRoll() {
  if (gRollFrame < kRollFrames) {
    const Area s = RollSource(gRollFrame);
    const Point at = kRollPlaces[gRollFrame];
    gScreen.BlitTop(at.x, at.y, &gPicture, s.x, s.y, s.width, s.height, gTransparentIndex);
    if (gRollFrame == 1) PlayGameSound(kSoundRoll, 0, kSoundEffect);
    ++gRollFrame;
  }
  return gRollFrame == kRollFrames;
}

int AnimateBallToCell(const std::int32_t board[kBoardEntries], int number) {
  const Point cell = CellPlace(number);
  if (gFlightFrame == 1) {
    PlayGameSound(kSoundLand, 0, kSoundEffect);
    RestoreArea(kFlightStartArea);
  }
  if (gFlightFrame < kFlightSteps) {
    const int g = ++gFlightFrame;
    if (g <= kFlightFrames) {
      const int x1 = PathPoint(430, -3, cell.x, 2, g, kFlightSteps);
      const int y1 = PathPoint(255, 0, cell.y, -2, g, kFlightSteps);
      const int x2 = PathPoint(430, 0, cell.x, -2, g, kFlightSteps);
      const int y2 = PathPoint(255, 1, cell.y, 4, g, kFlightSteps);
      const Area shadow = FlightShadow(kFlightFrameSize[g]);
      const Area ball = FlightBall(kFlightFrameSize[g]);
      gScreen.BlitTop(x2, y2, &gPicture, shadow.x, shadow.y, shadow.width, shadow.height, gTransparentIndex);
      gScreen.BlitTop(x1, y1, &gPicture, ball.x, ball.y, ball.width, ball.height, gTransparentIndex);
    }
  }
  if (gFlightFrame >= kFlightSteps) MarkStep(board, number);
  if (gHitCounter < kMarkDone && gMissCounter < kMarkDone) return 0;
  gHitCounter = gMissCounter = gFlightFrame = gRollFrame = 0;
  return 1;
}

int CheckHitAnimation(const std::int32_t board[kBoardEntries], int number) {
  MarkStep(board, number);
  int& counter = IsMarked(board, number) ? gHitCounter : gMissCounter;
  if (counter < kMarkDone) return 0;
  if (!QuarterDivider()) {
    counter = kMarkDone - 1;
    return 0;
  }
  counter = 0;
  return 1;
}

void CycleBallSprite() {
  gBowlToggle = !gBowlToggle;
  if (!gBowlToggle) return;
  const Point s = BowlFrame(gBowlFrame);
  gScreen.Blit(kBowlPlace.x, kBowlPlace.y, &gPicture, s.x, s.y, kBowlWidth, kBowlHeight, -1);
  gBowlFrame = (gBowlFrame + 1) % kBowlFrames;
}

int TickDivider() {
  if (++gTickCounter < 61) return 0;
  gTickCounter = 0;
  return 1;
}

void ResetBoardAnimations() {
  gRollFrame = gFlightFrame = gHitCounter = gMissCounter = 0;
  gBowlFrame = gBowlToggle = gTickCounter = gQuarterCounter = 0;
  gKenoFont = kSmallFont;
}

}  // namespace pd
