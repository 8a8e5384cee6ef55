// The Black Jack button table: 17 rows numbered as in the hit map, and the
// hover text of each. The program keeps a live copy (gBlackJackButtons); the
// Black Jack sheet (hx/art) paints the faces and the hit map from the same
// initial table.
#pragma once

#include <iterator>

#include "framework/shell/ButtonEntry.h"
#include "hx/BlackJackLayout.h"

namespace hx {

enum BlackJackButton : int {
  kButtonNone = 0,
  kButtonStatusBar = 1,
  kButtonOptions = 2,
  kButtonHelp = 3,
  kButtonBet1 = 4,  // .. 8: the $500 chip
  kButtonSplit = 9,
  kButtonDouble = 10,
  kButtonStand = 11,
  kButtonHit = 12,
  kButtonDeal = 13,
  kButtonRebet = 14,  // left: the old sum again; right: the top chip off
  kButtonExit = 15,
  kButtonNewGame = 16,
  kBlackJackButtonCount = 17,
};

inline constexpr Area kStatusBarArea = {6, 467, 580, 13};
// The bet circle the rebet button covers.
inline constexpr Area kRebetArea = {250, 222, 110, 110};

inline constexpr ButtonSource kNoFace = {kNoSource, kNoSource};

constexpr ButtonEntry HitOnly(Area area, int enabled) {
  return {kButtonHitOnly, area.x, area.y, {kNoFace, kNoFace, kNoFace}, area.width, area.height, enabled, 0, 0};
}

constexpr ButtonEntry Faced(std::int32_t kind, int x, int y, ButtonSource enabledFace, ButtonSource pressedFace,
                            int width, int height, int enabled) {
  return {kind, x, y, {kNoFace, enabledFace, pressedFace}, width, height, enabled, 0, 0};
}

inline constexpr ButtonEntry kBlackJackButtonTable[] = {
    HitOnly({0, 0, 0, 0}, 0),
    HitOnly(kStatusBarArea, 1),
    Faced(kButtonTransparent, 563, 451, kNoFace, {616, 535}, 47, 13, 1),
    Faced(kButtonTransparent, 521, 451, kNoFace, {574, 535}, 40, 12, 1),
    Faced(kButtonTransparent, 5, 342, {389, 481}, {389, 507}, kChipWidth, kChipHeight, 0),
    Faced(kButtonTransparent, 33, 364, {423, 481}, {423, 507}, kChipWidth, kChipHeight, 0),
    Faced(kButtonTransparent, 65, 385, {457, 481}, {457, 507}, kChipWidth, kChipHeight, 0),
    Faced(kButtonTransparent, 100, 402, {491, 481}, {491, 507}, kChipWidth, kChipHeight, 0),
    Faced(kButtonTransparent, 137, 414, {525, 481}, {525, 507}, kChipWidth, kChipHeight, 0),
    Faced(kButtonOpaque, 175, 424, {641, 1}, {641, 186}, 57, 36, 0),
    Faced(kButtonOpaque, 234, 424, {641, 38}, {641, 223}, 57, 36, 0),
    Faced(kButtonOpaque, 293, 424, {641, 75}, {641, 260}, 57, 36, 0),
    Faced(kButtonOpaque, 352, 424, {641, 112}, {641, 297}, 57, 36, 0),
    Faced(kButtonOpaque, 411, 424, {641, 149}, {641, 334}, 57, 36, 0),
    HitOnly(kRebetArea, 0),
    Faced(kButtonTransparent, 612, 451, kNoFace, {665, 535}, 25, 12, 1),
    Faced(kButtonOpaque, 175, 424, {1, 842}, {59, 842}, 57, 36, 0),
};
static_assert(std::size(kBlackJackButtonTable) == kBlackJackButtonCount, "one row per button");

// The picture of a chip of a pile: the chip button's enabled face.
constexpr ButtonSource ChipSprite(int chip) {
  return kBlackJackButtonTable[kButtonBet1 + chip].source[kButtonStateEnabled];
}

extern ButtonEntry gBlackJackButtons[kBlackJackButtonCount];
void ResetBlackJackButtons();
const char* ButtonHoverText(int button);

}  // namespace hx
