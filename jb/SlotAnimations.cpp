#include <algorithm>

#include "framework/shell/CasinoCfg.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/GameSound.h"
#include "jb/SlotFiles.h"
#include "jb/SlotLayout.h"
#include "jb/SlotPresentation.h"

namespace jb {
namespace {

constexpr int kMaxPayoutPasses = 5;

int gPayoutCall = 0;
int gPayoutPasses = 0;
int gCoinFrame = 0;
int gLeverCall = 0;

}  // namespace

int AnimatePayout(int coins) {
  if (!gCasinoCfg.showAnimations) return 1;
  // Sprites, one frame for two calls: the readouts the coins fall over stay.
  const Point f = PayoutFrame(gPayoutCall / 2);
  gScreen.BlitTop(kPayoutPlace.x, kPayoutPlace.y, &gPicture, f.x, f.y, kPayoutWidth, kPayoutHeight, gTransparentIndex);
  if (++gPayoutCall < 2 * kPayoutFrames) return 0;
  gPayoutCall = 0;
  PlayGameSound(kSoundCash, 0, kSoundEffect);
  const int passes = std::clamp(coins / 100, 1, kMaxPayoutPasses);
  if (++gPayoutPasses < passes) return 0;
  gPayoutPasses = 0;
  return 1;
}

int AnimateCoins() {
  if (!gCasinoCfg.showAnimations) return 1;
  const CoinFrame f = CoinInsertFrame(gCoinFrame);
  gScreen.BlitTop(f.place.x, f.place.y, &gPicture, f.source.x, f.source.y, f.source.width, f.source.height,
                  gTransparentIndex);
  if (++gCoinFrame < kCoinInsertFrames) return 0;
  gCoinFrame = 0;
  return 1;
}

int AnimateLever(int* frameDrawn) {
  *frameDrawn = -1;
  if (!gCasinoCfg.showAnimations) return 1;
  if (gLeverCall % 2 == 0) {
    *frameDrawn = gLeverCall / 2;
    const Point f = LeverFrame(*frameDrawn);
    gScreen.Blit(kLeverPlace.x, kLeverPlace.y, &gPicture, f.x, f.y, kLeverWidth, kLeverHeight, -1);
  }
  if (++gLeverCall < 2 * kLeverFrames) return 0;
  gLeverCall = 0;
  return 1;
}

void ResetAnimations() {
  gPayoutCall = gPayoutPasses = gCoinFrame = gLeverCall = 0;
}

}  // namespace jb
