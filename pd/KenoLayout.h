// Where everything of the Keno screen lies: the board's cells, the counters,
// the bowl, the stake chips, the panels, and every sprite of the picture.
// The client draws from these tables and the Keno sheet (pd/art) paints the
// picture from them; data alone, free of any drawing or platform header.
#pragma once

#include <array>

#include "framework/sound/GlyphLayout.h"

namespace pd {

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

// ---- The picture: the screen, then the sprites below and right of it ----
inline constexpr int kPictureWidth = 760;
inline constexpr int kPictureHeight = 1640;
inline constexpr int kPictureKey = 255;
// Colours read back at start-up: the text colour and the transparent one.
inline constexpr Point kTextColourPixel = {0, 0};
inline constexpr Point kTransparentPixel = {385, 481};

// ---- The board ----
inline constexpr int kNumbers = 80;
inline constexpr int kCellSize = 30;
inline constexpr int kFirstCellButton = 32;  // number = button - 31
inline constexpr int kBoardIdOffset = 31;    // board entries run from button 31
inline constexpr Area kBoardArea = {83, 112, 318, 301};

// Column x by the number's tens (1-10, 11-20, ...); 21-24 lie one pixel left
// of 25-30.
constexpr int CellColumnX(int number) {
  constexpr int kColumns[] = {88, 118, 147, 176, 282, 310, 339, 369};
  if (number >= 21 && number <= 24) return 146;
  return kColumns[(number - 1) / 10];
}
inline constexpr int kCellRows[10] = {118, 148, 177, 206, 236, 265, 294, 323, 352, 382};
// The cell of number 1..80.
constexpr Point CellPlace(int number) { return {CellColumnX(number), kCellRows[(number - 1) % 10]}; }

// ---- The counters and the win (top left) ----
inline constexpr Area kTotalNumbersArea = {7, 25, 132, 11};
inline constexpr Area kTotalBetArea = {7, 37, 132, 11};
inline constexpr Area kPlayerWinsArea = {7, 48, 132, 13};

// ---- The stake chips on their spots ----
inline constexpr Area kStakeSpots[3] = {{12, 266, 53, 42}, {11, 315, 55, 43}, {7, 364, 65, 48}};
// The lit chip of each stake in the picture.
inline constexpr Point kStakeChipSources[3] = {{690, 1428}, {690, 1471}, {690, 1515}};

// ---- The bowl ----
inline constexpr int kBowlFrames = 30;
inline constexpr Point kBowlPlace = {468, 38};
inline constexpr int kBowlWidth = 131;
inline constexpr int kBowlHeight = 143;
inline constexpr int kBowlColumnX[5] = {2, 138, 274, 410, 546};
inline constexpr int kBowlRowY[6] = {525, 676, 827, 978, 1129, 1280};
constexpr Point BowlFrame(int f) { return {kBowlColumnX[f % 5], kBowlRowY[f / 5]}; }
// What the bowl switch turned off restores.
inline constexpr Area kBowlArea = {466, 41, 130, 142};

// ---- The ball rolling out of the bowl: 30 frames ----
inline constexpr int kRollFrames = 30;
struct RollFrame {
  Area source;
  Point place;
};
constexpr Area RollSource(int f) {
  const int x = f < 7 ? 394 + 39 * f : (f < 24 ? 1 + 39 * (f - 7) : 1 + 39 * (f - 24));
  const int y = f < 7 ? 1428 : (f < 24 ? 1471 : 1510);
  const int w = f == 9 ? 30 : 38;
  const int h = f == 9 ? 30 : (f == 10 ? 29 : 38);
  return {x, y, w, h};
}
// The loop from the bowl's mouth down the right, across the bottom and back
// up to where the flight starts.
inline constexpr Point kRollPlaces[kRollFrames] = {
    {511, 195}, {522, 205}, {534, 216}, {546, 228}, {557, 241}, {567, 255}, {576, 270}, {583, 286},
    {588, 303}, {591, 320}, {593, 337}, {593, 354}, {580, 360}, {562, 362}, {543, 362}, {524, 361},
    {505, 359}, {486, 356}, {464, 351}, {470, 340}, {487, 334}, {506, 333}, {525, 334}, {515, 320},
    {497, 305}, {478, 290}, {459, 275}, {440, 261}, {425, 248}, {412, 235},
};

// ---- The ball flying to its cell: 28 frames of a ball and its shadow ----
inline constexpr int kFlightFrames = 28;
inline constexpr int kFlightSteps = 29;
inline constexpr int kFlightSizes = 10;
// The ball's sizes, smallest first; a frame shows one of them.
inline constexpr int kFlightSize[kFlightSizes] = {26, 28, 30, 32, 34, 36, 37, 38, 39, 40};
// The ball sprites lie along the row y 1429, the shadows down the column x 641.
inline constexpr int kFlightBallRowY = 1429;
inline constexpr int kFlightShadowColumnX = 641;
constexpr int FlightOffset(int size) {
  int at = 0;
  for (int s = 0; s < size; ++s) at += kFlightSize[s] + 1;
  return at;
}
constexpr Area FlightBall(int size) { return {2 + FlightOffset(size), kFlightBallRowY, kFlightSize[size], kFlightSize[size]}; }
constexpr Area FlightShadow(int size) {
  return {kFlightShadowColumnX, 75 + FlightOffset(size), kFlightSize[size], kFlightSize[size]};
}
// The size index of flight frame 1..28: up to the largest over frames 8 to
// 17, then down again.
inline constexpr int kFlightFrameSize[kFlightFrames + 1] = {0, 1, 2, 3, 4, 5, 6, 7, 9, 9, 9, 9, 9, 9, 9, 9, 9,
                                                             9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0, 0};
// The area the flight starts from, restored when it begins.
inline constexpr Area kFlightStartArea = {410, 235, 100, 100};

// ---- The marks on a cell ----
inline constexpr int kMarkFrames = 9;
inline constexpr Point kMarkedCellSource = {235, 1510};
inline constexpr int kMarkedCellSize = 29;
constexpr Point HitFrame(int k) { return {266 + 31 * (k - 1), 1510}; }  // k 1..9
inline constexpr int kMissSize = 26;
constexpr Point MissFrame(int k) { return {1 + 27 * k, 1549}; }  // k 0..8

// ---- The panels ----
inline constexpr Area kMarqueeArea = {8, 6, 97, 17};
// The marquee's dots: an "on" dot and an "off" dot at the glyph source.
inline constexpr Point kMarqueeGlyphs = {394, 1552};
inline constexpr Point kMarqueeOnDot = {394, 1552};
inline constexpr Point kMarqueeOffDot = {396, 1552};
// The pay-table panel and the screen it covers. The saved area takes in
// the panel's left edge at x 77.
inline constexpr Area kPaytableArea = {77, 106, 334, 151};
inline constexpr Area kPaytableTop = {0, 1577, 332, 25};
inline constexpr Area kPaytableBottom = {333, 1577, 332, 25};
inline constexpr Area kPaytableRow = {0, 1590, 332, 10};
inline constexpr Point kPaytableTopPlace = {77, 107};
inline constexpr Point kPaytableBottomPlace = {77, 232};
inline constexpr int kPaytableRows = 13;

// ---- The status bar ----
inline constexpr Area kStatusArea = {6, 467, 580, 13};
inline constexpr Area kCreditArea = {590, 467, 50, 13};
inline constexpr Area kMoneyArea = {15, 440, 80, 13};
// The link-lag meter beside the balance; its strip lies clear of the bowl.
inline constexpr Area kLagMeterArea = {100, 443, 40, 8};
inline constexpr Point kLagMeterSource = {560, 1552};

// ---- The font of every text, below the sprites ----
inline constexpr GlyphLayout kSmallFontLayout{0, 1605, 380, 1, 0, kPictureKey};
inline constexpr GlyphTable kSmallFont = MakeGlyphTable(kSmallFontLayout);
static_assert(kSmallFontLayout.y + GlyphAreaHeight(kSmallFontLayout) <= kPictureHeight, "the font fits the picture");

}  // namespace pd
