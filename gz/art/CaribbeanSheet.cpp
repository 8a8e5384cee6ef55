#include "gz/art/CaribbeanSheet.h"

#include <vector>

#include "artwork/ButtonFace.h"
#include "artwork/CardTableSheet.h"
#include "artwork/Chip.h"
#include "artwork/SheetItems.h"
#include "artwork/SheetRegistry.h"
#include "artwork/StandardColours.h"
#include "artwork/Text.h"
#include "gz/CaribbeanButtons.h"
#include "gz/CaribbeanFiles.h"
#include "gz/CaribbeanFonts.h"
#include "gz/CaribbeanTableLayout.h"
#include "gz/art/CaribbeanHelp.h"
#include "kw/art/DeckArt.h"

namespace gz::art {

using namespace artwork;

namespace {

static_assert(kPictureKey == kKey, "the program leaves out the index the sprites are painted around");

constexpr Rect RectOf(Area a) { return {a.x, a.y, a.width, a.height}; }
constexpr Rect CardAt(Point p) { return {p.x, p.y, kCardWidth, kCardHeight}; }
constexpr Rect ChipAt(Point p) { return {p.x, p.y, kChipWidth, kChipHeight}; }

constexpr CardTableButtons kButtons{kCaribbeanButtonTable, kButtonChip1, kChipValues, kChipWidth, kChipHeight};
Rect ButtonArea(int button) { return artwork::ButtonArea(kButtons, button); }

constexpr ButtonLabel kPushButtons[] = {{kButtonDeal, "DEAL", kChipGreen},
                                        {kButtonSurrender, "FOLD", kRed},
                                        {kButtonCall, "BET", kBlue},
                                        {kButtonNewGame, "NEW", kOrange}};
constexpr int kPushStates[] = {kButtonStateNormal, kButtonStateEnabled, kButtonStatePressed};
constexpr ButtonLabel kTextButtons[] = {
    {kButtonOptions, "OPTIONS", kGreyDark}, {kButtonHelp, "HELP", kGreyDark}, {kButtonExit, "EXIT", kGreyDark}};

// A labelled ring under a stack spot.
void DrawSpot(IndexedImage& image, Point spot, const char* label) {
  const Rect ring{spot.x - 10, spot.y - 8, kChipWidth + 20, kChipHeight + 16};
  FillEllipse(image, ring, kFeltLight);
  FillEllipse(image, {ring.x + 2, ring.y + 2, ring.w - 4, ring.h - 4}, kFelt);
  DrawTextCentred(image, {ring.x, ring.y + ring.h + 1, ring.w, 11}, label, {kYellow, kBlack, 1, 1});
}

void DrawTable(IndexedImage& image, const SheetItem&) {
  FillRect(image, {0, 0, kScreenWidth, kScreenHeight}, kWoodDark);
  FillRoundRect(image, {4, 4, 632, 414}, 44, kWood);
  FillRoundRect(image, {10, 10, 620, 402}, 40, kFelt);
  FrameRoundRect(image, {18, 18, 604, 386}, 34, kFeltLight);
  const TextStyle label{kYellow, kBlack, 1, 1};
  DrawTextCentred(image, {kCardPlaces[kFirstDealerPlace].x, 44, 293, 11}, "DEALER", label);
  for (int place = kFirstDealerPlace; place < kTableCards; ++place) {
    FrameRoundRect(image, CardAt(kCardPlaces[place]), 5, kFeltLight);
  }
  DrawSpot(image, kAnteSpot, "ANTE");
  DrawSpot(image, kBetSpot, "BET");
  DrawTextCentred(image, {400, 330, 220, 20}, "CARIBBEAN POKER", {kYellow, kBlack, 2, 1});
  DrawTextCentred(image, {400, 354, 220, 11}, "DEALER QUALIFIES WITH ACE KING", {kGold, kBlack, 1, 0});

  for (int c = 0; c < kChipCount; ++c) {
    const Rect r = ButtonArea(kButtonChip1 + c);
    FillEllipse(image, {r.x - 3, r.y - 3, r.w + 6, r.h + 6}, kWoodDark);
    DrawChip(image, r, kChipValues[c]);
  }
  FillRect(image, {16, 432, 84, 17}, kGold);
  FillRect(image, {17, 433, 82, 15}, kBlack);
  FillRect(image, {0, 465, kScreenWidth, 1}, kGold);
  FillRect(image, {0, 466, kScreenWidth, 14}, kBlack);
  for (const ButtonLabel& b : kTextButtons) DrawTextButton(image, ButtonArea(b.button), b.text, b.face);
  // The push buttons' places show their normal faces from the start.
  for (const ButtonLabel& b : kPushButtons) {
    if (b.button != kButtonNewGame) DrawButtonFace(image, ButtonArea(b.button), b.text, kButtonNormal, b.face);
  }
}

void DrawBanner(IndexedImage& image, const SheetItem& item) {
  FillRoundRect(image, item.area, 10, kGold);
  FillRoundRect(image, {item.area.x + 3, item.area.y + 3, item.area.w - 6, item.area.h - 6}, 8, kDarkRed);
  DrawTextCentred(image, {item.area.x, item.area.y + 14, item.area.w, 20}, "BIG", {kYellow, kBlack, 2, 1});
  DrawTextCentred(image, {item.area.x, item.area.y + 44, item.area.w, 20}, "WIN!", {kYellow, kBlack, 2, 1});
}

void DrawPlate(IndexedImage& image, const SheetItem& item) {
  FillRect(image, item.area, kBlack);
  FillRect(image, {item.area.x, item.area.y, item.area.w, 1}, kGold);
  FillRect(image, {item.area.x, item.area.y + item.area.h - 1, item.area.w, 1}, kGold);
}

constexpr GlyphFont kFonts[] = {{kSmallFontLayout, kWhite, kBlack}, {kPlateFontLayout, kYellow, kBlack}};

std::vector<SheetItem> BuildItems() {
  std::vector<SheetItem> items;
  items.push_back({DrawTable, {0, 0, kScreenWidth, kScreenHeight}, 0, nullptr, 0});
  AddButtonSprites(items, kButtons, kPushButtons, kPushStates, kTextButtons);
  items.push_back({DrawChipSprite, ChipAt(kHalfDollarChip), 50, nullptr, 0});
  for (int look = 0; look < kDeckLooks; ++look) {
    items.push_back({kw::art::DrawBack, CardAt(kCardBacks[look]), look, nullptr, 0});
    for (int frame = 0; frame < kw::kFlyingFlat; ++frame) {
      items.push_back({kw::art::DrawFlyingBack, RectOf(kFlyingFrameSources[look][frame]), look * 16 + frame, nullptr,
                       0});
    }
  }
  for (int id = 0; id < kDeckCards; ++id) items.push_back({DrawCardItem, CardAt(kCardFaces[id]), id, nullptr, 0});
  items.push_back({DrawBanner, RectOf(kBannerSprite), 0, nullptr, 0});
  items.push_back({DrawPlate, {kPlateSprite.x, kPlateSprite.y, kPlateWidth, kPlateHeight}, 0, nullptr, 0});
  items.push_back({DrawLagStrip, {kLagStrip.x, kLagStrip.y, kLagStripWidth, kLagStripHeight}, 0, nullptr, 0});
  AddColourPixels(items, kTransparentPixel.x, kTransparentPixel.y, kKey, kTextColourPixel.x, kTextColourPixel.y,
                  kWhite);
  return items;
}

std::vector<SpriteArea> BuildSpriteAreas() {
  std::vector<SpriteArea> areas;
  AddButtonFaceAreas(areas, kButtons);
  areas.push_back({"half-dollar chip", ChipAt(kHalfDollarChip)});
  for (int look = 0; look < kDeckLooks; ++look) {
    areas.push_back({"card back", CardAt(kCardBacks[look])});
    for (int frame = 0; frame < kw::kFlyingFlat; ++frame) {
      areas.push_back({"flying frame", RectOf(kFlyingFrameSources[look][frame])});
    }
  }
  for (int id = 0; id < kDeckCards; ++id) areas.push_back({"card face", CardAt(kCardFaces[id])});
  areas.push_back({"banner", RectOf(kBannerSprite)});
  areas.push_back({"text plate", {kPlateSprite.x, kPlateSprite.y, kPlateWidth, kPlateHeight}});
  areas.push_back({"lag meter", {kLagStrip.x, kLagStrip.y, kLagStripWidth, kLagStripHeight}});
  AddFontAreas(areas, kFonts);
  AddColourPixelAreas(areas, kTransparentPixel.x, kTransparentPixel.y, kTextColourPixel.x, kTextColourPixel.y);
  return areas;
}

// Buttons 1 to 13; "Start a new game" uses the Surrender button's area.
std::vector<HitArea> BuildHitAreas() { return ButtonHitAreas(kButtons, 1, kButtonNewGame); }

// The dealer's call for the ante and his "does not qualify".
constexpr SoundRecipe kSounds[] = {
    {kSoundAnte, SoundKind::kChime, 587, 784, 300},
    {kSoundNotQualified, SoundKind::kChime, 494, 392, 350},
};

[[maybe_unused]] const int kRegistered = RegisterSheet(CaribbeanSheet);

}  // namespace

std::span<const SpriteArea> SpriteAreas() {
  static const std::vector<SpriteArea> areas = BuildSpriteAreas();
  return areas;
}

const Sheet& CaribbeanSheet() {
  static const std::vector<SheetItem> items = BuildItems();
  static const std::vector<HitArea> areas = BuildHitAreas();
  static const Sheet sheet{kProgram, kPictureWidth, kPictureHeight, kKey,      items,         kFonts,
                           kHitMapFile, areas,       kSounds,        kHelpPage, CaribbeanHelpPage};
  return sheet;
}

}  // namespace gz::art
