#include "mz/art/VideoPokerSheet.h"

#include <cstdio>
#include <string>
#include <vector>

#include "artwork/ButtonFace.h"
#include "artwork/Card.h"
#include "artwork/SheetItems.h"
#include "artwork/SheetRegistry.h"
#include "artwork/StandardColours.h"
#include "artwork/Text.h"
#include "mz/VideoPokerButtons.h"
#include "mz/VideoPokerFiles.h"
#include "mz/VideoPokerLayout.h"
#include "mz/VideoPokerPayTable.h"

namespace mz::art {

using namespace artwork;

namespace {

static_assert(kPictureKey == kKey, "the program leaves out the index the sprites are painted around");

constexpr std::uint8_t kTextInk = kYellow;
constexpr Rect RectOf(Area a) { return {a.x, a.y, a.width, a.height}; }

constexpr const char* kHandNames[9] = {"JACKS OR BETTER", "TWO PAIR", "THREE OF A KIND", "STRAIGHT", "FLUSH",
                                       "FULL HOUSE", "FOUR OF A KIND", "STRAIGHT FLUSH", "ROYAL FLUSH"};

// The pay table at (x, y): value 0 plain, 1 highlighted.
void DrawPayTable(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  const std::uint8_t ground = item.value ? kYellow : kDarkBlue;
  const std::uint8_t ink = item.value ? kDarkRed : kYellow;
  FillRect(image, r, ground);
  for (int code = 1; code <= 9; ++code) {
    const int row = code - 1;
    DrawText(image, r.x + 2, r.y + kPayRowY[row] + 3, kHandNames[row], {ink, kBlack, 1, 0});
    for (int coins = 1; coins <= 5; ++coins) {
      const Area& c = kPayColumns[coins - 1];
      char text[8];
      std::snprintf(text, sizeof text, "%d", static_cast<int>(VideoPokerPayTable[coins - 1][code]));
      DrawTextCentred(image, {r.x + c.x, r.y + kPayRowY[row], c.width, kPayRowHeight[row]}, text, {ink, kBlack, 1, 0});
    }
  }
  for (int coins = 1; coins <= 5; ++coins) {
    const Area& c = kPayColumns[coins - 1];
    FillRect(image, {r.x + c.x - 1, r.y + c.y, 1, c.height}, kGold);
  }
}

// The turning blit writes every pixel of its sprite, the key included: the
// corners round a card carry the felt the cards lie on.
// The face of card value (1 ace .. 13 king) of suit at the area.
void DrawFaceItem(IndexedImage& image, const SheetItem& item) {
  const int value = item.value % 13 + 1, suit = item.value / 13;
  FillRect(image, item.area, kFeltDark);
  DrawCard(image, item.area, value == 1 ? 14 : value, suit);
}

void DrawBackItem(IndexedImage& image, const SheetItem& item) {
  FillRect(image, item.area, kFeltDark);
  DrawCardBackItem(image, item);
}

void DrawHoldLamp(IndexedImage& image, const SheetItem& item) {
  FillRoundRect(image, item.area, 3, kRed);
  DrawTextCentred(image, item.area, "HOLD", {kWhite, kBlack, 1, 0});
}

void DrawCoinLamp(IndexedImage& image, const SheetItem& item) {
  FillEllipse(image, item.area, item.colour);
  FillEllipse(image, {item.area.x + 3, item.area.y + 3, item.area.w - 6, item.area.h - 6}, kWhite);
}

// Frame value of 9: lit bulbs moving round the "VIDEO POKER" sign.
void DrawMarquee(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillRect(image, r, kBlack);
  FillRoundRect(image, r, 6, kDarkRed);
  DrawTextCentred(image, {r.x, r.y + 14, r.w, 34}, "VIDEO POKER", {kYellow, kBlack, 1, 1});
  for (int k = 0; k < 20; ++k) {
    const int x = r.x + 4 + k * (r.w - 8) / 20;
    Plot(image, x, r.y + 3, (k + item.value) % 3 == 0 ? kYellow : kGreyDark);
    Plot(image, x, r.y + r.h - 4, (k + item.value) % 3 == 1 ? kYellow : kGreyDark);
  }
}

// Frame value of 20: coins falling into the tray.
void DrawCashOutFrame(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillRect(image, r, kBlack);
  FillRect(image, {r.x, r.y + r.h - 10, r.w, 10}, kGreyDark);
  for (int k = 0; k < 4; ++k) {
    const int y = r.y + (item.value * 3 + k * 11) % (r.h - 14);
    FillEllipse(image, {r.x + 10 + 16 * k, y, 12, 8}, kGold);
  }
}

void DrawCoin(IndexedImage& image, const SheetItem& item) {
  FillRect(image, item.area, kKey);
  FillEllipse(image, item.area, kGold);
  FillEllipse(image, {item.area.x + 4, item.area.y + 4, item.area.w - 8, item.area.h - 8}, kYellow);
}

void DrawLagStrip(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillRect(image, r, kBlack);
  constexpr std::uint8_t kLevels[] = {kChipGreen, kChipGreen, kYellow, kYellow, kOrange, kRed};
  for (int level = 0; level < 6; ++level) FillRect(image, {r.x + 7 * level, r.y, 5, r.h}, kLevels[level]);
}

void DrawTextButtonItem(IndexedImage& image, const SheetItem& item) {
  FillRect(image, item.area, item.value ? kYellow : kGreyDark);
  DrawTextCentred(image, item.area, item.text, {item.value ? std::uint8_t{kBlack} : std::uint8_t{kWhite}, kBlack, 1, 0});
}

struct Label {
  int button;
  const char* text;
  std::uint8_t face;
};
constexpr Label kFacedButtons[] = {
    {kButtonInsert1, "$1", kChipGreen},      {kButtonInsert1 + 1, "$5", kChipGreen},
    {kButtonInsert1 + 2, "$25", kChipGreen}, {kButtonInsert1 + 3, "$100", kChipGreen},
    {kButtonInsert1 + 4, "$500", kChipGreen}, {kButtonCashOut, "CASH OUT", kOrange},
    {kButtonBetOne, "BET 1", kBlue},          {kButtonDeal, "DEAL", kRed},
    {kButtonBetMax, "BET MAX", kBlue},        {kButtonHold1, "HOLD", kGrey},
    {kButtonHold1 + 1, "HOLD", kGrey},        {kButtonHold1 + 2, "HOLD", kGrey},
    {kButtonHold1 + 3, "HOLD", kGrey},        {kButtonHold1 + 4, "HOLD", kGrey},
    {kButtonCoinQuarter, "$0.25", kPurple},   {kButtonCoinDollar, "$1", kPurple},
    {kButtonCoinFive, "$5", kPurple}};
constexpr Label kTextButtons[] = {{kButtonHelp, "HELP", 0}, {kButtonOptions, "OPTIONS", 0}, {kButtonExit, "EXIT", 0}};

Rect ButtonArea(int button) {
  const ButtonEntry& row = kVideoPokerButtonTable[button];
  return {row.x, row.y, row.width, row.height};
}

void DrawScreen(IndexedImage& image, const SheetItem&) {
  FillRect(image, {0, 0, kScreenWidth, kScreenHeight}, kDarkBlue);
  FillRect(image, {0, 0, kScreenWidth, 66}, kBlack);
  DrawMarquee(image, {nullptr, {kMarqueePlace.x, kMarqueePlace.y, kMarqueeWidth, kMarqueeHeight}, 0, nullptr, 0});
  FillRoundRect(image, {140, 96, 360, 148}, 8, kGold);
  DrawPayTable(image, {nullptr, RectOf(kPayTableArea), 0, nullptr, 0});
  // The card places stay bare felt: a turning card is drawn over the
  // place restored from here, and the program draws the backs itself.
  FillRoundRect(image, {145, 236, 350, 84}, 6, kFeltDark);
  // Each meter's name stands left of it: the row above the meters is the
  // cards' place.
  const Area meters[] = {kWonMeter, kCreditsMeter, kBetMeter, kMoneyMeter};
  const char* names[] = {"WIN", "CREDITS", "BET", "MONEY"};
  const TextStyle label{kYellow, kBlack, 1, 0};
  for (int k = 0; k < 4; ++k) {
    const Rect r = RectOf(meters[k]);
    FillRect(image, {r.x - 1, r.y - 1, r.w + 2, r.h + 2}, kGold);
    FillRect(image, r, kBlack);
    DrawText(image, r.x - 5 - TextWidth(names[k], label), r.y + 3, names[k], label);
  }
  for (int k = 0; k < 3; ++k) FillEllipse(image, {LampPlace(k).x, LampPlace(k).y, kLampSize, kLampSize}, kGreyDark);
  DrawText(image, 20, 84, "INSERT", {kYellow, kBlack, 1, 0});
  DrawText(image, 556, 104, "COIN VALUE", {kYellow, kBlack, 1, 0});
  for (const Label& b : kFacedButtons) DrawButtonFace(image, ButtonArea(b.button), b.text, kButtonNormal, kGreyDark);
  FillRect(image, RectOf(kUserArea), kBlack);
  FillRect(image, RectOf(kLagMeterArea), kBlack);
  FillRect(image, {0, 465, kScreenWidth, 1}, kGold);
  FillRect(image, {0, 466, kScreenWidth, 14}, kBlack);
  for (const Label& b : kTextButtons) DrawTextButtonItem(image, {nullptr, ButtonArea(b.button), 0, b.text, 0});
}

constexpr GlyphFont kFonts[] = {{kSmallFontLayout, kTextInk, kBlack}, {kMeterFontLayout, kYellow, kDarkRed}};

std::vector<SheetItem> BuildItems() {
  std::vector<SheetItem> items;
  items.push_back({DrawScreen, {0, 0, kScreenWidth, kScreenHeight}, 0, nullptr, 0});
  for (int suit = 0; suit < 4; ++suit) {
    for (int value = 1; value <= 13; ++value) {
      const Point p = CardSource(suit, value);
      items.push_back({DrawFaceItem, {p.x, p.y, kCardWidth, kCardHeight}, suit * 13 + value - 1, nullptr, 0});
    }
  }
  items.push_back({DrawBackItem, {kCardBackSource.x, kCardBackSource.y, kCardWidth, kCardHeight}, 0, nullptr, 0});
  items.push_back({DrawHoldLamp, {kHoldLampSource.x, kHoldLampSource.y, kHoldLampWidth, kHoldLampHeight}, 0, nullptr, 0});
  const Area& pay = kPayTableArea;
  items.push_back({DrawPayTable, {pay.x + kHighlightOffset.x, pay.y + kHighlightOffset.y, pay.width, pay.height}, 1,
                   nullptr, 0});
  for (int k = 0; k < 3; ++k) {
    items.push_back({DrawCoinLamp, {LampSource(k).x, LampSource(k).y, kLampSize, kLampSize}, k, nullptr, kOrange});
  }
  for (int f = 0; f < kMarqueeFrames; ++f) {
    const Point p = MarqueeFrame(f);
    items.push_back({DrawMarquee, {p.x, p.y, kMarqueeWidth, kMarqueeHeight}, f, nullptr, 0});
  }
  for (int f = 0; f < kCashOutFrames; ++f) {
    const Point p = CashOutFrame(f);
    items.push_back({DrawCashOutFrame, {p.x, p.y, kCashOutWidth, kCashOutHeight}, f, nullptr, 0});
  }
  items.push_back({DrawCoin, {kCoinSource.x, kCoinSource.y, kCoinSize, kCoinSize}, 0, nullptr, 0});
  for (const Label& b : kFacedButtons) {
    const ButtonEntry& row = kVideoPokerButtonTable[b.button];
    for (int state : {kButtonStateEnabled, kButtonStatePressed}) {
      const ButtonSource s = row.source[state];
      items.push_back({DrawButtonItem, {s.x, s.y, row.width, row.height}, state, b.text, b.face});
    }
  }
  for (const Label& b : kTextButtons) {
    const ButtonEntry& row = kVideoPokerButtonTable[b.button];
    const ButtonSource s = row.source[kButtonStatePressed];
    items.push_back({DrawTextButtonItem, {s.x, s.y, row.width, row.height}, 1, b.text, 0});
  }
  items.push_back({DrawLagStrip, {kLagMeterSource.x, kLagMeterSource.y, kLagMeterArea.width, kLagMeterArea.height}, 0,
                   nullptr, 0});
  items.push_back({DrawMarkerItem, {kTextColourPixel.x, kTextColourPixel.y, 1, 1}, 0, nullptr, kTextInk});
  items.push_back({DrawMarkerItem, {kTransparentPixel.x, kTransparentPixel.y, 1, 1}, 0, nullptr, kKey});
  return items;
}

// Every button with an area; a HOLD button also takes its card above it.
std::vector<HitArea> BuildHitAreas() {
  std::vector<HitArea> areas;
  for (int b = 1; b < kVideoPokerButtonCount; ++b) {
    const Rect r = ButtonArea(b);
    if (r.w > 0 && r.h > 0) areas.push_back({r, b});
  }
  for (int n = 0; n < kHandCards; ++n) {
    areas.push_back({{CardPlace(n).x, CardPlace(n).y, kCardWidth, kCardHeight}, kButtonHold1 + n});
  }
  return areas;
}

constexpr SoundRecipe kSounds[] = {
    {kSoundFlip, SoundKind::kNoise, 5000, 0, 200},
    {kSoundHold, SoundKind::kClick, 1800, 0, 60},
    {kSoundMachineButton, SoundKind::kClick, 1100, 0, 60},
};

std::string HelpPage() {
  std::string page =
      "<html><head><title>Video Poker</title></head><body><h1>Video Poker</h1>"
      "<p>Insert money, choose the coin value, bet 1 to 5 coins and press Deal. Hold the cards you keep "
      "and press Deal again; the cards not held are replaced and the hand is paid from the table.</p>"
      "<h2>Pay table (coins)</h2><table border=\"1\"><tr><th>Hand</th>";
  for (int coins = 1; coins <= 5; ++coins) page += "<th>" + std::to_string(coins) + "</th>";
  page += "</tr>";
  for (int code = 9; code >= 1; --code) {
    page += std::string("<tr><td>") + kHandNames[code - 1] + "</td>";
    for (int coins = 1; coins <= 5; ++coins) {
      page += "<td>" + std::to_string(static_cast<int>(VideoPokerPayTable[coins - 1][code])) + "</td>";
    }
    page += "</tr>";
  }
  page += "</table></body></html>\n";
  return page;
}

[[maybe_unused]] const int kRegistered = RegisterSheet(VideoPokerSheet);

}  // namespace

const Sheet& VideoPokerSheet() {
  static const std::vector<SheetItem> items = BuildItems();
  static const std::vector<HitArea> areas = BuildHitAreas();
  static const Sheet sheet{kProgram, kPictureWidth, kPictureHeight, kKey,      items,    kFonts,
                           kHitMapFile, areas,       kSounds,        kHelpPage, HelpPage};
  return sheet;
}

}  // namespace mz::art
