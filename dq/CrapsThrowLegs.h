// The paths of the three dice throws: for each die its start and its legs.
// The last leg of each die ends at the rest place chosen for the throw.
#pragma once

#include "dq/CrapsTableLayout.h"

namespace dq {

inline constexpr int kThrowCount = 3;
inline constexpr int kMaxThrowLegs = 4;

struct ThrowLeg {
  Point end;        // unused in the last leg (the rest place)
  int baseSteps;    // plus the die's random r
  float shadowX[2]; // start and end slope of the shadow's x; the die takes the negated values
  float shadowY[2];
};

struct DiePath {
  Point start;
  int legCount;
  ThrowLeg legs[kMaxThrowLegs];
};

struct ThrowPaths {
  int bouncing;  // 0: straight legs, the shadow follows the die at its offset
  DiePath dice[2];
};

inline constexpr Point kToRest = {0, 0};

inline constexpr ThrowPaths kThrowPaths[kThrowCount] = {
    {0,
     {{{623, 285}, 3, {{{29, 64}, 40, {0, 0}, {0, 0}}, {{202, 35}, 30, {0, 0}, {0, 0}},
                       {kToRest, 30, {0, 0}, {0, 0}}}},
      {{618, 318}, 3, {{{14, 97}, 40, {0, 0}, {0, 0}}, {{40, 322}, 30, {0, 0}, {0, 0}},
                       {kToRest, 30, {0, 0}, {0, 0}}}}}},
    {1,
     {{{623, 250}, 4, {{{327, 200}, 25, {2, -3}, {0, 3}}, {{116, 126}, 30, {1, -2}, {0, 2}},
                       {{40, 67}, 30, {0, 0}, {0, 1}}, {kToRest, 30, {0, 0}, {0, 0}}}},
      {{618, 289}, 4, {{{312, 245}, 25, {2, -3}, {0, 3}}, {{111, 159}, 30, {1, -2}, {0, 2}},
                       {{16, 91}, 30, {0, 0}, {0, 1}}, {kToRest, 30, {0, 0}, {0, 0}}}}}},
    {1,
     {{{623, 250}, 3, {{{141, 147}, 30, {2, -3}, {0, 3}}, {{26, 63}, 30, {1, -2}, {0, 2}},
                       {kToRest, 30, {0, 0}, {0, 0}}}},
      {{618, 289}, 3, {{{125, 178}, 30, {2, -3}, {0, 3}}, {{8, 108}, 30, {1, -2}, {0, 2}},
                       {kToRest, 30, {0, 0}, {0, 0}}}}}},
};
static_assert(sizeof kThrowPaths / sizeof kThrowPaths[0] == kThrowCount);

constexpr bool LegCountsFit() {
  for (const ThrowPaths& t : kThrowPaths) {
    for (const DiePath& d : t.dice) {
      if (d.legCount < 1 || d.legCount > kMaxThrowLegs) return false;
    }
  }
  return true;
}
static_assert(LegCountsFit());

// Where a die comes to rest: base + (ThrowRandom(spread)) in x and
// y, drawn again while on the Big 6 and Big 8 spots when avoidBigSixEight;
// then the fixed places below replace it, in this order, when they apply
// (a place of {0, 0} never does).
struct RestRule {
  Point base;
  int spreadX;
  int spreadY;
  int avoidBigSixEight;
  Point bigEightPlace;  // the Big 8 pile is higher than kBigPileLimit
  Point boxFourPlace;   // one of kBoxFourSpots holds a bet
  int closeTo;          // die 2: x or y nearer to die 1's than this
  Point closePlace;
};

inline constexpr int kBigPileLimit = 5;
inline constexpr Point kNoPlace = {0, 0};
// The spots near die 1's rest place in the first throw.
inline constexpr int kBoxFourSpots[] = {kComePoint4, kComePointOdds4, kDontComeBet,
                                        kDontComePoint4, kDontComePointOdds4, kPlaceWin4,
                                        kPlaceLose4, kBuy4, kLay4};

// By throw, then die.
inline constexpr RestRule kRestRules[kThrowCount][2] = {
    {{{122, 164}, 100, 44, 1, {98, 86}, {150, 175}, 0, kNoPlace},
     {{122, 211}, 107, 92, 1, kNoPlace, kNoPlace, 20, {127, 286}}},
    {{{94, 68}, 35, 80, 0, {98, 86}, kNoPlace, 0, kNoPlace},
     {{37, 212}, 20, 20, 0, kNoPlace, kNoPlace, 15, {37, 212}}},
    {{{81, 85}, 20, 20, 0, kNoPlace, kNoPlace, 0, kNoPlace},
     {{122, 141}, 20, 20, 0, kNoPlace, kNoPlace, 15, {122, 141}}},
};
static_assert(sizeof kRestRules / sizeof kRestRules[0] == kThrowCount);

// Throw 1: die 2 passes under the rail near the end of its second leg and
// at the start of its last leg.
inline constexpr int kRailLastStepsOfSecondLeg = 5;
inline constexpr int kRailFirstHiddenStep = 1;  // of the last leg, up to kRailLastHiddenStep
inline constexpr int kRailLastHiddenStep = 4;
inline constexpr int kRailLastCoveredStep = 29;  // of the last leg, from kRailLastHiddenStep + 1

}  // namespace dq
