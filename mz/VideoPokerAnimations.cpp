#include <array>

#include "framework/shell/CasinoCfg.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/GameSound.h"

#include "mz/VideoPokerClient.h"
#include "mz/VideoPokerFiles.h"
#include "mz/VideoPokerLayout.h"
#include "mz/VideoPokerMachine.h"

namespace mz {
namespace {

int gCardsTurning = 0;
int gFlipSoundStarted = 0;
int gCashFrame = kCashOutFrames;
int gCoinStep = kCoinPathSteps;
int gMarqueeTick = 0;
int gMarqueeFrame = 0;

void StopFlipSound() {
  if (gFlipSoundStarted) PlayGameSound(nullptr, 0, kSoundEffect);
  gFlipSoundStarted = 0;
}

// One card's frame: first face until edge-on, the hidden half skipped, the
// second face back to flat, the plain card at the end.
void StepCard(VideoPokerClientRecord* r, int n, int faceDown) {
  int& phase = r->flipPhase[n];
  if (phase >= kFlipDone) return;
  phase += kFlipStep;
  if (phase > 256 && phase < 768) phase += 512;
  if (phase < kFlipStep) return;
  if (!gFlipSoundStarted) {
    PlayGameSound(kSoundFlip, kSoundLoop, kSoundEffect);
    gFlipSoundStarted = 1;
  }
  const Point place = CardPlace(n);
  if (phase == kFlipStep) gScreen.Restore(place.x, place.y, kCardWidth, kCardHeight);
  if (phase >= kFlipDone) {
    phase = kFlipDone;
    if (faceDown) {
      gScreen.Blit(place.x, place.y, &gPicture, kCardBackSource.x, kCardBackSource.y, kCardWidth, kCardHeight, gTransparentIndex);
    } else {
      DrawCard(r, n);
    }
    return;
  }
  const int firstHalf = phase <= 256;
  // Face up: back first; face down: face first.
  const int showBack = faceDown ? !firstHalf : firstHalf;
  DrawFlippingCard(r, n, phase, showBack);
}

}  // namespace

void StartFlips(VideoPokerClientRecord* r, int onlyNotHeld) {
  int start = 0;
  for (int n = 0; n < kHandCards; ++n) {
    if (onlyNotHeld && r->hand[n].hold) {
      r->flipPhase[n] = kFlipDone;
    } else {
      r->flipPhase[n] = start;
      start -= 200;
    }
  }
}

int StepFlips(VideoPokerClientRecord* r, int faceDown) {
  if (!gCasinoCfg.showAnimations) {
    for (int n = 0; n < kHandCards; ++n) {
      if (r->flipPhase[n] >= kFlipDone) continue;
      r->flipPhase[n] = kFlipDone;
      const Point place = CardPlace(n);
      if (faceDown) {
        gScreen.Blit(place.x, place.y, &gPicture, kCardBackSource.x, kCardBackSource.y, kCardWidth, kCardHeight, gTransparentIndex);
      } else {
        DrawCard(r, n);
      }
    }
    return 1;
  }
  int done = 1;
  for (int n = 0; n < kHandCards; ++n) {
    StepCard(r, n, faceDown);
    if (r->flipPhase[n] < kFlipDone) done = 0;
  }
  if (done) StopFlipSound();
  return done;
}

void ResetCardsForNewRound(VideoPokerClientRecord* r, int plain, int tick) {
  if (r == nullptr) return;
  if (!tick && !(gCardsTurning && !plain)) {
    if (r->lastCoinsBet > 0) r->lastCoinsBet = r->coinsBet = 0;
    r->moneyWon = 0;
    r->handCode = 0;
    DrawMeters(r);
    HighlightPayTable(static_cast<int>(r->coinsBet), 0, 0);
    if (gCasinoCfg.showAnimations && !plain) {
      int start = 0;
      for (int n = 0; n < kHandCards; ++n) {
        const int faceUp = r->hand[n].suit != 0 || r->hand[n].value != 0;
        r->flipPhase[n] = faceUp ? start : kFlipDone;
        if (faceUp) start -= 200;
        r->hand[n].hold = 0;
      }
      gCardsTurning = 1;
      return;
    }
    for (int n = 0; n < kHandCards; ++n) {
      if (plain || r->hand[n].suit != 0 || r->hand[n].value != 0) r->hand[n] = {0, 0, 0};
      DrawCard(r, n);
    }
    gCardsTurning = 0;
    return;
  }
  if (!gCardsTurning) return;
  if (StepFlips(r, 1)) {
    for (int n = 0; n < kHandCards; ++n) r->hand[n] = {0, 0, 0};
    gCardsTurning = 0;
  }
}

void AnimateCashOut(int tick) {
  if (!tick) {
    gCashFrame = 0;
    return;
  }
  if (gCashFrame >= kCashOutFrames) return;
  if (gCashFrame == 0) PlayGameSound(kSoundCash, 0, kSoundEffect);
  const Point f = CashOutFrame(gCashFrame);
  gScreen.BlitTop(kCashOutPlace.x, kCashOutPlace.y, &gPicture, f.x, f.y, kCashOutWidth, kCashOutHeight, -1);
  ++gCashFrame;
}

void AnimateCoinIn(int tick) {
  if (!gCasinoCfg.showAnimations) return;
  if (!tick) {
    if (gCoinStep < kCoinPathSteps) return;
    PlayGameSound(kSoundCoinIn, 0, kSoundEffect);
    gCoinStep = 0;
    return;
  }
  if (gCoinStep >= kCoinPathSteps) return;
  const plat::RECT saved = gScreen.Front().GetClipRect();
  gScreen.Front().SetClip(kCoinStrip.x, kCoinStrip.y, kCoinStrip.x + kCoinStrip.width, kCoinStrip.y + kCoinStrip.height);
  const Point m = MarqueeFrame(gMarqueeFrame);
  gScreen.BlitTop(kMarqueePlace.x, kMarqueePlace.y, &gPicture, m.x, m.y, 64, kMarqueeHeight, -1);
  const Point p = kCoinPath[gCoinStep];
  gScreen.BlitTop(kCoinPathOffset.x + p.x, kCoinPathOffset.y + p.y, &gPicture, kCoinSource.x, kCoinSource.y, kCoinSize,
                  kCoinSize, gTransparentIndex);
  gScreen.Front().SetClip(saved.left, saved.top, saved.right, saved.bottom);
  ++gCoinStep;
}

void AnimateMarquee() {
  if (++gMarqueeTick < 60) return;
  gMarqueeTick = 0;
  gMarqueeFrame = (gMarqueeFrame + 1) % kMarqueeFrames;
  const Point m = MarqueeFrame(gMarqueeFrame);
  gScreen.Blit(kMarqueePlace.x, kMarqueePlace.y, &gPicture, m.x, m.y, kMarqueeWidth, kMarqueeHeight, -1);
}

void MachineIdleStep() {
  HighlightPayTable(0, 0, 1);
  if (gCasinoCfg.showAnimations) AnimateMarquee();
  AnimateCoinIn(1);
  ResetCardsForNewRound(VideoPokerClientHooks::Current(), 0, 1);
  AnimateCashOut(1);
}

void ResetAnimations() {
  gCardsTurning = gFlipSoundStarted = 0;
  gCashFrame = kCashOutFrames;
  gCoinStep = kCoinPathSteps;
  gMarqueeTick = gMarqueeFrame = 0;
}

}  // namespace mz
