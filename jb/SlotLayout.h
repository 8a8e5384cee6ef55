// Where everything of the Slot machine lies: the reel windows and the reel
// strips behind them, the readouts, the lever, the coin drop and the coin
// insert, the button faces and the fonts. The client draws from these
// tables and the sheet (jb/art) paints the picture from them; data alone.
#pragma once

#include "framework/sound/GlyphLayout.h"
#include "jb/SlotRules.h"

namespace jb {

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
inline constexpr int kPictureWidth = 1024;
inline constexpr int kPictureHeight = 1440;
inline constexpr int kPictureKey = 255;
inline constexpr Point kTextColourPixel = {1023, 0};
inline constexpr Point kTransparentPixel = {1023, 1};

// ---- Reels: each shows one of 44 frames of its strip ----
inline constexpr int kReelFrames = 2 * kReelStops;
inline constexpr int kReelWidth = 76;
inline constexpr int kReelHeight = 104;
inline constexpr Point kReelPlaces[kReels] = {{209, 222}, {293, 222}, {375, 222}};
inline constexpr int kPayLineY = kReelPlaces[0].y + kReelHeight / 2;
// A strip holds the cells of stops -1..23 (stop = cell mod 22) from the
// bottom up, so a reel turning to higher frames moves its symbols down.
inline constexpr int kStopHeight = 40;
inline constexpr int kStripCells = kReelStops + 3;
inline constexpr int kStripHeight = kStripCells * kStopHeight;
constexpr int StripX(int reel) { return 640 + 80 * reel; }
constexpr int StripCellY(int cell) { return (kReelStops + 1 - cell) * kStopHeight; }
// Frame f: half a stop per frame, frame 2 s with stop s on the pay line.
constexpr Area ReelFrame(int reel, int frame) {
  return {StripX(reel), StripCellY(0) + kStopHeight / 2 - frame * kStopHeight / 2 - kReelHeight / 2, kReelWidth,
          kReelHeight};
}
static_assert(ReelFrame(0, 0).y + kReelHeight <= kStripHeight, "frame 0 lies on the strip");
static_assert(ReelFrame(0, kReelFrames - 1).y >= 0, "the last frame lies on the strip");

// ---- Readouts ----
inline constexpr Area kPaidReadout = {196, 380, 85, 13};
inline constexpr Area kCreditReadout = {284, 380, 105, 13};
inline constexpr Area kBetReadout = {390, 380, 60, 13};
inline constexpr Area kMoneyReadout = {536, 431, 70, 13};

// ---- The lever ----
inline constexpr Point kLeverPlace = {489, 143};
inline constexpr int kLeverWidth = 64;
inline constexpr int kLeverHeight = 166;
inline constexpr int kLeverFrames = 14;
constexpr Point LeverFrame(int f) { return {kLeverWidth * (f % 9), 480 + kLeverHeight * (f / 9)}; }

// ---- The coin drop of a payout ----
inline constexpr Point kPayoutPlace = {265, 332};
inline constexpr int kPayoutWidth = 101;
inline constexpr int kPayoutHeight = 100;
inline constexpr int kPayoutFrames = 25;
constexpr Point PayoutFrame(int f) { return {kPayoutWidth * (f % 10), 1010 + kPayoutHeight * (f / 10)}; }
static_assert(PayoutFrame(kPayoutFrames - 1).x + kPayoutWidth <= kPictureWidth);

// ---- The coin insert: a coin falls into the slot, turning edge-on ----
inline constexpr Area kCoinSlot = {570, 268, 32, 6};
inline constexpr int kCoinImages = 4;
inline constexpr int kCoinHeight = 24;
inline constexpr Area kCoinImage[kCoinImages] = {
    {880, 90, 24, kCoinHeight}, {908, 90, 16, kCoinHeight}, {928, 90, 10, kCoinHeight}, {942, 90, 4, kCoinHeight}};
inline constexpr int kCoinInsertFrames = 21;
struct CoinFrame {
  Point place;
  Area source;
};
constexpr CoinFrame CoinInsertFrame(int f) {
  const int image = f < 13 ? 0 : f < 15 ? 1 : f < 17 ? 2 : 3;
  const Area& s = kCoinImage[image];
  const int centreX = kCoinSlot.x + kCoinSlot.width / 2;
  return {{centreX - s.width / 2, 200 + 3 * f}, s};
}

// ---- Status line, user field, lag meter ----
inline constexpr Area kStatusArea = {6, 467, 466, 13};
inline constexpr Area kUserArea = {10, 450, 150, 13};
inline constexpr Area kLagMeterArea = {170, 453, 40, 8};
inline constexpr Point kLagMeterSource = {880, 70};

// ---- Button faces: enabled and pressed of buttons 4..15, then the text buttons ----
constexpr Point ButtonFace(int button, int pressed) {
  const int i = (button - 4) * 2 + pressed;
  return {80 * (i % 12), 1320 + 28 * (i / 12)};
}
constexpr Point TextButtonFace(int k) { return {880, 10 + 16 * k}; }

// ---- Fonts ----
inline constexpr GlyphLayout kSmallFontLayout{0, 1384, 380, 1, 0, kPictureKey};
inline constexpr GlyphLayout kReadoutFontLayout{390, 1384, 400, 1, 0, kPictureKey};
static_assert(kSmallFontLayout.y + GlyphAreaHeight(kSmallFontLayout) <= kPictureHeight, "the font fits");
static_assert(kReadoutFontLayout.y + GlyphAreaHeight(kReadoutFontLayout) <= kPictureHeight, "the font fits");

}  // namespace jb
