#include "sq/art/BaccaratSheet.h"

#include <vector>

#include "artwork/ButtonFace.h"
#include "artwork/CardTableSheet.h"
#include "artwork/Chip.h"
#include "artwork/SheetItems.h"
#include "artwork/SheetRegistry.h"
#include "artwork/StandardColours.h"
#include "artwork/Text.h"
#include "kw/art/DeckArt.h"
#include "sq/BaccaratButtons.h"
#include "sq/BaccaratFiles.h"
#include "sq/BaccaratFonts.h"
#include "sq/BaccaratTableLayout.h"
#include "sq/art/BaccaratHelp.h"

namespace sq::art {

using namespace artwork;

namespace {

static_assert(kPictureKey == kKey, "the program leaves out the index the sprites are painted around");

constexpr Rect CardAt(Point p) { return {p.x, p.y, kCardWidth, kCardHeight}; }
constexpr Rect ChipAt(Point p) { return {p.x, p.y, kChipWidth, kChipHeight}; }

constexpr CardTableButtons kButtons{kBaccaratButtonTable, kButtonChip1, kChipValues, kChipWidth, kChipHeight};
Rect ButtonArea(int button) { return artwork::ButtonArea(kButtons, button); }

constexpr ButtonLabel kPushButtons[] = {{kButtonDeal, "DEAL", kChipGreen}, {kButtonNewGame, "NEW", kOrange}};
constexpr int kPushStates[] = {kButtonStateNormal, kButtonStateEnabled, kButtonStatePressed};
constexpr ButtonLabel kTextButtons[] = {
    {kButtonOptions, "OPTIONS", kGreyDark}, {kButtonHelp, "HELP", kGreyDark}, {kButtonExit, "EXIT", kGreyDark}};
constexpr ButtonLabel kAreaLabels[] = {
    {kButtonPlayer, "PLAYER", kBlue}, {kButtonBanker, "BANKER", kDarkRed}, {kButtonTie, "TIE 8:1", kPurple}};

// A bet area: a ring in the side's colour, its name beside the stack.
void DrawBetArea(IndexedImage& image, const ButtonLabel& label) {
  const Rect r = ButtonArea(label.button);
  FillEllipse(image, r, kFeltLight);
  FillEllipse(image, {r.x + 2, r.y + 2, r.w - 4, r.h - 4}, label.face);
  FillEllipse(image, {r.x + 6, r.y + 5, r.w - 12, r.h - 10}, kFelt);
  DrawTextCentred(image, {r.x - 70, r.y + r.h / 2 - 5, 66, 11}, label.text, {kYellow, kBlack, 1, 1});
}

void DrawTable(IndexedImage& image, const SheetItem&) {
  // The table runs on past the screen's left edge: the backing strip of the
  // table's texts at the left edge is then plain felt of the table itself,
  // and no rail or line crosses it.
  FillRect(image, {0, 0, kScreenWidth, kScreenHeight}, kWoodDark);
  FillRoundRect(image, {-60, 4, 696, 414}, 44, kWood);
  FillRoundRect(image, {-54, 10, 684, 402}, 40, kFelt);
  FrameRoundRect(image, {-46, 18, 668, 386}, 34, kFeltLight);
  for (const ButtonLabel& area : kAreaLabels) DrawBetArea(image, area);
  // The shoe.
  FillRoundRect(image, {kShoePlace.x - 4, kShoePlace.y - 4, kShoeWidth, kShoeHeight}, 8, kWoodDark);
  FillRect(image, {kShoePlace.x, kShoePlace.y, kCardWidth, kCardHeight}, kCardEdge);
  FillRect(image, {kShoePlace.x + 2, kShoePlace.y + 2, kCardWidth - 4, kCardHeight - 4}, kDarkBlue);
  DrawTextCentred(image, {40, 60, 200, 20}, "BACCARAT", {kYellow, kBlack, 2, 1});
  DrawTextCentred(image, {40, 84, 200, 11}, "BANKER PAYS 19 TO 20", {kGold, kBlack, 1, 0});

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
  DrawButtonFace(image, ButtonArea(kButtonDeal), "DEAL", kButtonNormal, kChipGreen);
}

// The selector: a yellow arrow pointing down at the chip.
void DrawSelector(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  for (int row = 0; row < r.h; ++row) {
    const int half = row < r.h / 2 ? 3 : (r.h - 1 - row);
    FillRect(image, {r.x + r.w / 2 - half, r.y + row, 2 * half + 1, 1}, row % 2 ? kYellow : kGold);
  }
}

constexpr GlyphFont kFonts[] = {{kSmallFontLayout, kWhite, kBlack}};

std::vector<SheetItem> BuildItems() {
  std::vector<SheetItem> items;
  items.push_back({DrawTable, {0, 0, kScreenWidth, kScreenHeight}, 0, nullptr, 0});
  AddButtonSprites(items, kButtons, kPushButtons, kPushStates, kTextButtons);
  items.push_back({DrawChipSprite, ChipAt(kFractionChip), 50, nullptr, 0});
  items.push_back({DrawSelector, {kSelectorSprite.x, kSelectorSprite.y, kSelectorSize, kSelectorSize}, 0, nullptr, 0});
  items.push_back({kw::art::DrawBack, CardAt(kCardBack), kw::kDeckDesignBlue, nullptr, 0});
  for (int id = 0; id < kDeckCards; ++id) items.push_back({DrawCardItem, CardAt(kCardFaces[id]), id, nullptr, 0});
  items.push_back({DrawLagStrip, {kLagStrip.x, kLagStrip.y, kLagStripWidth, kLagStripHeight}, 0, nullptr, 0});
  AddColourPixels(items, kTransparentPixel.x, kTransparentPixel.y, kKey, kTextColourPixel.x, kTextColourPixel.y, kWhite);
  return items;
}

std::vector<SpriteArea> BuildSpriteAreas() {
  std::vector<SpriteArea> areas;
  AddButtonFaceAreas(areas, kButtons);
  areas.push_back({"fraction chip", ChipAt(kFractionChip)});
  areas.push_back({"chip selector", {kSelectorSprite.x, kSelectorSprite.y, kSelectorSize, kSelectorSize}});
  areas.push_back({"card back", CardAt(kCardBack)});
  for (int id = 0; id < kDeckCards; ++id) areas.push_back({"card face", CardAt(kCardFaces[id])});
  areas.push_back({"lag meter", {kLagStrip.x, kLagStrip.y, kLagStripWidth, kLagStripHeight}});
  AddFontAreas(areas, kFonts);
  AddColourPixelAreas(areas, kTransparentPixel.x, kTransparentPixel.y, kTextColourPixel.x, kTextColourPixel.y);
  return areas;
}

// Buttons 1 to 14.
std::vector<HitArea> BuildHitAreas() { return ButtonHitAreas(kButtons, 1, kBaccaratButtonCount); }

// The croupier's calls.
constexpr SoundRecipe kSounds[] = {
    {kSoundBankerWins, SoundKind::kChime, 659, 880, 450},  {kSoundTieWins, SoundKind::kChime, 587, 587, 450},
    {kSoundPlayerCard, SoundKind::kChime, 523, 659, 250},  {kSoundBankerCard, SoundKind::kChime, 659, 523, 250},
    {kSoundPlayerHas, SoundKind::kChime, 523, 698, 300},   {kSoundBankerHas, SoundKind::kChime, 698, 523, 300},
};

[[maybe_unused]] const int kRegistered = RegisterSheet(BaccaratSheet);

}  // namespace

std::span<const SpriteArea> SpriteAreas() {
  static const std::vector<SpriteArea> areas = BuildSpriteAreas();
  return areas;
}

const Sheet& BaccaratSheet() {
  static const std::vector<SheetItem> items = BuildItems();
  static const std::vector<HitArea> areas = BuildHitAreas();
  static const Sheet sheet{kProgram, kPictureWidth, kPictureHeight, kKey,      items,         kFonts,
                           kHitMapFile, areas,       kSounds,        kHelpPage, BaccaratHelpPage};
  return sheet;
}

}  // namespace sq::art
