// The Craps button table: 67 rows numbered as in the hit map, the hover text
// of each button and the bet kind a bet button places. The program keeps a
// live copy (gCrapsButtons); the Craps sheet (dq/art) paints the faces and the
// hit map from the same initial table.
#pragma once

#include "dq/BetModel.h"
#include "framework/shell/ButtonEntry.h"
#include "dq/CrapsTableLayout.h"

namespace dq {

inline constexpr int kCrapsButtonCount = 67;

enum CrapsButton : int {
  kButtonNone = 0,
  kButtonInfoBar = 1,
  kButtonOptions = 2,
  kButtonHelp = 3,
  kButtonExit = 4,
  kButtonChip1 = 5,  // .. kButtonChip1 + 4: the $500 chip
  kButtonRoll = 10,
  kButtonPassline = 11,
  kButtonDontPass = 13,
  kFirstBetButton = 11,
  kFirstDontComeOddsButton = 37,  // .. 42: Don't Come Point 4..10 and their odds
  kButtonInfoMenu = 53,
  kButtonDontPassOdds = 66,
};

// ---- Where the faces lie in the picture ----
inline constexpr int kSmallButtonWidth = 56;   // Options, Help, Exit
inline constexpr int kSmallButtonHeight = 20;
inline constexpr int kRollButtonWidth = 72;
inline constexpr int kRollButtonHeight = 26;
inline constexpr int kFaceColumnX = 700;       // faces stacked down this column
inline constexpr int kRollFacesY = 180;
inline constexpr int kChipFacesY = 260;        // normal chip faces; pressed ones beside them
inline constexpr int kChipPressedFacesX = kFaceColumnX + kSelectorSize;

// The face of a small button (2..4) in a state 0..2.
constexpr ButtonSource SmallButtonFace(int button, int state) {
  return {kFaceColumnX, kSmallButtonHeight * (3 * (button - kButtonOptions) + state)};
}

constexpr ButtonEntry MakeFaced(int x, int y, int width, int height, ButtonSource normal,
                                ButtonSource enabled, ButtonSource pressed) {
  return {kButtonOpaque, x, y, {normal, enabled, pressed}, width, height, 0, 0, 0};
}

// Bet buttons are drawn by the table itself; x and y are the spot of their
// kind and their areas are the table's bet areas in the hit map.
constexpr ButtonEntry MakeHitArea(int x, int y, int width, int height) {
  return {kButtonHitOnly, x, y, {{kNoSource, kNoSource}, {kNoSource, kNoSource}, {kNoSource, kNoSource}},
          width, height, 0, 0, 0};
}

constexpr ButtonEntry Enabled(ButtonEntry row) {
  row.enabled = 1;
  return row;
}

// The kind a bet button places, -1 for the other buttons.
constexpr int BetKindOfButton(int button) {
  if (button == kButtonDontPassOdds) return kDontPassOdds;
  if (button >= 19 && button <= 24) return kPlaceWin4 + (button - 19);
  if (button >= 25 && button <= 30) return kPlaceLose4 + (button - 25);
  if (button >= 31 && button <= 36) return kComePointOdds4 + (button - 31);
  if (button >= 37 && button <= 42) return kDontComePointOdds4 + (button - 37);
  if (button >= 43 && button <= 52) return kAny7 + (button - 43);
  if (button >= 54 && button <= 59) return kLay4 + (button - 54);
  if (button >= 60 && button <= 65) return kBuy4 + (button - 60);
  switch (button) {
    case 11: return kPassline;
    case 12: return kPasslineOdds;
    case 13: return kDontPass;
    case 14: return kComeBet;
    case 15: return kDontComeBet;
    case 16: return kBig6;
    case 17: return kBig8;
    case 18: return kField;
    default: return -1;
  }
}

constexpr bool EveryKindHasOneButton() {
  int buttons[kCrapsBetKinds] = {};
  for (int b = 0; b < kCrapsButtonCount; ++b) {
    const int kind = BetKindOfButton(b);
    if (kind >= 0) ++buttons[kind];
  }
  // Come Points and Don't Come Points are reached only by moving a Come Bet.
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) {
    const bool moved = (kind >= kComePoint4 && kind < kComePoint4 + 6) ||
                       (kind >= kDontComePoint4 && kind < kDontComePoint4 + 6);
    if (buttons[kind] != (moved ? 0 : 1)) return false;
  }
  return true;
}

static_assert(EveryKindHasOneButton());

constexpr ButtonEntry MakeButton(int b) {
  // The info areas, Options and Help may be used from the start; the client
  // enables the rest as the game goes.
  if (b == kButtonInfoBar) {
    return Enabled(
        MakeHitArea(kTickerStrip.x, kTickerStrip.y, kTickerStrip.width, kTickerStrip.height));
  }
  if (b == kButtonInfoMenu) {
    return Enabled(MakeHitArea(kTotalBetArea.x, kTotalBetArea.y, kTotalBetArea.width,
                               kTotalBetArea.height));
  }
  if (b >= kButtonOptions && b <= kButtonExit) {
    const ButtonEntry row =
        MakeFaced(8 + 60 * (b - kButtonOptions), 6, kSmallButtonWidth, kSmallButtonHeight,
                  SmallButtonFace(b, 0), SmallButtonFace(b, 1), SmallButtonFace(b, 2));
    return b == kButtonExit ? row : Enabled(row);
  }
  if (b >= kButtonChip1 && b < kButtonChip1 + kChipCount) {
    // The picture shows the chips as they look enabled, so the highlight can
    // be erased by restoring the picture.
    const int c = b - kButtonChip1;
    return MakeFaced(kSelectorPlaces[c].x, kSelectorPlaces[c].y, kSelectorSize, kSelectorSize,
                     {kFaceColumnX, kChipFacesY + kSelectorSize * c}, {kNoSource, kNoSource},
                     {kChipPressedFacesX, kChipFacesY + kSelectorSize * c});
  }
  if (b == kButtonRoll) {
    return MakeFaced(250, 436, kRollButtonWidth, kRollButtonHeight, {kFaceColumnX, kRollFacesY},
                     {kFaceColumnX, kRollFacesY + kRollButtonHeight},
                     {kFaceColumnX, kRollFacesY + 2 * kRollButtonHeight});
  }
  const int kind = BetKindOfButton(b);
  if (kind >= 0) return MakeHitArea(kBetSpots[kind].x, kBetSpots[kind].y, 0, 0);
  return MakeHitArea(0, 0, 0, 0);  // row 0: no button
}

struct CrapsButtonTable {
  ButtonEntry rows[kCrapsButtonCount];
};

constexpr CrapsButtonTable MakeButtonTable() {
  CrapsButtonTable table{};
  for (int b = 0; b < kCrapsButtonCount; ++b) table.rows[b] = MakeButton(b);
  return table;
}

// The table as the program starts with it.
inline constexpr CrapsButtonTable kCrapsButtonTable = MakeButtonTable();

// The live table the shell draws and enables (GameDefinition::buttons).
extern ButtonEntry gCrapsButtons[kCrapsButtonCount];
// Puts the initial table back (start of a run).
void ResetCrapsButtons();

// The text the status line shows while the pointer is over a button; null
// for a button without one (0, 10) and for numbers outside the table.
const char* ButtonHoverText(int button);

}  // namespace dq
