// The Caribbean Poker button table: 15 rows numbered as in the hit map, and
// the hover text of each button. The program keeps a live copy
// (gCaribbeanButtons); the Caribbean sheet paints the faces and the hit map
// from the same initial table.
#pragma once

#include <iterator>

#include "framework/shell/ButtonEntry.h"
#include "gz/CaribbeanTableLayout.h"

namespace gz {

enum CaribbeanButton : int {
  kButtonNone = 0,
  kButtonInfoBar = 1,
  kButtonOptions = 2,
  kButtonHelp = 3,
  kButtonChip1 = 4,  // .. kButtonChip1 + 4: the $500 chip
  kButtonDeal = 9,
  kButtonSurrender = 10,
  kButtonCall = 11,
  kButtonAnteSpot = 12,
  kButtonExit = 13,
  kButtonNewGame = 14,  // on the Surrender button's place
  kCaribbeanButtonCount = 15,
};

inline constexpr Area kInfoBarArea = {6, 467, 580, 13};
inline constexpr Area kAnteSpotArea = {294, 222, 52, 44};

inline constexpr ButtonSource kNoFace = {kNoSource, kNoSource};

constexpr ButtonEntry HitOnly(Area area, int enabled) {
  return {kButtonHitOnly, area.x, area.y, {kNoFace, kNoFace, kNoFace}, area.width, area.height, enabled, 0, 0};
}

// A push button with a face for each state, in the right column of the
// picture: 57 x 24, three faces one under the other.
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

inline constexpr Point kSurrenderPlace = {462, 424};

inline constexpr ButtonEntry kCaribbeanButtonTable[] = {
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
    Push(kSurrenderPlace.x, kSurrenderPlace.y, {641, 76}),
    Push(524, 424, {641, 321}),
    HitOnly(kAnteSpotArea, 0),
    Text(613, 452, {525, 534}, 25),
    Push(kSurrenderPlace.x, kSurrenderPlace.y, {641, 396}),
};
static_assert(std::size(kCaribbeanButtonTable) == kCaribbeanButtonCount, "one row per button");

// The picture of a chip of a stack: the chip button's enabled face.
constexpr ButtonSource ChipSprite(int chip) {
  return kCaribbeanButtonTable[kButtonChip1 + chip].source[kButtonStateEnabled];
}

extern ButtonEntry gCaribbeanButtons[kCaribbeanButtonCount];
void ResetCaribbeanButtons();
// The status-line text over a button; null for 0, 12 and numbers outside.
const char* ButtonHoverText(int button);

}  // namespace gz
