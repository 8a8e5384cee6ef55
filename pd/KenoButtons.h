// The Keno button table: 112 rows numbered as in the hit map (the number
// cells are rows 32 to 111), and the hover text of each button. The program
// keeps a live copy (gKenoButtons); the Keno sheet (pd/art) paints the faces
// and the hit map from the same initial table.
#pragma once

#include "framework/shell/ButtonEntry.h"
#include "pd/KenoLayout.h"

namespace pd {

enum KenoButton : int {
  kButtonNone = 0,
  kButtonStatusBar = 1,
  kButtonHelp = 2,
  kButtonOptions = 3,
  kButtonChip1 = 4,  // .. 8: enabled by the balance, no action here
  kButtonShoot = 9,
  kButtonQuit = 10,
  kButtonPaytable = 11,
  kButtonNewGame = 12,
  kButtonStake1 = 13,  // $1, then $5 and $10
  kButtonStake5 = 14,
  kButtonStake10 = 15,
  kButtonCell1 = kFirstCellButton,  // .. 111: the numbers 1 to 80
  kKenoButtonCount = kFirstCellButton + kNumbers,
};

inline constexpr int kStakeButtonCount = 3;
inline constexpr int kChipRowCount = 5;

// The push buttons' faces: 76 x 28, enabled and pressed, right of the bowl frames.
inline constexpr int kPushWidth = 76;
inline constexpr int kPushHeight = 28;
constexpr ButtonSource PushFace(int k) { return {682, 525 + 29 * k}; }

inline constexpr ButtonSource kNoFace = {kNoSource, kNoSource};

constexpr ButtonEntry HitOnly(Area area, int enabled) {
  return {kButtonHitOnly, area.x, area.y, {kNoFace, kNoFace, kNoFace}, area.width, area.height, enabled, 0, 0};
}
constexpr ButtonEntry Faced(std::int32_t kind, int x, int y, ButtonSource enabledFace, ButtonSource pressedFace,
                            int width, int height) {
  return {kind, x, y, {kNoFace, enabledFace, pressedFace}, width, height, 0, 0, 0};
}

// The table as the program starts with it.
constexpr std::array<ButtonEntry, kKenoButtonCount> MakeKenoButtonTable() {
  std::array<ButtonEntry, kKenoButtonCount> table{};
  for (auto& row : table) row = HitOnly({0, 0, 0, 0}, 0);
  table[kButtonStatusBar] = HitOnly(kStatusArea, 1);
  table[kButtonHelp] = Faced(kButtonTransparent, 522, 452, kNoFace, {690, 0}, 40, 12);
  table[kButtonOptions] = Faced(kButtonTransparent, 564, 452, kNoFace, {690, 14}, 47, 13);
  table[kButtonQuit] = Faced(kButtonTransparent, 613, 452, kNoFace, {690, 28}, 25, 12);
  table[kButtonShoot] = Faced(kButtonOpaque, 430, 394, PushFace(0), PushFace(1), kPushWidth, kPushHeight);
  table[kButtonPaytable] = Faced(kButtonOpaque, 520, 394, PushFace(2), PushFace(3), kPushWidth, kPushHeight);
  table[kButtonNewGame] = Faced(kButtonOpaque, 430, 426, PushFace(4), PushFace(5), kPushWidth, kPushHeight);
  for (int s = 0; s < kStakeButtonCount; ++s) table[kButtonStake1 + s] = HitOnly(kStakeSpots[s], 0);
  for (int n = 1; n <= kNumbers; ++n) {
    const Point p = CellPlace(n);
    table[kButtonCell1 + n - 1] = HitOnly({p.x, p.y, kCellSize, kCellSize}, 0);
  }
  return table;
}
inline constexpr std::array<ButtonEntry, kKenoButtonCount> kKenoButtonTable = MakeKenoButtonTable();

constexpr bool IsCellButton(int b) { return b >= kButtonCell1 && b < kButtonCell1 + kNumbers; }
constexpr bool IsStakeButton(int b) { return b >= kButtonStake1 && b < kButtonStake1 + kStakeButtonCount; }

// The live table the shell draws and enables (GameDefinition::buttons).
extern ButtonEntry gKenoButtons[kKenoButtonCount];
// Puts the initial table back (start of a run).
void ResetKenoButtons();
// The status-line text over a button; null for none.
const char* ButtonHoverText(int button);

}  // namespace pd
