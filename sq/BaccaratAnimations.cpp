#include "framework/shell/Interpolate.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/GameSound.h"
#include "gz/ChipStacks.h"
#include "sq/BaccaratFiles.h"
#include "sq/BaccaratTable.h"
#include "sq/BaccaratTableLayout.h"

namespace sq {
namespace {

bool Animated() { return gCasinoCfg.showAnimations != 0; }

constexpr int kFlightFrames = 15;
constexpr int kMoveFrames = 10;

// A sprite of the picture for this frame only, at step of steps from a to b.
void FlySprite(Point from, Point to, int step, int steps, const CDib* source, Point sprite, int width, int height) {
  const int x = InterpolateStep(from.x, 0.0f, to.x, 0.0f, step, steps);
  const int y = InterpolateStep(from.y, 0.0f, to.y, 0.0f, step, steps);
  gScreen.BlitTop(x, y, source, sprite.x, sprite.y, width, height, gTransparentIndex);
}

// One frame of a card back flying from the shoe to place; 1 once it lies
// there face up.
int gFlightStep = 0;
int FlyCard(int id, int place) {
  if (!Animated()) {
    DrawCardFace(id, place);
    return 1;
  }
  if (gFlightStep == 0) PlayGameSound(kSoundDeal, 0, kSoundEffect);
  FlySprite(kShoePlace, kCardPlaces[place], gFlightStep, kFlightFrames, &gPicture, kCardBack, kCardWidth, kCardHeight);
  if (++gFlightStep < kFlightFrames) return 0;
  gFlightStep = 0;
  DrawCardFace(id, place);
  return 1;
}

// ---- The deal: Player 1, Player 2, Banker 1, Banker 2 ----
constexpr int kDealOrder[] = {kPlayerFirst, kPlayerSecond, kBankerFirst, kBankerSecond};
constexpr int kPlaceOfSlot[] = {0, 1, 3, 4, 2, 5};
int gDealt = 0;

// ---- The third cards ----
int gThirdSide = 0;  // 0 the Player's, 1 the Banker's
int gThirdCalled = 0;

// ---- The totals spoken ----
int gAnnounceStep = 0;
constexpr int kAnnouncePause = 20;

// ---- The payout ----
int gPayoutPhase = 0;
int gPayoutStep = 0;
constexpr int kPayoutPhases = 6;

struct StackMove {
  double amount;
  int row;
  Point from;
  bool paid;  // to the player, else to the house
};

bool Push(const CoupCards& c) { return c.winner == kTie && (c.result == kTieStakeWon || c.result == kNoStakeWon); }

StackMove PhaseMove(int phase, const BaccaratClientRecord& r) {
  const CoupCards& c = r.coup;
  switch (phase) {
    case 0: return {r.bets[kAreaTie], kAreaTie, kStakeAreas[kAreaTie], c.result == kTieStakeWon};
    case 1:
      return {c.result == kTieStakeWon ? c.win - r.bets[kAreaTie] : 0.0, kBetAreas + kAreaTie, kWinAreas[kAreaTie],
              true};
    case 2:
      return {r.bets[kAreaBanker], kAreaBanker, kStakeAreas[kAreaBanker], c.result == kBankerStakeWon || Push(c)};
    case 3:
      return {c.result == kBankerStakeWon ? c.win - r.bets[kAreaBanker] : 0.0, kBetAreas + kAreaBanker,
              kWinAreas[kAreaBanker], true};
    case 4:
      return {r.bets[kAreaPlayer], kAreaPlayer, kStakeAreas[kAreaPlayer], c.result == kPlayerStakeWon || Push(c)};
    default:
      return {c.result == kPlayerStakeWon ? c.win - r.bets[kAreaPlayer] : 0.0, kBetAreas + kAreaPlayer,
              kWinAreas[kAreaPlayer], true};
  }
}

void RestoreStack(Point from) { gScreen.Restore(from.x, from.y, kStackAreaWidth, kStackAreaHeight); }

// ---- Clearing: Banker 3, 2, 1, Player 3, 2, 1 ----
constexpr int kClearOrder[] = {5, 4, 3, 2, 1, 0};
constexpr int kSlotOfPlace[] = {kPlayerFirst, kPlayerSecond, kPlayerThird, kBankerFirst, kBankerSecond, kBankerThird};
int gClearPhase = 0;
int gClearStep = 0;

int CardAt(const CoupCards& coup, int place) { return coup.cards[kSlotOfPlace[place]]; }

// The card at place leaves: its place restored, the cards of its side
// under it drawn again.
void LiftCard(const CoupCards& coup, int place) {
  const Point at = kCardPlaces[place];
  gScreen.Restore(at.x, at.y, kCardWidth, kCardHeight);
  const int first = place < 3 ? 0 : 3;
  for (int under = first; under < place; ++under) {
    if (CardAt(coup, under) != kNotDrawn) DrawCardFace(CardAt(coup, under), under);
  }
}

}  // namespace

int AnimateDeal(const CoupCards& coup) {
  while (gDealt < 4) {
    const int slot = kDealOrder[gDealt];
    if (!FlyCard(coup.cards[slot], kPlaceOfSlot[slot])) return 0;
    ++gDealt;
    if (Animated() && gDealt < 4) return 0;
  }
  gDealt = 0;
  return 1;
}

int AnimateThirdCards(const CoupCards& coup) {
  while (gThirdSide < 2) {
    const int slot = gThirdSide == 0 ? kPlayerThird : kBankerThird;
    if (coup.cards[slot] == kNotDrawn) {
      ++gThirdSide;
      continue;
    }
    if (!gThirdCalled) {
      PlayGameSound(gThirdSide == 0 ? kSoundPlayerCard : kSoundBankerCard, 1, kSoundVoice);
      gThirdCalled = 1;
    }
    if (!FlyCard(coup.cards[slot], kPlaceOfSlot[slot])) return 0;
    gThirdCalled = 0;
    ++gThirdSide;
    if (Animated()) return 0;
  }
  gThirdSide = 0;
  return 1;
}

int AnnounceTotals(const CoupCards& coup) {
  const std::int32_t* p = coup.points;
  if (gAnnounceStep == 0) {
    PlayGameSound(kSoundPlayerHas, 1, kSoundVoice);
    PlayGameSound(kSoundNumbers[(p[kPlayerFirst] + p[kPlayerSecond]) % 10], 1, kSoundVoice);
  }
  if (gAnnounceStep++ < kAnnouncePause) return 0;
  PlayGameSound(kSoundBankerHas, 1, kSoundVoice);
  PlayGameSound(kSoundNumbers[(p[kBankerFirst] + p[kBankerSecond]) % 10], 1, kSoundVoice);
  gAnnounceStep = 0;
  return 1;
}

int AnimatePayout(const BaccaratClientRecord& record) {
  if (!Animated()) {
    for (int phase = 0; phase < kPayoutPhases; ++phase) RestoreStack(PhaseMove(phase, record).from);
    return 1;
  }
  while (gPayoutPhase < kPayoutPhases) {
    const StackMove move = PhaseMove(gPayoutPhase, record);
    if (move.amount <= 0.0) {
      ++gPayoutPhase;
      continue;
    }
    if (gPayoutStep == 0) {
      DrawChipStackTo(kBaccaratChips, &gStackBitmap, move.row, move.amount, 1, 0);
      RestoreStack(move.from);
    }
    FlySprite(move.from, move.paid ? kPlayerSide : kHouse, gPayoutStep, kMoveFrames, &gStackBitmap, {0, 0},
              kStackBitmapWidth, kStackAreaHeight);
    if (++gPayoutStep >= kMoveFrames) {
      gPayoutStep = 0;
      ++gPayoutPhase;
    }
    return 0;
  }
  gPayoutPhase = 0;
  return 1;
}

int AnimateClearCards(const CoupCards& coup) {
  while (gClearPhase < kTableCards) {
    const int place = kClearOrder[gClearPhase];
    const int id = CardAt(coup, place);
    if (id == kNotDrawn) {
      ++gClearPhase;
      continue;
    }
    if (gClearStep == 0) LiftCard(coup, place);
    if (!Animated()) {
      ++gClearPhase;
      continue;
    }
    FlySprite(kCardPlaces[place], kDiscardPoint, gClearStep, kMoveFrames, &gPicture, kCardFaces[id], kCardWidth,
              kCardHeight);
    if (++gClearStep >= kMoveFrames) {
      gClearStep = 0;
      ++gClearPhase;
    }
    return 0;
  }
  gClearPhase = 0;
  return 1;
}

void ResetBaccaratTable() {
  gFlightStep = gDealt = gThirdSide = gThirdCalled = gAnnounceStep = 0;
  gPayoutPhase = gPayoutStep = gClearPhase = gClearStep = 0;
}

}  // namespace sq
