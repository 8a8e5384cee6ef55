#include <cstdint>
#include <cstdlib>

#include "dq/CrapsAnimationParts.h"
#include "dq/CrapsAnimations.h"
#include "dq/CrapsTableView.h"
#include "dq/CrapsThrowLegs.h"
#include "framework/sound/GameSound.h"
#include "framework/shell/Interpolate.h"
#include "dq/CrapsReplay.h"
#include "framework/link/RestoreWindow.h"

namespace dq {
namespace {

struct DieFlight {
  int r;      // the die's random part of its leg lengths and its first tumbling frame
  int leg;    // the leg it flies; legCount once it has arrived
  int step;
  int frame;  // tumbling frame 0..9
  int landed;
  Point rest;
};

struct ThrowProgress {
  int running;
  DieFlight dice[2];
};
ThrowProgress gThrow;

enum RailView { kInTheOpen, kUnderRail, kHiddenByRail };

std::uint32_t gThrowState = 0;

int Random(int n) { return ThrowRandom(n); }

void AddToSeed(std::uint32_t* seed, const void* data, std::size_t size) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  for (std::size_t i = 0; i < size; ++i) *seed = (*seed ^ bytes[i]) * 16777619u;
}

// A restore replays with animations off; the player's own switch decides
// whether the dice stay on the table.
bool ReplayLandsDice() { return ReplayRunning() && PlayerShowsAnimations(); }

bool OnBigSixEight(Point p) {
  const Area& a = kBigSixEightArea;
  return p.x >= a.x && p.x < a.x + a.width && p.y >= a.y && p.y < a.y + a.height;
}

bool IsPlace(Point p) { return p.x != kNoPlace.x || p.y != kNoPlace.y; }

Point ChooseRest(const RestRule& rule, const CrapsClientRecord& record, const Point* other) {
  Point p;
  do {
    p = {rule.base.x + Random(rule.spreadX), rule.base.y + Random(rule.spreadY)};
  } while (rule.avoidBigSixEight && OnBigSixEight(p));
  if (IsPlace(rule.bigEightPlace) && gTableView.pileHeight[kBig8] > kBigPileLimit) {
    p = rule.bigEightPlace;
  }
  if (IsPlace(rule.boxFourPlace)) {
    for (int kind : kBoxFourSpots) {
      if (record.bets[kind] != 0.0f) p = rule.boxFourPlace;
    }
  }
  if (other != nullptr && rule.closeTo > 0 &&
      (std::abs(p.x - other->x) < rule.closeTo || std::abs(p.y - other->y) < rule.closeTo)) {
    p = rule.closePlace;
  }
  return p;
}

// Throw 1 only: die 2 runs under the rail at the end of its second leg and
// at the start of its last one.
RailView RailOver(int leg, int step, int steps) {
  if (leg == 1 && step >= steps - kRailLastStepsOfSecondLeg) return kUnderRail;
  if (leg != 2 || step > kRailLastCoveredStep) return kInTheOpen;
  if (step >= kRailFirstHiddenStep && step <= kRailLastHiddenStep) return kHiddenByRail;
  return kUnderRail;
}

void StartThrow(int which, const CrapsClientRecord& record) {
  gThrow = ThrowProgress{};
  gThrow.running = 1;
  for (int d = 0; d < 2; ++d) {
    DieFlight& f = gThrow.dice[d];
    f.r = Random(which == 0 || d == 1 ? 10 : 9);
    f.frame = f.r;
  }
  gThrow.dice[0].rest = ChooseRest(kRestRules[which][0], record, nullptr);
  gThrow.dice[1].rest = ChooseRest(kRestRules[which][1], record, &gThrow.dice[0].rest);
  gTableView.diceOnTable = 1;
  gTableView.diePlaces[0] = gThrow.dice[0].rest;
  gTableView.diePlaces[1] = gThrow.dice[1].rest;
  if (which == 0) PlayGameSound("../wav/dq_Dice.wav", 0, kSoundEffect);
}

void StepDie(int which, int d, CrapsClientRecord* record) {
  DieFlight& f = gThrow.dice[d];
  const ThrowPaths& throwPaths = kThrowPaths[which];
  const DiePath& path = throwPaths.dice[d];
  if (f.leg == path.legCount) {
    DrawTableDie(f.rest, record->dice[d]);
    f.landed = 1;
    return;
  }
  const bool last = f.leg == path.legCount - 1;
  const ThrowLeg& leg = path.legs[f.leg];
  const Point from = f.leg == 0 ? path.start : path.legs[f.leg - 1].end;
  const Point to = last ? f.rest : leg.end;
  const int steps = leg.baseSteps + f.r;
  Point die = StraightStep(from, to, f.step, steps);
  Point shadow = {die.x + kDieShadowOffset.x, die.y + kDieShadowOffset.y};
  if (throwPaths.bouncing) {
    // The shadow runs along the curve and the die along its mirror, so the
    // die rises above its shadow and comes down on it at the leg's end.
    shadow = {InterpolateStep(from.x, leg.shadowX[0], to.x, leg.shadowX[1], f.step, steps),
              InterpolateStep(from.y, leg.shadowY[0], to.y, leg.shadowY[1], f.step, steps)};
    die = {InterpolateStep(from.x, -leg.shadowX[0], to.x, -leg.shadowX[1], f.step, steps),
           InterpolateStep(from.y, -leg.shadowY[0], to.y, -leg.shadowY[1], f.step, steps)};
  }
  const RailView rail = which == 0 && d == 1 ? RailOver(f.leg, f.step, steps) : kInTheOpen;
  if (rail != kHiddenByRail) {
    const int x = kTumbleFrameX[f.frame];
    DrawSpriteTop(shadow.x, shadow.y, {x, kTumbleShadowY}, kTumbleWidth, kTumbleHeight);
    DrawSpriteTop(die.x, die.y, {x, kTumbleFrameY}, kTumbleWidth, kTumbleHeight);
  }
  if (rail == kUnderRail) {
    DrawSpriteTop(kRailPlace.x, kRailPlace.y, {kRailSprite.x, kRailSprite.y}, kRailSprite.width,
                  kRailSprite.height);
  }
  if (which == 2 && d == 1 && last && gTableView.pileHeight[kBig6] > kBigPileLimit) {
    // The die rolls behind a high Big 6 pile.
    EraseBetPile(record->bets, kBig6);
    DrawChipPile(*record, record->bets[kBig6], kBetSpots[kBig6].x, kBetSpots[kBig6].y, kBig6);
  }
  const bool countsDown = which == 0 && f.leg == 0;
  f.frame = (f.frame + (countsDown ? kTumbleFrames - 1 : 1)) % kTumbleFrames;
  if (++f.step < steps) return;
  if (!last && throwPaths.bouncing) PlayGameSound("../wav/dq_Dice2.wav", 0, kSoundEffect);
  ++f.leg;
  f.step = 0;
}

int RunThrow(int which, CrapsClientRecord* record) {
  if (!gThrow.running) {
    if (gTableView.diceOnTable == 1) {
      EraseTableDie(gTableView.diePlaces[0]);
      EraseTableDie(gTableView.diePlaces[1]);
      RedrawAllBets(*record);
    }
    if (!AnimationsOn() && !ReplayLandsDice()) {
      gTableView.diceOnTable = 0;
      return 1;
    }
    StartThrow(which, *record);
    if (!AnimationsOn()) {
      for (int d = 0; d < 2; ++d) DrawTableDie(gThrow.dice[d].rest, record->dice[d]);
      ResetDiceThrows();
      return 1;
    }
  }
  for (int d = 0; d < 2; ++d) {
    if (!gThrow.dice[d].landed) StepDie(which, d, record);
  }
  if (!gThrow.dice[0].landed || !gThrow.dice[1].landed) return 0;
  if (kThrowPaths[which].bouncing) DrawRestingDice(*record);
  ResetDiceThrows();
  return 1;
}

}  // namespace

void ResetDiceThrows() { gThrow = ThrowProgress{}; }

void SeedThrow(const CrapsClientRecord& record) {
  std::uint32_t seed = 2166136261u;
  AddToSeed(&seed, record.dice, sizeof record.dice);
  AddToSeed(&seed, record.betSnapshot, sizeof record.betSnapshot);
  AddToSeed(&seed, &record.beginBalance, sizeof record.beginBalance);
  gThrowState = seed;
}

int ThrowRandom(int n) {
  // The C library's own recurrence, on a state of the throw's own.
  gThrowState = gThrowState * 1103515245u + 12345u;
  return static_cast<int>((gThrowState >> 16) & 0x7fff) % n;
}

int AnimDiceThrow1(CrapsClientRecord* record) { return RunThrow(0, record); }
int AnimDiceThrow2(CrapsClientRecord* record) { return RunThrow(1, record); }
int AnimDiceThrow3(CrapsClientRecord* record) { return RunThrow(2, record); }

}  // namespace dq
