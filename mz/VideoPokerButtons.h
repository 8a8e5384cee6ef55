// The Video Poker button table: 23 rows numbered as in the hit map, and the
// hover text of each. The program keeps a live copy; the sheet paints the
// faces and the hit map from the same initial table.
#pragma once

#include <array>

#include "framework/shell/ButtonEntry.h"
#include "mz/VideoPokerLayout.h"

namespace mz {

enum VideoPokerButton : int {
  kButtonStatusBar = 1,
  kButtonHelp = 2,
  kButtonOptions = 3,
  kButtonInsert1 = 4,  // .. 8: $1, $5, $25, $100, $500
  kButtonCashOut = 9,
  kButtonBetOne = 10,
  kButtonDeal = 11,
  kButtonBetMax = 12,
  kButtonHold1 = 13,  // .. 17
  kButtonCoinQuarter = 18,
  kButtonCoinDollar = 19,
  kButtonCoinFive = 20,
  kButtonExit = 22,
  kVideoPokerButtonCount = 23,
};

inline constexpr int kInsertDollars[5] = {1, 5, 25, 100, 500};
// The push part of a HOLD button, below its card.
inline constexpr int kHoldButtonY = 345;
inline constexpr int kHoldButtonHeight = 22;

inline constexpr ButtonSource kNoFace = {kNoSource, kNoSource};

constexpr ButtonEntry Faced(int button, int x, int y, int width, int height) {
  const Point on = ButtonFace(button, 0), down = ButtonFace(button, 1);
  return {kButtonOpaque, x, y, {kNoFace, {on.x, on.y}, {down.x, down.y}}, width, height, 0, 0, 0};
}
constexpr ButtonEntry TextButton(int k, int x, int y, int width) {
  const Point down = TextButtonFace(k);
  return {kButtonTransparent, x, y, {kNoFace, kNoFace, {down.x, down.y}}, width, 12, 0, 0, 0};
}

constexpr std::array<ButtonEntry, kVideoPokerButtonCount> MakeVideoPokerButtonTable() {
  std::array<ButtonEntry, kVideoPokerButtonCount> table{};
  for (auto& row : table) row = {kButtonHitOnly, 0, 0, {kNoFace, kNoFace, kNoFace}, 0, 0, 0, 0, 0};
  table[kButtonStatusBar] = {kButtonHitOnly, kStatusArea.x, kStatusArea.y, {kNoFace, kNoFace, kNoFace},
                             kStatusArea.width, kStatusArea.height, 1, 0, 0};
  table[kButtonHelp] = TextButton(0, 480, 452, 40);
  table[kButtonOptions] = TextButton(1, 524, 452, 47);
  table[kButtonExit] = TextButton(2, 590, 452, 40);
  for (int k = 0; k < 5; ++k) table[kButtonInsert1 + k] = Faced(kButtonInsert1 + k, 20, 100 + 40 * k, 64, 30);
  table[kButtonCashOut] = Faced(kButtonCashOut, 180, 395, 70, 26);
  table[kButtonBetOne] = Faced(kButtonBetOne, 380, 395, 70, 26);
  table[kButtonDeal] = Faced(kButtonDeal, 460, 395, 70, 26);
  table[kButtonBetMax] = Faced(kButtonBetMax, 540, 395, 70, 26);
  for (int n = 0; n < kHandCards; ++n) {
    table[kButtonHold1 + n] = Faced(kButtonHold1 + n, CardPlace(n).x, kHoldButtonY, kCardWidth, kHoldButtonHeight);
  }
  for (int k = 0; k < 3; ++k) table[kButtonCoinQuarter + k] = Faced(kButtonCoinQuarter + k, 560, 120 + 34 * k, 70, 26);
  return table;
}
inline constexpr std::array<ButtonEntry, kVideoPokerButtonCount> kVideoPokerButtonTable = MakeVideoPokerButtonTable();

constexpr bool IsHoldButton(int b) { return b >= kButtonHold1 && b < kButtonHold1 + kHandCards; }

extern ButtonEntry gVideoPokerButtons[kVideoPokerButtonCount];
void ResetVideoPokerButtons();
const char* ButtonHoverText(int button);

}  // namespace mz
