#include "framework/link/RandomStream.h"
#include "framework/shell/CasinoCfg.h"
#include "framework/shell/Random.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/GameSound.h"
#include "jb/SlotFiles.h"
#include "jb/SlotLayout.h"
#include "jb/SlotPresentation.h"

namespace jb {
namespace {

constexpr int kFirstReelMinTurns = 55;

int gFrame[kReels] = {};
int gFirstReelTurns = 0;

void DrawReel(int reel) {
  const Area f = ReelFrame(reel, gFrame[reel]);
  gScreen.Blit(kReelPlaces[reel].x, kReelPlaces[reel].y, &gPicture, f.x, f.y, f.width, f.height, -1);
}

void StepForward(int reel) {
  gFrame[reel] = (gFrame[reel] + 1) % kReelFrames;
  if (reel == 0) ++gFirstReelTurns;
}

}  // namespace

void RandomReelStart() {
  for (int reel = 0; reel < kReels; ++reel) {
    const int stop = static_cast<int>(static_cast<long>(RandomNumber()) * kReelStops / (kRandomMax + 1));
    gFrame[reel] = 2 * stop;
    DrawReel(reel);
  }
}

void SpinReel(int reel) {
  StepForward(reel);
  DrawReel(reel);
}

int StopReel(int reel, int stop) {
  if (gCasinoCfg.showAnimations) {
    DrawReel(reel);
    StepForward(reel);
    if ((stop + 1) % kReelStops != gFrame[reel] / 2) return 0;
    if (reel == 0 && gFirstReelTurns <= kFirstReelMinTurns) return 0;
  }
  PlayGameSound(reel < kReels - 1 ? kSoundReelStop : kSoundLastReelStop, 0, kSoundEffect);
  gFrame[reel] = 2 * stop;
  DrawReel(reel);
  if (reel == 0) gFirstReelTurns = 0;
  return 1;
}

void ResetReels() {
  for (int& f : gFrame) f = 0;
  gFirstReelTurns = 0;
}

}  // namespace jb
