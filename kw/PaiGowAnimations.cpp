#include <cstdio>

#include "framework/shell/Interpolate.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/GameSound.h"
#include "kw/ChipPiles.h"
#include "kw/PaiGowFiles.h"
#include "kw/PaiGowTable.h"

namespace kw {
namespace {

bool Animated() { return gCasinoCfg.showAnimations != 0; }

void Sound(const char* name) { PlayGameSound(name, 0, kSoundEffect); }

constexpr int kPileWidth = kChipWidth + 2;
constexpr int kPileHeight = kChipHeight + kPileRise;

void DrawFace(int id, int x, int y) {
  const Point face = kCardFaces[id];
  gScreen.BlitTop(x, y, &gPicture, face.x, face.y, kCardWidth, kCardHeight, gTransparentIndex);
}

// ---- The deal ----
int gDealPhase = 0;
int gDealStep = 0;
constexpr int kDealPhases = 16;
constexpr Point kTwoBacksFrom = {321, 46};
constexpr Point kLastThreePlace = {304, 46};
constexpr int kLastThreeWidth = 100;
constexpr Area kAbovePile = {302, 34, kPileWidth, kPileHeight};

void FillBacks(CDib* bitmap, int count) {
  bitmap->Fill(0, 0, bitmap->Width(), bitmap->Height(), gTransparentIndex);
  const Point back = kCardBacks[gDeckDesign];
  for (int i = 0; i < count; ++i) {
    gPicture.Blit(bitmap, i * kHandCardStep, 0, back.x, back.y, kCardWidth, kCardHeight, gTransparentIndex);
  }
}

// One card from the deck to place; 1 on its last step.
int DealCard(int id, Point place, bool dealer) {
  if (gDealStep == 0) Sound(kSoundDeal);
  const int last = kDealFlightSteps - 1;
  if (gDealStep == last || (!Animated() && gDealStep == 0)) {
    if (dealer) {
      DrawCardBack(place);
    } else {
      DrawCard(id, place);
    }
  } else if (Animated()) {
    const int x = PathPoint(kDeckPlace.x + 7, -0.9, place.x, -0.9, gDealStep, kDealFlightSteps);
    const int y = PathPoint(kDeckPlace.y, 0.0, place.y, 0.9, gDealStep, kDealFlightSteps);
    const Area frame = kFlyingFrameSources[gDeckDesign][kFlyingFrameOfStep[gDealStep]];
    gScreen.BlitTop(x, y, &gPicture, frame.x, frame.y, frame.width, frame.height, gTransparentIndex);
  }
  return gDealStep++ == last;
}

// A bitmap of backs sliding from one place to another in 10 steps.
int SlideBacks(const CDib* bitmap, Point from, Point to) {
  const int last = kDealFlightSteps - 1;
  if (gDealStep >= last || (!Animated() && gDealStep >= 1)) {
    gScreen.Blit(to.x, to.y, bitmap, 0, 0, bitmap->Width(), bitmap->Height(), gTransparentIndex);
    return 1;
  }
  if (Animated()) {
    const int x = PathPoint(from.x, 0, to.x, 0, gDealStep, kDealFlightSteps);
    gScreen.BlitTop(x, from.y, bitmap, 0, 0, bitmap->Width(), bitmap->Height(), gTransparentIndex);
  }
  ++gDealStep;
  return 0;
}

// ---- Flights of one card ----
int gFlightStep = 0;

int FlyCard(int id, Point from, Point to, int steps) {
  if (gFlightStep == 0) {
    Sound(kSoundDeal);
    RestoreCardPlace(from);
    if (!Animated()) DrawCard(id, to);
  }
  if (gFlightStep >= steps) {
    DrawCard(id, to);
    gFlightStep = 0;
    return 1;
  }
  if (Animated()) {
    DrawFace(id, PathPoint(from.x, 0, to.x, 0, gFlightStep, steps), PathPoint(from.y, 0, to.y, 0, gFlightStep, steps));
  }
  ++gFlightStep;
  return 0;
}

// ---- Turning the cards ----
int gTurnCard = 0;
int gTurnIdle = 0;
constexpr int kTurnIdleFrames = 8;

// The next card of a row of count from place on, 19 pixels apart, after the
// idle frames; 1 once the last is down.
int TurnNext(const std::int32_t* ids, int count, Point first, int turned) {
  if (Animated() && gTurnIdle < kTurnIdleFrames) {
    ++gTurnIdle;
    return 0;
  }
  gTurnIdle = 0;
  const int k = gTurnCard - turned;
  const Point place = {first.x + k * kHandCardStep, first.y};
  Sound(kSoundTurn);
  if (k == count - 1) {
    DrawCard(ids[k], place);
  } else {
    DrawCardStrip(ids[k], place);
  }
  ++gTurnCard;
  return k == count - 1;
}

// ---- Piles leaving the table ----
int gPayoutPhase = 0;
int gPayoutStep = 0;
constexpr Point kWinPileFrom = {184, 216};
constexpr Point kPayoutTarget = {80, 300};
constexpr Point kLostTarget = {300, -30};
constexpr int kPayoutSteps = 9;
constexpr int kLostSteps = 7;

int FlyPile(int pile, double amount, Point from, Point to, int steps) {
  if (gPayoutStep == 0) DrawChipPileTo(&gPileBitmap, pile, static_cast<float>(amount), 1, 0);
  if (Animated()) {
    const int x = PathPoint(from.x, 0, to.x, 0, gPayoutStep, steps);
    const int y = PathPoint(from.y, 0, to.y, 0, gPayoutStep, steps);
    gScreen.BlitTop(x, y, &gPileBitmap, 0, 0, kPileWidth, kPileHeight, gTransparentIndex);
  }
  if (gPayoutStep++ < steps) return 0;
  gPayoutStep = 0;
  return 1;
}

// ---- The sweep ----
int gSweepPhase = 0;
int gSweepStep = 0;

struct SweepLeg {
  Point from, to;
  double xSlope, ySlope;
  int longLeg;  // 6 steps when animated, else 4
};
constexpr SweepLeg kSweepLegs[] = {
    {{335, 305}, {259, 305}, -0.1, 0.1, 0}, {{259, 305}, kSweepTarget, -0.1, 0.1, 0},
    {{326, 215}, {269, 213}, -0.1, 0.1, 0}, {{269, 215}, kSweepTarget, -0.1, 0.1, 0},
    {{366, 46}, {168, 46}, 0.0, 0.0, 1},    {{168, 46}, kSweepTarget, 0.0, 0.0, 1},
};
constexpr int kSweepPhases = 6;
// The places the sliding cards of phases 1 and 5 uncover.
constexpr Area kPlayerUncovered[] = {{316, 305, 53, 73}, {297, 305, 53, 73}, {278, 305, 53, 73}, {259, 305, 53, 73}};
constexpr Area kDealerUncovered[] = {{347, 46, 72, 73}, {244, 46, 53, 73}, {225, 46, 53, 73},
                                     {206, 46, 53, 73}, {187, 46, 53, 73}, {168, 46, 53, 73}};

void Uncover(const Area* places, int count, int x) {
  for (int i = 0; i < count; ++i) {
    if (x <= places[i].x) gScreen.Restore(places[i].x, places[i].y, places[i].width, places[i].height);
  }
}

}  // namespace

int AnimateDeal(const std::int32_t ids[7], double bet) {
  if (gDealPhase == 0 && gDealStep == 0) {
    DrawChipPileTo(&gPileBitmap, kBetPile, static_cast<float>(bet), 1, 0);
  }
  if (gDealPhase >= 7 && gDealPhase < 14) {
    gScreen.BlitTop(kBetPileArea.x, kBetPileArea.y, &gPileBitmap, 0, 0, kPileWidth, kPileHeight + 4, gTransparentIndex);
    if (gDealPhase == 13) gScreen.Restore(kDeckPlace.x, kDeckPlace.y, kCardWidth, kCardHeight);
  }
  int done = 0;
  if (gDealPhase < 7) {
    done = DealCard(ids[gDealPhase], kRowPlaces[gDealPhase], false);
  } else if (gDealPhase < 14) {
    done = DealCard(0, kDealerPlaces[gDealPhase - 7], true);
    if (done && gDealPhase == 7) gScreen.Restore(kAbovePile.x, kAbovePile.y, kAbovePile.width, kAbovePile.height);
  } else if (gDealPhase == 14) {
    if (gDealStep == 0) {
      Sound(kSoundMoveHand);
      gScreen.Restore(kLastThreePlace.x, kLastThreePlace.y, kLastThreeWidth, kCardHeight);
      DrawCardBack(kLastThreePlace);
      FillBacks(&gTwoBacks, 2);
    }
    done = SlideBacks(&gTwoBacks, kTwoBacksFrom, kDealerLowPlace);
  } else {
    if (gDealStep == 0) {
      Sound(kSoundMoveHand);
      gScreen.Restore(kDealerPlaces[0].x, kDealerPlaces[0].y, kFiveBacksWidth, kCardHeight);
      gScreen.Blit(kDealerLowPlace.x, kDealerLowPlace.y, &gTwoBacks, 0, 0, kTwoBacksWidth, kCardHeight,
                   gTransparentIndex);
      FillBacks(&gFiveBacks, 5);
    }
    done = SlideBacks(&gFiveBacks, kDealerPlaces[0], kDealerHighPlace);
  }
  if (!done) return 0;
  gDealStep = 0;
  if (++gDealPhase < kDealPhases) return 0;
  gScreen.Blit(kBetPileArea.x, kBetPileArea.y, &gPileBitmap, 0, 0, kPileWidth, kPileHeight, gTransparentIndex);
  gDealPhase = 0;
  return 1;
}

int AnimateToSecondHand(int slot, int id, int rowIndex, int steps) {
  return FlyCard(id, kRowPlaces[rowIndex], kSecondHandSlots[slot], steps);
}

int AnimateBackToHighest(int slot, int id, int rowIndex, int steps) {
  return FlyCard(id, kSecondHandSlots[slot], kRowPlaces[rowIndex], steps);
}

int AnimateTurnCards5(const std::int32_t ids[5]) {
  if (gTurnCard == 0 && gTurnIdle == 0) {
    for (const Point& place : kRowPlaces) RestoreCardPlace(place);
  }
  if (!TurnNext(ids, kHighHandCards, kPlayerHighPlace, 0)) return 0;
  gTurnCard = 0;
  return 1;
}

int AnimateTurnCards7(const std::int32_t high[5], const std::int32_t low[2]) {
  if (gTurnCard < kHighHandCards) {
    TurnNext(high, kHighHandCards, kDealerHighPlace, 0);
    return 0;
  }
  if (!TurnNext(low, kSecondHandCards, kDealerLowPlace, kHighHandCards)) return 0;
  gTurnCard = 0;
  return 1;
}

int AnimatePayout(int result, double bet, double win) {
  if (gPayoutPhase == 0) {
    if (result != 0) {
      gPayoutPhase = 1;
    } else {
      if (gPayoutStep == 0) {
        char text[64];
        std::snprintf(text, sizeof text, "Player wins ; %.2f", win);
        EraseTextBox(kPaiGowTextBox, kWinTextPlace.x, kWinTextPlace.y, text);
        gScreen.Restore(kWinPileFrom.x, kWinPileFrom.y, kPileWidth, kPileHeight);
      }
      if (FlyPile(kWinPile, win, kWinPileFrom, kPayoutTarget, kPayoutSteps)) gPayoutPhase = 1;
      return 0;
    }
  }
  if (gPayoutStep == 0) gScreen.Restore(kBetPileArea.x, kBetPileArea.y, kBetPileArea.width, kBetPileArea.height);
  const Point from = {kBetPileArea.x, kBetPileArea.y};
  const int done = result == 1 ? FlyPile(kBetPile, bet, from, kLostTarget, kLostSteps)
                               : FlyPile(kBetPile, bet, from, kPayoutTarget, kPayoutSteps);
  if (!done) return 0;
  gPayoutPhase = 0;
  return 1;
}

int AnimateSweepTable(const std::int32_t ids[14]) {
  const SweepLeg& leg = kSweepLegs[gSweepPhase];
  const int last = leg.longLeg ? (Animated() ? 6 : 1) : (Animated() ? 4 : 1);
  const int id = gSweepPhase < 2 ? ids[0] : (gSweepPhase < 4 ? ids[5] : ids[7]);
  if (gSweepStep == 0) {
    if (gSweepPhase == 0) {
      RestoreCardPlace(leg.from);
      DrawCard(ids[1], {316, 305});
    } else if (gSweepPhase == 2 || gSweepPhase == 4) {
      RestoreCardPlace(leg.from);
    } else if (gSweepPhase == 3) {
      RestoreCardPlace(kSecondHandSlots[0]);
    }
  }
  if (gSweepStep > last) {
    gSweepStep = 0;
    if (++gSweepPhase < kSweepPhases) return 0;
    gSweepPhase = 0;
    return 1;
  }
  // The first frame of a slide shows its first two steps.
  const int firstFrame = gSweepStep == 0 && (gSweepPhase == 0 || gSweepPhase == 4) ? 2 : 1;
  for (int k = 0; k < firstFrame && gSweepStep <= last; ++k, ++gSweepStep) {
    const int x = PathPoint(leg.from.x, leg.xSlope, leg.to.x, leg.xSlope, gSweepStep, last);
    const int y = PathPoint(leg.from.y, 0.0, leg.to.y, leg.ySlope, gSweepStep, last);
    if (gSweepPhase == 0) Uncover(kPlayerUncovered, 4, x);
    if (gSweepPhase == 4) Uncover(kDealerUncovered, 6, x);
    DrawFace(id, x, y);
  }
  return 0;
}

void ResetPaiGowAnimations() {
  gDealPhase = gDealStep = gFlightStep = gTurnCard = gTurnIdle = 0;
  gPayoutPhase = gPayoutStep = gSweepPhase = gSweepStep = 0;
  gDeckDesign = kDeckDesignBlue;
}

}  // namespace kw
