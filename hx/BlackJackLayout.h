// Where everything of the Black Jack table lies: the card rows, piles,
// captions and texts on the screen, and every sprite in the game picture.
// The client draws from these tables and the Black Jack sheet (hx/art)
// paints the picture from them; no drawing or platform header here.
#pragma once

#include <iterator>

#include "hx/CardList.h"

namespace hx {

struct Point {
  int x;
  int y;
};

struct Area {
  int x;
  int y;
  int width;
  int height;
};

// ---- The picture: the screen, then the sprites right of and below it ----
inline constexpr int kPictureWidth = 700;
inline constexpr int kPictureHeight = 940;
inline constexpr int kPictureKey = 255;
// The chips' and cards' key colour: a pixel of the $1 chip's pressed face.
inline constexpr Point kChipKeyPixel = {389, 507};
// The pointer's and marks' key colour: the first pointer frame's corner.
inline constexpr Point kPointerKeyPixel = {1, 525};

// ---- Cards ----
inline constexpr int kCardWidth = 53;
inline constexpr int kCardHeight = 73;
// Face rows by suit; the value runs across.
inline constexpr int kFaceRowY[kSuits] = {767, 621, 694, 548};
inline constexpr Point kCardBackSource = {640, 420};
// Entry 0 is the back; card {suit, value} is entry suit * 13 + value.
inline constexpr int kCardPictures = 53;

constexpr int CardPictureIndex(int suit, int value) { return suit * kKingValue + value; }
constexpr Point CardFaceSource(int suit, int value) {
  return {kCardWidth * (value - 1), kFaceRowY[suit]};
}

// ---- Rows of cards on the table ----
enum CardRow : int { kRowSingle = 0, kRowFirstSplit = 1, kRowSecondSplit = 2, kRowDealer = 3, kCardRows = 4 };
struct RowPlace {
  Point first;
  int stepX;
  int stepY;
};
inline constexpr RowPlace kRowPlaces[kCardRows] = {
    {{358, 240}, 18, -10}, {{438, 210}, 18, -10}, {{118, 210}, 18, -10}, {{288, 50}, 18, 0}};
constexpr Point CardPlace(int row, int n) {
  return {kRowPlaces[row].first.x + kRowPlaces[row].stepX * n, kRowPlaces[row].first.y + kRowPlaces[row].stepY * n};
}
// The deck cards leave from, the discard they end in.
inline constexpr Point kDeckPoint = {505, 0};
inline constexpr Point kDiscardPoint = {20, 10};
// The back beside the dealer's first card, and the dealer's caption then.
inline constexpr Point kDealerBackPlace = {306, 50};
inline constexpr Point kDealerCaptionWithBack = {367, 50};
// A caption stands this far right of its row's newest card.
inline constexpr int kCaptionOffset = 61;

// Flight steps with the animations on.
inline constexpr int kDealSteps = 11;
inline constexpr int kSplitSteps = 10;
inline constexpr int kSweepSteps = 5;
inline constexpr int kBackDiscardSteps = 11;
inline constexpr int kChipFlightSteps = 10;
// The split's two flights.
inline constexpr Point kSplitSecondFrom = {376, 230};
inline constexpr Point kSplitFirstFrom = {358, 240};

// ---- Chips ----
inline constexpr int kChipCount = 5;
inline constexpr int kChipValues[kChipCount] = {1, 5, 25, 100, 500};
inline constexpr int kChipWidth = 32;
inline constexpr int kChipHeight = 24;
inline constexpr int kPileRise = 60;

// The six piles of the client record, in its order.
enum Pile : int {
  kPileFirstStake = 0,
  kPileFirstDouble = 1,
  kPileSecondStake = 2,
  kPileSecondDouble = 3,
  kPileInsurance = 4,
  kPileSecondInsurance = 5,
  kPiles = 6,
};
// Bottom chip's top-left of each pile without and with a second hand;
// {-1, -1}: not on the table.
inline constexpr Point kPilePlaces[kPiles] = {{301, 290}, {260, 308}, {-1, -1}, {-1, -1}, {270, 215}, {-1, -1}};
inline constexpr Point kSplitPilePlaces[kPiles] = {{339, 308}, {379, 308}, {263, 308},
                                                   {223, 308}, {455, 150}, {150, 150}};
// Where each pile's win lands, clear of the cards: below the hand piles,
// outside the insurance piles.
inline constexpr Point kWinPlaces[kPiles] = {{301, 334}, {260, 352}, {-1, -1}, {-1, -1}, {236, 215}, {-1, -1}};
inline constexpr Point kSplitWinPlaces[kPiles] = {{339, 350}, {379, 350}, {263, 350},
                                                  {223, 350}, {491, 150}, {114, 150}};
// The chip work bitmap: twelve 34-pixel columns, piles then wins.
inline constexpr int kChipColumns = 12;
inline constexpr int kChipColumnWidth = 34;
inline constexpr int kChipBitmapWidth = kChipColumns * kChipColumnWidth;
inline constexpr int kChipBitmapHeight = 88;
// Where flights of chips leave to and come from.
// The dealer's side lies above the screen, except on platform id 0
// (Win32s), whose chips leave to and come from the top edge.
inline constexpr Point kDealerSide = {165, -84};
inline constexpr Point kDealerSideWin32s = {165, 0};
constexpr Point DealerSide(unsigned platformId) { return platformId == 0 ? kDealerSideWin32s : kDealerSide; }
inline constexpr Point kPlayerSide = {70, 336};
inline constexpr int kJitterPiles = 12;

// ---- The hand pointer and the result marks ----
inline constexpr Point kPointerSource = {1, 525};
inline constexpr int kPointerSize = 19;
inline constexpr int kPointerFrames = 8;
inline constexpr int kPointerFrameStep = 23;
inline constexpr int kPointerFirstX = 453;
inline constexpr int kPointerSecondX = 133;
inline constexpr int kPointerY = 306;
inline constexpr int kPointerBounce[] = {0, 3, 6, 8, 9, 10, 10, 9, 8, 6, 3};
inline constexpr int kPointerBounces = static_cast<int>(std::size(kPointerBounce));

// ---- Texts ----
inline constexpr Point kMoneyPlace = {18, 442};
inline constexpr Point kTextStripSource = {203, 528};
inline constexpr int kTextStripWidth = 180;
// The link-lag meter at (0, 458) and its strip, below the button faces.
inline constexpr Point kLagStrip = {641, 378};
inline constexpr int kLagStripWidth = 41;
inline constexpr int kLagStripHeight = 7;
inline constexpr Point kWinTextPlace = {340, 250};
inline constexpr Point kFirstWinTextPlace = {420, 220};
inline constexpr Point kSecondWinTextPlace = {100, 220};
// The lower text box stands this far below its place.
inline constexpr int kLowerBoxDrop = 70;
// The area of the deal restored at the end of a game.
inline constexpr Area kDealArea = {100, 40, 460, 290};

}  // namespace hx
