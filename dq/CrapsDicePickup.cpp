#include "dq/CrapsAnimationParts.h"
#include "dq/CrapsAnimations.h"
#include "dq/CrapsTableView.h"
#include "framework/sound/GameSound.h"

namespace dq {
namespace {

struct PickupProgress {
  int leg;   // 0..2 while running
  int step;  // the next step of the leg
  int running;
};
PickupProgress gPickup;

constexpr Point kHeads[3] = {kStickHeadEmpty, kStickHeadOneDie, kStickHeadTwoDice};

void DrawStick(Point head, Point headSprite) {
  DrawSpriteTop(head.x, head.y + kStickShaftBelowHead, {kStickShaft.x, kStickShaft.y},
                kStickShaft.width, kStickShaft.height);
  DrawSpriteTop(head.x, head.y, headSprite, kStickHeadWidth, kStickHeadHeight);
}

}  // namespace

void ResetDicePickup() { gPickup = PickupProgress{}; }

int AnimDicePickup(CrapsClientRecord* record) {
  (void)record;
  if (!gPickup.running) {
    if (!AnimationsOn() || gTableView.diceOnTable != 1) return 1;
    gPickup = {0, 0, 1};
  }
  const Point die1 = gTableView.diePlaces[0];
  const Point die2 = gTableView.diePlaces[1];
  const Point stops[4] = {kStickHome, die2, die1, kStickHome};
  if (gPickup.step >= kStickLegSteps[gPickup.leg]) {
    if (gPickup.leg == 2) {
      ResetDicePickup();
      return 1;
    }
    // The head has reached a die: it takes it off the table.
    EraseTableDie(gPickup.leg == 0 ? die2 : die1);
    PlayGameSound("../wav/dq_coll.wav", 0, kSoundEffect);
    ++gPickup.leg;
    gPickup.step = 0;
  }
  const int leg = gPickup.leg;
  DrawStick(StraightStep(stops[leg], stops[leg + 1], gPickup.step, kStickLegSteps[leg]),
            kHeads[leg]);
  ++gPickup.step;
  return 0;
}

}  // namespace dq
