// Where everything of the Caribbean Poker table lies: the card places, the
// chip stacks, the banner and every sprite in the game picture. The client
// draws from these tables and the Caribbean sheet (gz/art) paints the
// picture from them. The card faces, backs and deal-flight frames lie where
// the Pai Gow picture has them, so their tables are shared.
#pragma once

#include <iterator>

#include "kw/PaiGowTableLayout.h"

namespace gz {

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
inline constexpr int kTableCards = 10;
// 0..4 the player's, overlapping; 5..9 the dealer's (9 the up card).
inline constexpr Point kCardPlaces[] = {{350, 260}, {370, 250}, {390, 240}, {410, 230}, {430, 220},
                                        {180, 60},  {240, 60},  {300, 60},  {360, 60},  {420, 60}};
static_assert(std::size(kCardPlaces) == kTableCards, "one place per card");
inline constexpr int kFirstDealerPlace = 5;
inline constexpr int kUpCardPlace = 9;

// ---- The deck: two looks that alternate after every hand ----
inline constexpr Point kDeckPlace = {37, 25};
inline constexpr int kDeckWidth = 83;
inline constexpr int kDeckHeight = 67;
inline constexpr int kDeckLooks = kw::kDeckDesigns;
// The first hand shows the second look.
inline constexpr int kFirstDeckLook = kw::kDeckDesignRed;
// Frames by step of the 10-step deal flight.
inline constexpr int kDealSteps = kw::kDealFlightSteps;
using kw::kFlyingFrameOfStep;
using kw::kFlyingFrameSources;
using kw::kCardBacks;
// Where gathered cards leave the table.
inline constexpr Point kGatherTarget = {160, 0};

// ---- Chips: the chip buttons' enabled faces and a half dollar ----
inline constexpr int kChipCount = 5;
inline constexpr int kChipValues[] = {1, 5, 25, 100, 500};
static_assert(std::size(kChipValues) == kChipCount, "one value per chip");
inline constexpr int kChipWidth = 32;
inline constexpr int kChipHeight = 24;
inline constexpr Point kHalfDollarChip = {355, 523};
// Chip faces: the enabled row, then the pressed row, 34 apart, right of the
// transparent pixel.
inline constexpr int kChipFacesX = 390;
inline constexpr int kChipFacesY = 482;
inline constexpr int kChipPressedY = 508;
inline constexpr int kChipFaceStep = 34;

// ---- Chip stacks ----
enum StackRow : int { kAnteRow = 0, kBetRow = 1, kAnteWinRow = 2, kBetWinRow = 3 };
inline constexpr Point kAnteSpot = {304, 236};
inline constexpr Point kBetSpot = {304, 320};
inline constexpr Point kAnteWinSpot = {260, 236};
inline constexpr Point kBetWinSpot = {260, 320};
// The moving stacks' work-bitmap corners (a chip's height + 60 above each spot).
inline constexpr Point kAnteWinFrom = {259, 176};
inline constexpr Point kAnteFrom = {303, 176};
inline constexpr Point kBetWinFrom = {259, 260};
inline constexpr Point kBetFrom = {303, 260};
inline constexpr Point kPaidTarget = {70, 400};
inline constexpr Point kTakenTarget = {200, -100};
// A win of this many chips or more shows the banner instead of a stack.
inline constexpr int kBannerChips = 16;

// ---- The banner and the text plate ----
inline constexpr Area kBannerSprite = {0, 878, 107, 85};
inline constexpr Point kBannerPlace = {183, 266};
inline constexpr Area kBannerArea = {173, 266, 127, 105};
inline constexpr Point kPlateSprite = {183, 523};
inline constexpr int kPlateWidth = 170;  // the longest text's width + 7 fits
inline constexpr Point kPlatePlace = {175, 349};
inline constexpr Point kWinTextPlace = {179, 350};

// ---- The lag meter: its strip lies below the chip faces ----
inline constexpr Point kLagStrip = {390, 534};
inline constexpr int kLagStripWidth = 41;
inline constexpr int kLagStripHeight = 7;

// ---- Fonts: left of the plate's row ----
inline constexpr int kFontAreaWidth = 180;
inline constexpr int kFontAreaTop = 482;

}  // namespace gz
