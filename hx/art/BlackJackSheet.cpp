#include "hx/art/BlackJackSheet.h"

#include <string>
#include <vector>

#include "artwork/ButtonFace.h"
#include "artwork/CardTableSheet.h"
#include "artwork/Card.h"
#include "artwork/Chip.h"
#include "artwork/SheetItems.h"
#include "artwork/SheetRegistry.h"
#include "artwork/StandardColours.h"
#include "artwork/Text.h"
#include "hx/BlackJackButtons.h"
#include "hx/BlackJackFiles.h"
#include "hx/BlackJackFonts.h"
#include "hx/BlackJackLayout.h"

namespace hx::art {

using namespace artwork;

namespace {

static_assert(kPictureKey == kKey, "the program leaves out the index the sprites are painted around");

constexpr Rect CardAt(Point p) { return {p.x, p.y, kCardWidth, kCardHeight}; }

constexpr CardTableButtons kButtons{kBlackJackButtonTable, kButtonBet1, kChipValues, kChipWidth, kChipHeight};
Rect ButtonArea(int button) { return artwork::ButtonArea(kButtons, button); }

constexpr ButtonLabel kPushButtons[] = {
    {kButtonSplit, "SPLIT", kPurple}, {kButtonDouble, "DOUBLE", kOrange}, {kButtonStand, "STAND", kRed},
    {kButtonHit, "HIT", kBlue},       {kButtonDeal, "DEAL", kChipGreen},  {kButtonNewGame, "NEW", kOrange}};
constexpr int kPushStates[] = {kButtonStateEnabled, kButtonStatePressed};
constexpr ButtonLabel kTextButtons[] = {
    {kButtonOptions, "OPTIONS", kGreyDark}, {kButtonHelp, "HELP", kGreyDark}, {kButtonExit, "EXIT", kGreyDark}};

void DrawTable(IndexedImage& image, const SheetItem&) {
  FillRect(image, {0, 0, kScreenWidth, kScreenHeight}, kWoodDark);
  FillRoundRect(image, {4, 4, 632, 414}, 44, kWood);
  FillRoundRect(image, {10, 10, 620, 402}, 40, kFelt);
  FrameRoundRect(image, {18, 18, 604, 386}, 34, kFeltLight);
  const TextStyle label{kYellow, kBlack, 1, 1};
  DrawTextCentred(image, {240, 130, 200, 20}, "BLACK JACK PAYS 3 TO 2", label);
  DrawTextCentred(image, {220, 150, 240, 14}, "Dealer stands on all 17s", {kFeltLight, kBlack, 1, 0});
  DrawTextCentred(image, {220, 166, 240, 14}, "Insurance pays 2 to 1", {kFeltLight, kBlack, 1, 0});
  // The shoe the cards leave from.
  FillRoundRect(image, {kDeckPoint.x - 6, 12, kCardWidth + 12, 40}, 6, kWoodDark);
  DrawCardBack(image, {kDeckPoint.x, 16, kCardWidth, 30}, kDarkRed, kRed);
  const Rect ring{kRebetArea.x + 20, kRebetArea.y + 40, kRebetArea.width - 40, kRebetArea.height - 50};
  FillEllipse(image, ring, kFeltLight);
  FillEllipse(image, {ring.x + 2, ring.y + 2, ring.w - 4, ring.h - 4}, kFelt);
  for (int c = 0; c < kChipCount; ++c) {
    const Rect r = ButtonArea(kButtonBet1 + c);
    FillEllipse(image, {r.x - 3, r.y - 3, r.w + 6, r.h + 6}, kWoodDark);
    DrawChip(image, r, kChipValues[c]);
    for (int y = r.y; y < r.y + r.h; ++y) {
      for (int x = r.x; x < r.x + r.w; ++x) {
        if (((x + y) & 1) != 0 && image.At(x, y) != kWoodDark) image.At(x, y) = kGreyDark;
      }
    }
  }
  FillRect(image, {14, 440, 88, 17}, kGold);
  FillRect(image, {15, 441, 86, 15}, kBlack);
  for (const ButtonLabel& b : kPushButtons) {
    if (b.button != kButtonNewGame) DrawButtonFace(image, ButtonArea(b.button), b.text, kButtonNormal, b.face);
  }
  FillRect(image, {0, 465, kScreenWidth, 1}, kGold);
  FillRect(image, {0, 466, kScreenWidth, 14}, kBlack);
  for (const ButtonLabel& b : kTextButtons) DrawTextButton(image, ButtonArea(b.button), b.text, b.face);
}

// value: suit * 16 + card value.
void DrawFace(IndexedImage& image, const SheetItem& item) {
  const int value = item.value % 16;
  DrawCard(image, item.area, value == kAceValue ? 14 : value, item.value / 16);
}

void DrawBack(IndexedImage& image, const SheetItem& item) { DrawCardBack(image, item.area, kDarkRed, kRed); }

// A hand pointing down; value: the frame, whose colour cycles.
void DrawPointer(IndexedImage& image, const SheetItem& item) {
  constexpr std::uint8_t kColours[] = {kYellow, kGold, kOrange, kGold};
  const std::uint8_t colour = kColours[item.value % 4];
  const Rect& r = item.area;
  for (int y = 2; y < r.h - 1; ++y) {
    const int half = (r.h - 1 - y) * (r.w - 2) / (2 * (r.h - 3));
    for (int x = r.w / 2 - half; x <= r.w / 2 + half; ++x) Plot(image, r.x + x, r.y + y, colour);
  }
}

void DrawTextStrip(IndexedImage& image, const SheetItem& item) {
  FillRect(image, item.area, kBlack);
  FillRect(image, {item.area.x, item.area.y, item.area.w, 1}, kGold);
  FillRect(image, {item.area.x, item.area.y + item.area.h - 1, item.area.w, 1}, kGold);
}

constexpr GlyphFont kFonts[] = {{kSmallFontLayout, kWhite, kBlack}, {kTableFontLayout, kYellow, kBlack}};

std::vector<SheetItem> BuildItems() {
  std::vector<SheetItem> items;
  items.push_back({DrawTable, {0, 0, kScreenWidth, kScreenHeight}, 0, nullptr, 0});
  AddButtonSprites(items, kButtons, kPushButtons, kPushStates, kTextButtons);
  items.push_back({DrawBack, CardAt(kCardBackSource), 0, nullptr, 0});
  for (int suit = 0; suit < kSuits; ++suit) {
    for (int value = kAceValue; value <= kKingValue; ++value) {
      items.push_back({DrawFace, CardAt(CardFaceSource(suit, value)), suit * 16 + value, nullptr, 0});
    }
  }
  for (int frame = 0; frame < kPointerFrames; ++frame) {
    items.push_back({DrawPointer,
                     {kPointerSource.x + frame * kPointerFrameStep, kPointerSource.y, kPointerSize, kPointerSize},
                     frame, nullptr, 0});
  }
  items.push_back(
      {DrawTextStrip, {kTextStripSource.x, kTextStripSource.y, kTextStripWidth, kTextStripHeight}, 0, nullptr, 0});
  items.push_back({DrawLagStrip, {kLagStrip.x, kLagStrip.y, kLagStripWidth, kLagStripHeight}, 0, nullptr, 0});
  return items;
}

std::vector<SpriteArea> BuildSpriteAreas() {
  std::vector<SpriteArea> areas;
  AddButtonFaceAreas(areas, kButtons);
  areas.push_back({"card back", CardAt(kCardBackSource)});
  for (int suit = 0; suit < kSuits; ++suit) {
    for (int value = kAceValue; value <= kKingValue; ++value) {
      areas.push_back({"card face", CardAt(CardFaceSource(suit, value))});
    }
  }
  areas.push_back({"pointer", {kPointerSource.x, kPointerSource.y,
                               (kPointerFrames - 1) * kPointerFrameStep + kPointerSize, kPointerSize}});
  areas.push_back({"text strip", {kTextStripSource.x, kTextStripSource.y, kTextStripWidth, kTextStripHeight}});
  areas.push_back({"lag meter", {kLagStrip.x, kLagStrip.y, kLagStripWidth, kLagStripHeight}});
  AddFontAreas(areas, kFonts);
  return areas;
}

