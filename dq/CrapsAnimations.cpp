#include "dq/CrapsAnimations.h"

#include "dq/CrapsAnimationParts.h"
#include "dq/CrapsStartup.h"
#include "dq/CrapsTableView.h"
#include "framework/shell/Interpolate.h"
#include "framework/shell/ShellGlobals.h"

namespace dq {

int AnimationsOn() { return gCasinoCfg.showAnimations != 0 ? 1 : 0; }

Point StraightStep(Point from, Point to, int step, int steps) {
  return {InterpolateStep(from.x, 0.0f, to.x, 0.0f, step, steps),
          InterpolateStep(from.y, 0.0f, to.y, 0.0f, step, steps)};
}

void EraseSpot(CrapsClientRecord* record, int kind) {
  record->pileHeight = EraseBetPile(record->bets, kind);
}

void RedrawPuck(const CrapsClientRecord& record) {
  if (record.point != 0) DrawPuckOn(record.point);
}

void TakeMovingPile(float amount) { DrawMovingChipPile(&gMovingPile, 0, amount, 1, 0); }

void DrawMovingPileTop(Point at) {
  gScreen.BlitTop(at.x, at.y, &gMovingPile, 0, 0, kMovingPileWidth, kMovingPileHeight,
                  gTransparentIndex);
}

int DrawMovingChipPile(CDib* bitmap, int ignored, float amount, int xOffset, int yOffset) {
  (void)ignored;
  bitmap->Fill(0, 0, bitmap->Width(), bitmap->Height(), gTransparentIndex);
  if (amount <= 0.0f) return 0;
  return ForEachPileChip(amount, [&](int n, Point sprite) {
    gPicture.Blit(bitmap, kMovingJitter[n % kMovingJitterCount] + xOffset,
                  yOffset + kMovingPileChipBase - kPileChipStep * n, sprite.x, sprite.y,
                  kChipWidth, kChipHeight, gTransparentIndex);
  });
}

void ResetAnimations() {
  ResetDicePickup();
  ResetDiceThrows();
  ResetPuckAnimation();
  ResetChipFlights();
  ResetChipWalks();
}

}  // namespace dq
