// The Baccarat button table: 15 rows numbered as in the hit map, and the
// hover text of each button. The program keeps a live copy
// (gBaccaratButtons); the Baccarat sheet paints the faces and the hit map
// from the same initial table.
#pragma once

#include <iterator>

#include "framework/shell/ButtonEntry.h"
#include "sq/BaccaratTableLayout.h"

namespace sq {

enum BaccaratButton : int {
  kButtonNone = 0,
  kButtonInfoBar = 1,
  kButtonOptions = 2,
  kButtonHelp = 3,
  kButtonChip1 = 4,  // .. kButtonChip1 + 4: the $500 chip
  kButtonDeal = 9,
  kButtonPlayer = 10,
  kButtonBanker = 11,
  kButtonTie = 12,
  kButtonExit = 13,
  kButtonNewGame = 14,
  kBaccaratButtonCount = 15,
};

inline constexpr Area kInfoBarArea = {6, 467, 580, 13};
// The bet areas around the stake stacks' bottom chips.
inline constexpr Area kPlayerArea = {238, 236, 72, 44};
inline constexpr Area kBankerArea = {266, 194, 72, 40};
inline constexpr Area kTieArea = {293, 147, 72, 45};

inline constexpr ButtonSource kNoFace = {kNoSource, kNoSource};

constexpr ButtonEntry HitOnly(Area area, int enabled) {
  return {kButtonHitOnly, area.x, area.y, {kNoFace, kNoFace, kNoFace}, area.width, area.height, enabled, 0, 0};
}

// A push button: 57 x 24, three faces one under the other.
inline constexpr int kPushWidth = 57;
inline constexpr int kPushHeight = 24;
constexpr ButtonEntry Push(int x, int y, ButtonSource first) {
  return {kButtonOpaque, x, y,
          {first, {first.x, first.y + kPushHeight + 1}, {first.x, first.y + 2 * (kPushHeight + 1)}},
          kPushWidth, kPushHeight, 0, 0, 0};
}

// A text the table shows; a press lights it up.
constexpr ButtonEntry Text(int x, int y, ButtonSource lit, int width) {
  return {kButtonTransparent, x, y, {kNoFace, kNoFace, lit}, width, 12, 1, 0, 0};
}

constexpr ButtonEntry Chip(int chip) {
  return {kButtonTransparent,
          110 + 36 * chip,
          428,
          {kNoFace,
           {kChipFacesX + kChipFaceStep * chip, kChipFacesY},
           {kChipFacesX + kChipFaceStep * chip, kChipPressedY}},
          kChipWidth,
          kChipHeight,
          0,
          0,
          0};
}

inline constexpr ButtonEntry kBaccaratButtonTable[] = {
    HitOnly({0, 0, 0, 0}, 0),
    HitOnly(kInfoBarArea, 1),
    Text(522, 452, {440, 534}, 47),
    Text(574, 452, {488, 534}, 36),
    Chip(0),
    Chip(1),
    Chip(2),
    Chip(3),
    Chip(4),
    Push(400, 424, {641, 1}),
    HitOnly(kPlayerArea, 0),
    HitOnly(kBankerArea, 0),
    HitOnly(kTieArea, 0),
    Text(613, 452, {525, 534}, 25),
    Push(462, 424, {641, 76}),
};
static_assert(std::size(kBaccaratButtonTable) == kBaccaratButtonCount, "one row per button");

// The picture of a chip of a stack: the chip button's enabled face.
constexpr ButtonSource ChipSprite(int chip) {
  return kBaccaratButtonTable[kButtonChip1 + chip].source[kButtonStateEnabled];
}

// The bet area of a button 10..12.
constexpr int AreaOfButton(int button) { return button - kButtonPlayer; }

extern ButtonEntry gBaccaratButtons[kBaccaratButtonCount];
void ResetBaccaratButtons();
// The status-line text over a button; null for 0 and numbers outside.
const char* ButtonHoverText(int button);

}  // namespace sq
