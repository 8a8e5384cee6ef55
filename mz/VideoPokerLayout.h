// Where everything of the Video Poker machine lies: the cards, the HOLD
// lamps, the pay table and its highlighted copy, the meters, the coin value
// lamps, the marquee, the cash-out frames, the coin and the fonts. The
// client draws from these tables and the sheet (mz/art) paints the picture
// from them; data alone.
#pragma once

#include "framework/sound/GlyphLayout.h"
#include "mz/HandCard.h"

namespace mz {

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

// ---- The picture: the screen, then the sprites right of and below it ----
inline constexpr int kPictureWidth = 800;
inline constexpr int kPictureHeight = 1420;
inline constexpr int kPictureKey = 255;
inline constexpr Point kTextColourPixel = {799, 0};
inline constexpr Point kTransparentPixel = {799, 1};

// ---- Cards ----
inline constexpr int kCardWidth = 53;
inline constexpr int kCardHeight = 73;
constexpr Point CardPlace(int n) { return {157 + 68 * n, 242}; }
constexpr Point FlipPlace(int n) { return {157 + 68 * n, 243}; }
constexpr Point HoldLampPlace(int n) { return {161 + 68 * n, 270}; }
inline constexpr Point kHoldLampSource = {641, 463};
inline constexpr int kHoldLampWidth = 44;
inline constexpr int kHoldLampHeight = 16;
inline constexpr Point kCardBackSource = {640, 325};
// Row of each suit's faces (diamond, heart, club, spade); value 1..13 left to right.
inline constexpr int kSuitRows[4] = {767, 621, 694, 548};
constexpr Point CardSource(int suit, int value) { return {kCardWidth * (value - 1), kSuitRows[suit]}; }

// ---- The pay table and its highlighted copy ----
inline constexpr Area kPayTableArea = {149, 103, 342, 134};
inline constexpr Point kHighlightOffset = {207, 739};
inline constexpr Area kPayColumns[5] = {
    {119, 4, 43, 130}, {163, 4, 43, 130}, {207, 4, 43, 130}, {251, 4, 42, 130}, {293, 0, 49, 134}};
inline constexpr int kPayRowY[9] = {118, 104, 90, 76, 62, 48, 35, 21, 7};
inline constexpr int kPayRowWidth[9] = {111, 73, 114, 64, 64, 80, 106, 105, 99};
inline constexpr int kPayRowHeight[9] = {14, 14, 14, 15, 14, 14, 13, 14, 15};

// ---- Meters ----
inline constexpr Area kMoneyMeter = {542, 433, 60, 13};
inline constexpr Area kWonMeter = {192, 323, 80, 13};
inline constexpr Area kCreditsMeter = {325, 323, 80, 13};
inline constexpr Area kBetMeter = {456, 323, 80, 13};

// ---- Coin value lamps (0.25, 1, 5): screen place and lit picture ----
inline constexpr int kLampSize = 14;
constexpr Point LampPlace(int k) { return {540, 126 + 34 * k}; }
constexpr Point LampSource(int k) { return {700, 10 + 20 * k}; }

// ---- Animations ----
inline constexpr Point kMarqueePlace = {123, 3};
inline constexpr int kMarqueeWidth = 133;
inline constexpr int kMarqueeHeight = 62;
inline constexpr int kMarqueeFrames = 9;
constexpr Point MarqueeFrame(int f) { return {133 * (f % 5), f < 5 ? 480 : 976}; }
inline constexpr Point kCashOutPlace = {280, 383};
inline constexpr int kCashOutWidth = 81;
inline constexpr int kCashOutHeight = 56;
inline constexpr int kCashOutFrames = 20;
constexpr Point CashOutFrame(int f) { return {81 * (f % 9), 1040 + 56 * (f / 9)}; }
inline constexpr Point kCoinSource = {643, 429};
inline constexpr int kCoinSize = 32;
inline constexpr Area kCoinStrip = {0, 0, 640, 65};
inline constexpr Point kCoinPathOffset = {130, 30};
inline constexpr int kCoinPathSteps = 18;
inline constexpr Point kCoinPath[kCoinPathSteps] = {
    {0, -28}, {8, -26}, {16, -24}, {24, -21}, {32, -18}, {40, -14}, {48, -10}, {56, -6}, {64, -2},
    {72, 2},  {80, 6},  {88, 10},  {96, 14},  {104, 17}, {112, 20}, {120, 23}, {128, 26}, {136, 28}};

// ---- Status line, user field, balance strip, lag meter ----
inline constexpr Area kStatusArea = {6, 467, 466, 13};
inline constexpr Area kUserArea = {10, 433, 150, 13};
inline constexpr Area kLagMeterArea = {170, 437, 40, 8};
inline constexpr Point kLagMeterSource = {700, 170};

// ---- Button faces: enabled and pressed of buttons 4..20, then the text buttons ----
constexpr Point ButtonFace(int button, int pressed) {
  const int i = (button - 4) * 2 + pressed;
  return {76 * (i % 10), 1210 + 32 * (i / 10)};
}
constexpr Point TextButtonFace(int k) { return {700, 100 + 16 * k}; }

// ---- Fonts ----
inline constexpr GlyphLayout kSmallFontLayout{0, 1340, 380, 1, 0, kPictureKey};
inline constexpr GlyphLayout kMeterFontLayout{390, 1340, 400, 1, 1, kPictureKey};
static_assert(kSmallFontLayout.y + GlyphAreaHeight(kSmallFontLayout) <= kPictureHeight, "the font fits");
static_assert(kMeterFontLayout.y + GlyphAreaHeight(kMeterFontLayout) <= kPictureHeight, "the font fits");

}  // namespace mz
