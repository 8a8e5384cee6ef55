// Where everything of the cashier lies: the 400x259 screen and, below it in
// the picture, the button faces, the background strip, the globe frames,
// the font and the two colour pixels. The program draws from these tables
// and the sheet (cash/art) paints the picture from them; data alone.
#pragma once

#include "framework/shell/ButtonEntry.h"
#include "framework/sound/GlyphLayout.h"

namespace cash {

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

// ---- The picture ----
inline constexpr int kScreenWidth = 400;
inline constexpr int kScreenHeight = 259;
inline constexpr int kPictureWidth = 400;
inline constexpr int kPictureHeight = 640;
inline constexpr int kPictureKey = 255;
inline constexpr Point kTextColourPixel = {399, 638};
inline constexpr Point kTransparentPixel = {399, 639};

// ---- The buttons: rows of the table ----
inline constexpr int kButtonHelp = 1;
inline constexpr int kButtonViewLog = 2;
inline constexpr int kButtonDeposit = 3;
inline constexpr int kButtonWithdraw = 4;
inline constexpr int kButtonConfirm = 6;
inline constexpr int kButtonQuit = 7;
inline constexpr int kButtonAcknowledge = 9;
inline constexpr int kCashierButtonCount = 12;

// The selected faces of the two selectors (hit areas the shell never draws).
inline constexpr Point kDepositSelectedFace = {0, 260};
inline constexpr Point kWithdrawSelectedFace = {110, 260};

// The table as at start: every row disabled.
inline constexpr ButtonEntry kCashierButtonTable[kCashierButtonCount] = {
    {kButtonHitOnly, 0, 0, {{kNoSource, 0}, {kNoSource, 0}, {kNoSource, 0}}, 0, 0, 0, 0, 0},
    {kButtonHitOnly, 0, 0, {{kNoSource, 0}, {kNoSource, 0}, {kNoSource, 0}}, 0, 0, 0, 0, 0},
    {kButtonOpaque, 295, 191, {{kNoSource, 0}, {304, 282}, {304, 260}}, 83, 21, 0, 0, 0},
    {kButtonHitOnly, 36, 93, {{kNoSource, 0}, {kNoSource, 0}, {0, 260}}, 110, 80, 0, 0, 0},
    {kButtonHitOnly, 150, 93, {{kNoSource, 0}, {kNoSource, 0}, {110, 260}}, 110, 80, 0, 0, 0},
    {kButtonHitOnly, 0, 0, {{kNoSource, 0}, {kNoSource, 0}, {kNoSource, 0}}, 0, 0, 0, 0, 0},
    {kButtonOpaque, 295, 158, {{kNoSource, 0}, {kNoSource, 0}, {220, 260}}, 83, 21, 0, 0, 0},
    {kButtonOpaque, 295, 224, {{kNoSource, 0}, {kNoSource, 0}, {220, 282}}, 83, 21, 0, 0, 0},
    {kButtonHitOnly, 0, 0, {{kNoSource, 0}, {kNoSource, 0}, {kNoSource, 0}}, 0, 0, 0, 0, 0},
    {kButtonOpaque, 305, 169, {{kNoSource, 0}, {220, 304}, {310, 304}}, 90, 30, 0, 0, 0},
    {kButtonHitOnly, 0, 0, {{kNoSource, 0}, {kNoSource, 0}, {kNoSource, 0}}, 0, 0, 0, 0, 0},
    {kButtonHitOnly, 0, 0, {{kNoSource, 0}, {kNoSource, 0}, {kNoSource, 0}}, 0, 0, 0, 0, 0},
};

// ---- The main screen ----
inline constexpr Area kNameBox = {183, 60, 80, 13};
inline constexpr Area kBalanceBox = {318, 60, 80, 13};
inline constexpr Area kModeTextBox = {36, 169, 230, 68};
inline constexpr Point kModeTextPlace = {38, 174};

// ---- The information box ----
inline constexpr Area kInfoBox = {25, 59, 265, 130};
inline constexpr Point kInfoBoxSource = {25, 398};
inline constexpr int kInfoTitleY = 64;
inline constexpr int kInfoTextY = 84;
inline constexpr int kInfoTextWidth = 255;
inline constexpr Point kTransactionIdPlace = {25, 155};

// ---- The background strip the please-wait screen stands on ----
inline constexpr Point kStripPlace = {0, 49};
inline constexpr Area kStripSource = {0, 388, 399, 160};

// ---- The activity globe ----
inline constexpr Point kGlobePlace = {321, 80};
inline constexpr int kGlobeSize = 45;
inline constexpr int kGlobeFrames = 8;
constexpr Point GlobeFrame(int f) { return {46 * f, 549}; }

// ---- The font ----
inline constexpr GlyphLayout kFontLayout{0, 596, 390, 1, 0, kPictureKey};
inline constexpr int kLineHeight = 10;  // from one text line to the next
static_assert(kFontLayout.y + GlyphAreaHeight(kFontLayout) <= kTextColourPixel.y, "the font fits");
static_assert(GlobeFrame(kGlobeFrames - 1).x + kGlobeSize <= kPictureWidth, "the globe fits");
static_assert(GlobeFrame(0).y + kGlobeSize <= kFontLayout.y, "the globe lies above the font");

}  // namespace cash
