// The Pai Gow Poker button table: 23 rows numbered as in the hit map, and
// the hover text of each button. The program keeps a live copy
// (gPaiGowButtons); the Pai Gow sheet (kw/art) paints the faces and the hit
// map from the same initial table. Rows that are only hit-tested carry the
// area they cover, so the hit map comes from this table too.
#pragma once

#include <iterator>

#include "framework/shell/ButtonEntry.h"
#include "kw/PaiGowTableLayout.h"

namespace kw {

enum PaiGowButton : int {
  kButtonNone = 0,
  kButtonInfoBar = 1,
  kButtonOptions = 2,
  kButtonHelp = 3,
  kButtonBet1 = 4,  // .. kButtonBet1 + 4: the $500 chip
  kButtonDeal = 9,
  kButtonDone = 10,
  kButtonNewGame = 11,
  kButtonBetArea = 12,
  kButtonExit = 13,
  kButtonRowCard1 = 14,  // .. 20: the seven row cards
  kButtonSlot1 = 21,
  kButtonSlot2 = 22,
  kPaiGowButtonCount = 23,
};

// The status line, where the info bar lies.
inline constexpr Area kInfoBarArea = {6, 467, 580, 13};

inline constexpr ButtonSource kNoFace = {kNoSource, kNoSource};

// Never drawn: an area of the hit map only.
constexpr ButtonEntry HitOnly(Area area, int enabled) {
  return {kButtonHitOnly, area.x, area.y, {kNoFace, kNoFace, kNoFace}, area.width, area.height, enabled, 0, 0};
}

// Drawn from the picture when enabled or pressed; the table itself shows
// the normal state.
constexpr ButtonEntry Faced(std::int32_t kind, int x, int y, ButtonSource enabledFace, ButtonSource pressedFace,
                            int width, int height, int enabled) {
  return {kind, x, y, {kNoFace, enabledFace, pressedFace}, width, height, enabled, 0, 0};
}

constexpr ButtonEntry CardButton(Point place) {
  return HitOnly({place.x, place.y, kCardWidth, kCardHeight}, 0);
}

// The table as the program starts with it.
inline constexpr ButtonEntry kPaiGowButtonTable[] = {
    HitOnly({0, 0, 0, 0}, 0),
    HitOnly(kInfoBarArea, 1),
    Faced(kButtonTransparent, 564, 452, kNoFace, {616, 535}, 47, 13, 1),
    Faced(kButtonTransparent, 522, 452, kNoFace, {574, 535}, 40, 12, 1),
    Faced(kButtonTransparent, 4, 342, {385, 482}, {385, 508}, kChipWidth, kChipHeight, 0),
    Faced(kButtonTransparent, 32, 365, {419, 482}, {419, 508}, kChipWidth, kChipHeight, 0),
    Faced(kButtonTransparent, 64, 385, {453, 482}, {453, 508}, kChipWidth, kChipHeight, 0),
    Faced(kButtonTransparent, 99, 402, {487, 482}, {487, 508}, kChipWidth, kChipHeight, 0),
    Faced(kButtonTransparent, 136, 415, {521, 482}, {521, 508}, kChipWidth, kChipHeight, 0),
    Faced(kButtonOpaque, 204, 421, {641, 1}, {641, 38}, 57, 36, 0),
    Faced(kButtonOpaque, 378, 421, {641, 75}, {641, 112}, 57, 36, 0),
    Faced(kButtonOpaque, 263, 421, {1, 841}, {115, 841}, 113, 36, 0),
    HitOnly(kBetArea, 0),
    Faced(kButtonTransparent, 613, 452, kNoFace, {665, 535}, 25, 12, 1),
    CardButton(kRowPlaces[0]),
    CardButton(kRowPlaces[1]),
    CardButton(kRowPlaces[2]),
    CardButton(kRowPlaces[3]),
    CardButton(kRowPlaces[4]),
    CardButton(kRowPlaces[5]),
    CardButton(kRowPlaces[6]),
    CardButton(kSecondHandSlots[0]),
    CardButton(kSecondHandSlots[1]),
};
static_assert(std::size(kPaiGowButtonTable) == kPaiGowButtonCount, "one row per button");
static_assert(kButtonRowCard1 + kRowCards == kButtonSlot1, "the row cards come before the slots");
static_assert(kButtonSlot1 + kSecondHandCards == kPaiGowButtonCount, "the slots end the table");

// The picture of a chip of a pile: the chip button's enabled face.
constexpr ButtonSource ChipSprite(int chip) {
  return kPaiGowButtonTable[kButtonBet1 + chip].source[kButtonStateEnabled];
}

// The live table the shell draws and enables (GameDefinition::buttons).
extern ButtonEntry gPaiGowButtons[kPaiGowButtonCount];
// Puts the initial table back (start of a run).
void ResetPaiGowButtons();

// The text the status line shows while the pointer is over a button; null
// for button 0 and for numbers outside the table.
const char* ButtonHoverText(int button);

}  // namespace kw
