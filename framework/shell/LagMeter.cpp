#include "framework/shell/LagMeter.h"

#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/time.h"

namespace {

constexpr plat::DWORD kThresholds[] = {100, 300, 900, 2700, 8100, 24300};
constexpr int kLevels = sizeof(kThresholds) / sizeof(kThresholds[0]);
constexpr int kColumnsPerLevel = 7;

plat::DWORD gStamp = 0;
int gLevel = 0;

}  // namespace

void StampLinkActivity() { gStamp = plat::GetTickCount(); }

void DrawLagMeter() {
  plat::DWORD elapsed = plat::GetTickCount() - gStamp;
  int level = kLevels;
  for (int i = 0; i < kLevels; ++i) {
    if (kThresholds[i] > elapsed) {
      level = i;
      break;
    }
  }
  if (level == gLevel) return;
  gLevel = level;
  const ScreenLayout& l = gGame->layout;
  gScreen.Restore(l.lagX, l.lagY, l.lagWidth, l.lagHeight);
  if (level > 0) {
    gScreen.Blit(l.lagX, l.lagY, &gPicture, l.lagSourceX, l.lagSourceY,
                 level * kColumnsPerLevel - 2, l.lagHeight, -1);
  }
}

void ResetLagMeter() {
  gStamp = 0;
  gLevel = 0;
}
