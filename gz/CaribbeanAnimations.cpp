#include "framework/shell/Interpolate.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/GameSound.h"
#include "gz/CaribbeanFiles.h"
#include "gz/CaribbeanTable.h"
#include "gz/CaribbeanTableLayout.h"

namespace gz {
namespace {

bool Animated() { return gCasinoCfg.showAnimations != 0; }

void Sound(const char* name) { PlayGameSound(name, 0, kSoundEffect); }

void RestorePlace(int place) {
  const Point at = kCardPlaces[place];
  gScreen.Restore(at.x, at.y, kCardWidth, kCardHeight);
}

void DrawBack(int place) {
  const Point back = kCardBacks[gDeckLook];
  const Point at = kCardPlaces[place];
  gScreen.Blit(at.x, at.y, &gPicture, back.x, back.y, kCardWidth, kCardHeight, gTransparentIndex);
}

void FaceSprite(int id, int x, int y) {
  const Point face = kCardFaces[id];
  gScreen.BlitTop(x, y, &gPicture, face.x, face.y, kCardWidth, kCardHeight, gTransparentIndex);
}

// ---- The deal: ten phases of ten steps ----
int gDealPhase = 0;
int gDealStep = 0;
constexpr int kDealPhases = 10;

// The card of a phase at its place: the player's face up, the dealer's
// backs, then the deck taken away and the up card face up.
void LandCard(const std::int32_t ids[6], int phase) {
  if (phase < kFirstDealerPlace) return DrawCardFace(ids[phase], phase);
  if (phase < kUpCardPlace) return DrawBack(phase);
  gScreen.Restore(kDeckPlace.x, kDeckPlace.y, kDeckWidth, kDeckHeight);
  DrawCardFace(ids[kFirstDealerPlace], kUpCardPlace);
}

// ---- Turning the dealer's cards, laying out the hands ----
int gTurnCalls = 0;
int gTurned = 0;
constexpr int kTurnEvery = 10;
int gShowCalls = 0;
int gShown = 0;

// ---- Gathering the cards ----
enum PayoutPhase : int { kGatherPlayer, kMovePlayer, kGatherDealer, kMoveDealer };
int gPayoutPhase = kGatherPlayer;
int gPayoutStep = 0;
constexpr int kMovePlayerSteps = 7;
constexpr int kMoveDealerSteps = 4;

void GatherOnto(int id, int from) {
  RestorePlace(from);
  const Point to = kCardPlaces[from - 1];
  FaceSprite(id, to.x, to.y);
}

// A step of a pile leaving from place to the gather target; 1 after the last.
int MovePile(int id, int place, int steps, double xEndSlope, double yEndSlope) {
  const Point from = kCardPlaces[place];
  if (gPayoutStep == 0) RestorePlace(place);
  if (gPayoutStep >= steps) return 1;
  const int x = InterpolateStep(from.x, 0.0f, kGatherTarget.x, static_cast<float>(xEndSlope), gPayoutStep, steps);
  const int y = InterpolateStep(from.y, 0.0f, kGatherTarget.y, static_cast<float>(yEndSlope), gPayoutStep, steps);
  FaceSprite(id, x, y);
  ++gPayoutStep;
  return 0;
}

void ClearCards() {
  for (int place = 0; place < kTableCards; ++place) RestorePlace(place);
}

void NextDeckLook() { gDeckLook = gDeckLook == kw::kDeckDesignBlue ? kw::kDeckDesignRed : kw::kDeckDesignBlue; }

// ---- Moving the chips ----
int gChipPhase = 0;
int gChipStep = 0;
constexpr int kChipSteps = 7;
constexpr int kChipPhases = 4;
constexpr int kStackHeight = kChipHeight + kStackRise;

struct StackMove {
  double amount;
  int row;
  Point from;
  bool paid;  // to the player, else to the house
};

// The stack of a phase, or amount 0 when the phase moves nothing.
StackMove PhaseMove(int phase, double anteWin, double ante, double callWin, double callBet, int playerPaid) {
  const bool paid = playerPaid == 1;
  switch (phase) {
    case 0: return {paid ? anteWin : 0.0, kAnteWinRow, kAnteWinFrom, true};
    case 1: return {ante, kAnteRow, kAnteFrom, paid};
    case 2: return {paid && CountChips(callWin) < kBannerChips ? callWin : 0.0, kBetWinRow, kBetWinFrom, true};
    default: return {callBet, kBetRow, kBetFrom, paid};
  }
}

void RestoreStack(Point from) { gScreen.Restore(from.x, from.y, kStackBitmapWidth, kStackHeight); }

}  // namespace

int AnimateDeal(const std::int32_t ids[6]) {
  if (!Animated()) {
    for (int phase = 0; phase < kDealPhases; ++phase) {
      Sound(kSoundDeal);
      LandCard(ids, phase);
    }
    return 1;
  }
  if (gDealStep == 0) Sound(kSoundDeal);
  const Point to = kCardPlaces[gDealPhase];
  const int x = InterpolateStep(kDeckPlace.x, -0.9f, to.x, -0.9f, gDealStep, kDealSteps);
  const int y = InterpolateStep(kDeckPlace.y, 0.0f, to.y, 0.9f, gDealStep, kDealSteps);
  const Area frame = kFlyingFrameSources[gDeckLook][kFlyingFrameOfStep[gDealStep]];
  gScreen.BlitTop(x, y, &gPicture, frame.x, frame.y, frame.width, frame.height, gTransparentIndex);
  if (++gDealStep < kDealSteps) return 0;
  LandCard(ids, gDealPhase);
  gDealStep = 0;
  if (++gDealPhase < kDealPhases) return 0;
  gDealPhase = 0;
  return 1;
}

int AnimateDealerTurn(const std::int32_t ids[4]) {
  if (Animated() && ++gTurnCalls < kTurnEvery) return 0;
  gTurnCalls = 0;
  do {
    Sound(kSoundTurn);
    DrawCardFace(ids[gTurned], kFirstDealerPlace + gTurned);
    ++gTurned;
  } while (!Animated() && gTurned < 4);
  if (gTurned < 4) return 0;
  gTurned = 0;
  return 1;
}

int ShowHandCards(const std::int32_t ids[10]) {
  if (Animated() && (++gShowCalls % 2) != 0) return 0;
  do {
    DrawCardFace(ids[gShown], gShown);
    ++gShown;
  } while (!Animated() && gShown < kTableCards);
  if (gShown < kTableCards) return 0;
  gShown = 0;
  gShowCalls = 0;
  return 1;
}

int AnimatePayout(int playerCard, int dealerCard) {
  if (!Animated()) {
    ClearCards();
    NextDeckLook();
    return 1;
  }
  switch (gPayoutPhase) {
    case kGatherPlayer:
      GatherOnto(playerCard, kFirstDealerPlace - 1 - gPayoutStep);
      if (++gPayoutStep == kFirstDealerPlace - 1) {
        gPayoutStep = 0;
        gPayoutPhase = kMovePlayer;
      }
      return 0;
    case kMovePlayer:
      if (MovePile(playerCard, 0, kMovePlayerSteps, -1.5, 1.9)) {
        gPayoutStep = 0;
        gPayoutPhase = kGatherDealer;
      }
      return 0;
    case kGatherDealer:
      GatherOnto(dealerCard, kUpCardPlace - gPayoutStep);
      if (++gPayoutStep == kUpCardPlace - kFirstDealerPlace) {
        gPayoutStep = 0;
        gPayoutPhase = kMoveDealer;
      }
      return 0;
    default:
      if (!MovePile(dealerCard, kFirstDealerPlace, kMoveDealerSteps, 0.0, 0.9)) return 0;
      gPayoutStep = 0;
      gPayoutPhase = kGatherPlayer;
      NextDeckLook();
      return 1;
  }
}

int AnimateChipMove(double anteWin, double ante, double callWin, double callBet, int playerPaid) {
  if (gChipPhase == 2 && gChipStep == 0 && playerPaid == 1 && CountChips(callWin) >= kBannerChips) {
    gScreen.Restore(kBannerArea.x, kBannerArea.y, kBannerArea.width, kBannerArea.height);
  }
  if (!Animated()) {
    for (int phase = 0; phase < kChipPhases; ++phase) {
      RestoreStack(PhaseMove(phase, anteWin, ante, callWin, callBet, playerPaid).from);
    }
    if (playerPaid == 1 && CountChips(callWin) >= kBannerChips) {
      gScreen.Restore(kBannerArea.x, kBannerArea.y, kBannerArea.width, kBannerArea.height);
    }
    return 1;
  }
  while (gChipPhase < kChipPhases) {
    const StackMove move = PhaseMove(gChipPhase, anteWin, ante, callWin, callBet, playerPaid);
    if (move.amount <= 0.0) {
      ++gChipPhase;
      continue;
    }
    if (gChipStep == 0) {
      DrawChipStackTo(kCaribbeanChips, &gStackBitmap, move.row, move.amount, 1, 0);
      RestoreStack(move.from);
    }
    const Point to = move.paid ? kPaidTarget : kTakenTarget;
    const float slope = move.paid ? 0.9f : 0.0f;
    const int x = InterpolateStep(move.from.x, 0.0f, to.x, slope, gChipStep, kChipSteps);
    const int y = InterpolateStep(move.from.y, 0.0f, to.y, slope, gChipStep, kChipSteps);
    gScreen.BlitTop(x, y, &gStackBitmap, 0, 0, kStackBitmapWidth, kStackHeight, gTransparentIndex);
    if (++gChipStep > kChipSteps) {
      gChipStep = 0;
      ++gChipPhase;
    }
    return 0;
  }
  gChipPhase = 0;
  gChipStep = 0;
  return 1;
}

void ResetCaribbeanTable() {
  gDealPhase = gDealStep = gTurnCalls = gTurned = gShowCalls = gShown = 0;
  gPayoutPhase = kGatherPlayer;
  gPayoutStep = gChipPhase = gChipStep = 0;
  gDeckLook = kFirstDeckLook;
}

}  // namespace gz
