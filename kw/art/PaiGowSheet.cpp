#include "kw/art/PaiGowSheet.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "artwork/ButtonFace.h"
#include "artwork/CardTableSheet.h"
#include "artwork/Card.h"
#include "artwork/Chip.h"
#include "artwork/SheetItems.h"
#include "artwork/SheetRegistry.h"
#include "artwork/StandardColours.h"
#include "artwork/Text.h"
#include "kw/PaiGowButtons.h"
#include "kw/PaiGowFiles.h"
#include "kw/PaiGowFonts.h"
#include "kw/PaiGowTableLayout.h"
#include "kw/art/DeckArt.h"
#include "kw/art/PaiGowHelp.h"

namespace kw::art {

using namespace artwork;

namespace {

static_assert(kPictureKey == kKey, "the program leaves out the index the sprites are painted around");
static_assert(kCardFaces[kJokerId].x == kJokerFace.x && kCardFaces[kJokerId].y == kJokerFace.y);
static_assert(kJokerCard == kJokerId, "the toolkit draws the joker for the program's joker id");

constexpr Rect RectOf(Area a) { return {a.x, a.y, a.width, a.height}; }
constexpr Rect CardAt(Point p) { return {p.x, p.y, kCardWidth, kCardHeight}; }

constexpr ButtonLabel kPushButtons[] = {
    {kButtonDeal, "DEAL", kChipGreen}, {kButtonDone, "DONE", kBlue}, {kButtonNewGame, "NEW GAME", kOrange}};
constexpr int kPushStates[] = {kButtonStateEnabled, kButtonStatePressed};
// Shown by the table itself; a press lights them up.
constexpr ButtonLabel kTextButtons[] = {
    {kButtonOptions, "OPTIONS", kGreyDark}, {kButtonHelp, "HELP", kGreyDark}, {kButtonExit, "EXIT", kGreyDark}};

// ---- The table ----

constexpr CardTableButtons kButtons{kPaiGowButtonTable, kButtonBet1, kChipValues, kChipWidth, kChipHeight};
Rect ButtonArea(int button) { return artwork::ButtonArea(kButtons, button); }

// A chip the player cannot use yet: its colours seen through a grey veil.
void DrawGreyedChip(IndexedImage& image, const Rect& r, int value) {
  DrawChip(image, r, value);
  for (int y = r.y; y < r.y + r.h; ++y) {
    for (int x = r.x; x < r.x + r.w; ++x) {
      if (((x + y) & 1) != 0 && image.At(x, y) != kWoodDark) image.At(x, y) = kGreyDark;
    }
  }
}

void DrawTable(IndexedImage& image, const SheetItem&) {
  FillRect(image, {0, 0, kScreenWidth, kScreenHeight}, kWoodDark);
  FillRoundRect(image, {4, 4, 632, 414}, 44, kWood);
  FillRoundRect(image, {10, 10, 620, 402}, 40, kFelt);
  FrameRoundRect(image, {18, 18, 604, 386}, 34, kFeltLight);

  const TextStyle label{kYellow, kBlack, 1, 1};
  FrameRoundRect(image, CardAt(kDeckPlace), 5, kFeltLight);
  DrawTextCentred(image, {kDealerPlaces[0].x, 32, kDealerPlaces[kRowCards - 1].x + kCardWidth - kDealerPlaces[0].x, 11},
                  "DEALER", label);
  for (const Point slot : kSecondHandSlots) FrameRoundRect(image, CardAt(slot), 5, kFeltLight);
  DrawTextCentred(image,
                  {kSecondHandSlots[0].x, kSecondHandSlots[0].y - 14,
                   kSecondHandSlots[1].x + kCardWidth - kSecondHandSlots[0].x, 11},
                  "2ND HAND", label);
  const Rect ring{kBetArea.x, kBetPilePlace.y - 10, kBetArea.width, kChipHeight + 18};
  FillEllipse(image, ring, kFeltLight);
  FillEllipse(image, {ring.x + 2, ring.y + 2, ring.w - 4, ring.h - 4}, kFelt);
  DrawTextCentred(image, {420, 150, 200, 20}, "PAI GOW POKER", {kYellow, kBlack, 2, 1});

  // The chip tray: each chip in a recess, greyed until the balance allows it.
  for (int c = 0; c < kChipCount; ++c) {
    const Rect r = ButtonArea(kButtonBet1 + c);
    FillEllipse(image, {r.x - 3, r.y - 3, r.w + 6, r.h + 6}, kWoodDark);
    DrawGreyedChip(image, r, kChipValues[c]);
  }

  // The balance, the buttons, the status line and the player's field.
  FillRect(image, {16, 432, 84, 17}, kGold);
  FillRect(image, {17, 433, 82, 15}, kBlack);
  for (const ButtonLabel& b : kPushButtons) {
    if (b.button != kButtonNewGame) DrawButtonFace(image, ButtonArea(b.button), b.text, kButtonNormal, b.face);
  }
  FillRect(image, {0, 465, kScreenWidth, 1}, kGold);
  FillRect(image, {0, 466, kScreenWidth, 14}, kBlack);
  for (const ButtonLabel& b : kTextButtons) DrawTextButton(image, ButtonArea(b.button), b.text, b.face);
}

// ---- Sprites ----

void DrawTextStrip(IndexedImage& image, const SheetItem& item) {
  FillRect(image, item.area, kBlack);
  FillRect(image, {item.area.x, item.area.y, item.area.w, 1}, kGold);
  FillRect(image, {item.area.x, item.area.y + item.area.h - 1, item.area.w, 1}, kGold);
}

constexpr GlyphFont kFonts[] = {{kSmallFontLayout, kWhite, kBlack}, {kTextBoxFontLayout, kYellow, kBlack}};

std::vector<SheetItem> BuildItems() {
  std::vector<SheetItem> items;
  items.push_back({DrawTable, {0, 0, kScreenWidth, kScreenHeight}, 0, nullptr, 0});

  AddButtonSprites(items, kButtons, kPushButtons, kPushStates, kTextButtons);
  // Half a dollar: a gold chip reading 50.
  items.push_back({DrawChipSprite, {kFractionChipSprite.x, kFractionChipSprite.y, kChipWidth, kChipHeight}, 50,
                   nullptr, 0});

  for (int design = 0; design < kDeckDesigns; ++design) {
    items.push_back({DrawBack, CardAt(kCardBacks[design]), design, nullptr, 0});
    for (int frame = 0; frame < kFlyingFlat; ++frame) {
      items.push_back({DrawFlyingBack, RectOf(kFlyingFrameSources[design][frame]), design * 16 + frame, nullptr, 0});
    }
  }
  for (int id = 0; id < kDeckWithJoker; ++id) items.push_back({DrawCardItem, CardAt(kCardFaces[id]), id, nullptr, 0});

  items.push_back(
      {DrawTextStrip, {kTextStripSprite.x, kTextStripSprite.y, kTextStripWidth, kTextStripHeight}, 0, nullptr, 0});
  AddColourPixels(items, kTransparentPixel.x, kTransparentPixel.y, kKey, kTextColourPixel.x, kTextColourPixel.y,
                  kYellow);
  return items;
}

std::vector<SpriteArea> BuildSpriteAreas() {
  std::vector<SpriteArea> areas;
  AddButtonFaceAreas(areas, kButtons);
  areas.push_back({"0.50 chip", {kFractionChipSprite.x, kFractionChipSprite.y, kChipWidth, kChipHeight}});
  for (int design = 0; design < kDeckDesigns; ++design) {
    areas.push_back({"card back", CardAt(kCardBacks[design])});
    for (int frame = 0; frame < kFlyingFlat; ++frame) {
      areas.push_back({"flying frame", RectOf(kFlyingFrameSources[design][frame])});
    }
  }
  for (const Point face : kCardFaces) areas.push_back({"card face", CardAt(face)});
  areas.push_back({"text strip", {kTextStripSprite.x, kTextStripSprite.y, kTextStripWidth, kTextStripHeight}});
  AddFontAreas(areas, kFonts);
  AddColourPixelAreas(areas, kTransparentPixel.x, kTransparentPixel.y, kTextColourPixel.x, kTextColourPixel.y);
  return areas;
}

// Every button with an area, in button order.
std::vector<HitArea> BuildHitAreas() { return ButtonHitAreas(kButtons, 1, kPaiGowButtonCount); }

// The sounds of the Pai Gow table: the high and low hands won and lost, and
// the dealer's cards pushed together.
constexpr SoundRecipe kSounds[] = {
    {kSoundHighWon, SoundKind::kChime, 659, 880, 260},  {kSoundHighLost, SoundKind::kChime, 440, 330, 260},
    {kSoundLowWon, SoundKind::kChime, 784, 1047, 260},  {kSoundLowLost, SoundKind::kChime, 392, 294, 260},
    {kSoundMoveHand, SoundKind::kNoise, 5500, 0, 150},
};

[[maybe_unused]] const int kRegistered = RegisterSheet(PaiGowSheet);

}  // namespace

std::span<const SpriteArea> SpriteAreas() {
  static const std::vector<SpriteArea> areas = BuildSpriteAreas();
  return areas;
}

const Sheet& PaiGowSheet() {
  static const std::vector<SheetItem> items = BuildItems();
  static const std::vector<HitArea> areas = BuildHitAreas();
  static const Sheet sheet{kProgram, kPictureWidth, kPictureHeight, kKey,      items,         kFonts,
                           kHitMapFile, areas,       kSounds,        kHelpPage, PaiGowHelpPage};
  return sheet;
}

}  // namespace kw::art
