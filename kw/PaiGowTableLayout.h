// Where everything of the Pai Gow Poker table lies: the card places, piles
// and texts on the screen, and every sprite in the game picture. The client
// draws from these tables and the Pai Gow sheet (kw/art) paints the picture
// from them, so they are kept here once, free of any drawing or platform
// header.
#pragma once

#include <array>
#include <iterator>

#include "kw/Cards.h"

namespace kw {

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
inline constexpr int kPictureHeight = 971;
// The index the picture's sprites and fonts leave out, as painted.
inline constexpr int kPictureKey = 255;
// Colours read back from the picture at start-up.
inline constexpr Point kTransparentPixel = {699, 0};
inline constexpr Point kTextColourPixel = {699, 1};

// ---- Cards ----
inline constexpr int kCardWidth = 53;
inline constexpr int kCardHeight = 73;
// An overlapped card shows its left strip, which carries its rank and suit.
inline constexpr int kCardStripWidth = 19;

// Faces: the ranks two to ace across, the suits down, below the screen; the
// joker under the card backs.
inline constexpr int kFaceRowsY = 548;
inline constexpr Point kJokerFace = {641, 321};

constexpr Point CardFaceSource(int id) {
  if (id == kJokerId) return kJokerFace;
  return {kCardWidth * (CardRank(id) - 2), kFaceRowsY + kCardHeight * CardSuit(id)};
}

constexpr std::array<Point, kDeckWithJoker> MakeCardFaces() {
  std::array<Point, kDeckWithJoker> faces{};
  for (int id = 0; id < kDeckWithJoker; ++id) faces[id] = CardFaceSource(id);
  return faces;
}

// The face of each card id.
inline constexpr std::array<Point, kDeckWithJoker> kCardFaces = MakeCardFaces();

// ---- The deck: two back designs that alternate at each game ----
enum DeckDesign : int { kDeckDesignBlue = 0, kDeckDesignRed = 1, kDeckDesigns = 2 };

inline constexpr Point kDeckPlace = {41, 25};
// The plain back of each design, which also lands on the table.
inline constexpr Point kCardBacks[] = {{641, 173}, {641, 247}};
static_assert(std::size(kCardBacks) == kDeckDesigns, "one back per design");

// A flying card: turning over far from the table, then nearer, then flat.
enum FlyingFrame : int {
  kFlyingEdgeOn = 0,
  kFlyingTurned = 1,
  kFlyingTilted = 2,
  kFlyingFlat = 3,
  kFlyingFrames = 4,
};

inline constexpr Area kFlyingFrameSources[][kFlyingFrames] = {
    {{596, 841, 83, 67}, {504, 841, 91, 87}, {427, 840, 77, 89},
     {kCardBacks[kDeckDesignBlue].x, kCardBacks[kDeckDesignBlue].y, kCardWidth, kCardHeight}},
    {{344, 882, 83, 67}, {253, 882, 91, 87}, {176, 882, 77, 89},
     {kCardBacks[kDeckDesignRed].x, kCardBacks[kDeckDesignRed].y, kCardWidth, kCardHeight}},
};
static_assert(std::size(kFlyingFrameSources) == kDeckDesigns, "one frame row per design");

// The frame a card shows at each step of a 10-step flight.
inline constexpr int kDealFlightSteps = 10;
inline constexpr int kFlyingFrameOfStep[] = {0, 0, 1, 1, 2, 2, 3, 3, 3, 3};
static_assert(std::size(kFlyingFrameOfStep) == kDealFlightSteps, "one frame per step");

// ---- Chips: the state-1 faces of the chip buttons (kw/PaiGowButtons.h) ----
inline constexpr int kChipCount = 5;
inline constexpr int kChipValues[] = {1, 5, 25, 100, 500};
static_assert(std::size(kChipValues) == kChipCount, "one value per chip");
inline constexpr int kChipWidth = 32;
inline constexpr int kChipHeight = 24;
// A remainder below one dollar (a 0.50 win) adds this chip.
inline constexpr Point kFractionChipSprite = {352, 523};

// ---- Chip piles ----
enum ChipPile : int { kBetPile = 0, kWinPile = 1 };
inline constexpr int kJitterPiles = 12;
inline constexpr int kJitterChips = 20;
inline constexpr int kPileChipStep = 4;  // each chip stands 4 pixels above the one below
inline constexpr int kPileRise = 60;     // room above a pile's bottom chip
// Top-left corner of each pile's bottom chip.
inline constexpr Point kBetPilePlace = {304, 154};
inline constexpr Point kWinPilePlace = {185, 276};
// The bet pile's area, restored when the bet is taken.
inline constexpr Area kBetPileArea = {303, 94, kChipWidth + 2, kChipHeight + kPileRise};
// The bet circle under the pile: a click repeats the last bet, a right click
// takes a chip off.
inline constexpr Area kBetArea = {292, 120, 56, 66};

// ---- The player's cards ----
inline constexpr int kRowCards = 7;
inline constexpr Point kRowPlaces[] = {{120, 268}, {178, 295}, {236, 305}, {294, 309},
                                       {352, 305}, {410, 295}, {468, 268}};
static_assert(std::size(kRowPlaces) == kRowCards, "one place per row card");
inline constexpr int kSecondHandCards = 2;
inline constexpr Point kSecondHandSlots[] = {{269, 215}, {326, 215}};
static_assert(std::size(kSecondHandSlots) == kSecondHandCards, "one slot per 2nd-hand card");
// The 5-card hand laid out at the showdown, each card 19 pixels right of
// the one before.
inline constexpr int kHighHandCards = 5;
inline constexpr Point kPlayerHighPlace = {259, 305};

// ---- The dealer's cards ----
// As dealt: seven places 17 pixels apart, overlapping.
inline constexpr Point kDealerPlaces[] = {{236, 46}, {253, 46}, {270, 46}, {287, 46},
                                          {304, 46}, {321, 46}, {338, 46}};
static_assert(std::size(kDealerPlaces) == kRowCards, "one place per dealer card");
// After the deal: his 5-card hand and his 2-card hand, 19 pixels apart.
inline constexpr Point kDealerHighPlace = {168, 46};
inline constexpr Point kDealerLowPlace = {347, 46};
inline constexpr int kHandCardStep = kCardStripWidth;
// Where the swept cards leave the table.
inline constexpr Point kSweepTarget = {160, 0};

// ---- Texts ----
inline constexpr Point kWinTextPlace = {135, 310};
inline constexpr Point kInvalidHandTextPlace = {400, 290};
inline constexpr Area kInvalidHandArea = {390, 280, 200, 25};
// The backing strip of the text boxes, cut to each text's width.
inline constexpr Point kTextStripSprite = {5, 919};
inline constexpr int kTextStripWidth = 170;
inline constexpr int kTextBoxLeft = 4;  // the strip starts this far left of the text
inline constexpr int kTextBoxExtraWidth = 7;

}  // namespace kw
