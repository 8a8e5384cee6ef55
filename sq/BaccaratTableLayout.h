// Where everything of the Baccarat table lies: the card places, the chip
// stacks, the totals and every sprite in the game picture. The client draws
// from these tables and the Baccarat sheet (sq/art) paints the picture from
// them. Card faces and backs lie where the Pai Gow picture has them.
#pragma once

#include <iterator>

#include "kw/PaiGowTableLayout.h"

namespace sq {

using kw::Area;
using kw::Point;

// ---- The picture ----
inline constexpr int kPictureWidth = 700;
inline constexpr int kPictureHeight = 971;
inline constexpr int kPictureKey = 255;
inline constexpr Point kTextColourPixel = {0, 481};
inline constexpr Point kTransparentPixel = {385, 508};

// ---- Cards ----
using kw::kCardFaces;
using kw::kCardHeight;
using kw::kCardWidth;
inline constexpr int kDeckCards = 52;
// The back a flying card shows.
inline constexpr Point kCardBack = kw::kCardBacks[kw::kDeckDesignBlue];
inline constexpr Point kShoePlace = {480, 97};
inline constexpr int kShoeWidth = 90;
inline constexpr int kShoeHeight = 80;
// Player 1, 2, 3, Banker 1, 2, 3.
inline constexpr int kTableCards = 6;
inline constexpr Point kCardPlaces[] = {{171, 294}, {187, 305}, {203, 316}, {352, 294}, {368, 305}, {384, 316}};
static_assert(std::size(kCardPlaces) == kTableCards, "one place per card");
inline constexpr Point kDiscardPoint = {420, 0};

// ---- Chips: faces of the chip buttons, and a fraction chip ----
using kw::kChipCount;
using kw::kChipHeight;
using kw::kChipValues;
using kw::kChipWidth;
inline constexpr Point kFractionChip = {351, 523};
// Chip faces: the enabled row, then the pressed row, 34 apart, right of the
// transparent pixel.
inline constexpr int kChipFacesX = 390;
inline constexpr int kChipFacesY = 482;
inline constexpr int kChipPressedY = 508;
inline constexpr int kChipFaceStep = 34;

// ---- The chip selector: a 24 x 24 marker above the selected chip ----
inline constexpr int kSelectorSize = 24;
inline constexpr Point kSelectorSprite = {570, 482};
inline constexpr Point kSelectorOffset = {4, -26};

// ---- Stakes and wins: Player, Banker, Tie ----
enum BetArea : int { kAreaPlayer = 0, kAreaBanker = 1, kAreaTie = 2, kBetAreas = 3 };
inline constexpr Point kStakeSpots[] = {{258, 246}, {286, 204}, {313, 157}};
inline constexpr Point kStakeAreas[] = {{257, 186}, {285, 144}, {312, 97}};
inline constexpr Point kWinSpots[] = {{299, 260}, {324, 218}, {350, 170}};
inline constexpr Point kWinAreas[] = {{298, 200}, {323, 158}, {349, 110}};
inline constexpr int kStackAreaWidth = kChipWidth + 2;
inline constexpr int kStackAreaHeight = kChipHeight + 60;
inline constexpr Point kPlayerSide = {553, 332};
inline constexpr Point kHouse = {280, -50};
// The work bitmap of a moving stack.
inline constexpr int kStackBitmapWidth = 34;
inline constexpr int kStackBitmapHeight = kChipHeight + 64;

// ---- Totals ----
inline constexpr Point kTwoCardTotals[] = {{195, 383}, {375, 383}};
inline constexpr Point kThreeCardTotals[] = {{210, 393}, {390, 393}};
inline constexpr Area kTotalErase = {-4, -1, 95, 20};
// The backing strip under table texts: a plain part of the table.
inline constexpr Point kBackingStrip = {0, 50};

// ---- The lag meter: its strip lies below the chip faces ----
inline constexpr Point kLagStrip = {390, 534};
inline constexpr int kLagStripWidth = 41;
inline constexpr int kLagStripHeight = 7;

// ---- The font: left of the fraction chip, above the card faces ----
inline constexpr int kFontAreaWidth = 180;
inline constexpr int kFontAreaTop = 482;

}  // namespace sq
