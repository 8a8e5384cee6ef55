// Where everything of the Roulette screen lies: the table's bet areas and
// the point each slot's chip stack stands on, the order stacks are drawn
// in, the chip and marker sprites, the information texts, the last-numbers
// column and the wheel. The client draws from these tables and the sheet
// (wl/art) paints the picture and the hit map from the same ones; data and
// geometry alone, no drawing headers.
#pragma once

#include <array>

#include "framework/sound/GlyphLayout.h"
#include "wl/RouletteLayout.h"

namespace wl {

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

// ---- The picture: the screen, the sprites right of it, frames below ----
inline constexpr int kPictureWidth = 840;
inline constexpr int kPictureHeight = 2260;
inline constexpr int kPictureKey = 255;
inline constexpr Point kTextColourPixel = {839, 0};
inline constexpr Point kTransparentPixel = {839, 1};

// ---- The table: twelve rows of three numbers left to right, the number
// a of each row at the bottom; the zeros left of it, the columns right,
// the dozens and the even chances below. ----
inline constexpr int kGridX = 214;
inline constexpr int kGridY = 150;
inline constexpr int kCellWidth = 26;
inline constexpr int kCellHeight = 30;
inline constexpr int kGridRight = kGridX + kInsideRows * kCellWidth;  // 526
inline constexpr int kGridBottom = kGridY + 3 * kCellHeight;         // 240
inline constexpr int kZeroX = 180;
inline constexpr int kColumnRight = kGridRight + 36;
inline constexpr int kDozenBottom = kGridBottom + 28;
inline constexpr int kChanceBottom = kDozenBottom + 26;
// Half the width of a line bet's band (splits, corners, streets, six lines).
inline constexpr int kLineBand = 4;
inline constexpr Area kTableArea = {kZeroX, kGridY, kColumnRight - kZeroX, kChanceBottom - kGridY};

// Top of the cell of column 0 (a), 1 (b), 2 (c).
constexpr int CellTop(int column) { return kGridY + (2 - column) * kCellHeight; }
constexpr int RowLeft(int row) { return kGridX + row * kCellWidth; }

// The bet slot under a screen point, 0 off the table.
constexpr int SlotAtPoint(int x, int y) {
  if (y < kGridY || y >= kChanceBottom || x < kZeroX || x >= kColumnRight) return 0;
  if (x >= kGridX - kLineBand && x <= kGridX + kLineBand && y >= kGridBottom - 8 && y < kGridBottom + kLineBand) {
    return kFiveNumbersSlot;
  }
  if (y >= kGridBottom + kLineBand) {
    if (x < kGridX || x >= kGridRight) return 0;
    if (y < kDozenBottom) return kFirstDozenSlot + (x - kGridX) / (4 * kCellWidth);
    return kLowSlot + (x - kGridX) / (2 * kCellWidth);
  }
  if (x < kGridX) {
    const int middle = kGridY + 3 * kCellHeight / 2;
    if (y < middle - kLineBand) return kDoubleZeroSlot;
    if (y < middle + kLineBand) return kZeroSplitSlot;
    return y < kGridBottom ? kZeroSlot : 0;
  }
  if (x >= kGridRight) return y < kGridBottom ? kFirstColumnSlot + (kGridBottom - 1 - y) / kCellHeight : 0;
  const int row = (x - kGridX) / kCellWidth;
  // The inner line nearest to the left (k - 1 | k) and whether the point is on it.
  const int k = (x - kGridX + kCellWidth / 2) / kCellWidth;
  const int onLine = k >= 1 && k <= kInsideRows - 1 && x >= RowLeft(k) - kLineBand && x < RowLeft(k) + kLineBand;
  const int lineRow = k - 1;
  const int bottom = y >= kGridBottom - kLineBand;
  const int onAb = y >= CellTop(0) - kLineBand && y < CellTop(0) + kLineBand;
  const int onBc = y >= CellTop(1) - kLineBand && y < CellTop(1) + kLineBand;
  const int column = y >= CellTop(0) ? 0 : y >= CellTop(1) ? 1 : 2;
  if (bottom) return onLine ? kFirstBetSlot + kSlotsPerRow * lineRow + 11 : kFirstBetSlot + kSlotsPerRow * row + 5;
  if (onLine && (onAb || onBc)) return kFirstBetSlot + kSlotsPerRow * lineRow + (onAb ? 7 : 9);
  if (onLine) return kFirstBetSlot + kSlotsPerRow * lineRow + 6 + 2 * column;
  if (onAb || onBc) return kFirstBetSlot + kSlotsPerRow * row + (onAb ? 1 : 3);
  return kFirstBetSlot + kSlotsPerRow * row + 2 * column;
}

// The point each slot's chip stack stands on (the bottom chip's centre).
constexpr Point SlotPosition(int slot) {
  if (slot >= kFirstBetSlot && slot <= kLastInsideSlot) {
    const int row = (slot - kFirstBetSlot) / kSlotsPerRow, offset = (slot - kFirstBetSlot) % kSlotsPerRow;
    const int middle = RowLeft(row) + kCellWidth / 2, line = RowLeft(row + 1);
    const int cellMiddle[3] = {CellTop(0) + kCellHeight / 2, CellTop(1) + kCellHeight / 2, CellTop(2) + kCellHeight / 2};
    switch (offset) {
      case 0: case 2: case 4: return {middle, cellMiddle[offset / 2]};
      case 1: return {middle, CellTop(0)};
      case 3: return {middle, CellTop(1)};
      case 5: return {middle, kGridBottom};
      case 6: case 8: case 10: return {line, cellMiddle[(offset - 6) / 2]};
      case 7: return {line, CellTop(0)};
      case 9: return {line, CellTop(1)};
      default: return {line, kGridBottom};
    }
  }
  const int zeroMiddle = (kZeroX + kGridX) / 2, half = kGridY + 3 * kCellHeight / 2;
  switch (slot) {
    case kZeroSlot: return {zeroMiddle, (half + kGridBottom) / 2};
    case kZeroSplitSlot: return {zeroMiddle, half};
    case kDoubleZeroSlot: return {zeroMiddle, (kGridY + half) / 2};
    case kFiveNumbersSlot: return {kGridX, kGridBottom};
    default: break;
  }
  if (slot >= kFirstColumnSlot && slot < kFirstDozenSlot) {
    return {(kGridRight + kColumnRight) / 2, CellTop(slot - kFirstColumnSlot) + kCellHeight / 2};
  }
  if (slot >= kFirstDozenSlot && slot < kLowSlot) {
    return {kGridX + 2 * kCellWidth + 4 * kCellWidth * (slot - kFirstDozenSlot), (kGridBottom + kDozenBottom) / 2 + 2};
  }
  if (slot >= kLowSlot && slot <= kHighSlot) {
    return {kGridX + kCellWidth + 2 * kCellWidth * (slot - kLowSlot), (kDozenBottom + kChanceBottom) / 2};
  }
  return {0, 0};
}

// The 154 bet slots back to front (stacks standing lower on the screen
// cover the ones above them), ended by 0.
inline constexpr int kBetSlotCount = kLastBetSlot - kFirstBetSlot + 1;
inline constexpr std::array<int, kBetSlotCount + 1> kChipDrawOrder = [] {
  std::array<int, kBetSlotCount + 1> order{};
  for (int i = 0; i < kBetSlotCount; ++i) order[i] = kFirstBetSlot + i;
  auto before = [](int a, int b) {
    const Point p = SlotPosition(a), q = SlotPosition(b);
    return p.y != q.y ? p.y < q.y : p.x < q.x;
  };
  for (int i = 1; i < kBetSlotCount; ++i) {
    for (int j = i; j > 0 && before(order[j], order[j - 1]); --j) {
      const int t = order[j];
      order[j] = order[j - 1];
      order[j - 1] = t;
    }
  }
  return order;
}();

// The straight slot of each number, where the win marker stands.
constexpr int MarkerSlot(int number) {
  if (number == 0) return kZeroSlot;
  if (number == kDoubleZero) return kDoubleZeroSlot;
  const int row = (number - 1) / 3, column = (number - 1) % 3;
  return kFirstBetSlot + kSlotsPerRow * row + 2 * column;
}

// ---- Chips, ring and marker ----
inline constexpr int kChipValues[5] = {1, 5, 25, 100, 500};
inline constexpr int kChipWidth = 22;
inline constexpr int kChipHeight = 16;
inline constexpr int kChipStep = 3;  // each chip stands this much above the one below
constexpr Point ChipSource(int kind) { return {641, 391 + 18 * kind}; }
inline constexpr Point kRingSource = {641, 300};
inline constexpr int kRingSize = 24;
inline constexpr Point kMarkerSource = {668, 447};
inline constexpr int kMarkerWidth = 16;
inline constexpr int kMarkerHeight = 32;
// x offsets of the i-th chip of a stack.
inline constexpr int kStackJitter[32] = {1, 0, 0, 0, 1, 0, 1, 0, 0, 1, 0, 1, 0, 1, 0, 0,
                                         1, 1, 1, 0, 1, 1, 1, 0, 0, 1, 0, 0, 1, 0, 1, 0};
// The selection ring's chip points (the ring stands 7 pixels left of them).
inline constexpr Point kRingPlaces[5] = {{68, 361}, {99, 382}, {131, 402}, {161, 422}, {192, 442}};
inline constexpr int kRingLeft = 7;
// The pile of the wins paid, and the area it is drawn over.
inline constexpr Point kPayPile = {100, 280};
inline constexpr Area kPayPileArea = {88, 190, 24, 100};

// ---- Information area (the close-up view shares it) ----
inline constexpr Area kInfoArea = {424, 6, 140, 105};
inline constexpr Area kTotalBetLine = {438, 60, 132, 13};
inline constexpr Area kNumberNameLine = {438, 75, 132, 13};
inline constexpr Area kPlayerWinsLine = {438, 90, 132, 13};

// ---- Last numbers: 17 rows of up to five 9x11 glyphs ----
inline constexpr int kLastNumberRows = 17;
inline constexpr int kNoNumber = 38;
inline constexpr Area kLastNumbersArea = {578, 10, 47, 203};
inline constexpr int kLastNumberColumnX[5] = {579, 588, 597, 606, 615};
constexpr int LastNumberRowY(int row) { return 10 + 12 * row; }
inline constexpr int kGlyphWidth = 9;
inline constexpr int kGlyphHeight = 11;
// Glyph ink: 0 red digits, 1 black digits, 2 the green zeros ("0", "00").
inline constexpr Point kGlyphStrip = {0, 2200};
constexpr Point GlyphSource(int ink, int digit) { return {kGlyphStrip.x + 10 * (10 * ink + digit), kGlyphStrip.y}; }
inline constexpr Point kDoubleZeroGlyph = {kGlyphStrip.x + 10 * 21, kGlyphStrip.y};
// The glyph of each number in each column; {0, 0}: none. Red numbers stand
// left, black ones right, the zeros in the middle.
using GlyphRow = std::array<Point, 5>;
inline constexpr std::array<GlyphRow, kRouletteNumbers> kLastNumberGlyphs = [] {
  std::array<GlyphRow, kRouletteNumbers> rows{};
  for (int n = 0; n < kRouletteNumbers; ++n) {
    if (n == 0) {
      rows[n][2] = GlyphSource(2, 0);
    } else if (n == kDoubleZero) {
      rows[n][2] = kDoubleZeroGlyph;
    } else {
      const int ink = IsRed(n) ? 0 : 1, first = IsRed(n) ? 0 : 3;
      if (n >= 10) rows[n][first] = GlyphSource(ink, n / 10);
      rows[n][first + 1] = GlyphSource(ink, n % 10);
    }
  }
  return rows;
}();

// ---- The wheel: 38 frames, frame k with the pocket kWheelOrder[k] at the
// mark, and the close-up view of the pockets at the mark ----
inline constexpr Area kWheelArea = {18, 30, 168, 112};
constexpr Point WheelFrame(int k) { return {168 * (k % 5), 540 + 112 * (k / 5)}; }
constexpr Point CloseUpFrame(int k) { return {140 * (k % 6), 1436 + 105 * (k / 6)}; }
inline constexpr Point kSmallBallSource = {674, 325};
inline constexpr int kSmallBall = 8;
inline constexpr Point kCloseUpBallSource = {641, 325};
inline constexpr int kCloseUpBall = 31;
inline constexpr int kBallSteps = 114;
// Where the balls stand with steps steps left (0..114): the small ball on
// the screen, the close-up ball relative to the information area. The last
// point lies in the pocket at the mark.
Point SmallBallPoint(int steps);
Point CloseUpBallPoint(int steps);
// The wheel's shape, shared by the frames and the small ball's path.
inline constexpr Point kWheelCentre = {kWheelArea.x + kWheelArea.width / 2, kWheelArea.y + kWheelArea.height / 2};
inline constexpr int kPocketRadiusX = 58;
inline constexpr int kPocketRadiusY = 38;
inline constexpr int kTrackRadiusX = 76;
inline constexpr int kTrackRadiusY = 50;

// ---- Status line, credit, money, lag meter ----
inline constexpr Area kStatusArea = {6, 467, 450, 13};
inline constexpr Area kCreditArea = {520, 467, 115, 13};
inline constexpr Area kMoneyArea = {21, 434, 100, 13};
inline constexpr Area kLagMeterArea = {466, 470, 40, 8};
inline constexpr Point kLagMeterSource = {700, 300};

// ---- Button faces: chips, Spin, the text buttons ----
constexpr Point ChipButtonFace(int kind, int pressed) { return {389 + 34 * kind, 481 + 26 * pressed}; }
inline constexpr Point kSpinFaces[2] = {{641, 0}, {641, 37}};
inline constexpr Point kHelpFace = {558, 481};
inline constexpr Point kOptionsFace = {602, 481};
inline constexpr Point kQuitFace = {652, 481};

// ---- Fonts ----
inline constexpr GlyphLayout kSmallFontLayout{0, 2214, 400, 1, 0, kPictureKey};
static_assert(kSmallFontLayout.y + GlyphAreaHeight(kSmallFontLayout) <= kPictureHeight, "the font fits");
static_assert(CloseUpFrame(kRouletteNumbers - 1).y + 105 <= kGlyphStrip.y, "the frames fit");

}  // namespace wl
