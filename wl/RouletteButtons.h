// The Roulette button table: 14 rows numbered as in the hit map (the bet
// slots 32..185 follow in the same map), and the hover text of each. The
// program keeps a live copy; the sheet paints the faces and the hit map
// from the same initial table.
#pragma once

#include <array>

#include "framework/shell/ButtonEntry.h"
#include "wl/RouletteTableLayout.h"

namespace wl {

enum RouletteButton : int {
  kButtonStatusBar = 1,
  kButtonHelp = 2,
  kButtonOptions = 3,
  kButtonChip1 = 4,  // .. 8: $1, $5, $25, $100, $500
  kButtonSpin = 9,
  kButtonQuit = 10,
  kButtonLastNumbers = 11,
  kButtonInfo = 12,
  kRouletteButtonCount = 14,
};

inline constexpr ButtonSource kNoFace = {kNoSource, kNoSource};

constexpr ButtonEntry Faced(int x, int y, int width, int height, Point on, Point down) {
  return {kButtonTransparent, x, y, {kNoFace, {on.x, on.y}, {down.x, down.y}}, width, height, 1, 0, 0};
}
constexpr ButtonEntry PressedOnly(int x, int y, int width, int height, Point down) {
  return {kButtonTransparent, x, y, {kNoFace, kNoFace, {down.x, down.y}}, width, height, 1, 0, 0};
}
constexpr ButtonEntry HitOnly(Area a, int enabled) {
  return {kButtonHitOnly, a.x, a.y, {kNoFace, kNoFace, kNoFace}, a.width, a.height, enabled, 0, 0};
}

inline constexpr Point kChipButtonPlaces[5] = {{83, 335}, {112, 355}, {144, 375}, {174, 394}, {206, 413}};
inline constexpr int kChipButtonWidth = 32;
inline constexpr int kChipButtonHeight = 24;

constexpr std::array<ButtonEntry, kRouletteButtonCount> MakeRouletteButtonTable() {
  std::array<ButtonEntry, kRouletteButtonCount> table{};
  table[0] = HitOnly({0, 0, 0, 0}, 0);
  table[kButtonStatusBar] = HitOnly(kStatusArea, 1);
  table[kButtonHelp] = PressedOnly(520, 450, 43, 13, kHelpFace);
  table[kButtonOptions] = PressedOnly(562, 450, 49, 13, kOptionsFace);
  for (int k = 0; k < 5; ++k) {
    table[kButtonChip1 + k] = Faced(kChipButtonPlaces[k].x, kChipButtonPlaces[k].y, kChipButtonWidth,
                                    kChipButtonHeight, ChipButtonFace(k, 0), ChipButtonFace(k, 1));
  }
  table[kButtonSpin] = Faced(280, 421, 57, 36, kSpinFaces[0], kSpinFaces[1]);
  table[kButtonQuit] = PressedOnly(611, 450, 26, 13, kQuitFace);
  table[kButtonLastNumbers] = HitOnly(kLastNumbersArea, 0);
  table[kButtonInfo] = HitOnly(kInfoArea, 0);
  table[13] = HitOnly({0, 0, 0, 0}, 0);
  return table;
}
inline constexpr std::array<ButtonEntry, kRouletteButtonCount> kRouletteButtonTable = MakeRouletteButtonTable();

extern ButtonEntry gRouletteButtons[kRouletteButtonCount];
void ResetRouletteButtons();
const char* ButtonHoverText(int button);

}  // namespace wl