  // New Game shares Split's place: the program tells them apart.
std::vector<HitArea> BuildHitAreas() { return ButtonHitAreas(kButtons, 1, kButtonNewGame); }

constexpr SoundRecipe kSounds[] = {
    {kSoundDeal, SoundKind::kNoise, 6500, 0, 110},       {kSoundBust, SoundKind::kSweep, 500, 200, 400},
    {kSoundInsurance, SoundKind::kChime, 587, 698, 300},  {kSoundInsuranceWon, SoundKind::kChime, 698, 1047, 400},
    {kSoundBlackJack, SoundKind::kChime, 784, 1175, 500}, {kSoundPush, SoundKind::kTone, 440, 0, 250},
};

std::string BlackJackHelpPage() {
  return "<html><head><title>Black Jack</title></head><body>"
         "<h1>Black Jack</h1>"
         "<p>Place your bet with the chips (a right click takes a chip back) and press DEAL. "
         "Come as close to 21 as you can without going over. The dealer draws to 16 and stands on every 17.</p>"
         "<h2>Payouts</h2><ul><li>Black Jack (an ace and a ten-valued card) pays 3 to 2.</li>"
         "<li>A win pays 1 to 1; a tie is a push.</li>"
         "<li>Insurance, offered when the dealer shows an ace, costs half the bet and pays 2 to 1.</li></ul>"
         "<h2>Playing</h2><ul><li>HIT (H) takes a card, STAND (S) keeps the hand.</li>"
         "<li>DOUBLE (U) doubles the bet on two cards for exactly one more card.</li>"
         "<li>SPLIT (P) parts two cards of the same value into two hands, once; split aces get one card each.</li>"
         "</ul></body></html>";
}

[[maybe_unused]] const int kRegistered = RegisterSheet(BlackJackSheet);

}  // namespace

std::span<const SpriteArea> SpriteAreas() {
  static const std::vector<SpriteArea> areas = BuildSpriteAreas();
  return areas;
}

const Sheet& BlackJackSheet() {
  static const std::vector<SheetItem> items = BuildItems();
  static const std::vector<HitArea> areas = BuildHitAreas();
  static const Sheet sheet{kProgram, kPictureWidth, kPictureHeight, kKey,      items,            kFonts,
                           kHitMapFile, areas,       kSounds,        kHelpPage, BlackJackHelpPage};
  return sheet;
}

}  // namespace hx::art
