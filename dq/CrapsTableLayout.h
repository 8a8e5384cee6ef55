// Where everything of the Craps table lies: the bet spots on the screen and
// every sprite in the game picture. The program draws from these tables and
// the Craps sheet (dq/art) paints the picture from them, so they are kept here
// once, free of any drawing or platform header.
#pragma once

#include "dq/BetModel.h"
#include "dq/TableRules.h"

namespace dq {

struct Point {
  int x;
  int y;
};

struct Area {
  int x;
  int y;
  int width;
  int height;
};

// Screen centre of the bottom chip of each kind's pile.
inline constexpr Point kBetSpots[kCrapsBetKinds] = {
    {337, 324}, {332, 346},                                                   // 0 Passline, 1 odds
    {317, 284}, {326, 292},                                                   // 2 Don't Pass, 3 odds
    {273, 198},                                                               // 4 Come Bet
    {205, 119}, {253, 133}, {302, 144}, {351, 160}, {401, 173}, {451, 189},   // 5-10 Come Point
    {198, 136}, {245, 149}, {295, 163}, {343, 177}, {393, 192}, {446, 206},   // 11-16 Come Point Odds
    {169, 113},                                                               // 17 Don't Come Bet
    {217, 95},  {263, 109}, {311, 123}, {359, 137}, {408, 152}, {457, 166},   // 18-23 Don't Come Point
    {213, 102}, {260, 115}, {308, 129}, {357, 143}, {406, 157}, {456, 171},   // 24-29 Don't Come Odds
    {90, 186},  {107, 216}, {259, 231},                                       // 30 Big 6, 31 Big 8, 32 Field
    {204, 151}, {254, 166}, {302, 180}, {352, 195}, {403, 210}, {456, 226},   // 33-38 Place Win
    {221, 111}, {269, 125}, {317, 140}, {367, 154}, {418, 169}, {468, 183},   // 39-44 Place Loose
    {224, 136}, {272, 151}, {322, 165}, {371, 179}, {423, 195}, {474, 211},   // 45-50 Buy Bet
    {239, 105}, {286, 118}, {335, 133}, {384, 147}, {435, 162}, {486, 177},   // 51-56 Lay Bet
    {562, 256},                                                               // 57 Any 7
    {511, 277}, {501, 308}, {593, 300}, {585, 332},                           // 58-61 Hardway 6, 8, 10, 4
    {533, 354}, {588, 372}, {477, 337}, {480, 378},                           // 62-65 Horn 2, 12, 3, 11
    {512, 425},                                                               // 66 Any Craps
};

// Back of the table first, so nearer piles cover farther ones; ended by 100.
inline constexpr int kBetDrawOrderEnd = 100;
inline constexpr int kBetDrawOrder[kCrapsBetKinds + 1] = {
    17, 18, 51, 24, 19, 52, 25, 20, 53, 26, 21, 54, 27, 22, 55, 28, 23, 56, 29, 39,
    40, 41, 42, 43, 44, 5,  45, 11, 6,  46, 12, 7,  47, 13, 8,  48, 14, 9,  49, 15,
    10, 50, 16, 33, 34, 35, 36, 37, 38, 4,  32, 2,  3,  0,  1,  30, 31, 57, 58, 60,
    59, 61, 64, 62, 63, 65, 66, kBetDrawOrderEnd};

constexpr bool DrawOrderHasEveryKindOnce() {
  int seen[kCrapsBetKinds] = {};
  for (int i = 0; i < kCrapsBetKinds; ++i) {
    const int kind = kBetDrawOrder[i];
    if (kind < 0 || kind >= kCrapsBetKinds || seen[kind]++ != 0) return false;
  }
  return kBetDrawOrder[kCrapsBetKinds] == kBetDrawOrderEnd;
}
static_assert(DrawOrderHasEveryKindOnce());

// ---- Chips and markers (22 x 17 each) ----
inline constexpr int kChipWidth = 22;
inline constexpr int kChipHeight = 17;
// By chip selection 0..4 (kChipValues).
inline constexpr Point kChipSprites[kChipCount] = {
    {641, 390}, {641, 408}, {641, 426}, {641, 444}, {641, 462}};
inline constexpr Point kFractionChipSprite = {641, 372};  // a remainder below one dollar
inline constexpr Point kLayMarkerSprite = {641, 336};
inline constexpr Point kBuyMarkerSprite = {641, 354};
inline constexpr Point kOnMarkerSprite = {664, 336};
inline constexpr Point kOffMarkerSprite = {664, 354};

// Horizontal offsets of the chips of a standing pile; chip n uses n mod 29.
inline constexpr int kPileJitterCount = 29;
inline constexpr int kPileJitter[kPileJitterCount] = {1, 0, 0, 0, 1, 0, 1, 0, 0, 1, 0, 1, 0, 1, 0,
                                                       0, 1, 1, 1, 0, 1, 1, 1, 0, 0, 1, 0, 0, 1};
inline constexpr int kPileChipStep = 3;  // each chip stands 3 pixels above the one below

// ---- Puck (29 x 27) ----
inline constexpr int kPuckWidth = 29;
inline constexpr int kPuckHeight = 27;
inline constexpr Point kPuckOnSprite = {507, 533};
inline constexpr Point kPuckOffSprite = {537, 533};
inline constexpr Point kPuckOffPlace = {176, 55};
// Top-left corner of the puck by slot (point - 1; slot 0 is the OFF place).
inline constexpr int kPuckSlots = 10;
inline constexpr Point kPuckPlaces[kPuckSlots] = {
    kPuckOffPlace, {0, 0}, {0, 0}, {227, 70}, {272, 83}, {319, 95}, {0, 0}, {368, 109}, {415, 122},
    {469, 137}};
// The puck's place for a point (0: the OFF place).
constexpr Point PuckPlace(int point) {
  return (point >= 4 && point <= 10 && point != 7) ? kPuckPlaces[point - 1] : kPuckOffPlace;
}

// ---- The boxes 4, 5, 6, 8, 9, 10 ----
inline constexpr int kBoxCount = 6;  // numbers in kBoxNumbers
// Screen x range of each box's column, both ends excluded.
inline constexpr int kBoxColumnLeft[kBoxCount] = {206, 254, 303, 353, 400, 450};
inline constexpr int kBoxColumnRight[kBoxCount] = {254, 303, 353, 400, 450, 501};

// ---- Large dice of the last roll (50 x 63) ----
inline constexpr int kLargeDieWidth = 50;
inline constexpr int kLargeDieHeight = 63;
inline constexpr Point kLargeDiePlaces[2] = {{507, 59}, {564, 59}};
inline constexpr Point kLargeDieFaces[6] = {{641, 74},  {641, 138}, {641, 202},
                                            {641, 266}, {567, 501}, {618, 501}};

// ---- Dice lying on the table (25 x 32) ----
inline constexpr int kTableDieWidth = 25;
inline constexpr int kTableDieHeight = 32;
inline constexpr int kTableDieFaceY = 532;    // face v at x 25 * (v - 1)
inline constexpr int kTableDieShadowY = 565;  // shadow of face v, same x
inline constexpr int kTableDieFaceStep = 25;
inline constexpr Point kDieShadowOffset = {-5, 5};  // the shadow lies left of and below the die
constexpr Point TableDieFace(int value) { return {kTableDieFaceStep * (value - 1), kTableDieFaceY}; }
constexpr Point TableDieShadow(int value) {
  return {kTableDieFaceStep * (value - 1), kTableDieShadowY};
}

// ---- Tumbling dice of a throw (31 x 29, frames 0..9) ----
inline constexpr int kTumbleWidth = 31;
inline constexpr int kTumbleHeight = 29;
inline constexpr int kTumbleFrames = 10;
inline constexpr int kTumbleFrameX[kTumbleFrames] = {472, 437, 401, 366, 331,
                                                     295, 259, 223, 188, 153};
inline constexpr int kTumbleFrameY = 534;
inline constexpr int kTumbleShadowY = 568;

// ---- The stick that gathers the dice ----
inline constexpr Area kStickShaft = {84, 598, 217, 57};
inline constexpr int kStickShaftBelowHead = 38;
inline constexpr int kStickHeadWidth = 27;
inline constexpr int kStickHeadHeight = 38;
inline constexpr Point kStickHeadEmpty = {56, 598};
inline constexpr Point kStickHeadOneDie = {28, 598};
inline constexpr Point kStickHeadTwoDice = {0, 598};
inline constexpr Point kStickHome = {555, 304};

// ---- The rail piece a thrown die passes under ----
inline constexpr Area kRailSprite = {507, 566, 130, 51};
inline constexpr Point kRailPlace = {28, 307};

// ---- Chip selector (24 x 24) ----
inline constexpr int kSelectorSize = 24;
inline constexpr Point kSelectorSprite = {664, 455};
inline constexpr Point kSelectorPlaces[kChipCount] = {
    {6, 370}, {42, 382}, {78, 394}, {112, 404}, {147, 415}};

// ---- Moving piles and the winnings ----
inline constexpr int kMovingPileWidth = 24;
inline constexpr int kMovingPileHeight = 64;
inline constexpr int kMovingJitterCount = 20;
inline constexpr int kMovingJitter[kMovingJitterCount] = {1, 0, 0, 0, 1, 0, 1, 0, 0, 1,
                                                          0, 1, 0, 1, 0, 0, 1, 1, 1, 0};
inline constexpr int kMovingPileChipBase = 45;  // top of the bottom chip in the moving pile
inline constexpr Point kWinningsPlaces[3] = {{410, 424}, {390, 420}, {435, 430}};

// ---- Animations ----
// A pile's flight: from its spot moved by offset, straight to to.
struct PileFlight {
  Point offset;
  Point to;
  int steps;
};
inline constexpr PileFlight kLostFlight = {{-5, -51}, {631, 118}, 20};
inline constexpr PileFlight kWonFlight = {{-12, -45}, {398, 379}, 15};
inline constexpr PileFlight kQuitReturnFlight = {{-12, -45}, {98, 305}, 7};
inline constexpr PileFlight kQuitForfeitFlight = {{-12, -45}, {624, 124}, 10};
inline constexpr int kPayoutShowFrames = 30;  // a won bet shows its payout this long

// The stick's three legs: home to die 2, die 2 to die 1, die 1 home.
inline constexpr int kStickLegSteps[3] = {25, 10, 25};

// Puck moves: steps to each box's point (kBoxNumbers order); a move back
// to OFF takes as many as the move before it, 10 before the first.
inline constexpr int kPuckMoveSteps[kBoxCount] = {12, 13, 14, 15, 16, 20};
inline constexpr int kFirstPuckMoveSteps = 10;

// The Big 6 and Big 8 spots, which no die may come to rest on (both ends
// included).
inline constexpr Area kBigSixEightArea = {62, 161, 136 - 62 + 1, 245 - 161 + 1};

// Come and Don't Come walks: frames between two chips, before the first
// walk of a run, and before the next walk once one has finished.
inline constexpr int kWalkChipFrames = 3;
inline constexpr int kFirstWalkFrames = 3;
inline constexpr int kNextComeWalkFrames = 10;
inline constexpr int kNextDontComeWalkFrames = 3;

// ---- Screen areas ----
inline constexpr Area kTotalBetArea = {340, 5, 132, 13};
inline constexpr Area kTickerStrip = {336, 26, 145, 17};
inline constexpr Area kWinningsArea = {358, 356, 90, 100};  // the collected winnings stand here

// ---- Colours read from the picture at start-up ----
inline constexpr Point kTextColourPixel = {0, 481};
inline constexpr Point kTransparentPixel = {389, 507};
// The index the picture's sprites and fonts leave out, as painted.
inline constexpr int kPictureKey = 255;

}  // namespace dq
