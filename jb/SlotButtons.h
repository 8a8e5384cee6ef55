// The Slot button table: 18 rows numbered as in the hit map, and the hover
// text of each. The program keeps a live copy; the sheet paints the faces
// and the hit map from the same initial table.
#pragma once

#include <array>

#include "framework/shell/ButtonEntry.h"
#include "jb/SlotLayout.h"

namespace jb {

enum SlotButton : int {
  kButtonStatusBar = 1,
  kButtonHelp = 2,
  kButtonOptions = 3,
  kButtonInsert1 = 4,  // .. 8: $1, $5, $25, $100, $500
  kButtonCashOut = 9,
  kButtonBetOne = 10,
  kButtonSpin = 11,
  kButtonBetThree = 12,
  kButtonQuarterMachine = 13,  // .. 15: $0.25, $1, $5
  kButtonLever = 16,
  kButtonQuit = 17,
  kSlotButtonCount = 18,
};
inline constexpr int kInsertButtons = 5;
inline constexpr int kMachineValueButtons = 3;

inline constexpr ButtonSource kNoFace = {kNoSource, kNoSource};

constexpr ButtonEntry Faced(int button, int x, int y, int width, int height) {
  const Point on = ButtonFace(button, 0), down = ButtonFace(button, 1);
  return {kButtonOpaque, x, y, {kNoFace, {on.x, on.y}, {down.x, down.y}}, width, height, 0, 0, 0};
}
// A machine-value face shows lit in either state; only the one in force is drawn.
constexpr ButtonEntry ValueFace(int button, int kind, int x, int y) {
  const Point on = ButtonFace(button, 0), down = ButtonFace(button, 1);
  return {kind, x, y, {{on.x, on.y}, {on.x, on.y}, {down.x, down.y}}, 70, 26, 0, 0, 0};
}
constexpr ButtonEntry TextButton(int k, int x, int y, int width) {
  const Point down = TextButtonFace(k);
  return {kButtonTransparent, x, y, {kNoFace, kNoFace, {down.x, down.y}}, width, 12, 0, 0, 0};
}

constexpr std::array<ButtonEntry, kSlotButtonCount> MakeSlotButtonTable() {
  std::array<ButtonEntry, kSlotButtonCount> table{};
  for (auto& row : table) row = {kButtonHitOnly, 0, 0, {kNoFace, kNoFace, kNoFace}, 0, 0, 0, 0, 0};
  table[kButtonStatusBar] = {kButtonHitOnly, kStatusArea.x, kStatusArea.y, {kNoFace, kNoFace, kNoFace},
                             kStatusArea.width, kStatusArea.height, 1, 0, 0};
  table[kButtonHelp] = TextButton(0, 480, 452, 40);
  table[kButtonOptions] = TextButton(1, 524, 452, 47);
  table[kButtonQuit] = TextButton(2, 590, 452, 40);
  for (int k = 0; k < kInsertButtons; ++k) table[kButtonInsert1 + k] = Faced(kButtonInsert1 + k, 20, 110 + 40 * k, 70, 28);
  table[kButtonCashOut] = Faced(kButtonCashOut, 110, 400, 70, 24);
  table[kButtonBetOne] = Faced(kButtonBetOne, 185, 400, 76, 24);
  table[kButtonBetThree] = Faced(kButtonBetThree, 372, 400, 76, 24);
  table[kButtonSpin] = Faced(kButtonSpin, 452, 400, 70, 24);
  table[kButtonQuarterMachine] = ValueFace(kButtonQuarterMachine, kButtonOpaque, 560, 100);
  table[kButtonQuarterMachine + 1] = ValueFace(kButtonQuarterMachine + 1, kButtonOpaque, 560, 134);
  table[kButtonQuarterMachine + 2] = ValueFace(kButtonQuarterMachine + 2, kButtonTransparent, 560, 168);
  table[kButtonLever] = {kButtonHitOnly, kLeverPlace.x, kLeverPlace.y, {kNoFace, kNoFace, kNoFace},
                         kLeverWidth, kLeverHeight, 0, 0, 0};
  return table;
}
inline constexpr std::array<ButtonEntry, kSlotButtonCount> kSlotButtonTable = MakeSlotButtonTable();

extern ButtonEntry gSlotButtons[kSlotButtonCount];
void ResetSlotButtons();
const char* ButtonHoverText(int button);

}  // namespace jb
