#include "jb/art/SlotSheet.h"

#include <string>
#include <vector>

#include "artwork/ButtonFace.h"
#include "artwork/SheetItems.h"
#include "artwork/SheetRegistry.h"
#include "artwork/StandardColours.h"
#include "artwork/Text.h"
#include "jb/SlotButtons.h"
#include "jb/SlotFiles.h"
#include "jb/SlotLayout.h"
#include "jb/SlotRules.h"

namespace jb::art {

using namespace artwork;

namespace {

static_assert(kPictureKey == kKey, "the program leaves out the index the sprites are painted around");

constexpr std::uint8_t kTextInk = kYellow;
constexpr std::uint8_t kReadoutInk = kOrange;
constexpr Rect RectOf(Area a) { return {a.x, a.y, a.width, a.height}; }

// ---- Symbols ----

void DrawBars(IndexedImage& image, const Rect& cell, int bars) {
  const int h = 9, gap = 2;
  const int top = cell.y + (cell.h - bars * h - (bars - 1) * gap) / 2;
  for (int k = 0; k < bars; ++k) {
    const Rect bar{cell.x + 12, top + k * (h + gap), cell.w - 24, h};
    FillRoundRect(image, bar, 3, kBlack);
    DrawTextCentred(image, bar, "BAR", {kWhite, kBlack, 1, 0});
  }
}

void DrawCherries(IndexedImage& image, const Rect& cell) {
  const int cx = cell.x + cell.w / 2, cy = cell.y + cell.h / 2;
  for (int k = 0; k < 6; ++k) {
    Plot(image, cx - 6 + k, cy - 12 + k / 2, kFeltDark);
    Plot(image, cx + 6 - k, cy - 12 + k / 2, kFeltDark);
    Plot(image, cx, cy - 14 + k, kFeltDark);
  }
  FillEllipse(image, {cx - 16, cy - 6, 15, 15}, kRed);
  FillEllipse(image, {cx + 1, cy - 4, 15, 15}, kDarkRed);
  Plot(image, cx - 11, cy - 3, kWhite);
  Plot(image, cx + 6, cy - 1, kWhite);
}

void DrawBell(IndexedImage& image, const Rect& cell) {
  const int cx = cell.x + cell.w / 2, top = cell.y + 4;
  FillEllipse(image, {cx - 11, top, 22, 20}, kGold);
  FillRect(image, {cx - 11, top + 10, 22, 14}, kGold);
  FillRect(image, {cx - 15, top + 24, 30, 4}, kGold);
  FillEllipse(image, {cx - 3, top + 27, 6, 6}, kOrange);
  FillRect(image, {cx - 6, top + 5, 3, 14}, kYellow);
}

void DrawSymbol(IndexedImage& image, const Rect& cell, int symbol) {
  switch (symbol) {
    case 1: return DrawCherries(image, cell);
    case 2: return DrawBars(image, cell, 1);
    case 3: return DrawBars(image, cell, 2);
    case 4: return DrawBars(image, cell, 3);
    case 5: return DrawBell(image, cell);
    case 6: return DrawTextCentred(image, cell, "7", {kRed, kDarkRed, 4, 1});
    default: return;
  }
}

// One reel's strip: the cells of stops -1..23 on a white ground, each reel
// with its own rim colour.
void DrawStrip(IndexedImage& image, const SheetItem& item) {
  FillRect(image, item.area, kCardFace);
  for (int cell = -1; cell <= kReelStops + 1; ++cell) {
    const Rect r{item.area.x, StripCellY(cell), item.area.w, kStopHeight};
    FillRect(image, {r.x, r.y, 3, r.h}, item.colour);
    FillRect(image, {r.x + r.w - 3, r.y, 3, r.h}, item.colour);
    DrawSymbol(image, r, kReelStrip[(cell + kReelStops) % kReelStops]);
  }
}

// ---- The lever: frame value 0..13, pulled down to frame 7 and back up ----

void DrawLever(IndexedImage& image, int x, int y, int frame) {
  const int pull = frame <= 7 ? frame * 100 / 7 : (kLeverFrames - 1 - frame) * 100 / 6;
  const int baseX = x + kLeverWidth / 2, baseY = y + 142;
  const int knobY = y + 14 + 100 * pull / 100;
  const int knobX = baseX + 14 - 14 * pull / 100;
  for (int t = 0; t <= 40; ++t) {
    const int px = baseX + (knobX - baseX) * t / 40, py = baseY + (knobY - baseY) * t / 40;
    FillRect(image, {px - 2, py - 2, 5, 5}, kGreyLight);
  }
  FillRoundRect(image, {baseX - 14, baseY - 6, 28, 24}, 5, kGreyDark);
  FillEllipse(image, {knobX - 12, knobY - 12, 24, 24}, kRed);
  FillEllipse(image, {knobX - 7, knobY - 8, 7, 7}, kPink);
}

void DrawLeverFrame(IndexedImage& image, const SheetItem& item) {
  FillRect(image, item.area, kDarkRed);
  DrawLever(image, item.area.x, item.area.y, item.value);
}

// ---- Coins ----

void DrawCoinFace(IndexedImage& image, const Rect& r) {
  FillEllipse(image, r, kGold);
  if (r.w > 8) FillEllipse(image, {r.x + 3, r.y + 3, r.w - 6, r.h - 6}, kYellow);
}

void DrawCoinImage(IndexedImage& image, const SheetItem& item) {
  FillRect(image, item.area, kKey);
  DrawCoinFace(image, item.area);
}

// Frame value of 25: coins falling from under the reels into the tray.
void DrawPayoutFrame(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillRect(image, r, kKey);
  for (int k = 0; k < 5; ++k) {
    const int y = (item.value * 7 + k * 19) % (r.h - 14);
    DrawCoinFace(image, {r.x + 6 + 19 * k, r.y + y, 14, 10});
  }
}

// ---- Faces ----

void DrawTextButtonItem(IndexedImage& image, const SheetItem& item) {
  FillRect(image, item.area, item.value ? kYellow : kGreyDark);
  DrawTextCentred(image, item.area, item.text, {item.value ? std::uint8_t{kBlack} : std::uint8_t{kWhite}, kBlack, 1, 0});
}

// A machine value face: value 0 unlit, 1 lit, 2 pressed. The $5 face is
// drawn transparent, so its faces hold no key colour and show as the others.
void DrawValueFace(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  const std::uint8_t face = item.value == 0 ? kGreyDark : item.value == 1 ? kRed : kDarkRed;
  const std::uint8_t ink = item.value == 0 ? kGrey : kYellow;
  FillRect(image, r, face);
  Bevel(image, r, item.value == 2 ? kBlack : kWhite, kBlack);
  DrawTextCentred(image, r, item.text, {ink, kBlack, 1, 0});
}

struct Label {
  int button;
  const char* text;
  std::uint8_t face;
};
constexpr Label kFacedButtons[] = {
    {kButtonInsert1, "$1", kChipGreen},       {kButtonInsert1 + 1, "$5", kChipGreen},
    {kButtonInsert1 + 2, "$25", kChipGreen},  {kButtonInsert1 + 3, "$100", kChipGreen},
    {kButtonInsert1 + 4, "$500", kChipGreen}, {kButtonCashOut, "CASH OUT", kOrange},
    {kButtonBetOne, "BET ONE", kBlue},        {kButtonSpin, "SPIN", kRed},
    {kButtonBetThree, "BET 3", kBlue}};
constexpr Label kValueButtons[] = {
    {kButtonQuarterMachine, "$0.25", 0}, {kButtonQuarterMachine + 1, "$1", 0}, {kButtonQuarterMachine + 2, "$5", 0}};
constexpr Label kTextButtons[] = {{kButtonHelp, "HELP", 0}, {kButtonOptions, "OPTIONS", 0}, {kButtonQuit, "QUIT", 0}};

Rect ButtonArea(int button) {
  const ButtonEntry& row = kSlotButtonTable[button];
  return {row.x, row.y, row.width, row.height};
}

// ---- The screen ----

void DrawPayTablePanel(IndexedImage& image, const Rect& r) {
  FillRoundRect(image, r, 8, kGold);
  FillRoundRect(image, {r.x + 3, r.y + 3, r.w - 6, r.h - 6}, 6, kDarkBlue);
  constexpr const char* kNames[] = {"7 7 7", "BELL BELL BELL", "3BAR 3BAR 3BAR", "2BAR 2BAR 2BAR", "BAR BAR BAR",
                                    "CHERRY x3", "ANY BARS", "", "", "CHERRY x2", "CHERRY x1"};
  int y = r.y + 8;
  DrawText(image, r.x + 150, y, "1", {kYellow, kBlack, 1, 0});
  DrawText(image, r.x + 190, y, "2", {kYellow, kBlack, 1, 0});
  DrawText(image, r.x + 230, y, "3", {kYellow, kBlack, 1, 0});
  for (int row = 0; row < kPayRows; ++row) {
    if (kNames[row][0] == '\0') continue;
    y += 11;
    DrawText(image, r.x + 10, y, kNames[row], {kWhite, kBlack, 1, 0});
    for (int c = 0; c < 3; ++c) {
      DrawText(image, r.x + 140 + 40 * c, y, std::to_string(kPayTable[row].pays[c]).c_str(), {kYellow, kBlack, 1, 0});
    }
  }
}

void DrawScreen(IndexedImage& image, const SheetItem&) {
  FillRect(image, {0, 0, kScreenWidth, kScreenHeight}, kBlack);
  // The cabinet.
  FillRoundRect(image, {110, 4, 420, 436}, 16, kDarkRed);
  FillRoundRect(image, {116, 10, 408, 424}, 12, kRed);
  // The marquee with its lamps.
  FillRoundRect(image, {150, 14, 340, 48}, 10, kBlack);
  DrawTextCentred(image, {150, 14, 340, 48}, "LUCKY SLOT", {kYellow, kOrange, 3, 1});
  for (int k = 0; k < 17; ++k) {
    FillEllipse(image, {156 + 20 * k, 66, 8, 8}, k % 2 ? kYellow : kOrange);
  }
  DrawPayTablePanel(image, {180, 78, 280, 126});
  // The reel windows and the pay line.
  FillRoundRect(image, {kReelPlaces[0].x - 12, kReelPlaces[0].y - 10, kReelPlaces[2].x + kReelWidth - kReelPlaces[0].x + 24,
                        kReelHeight + 20},
                8, kGold);
  for (int reel = 0; reel < kReels; ++reel) {
    FillRect(image, {kReelPlaces[reel].x - 2, kReelPlaces[reel].y - 2, kReelWidth + 4, kReelHeight + 4}, kBlack);
  }
  for (int k = 0; k < 6; ++k) {
    Plot(image, kReelPlaces[0].x - 10 + k, kPayLineY - 3 + k / 2, kRed);
    Plot(image, kReelPlaces[0].x - 10 + k, kPayLineY + 3 - k / 2, kRed);
    Plot(image, kReelPlaces[2].x + kReelWidth + 9 - k, kPayLineY - 3 + k / 2, kRed);
    Plot(image, kReelPlaces[2].x + kReelWidth + 9 - k, kPayLineY + 3 - k / 2, kRed);
  }
  FillRect(image, {kReelPlaces[0].x - 10, kPayLineY, 5, 1}, kRed);
  FillRect(image, {kReelPlaces[2].x + kReelWidth + 5, kPayLineY, 5, 1}, kRed);
  // The readouts, the tray and the lever.
  FillRect(image, {kPaidReadout.x - 4, kPaidReadout.y - 3, kBetReadout.x + kBetReadout.width - kPaidReadout.x + 8, 19},
           kBlack);
  FillRoundRect(image, {kPayoutPlace.x, 398, kPayoutWidth, 34}, 6, kBlack);
  FillRect(image, {kLeverPlace.x, kLeverPlace.y, kLeverWidth, kLeverHeight}, kDarkRed);
  DrawLever(image, kLeverPlace.x, kLeverPlace.y, kLeverFrames - 1);
  // The coin slot, the value panel and the insert column.
  FillRoundRect(image, {kCoinSlot.x - 8, kCoinSlot.y - 6, kCoinSlot.width + 16, kCoinSlot.height + 12}, 4, kGreyDark);
  FillRect(image, RectOf(kCoinSlot), kBlack);
  DrawText(image, kCoinSlot.x - 12, kCoinSlot.y + 14, "COINS", {kYellow, kBlack, 1, 0});
  DrawText(image, 556, 86, "MACHINE", {kYellow, kBlack, 1, 0});
  DrawText(image, 24, 94, "INSERT", {kYellow, kBlack, 1, 0});
  for (const Label& b : kFacedButtons) DrawButtonFace(image, ButtonArea(b.button), b.text, kButtonNormal, kGreyDark);
  for (const Label& b : kValueButtons) DrawValueFace(image, {nullptr, ButtonArea(b.button), 0, b.text, b.face});
  // The money, the user field, the lag meter and the status line.
  DrawText(image, kMoneyReadout.x - 40, kMoneyReadout.y + 3, "MONEY", {kYellow, kBlack, 1, 0});
  FillRect(image, RectOf(kMoneyReadout), kBlack);
  FillRect(image, RectOf(kUserArea), kBlack);
  FillRect(image, RectOf(kLagMeterArea), kBlack);
  FillRect(image, {0, 465, kScreenWidth, 1}, kGold);
  FillRect(image, {0, 466, kScreenWidth, 14}, kBlack);
  for (const Label& b : kTextButtons) DrawTextButtonItem(image, {nullptr, ButtonArea(b.button), 0, b.text, 0});
}

void DrawLagStrip(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillRect(image, r, kBlack);
  constexpr std::uint8_t kLevels[] = {kChipGreen, kChipGreen, kYellow, kYellow, kOrange, kRed};
  for (int level = 0; level < 6; ++level) FillRect(image, {r.x + 7 * level, r.y, 5, r.h}, kLevels[level]);
}

constexpr GlyphFont kFonts[] = {{kSmallFontLayout, kTextInk, kBlack}, {kReadoutFontLayout, kReadoutInk, kBlack}};
constexpr std::uint8_t kStripRims[kReels] = {kBlue, kChipGreen, kPurple};

std::vector<SheetItem> BuildItems() {
  std::vector<SheetItem> items;
  items.push_back({DrawScreen, {0, 0, kScreenWidth, kScreenHeight}, 0, nullptr, 0});
  for (int reel = 0; reel < kReels; ++reel) {
    items.push_back({DrawStrip, {StripX(reel), 0, kReelWidth, kStripHeight}, reel, nullptr, kStripRims[reel]});
  }
  for (int f = 0; f < kLeverFrames; ++f) {
    const Point p = LeverFrame(f);
    items.push_back({DrawLeverFrame, {p.x, p.y, kLeverWidth, kLeverHeight}, f, nullptr, 0});
  }
  for (int f = 0; f < kPayoutFrames; ++f) {
    const Point p = PayoutFrame(f);
    items.push_back({DrawPayoutFrame, {p.x, p.y, kPayoutWidth, kPayoutHeight}, f, nullptr, 0});
  }
  for (const Area& coin : kCoinImage) items.push_back({DrawCoinImage, RectOf(coin), 0, nullptr, 0});
  for (const Label& b : kFacedButtons) {
    const ButtonEntry& row = kSlotButtonTable[b.button];
    for (int state : {kButtonStateEnabled, kButtonStatePressed}) {
      const ButtonSource s = row.source[state];
      items.push_back({DrawButtonItem, {s.x, s.y, row.width, row.height}, state, b.text, b.face});
    }
  }
  for (const Label& b : kValueButtons) {
    const ButtonEntry& row = kSlotButtonTable[b.button];
    for (int state : {kButtonStateEnabled, kButtonStatePressed}) {
      const ButtonSource s = row.source[state];
      items.push_back({DrawValueFace, {s.x, s.y, row.width, row.height}, state, b.text, b.face});
    }
  }
  for (const Label& b : kTextButtons) {
    const ButtonEntry& row = kSlotButtonTable[b.button];
    const ButtonSource s = row.source[kButtonStatePressed];
    items.push_back({DrawTextButtonItem, {s.x, s.y, row.width, row.height}, 1, b.text, 0});
  }
  items.push_back({DrawLagStrip, {kLagMeterSource.x, kLagMeterSource.y, kLagMeterArea.width, kLagMeterArea.height}, 0,
                   nullptr, 0});
  items.push_back({DrawMarkerItem, {kTextColourPixel.x, kTextColourPixel.y, 1, 1}, 0, nullptr, kTextInk});
  items.push_back({DrawMarkerItem, {kTransparentPixel.x, kTransparentPixel.y, 1, 1}, 0, nullptr, kKey});
  return items;
}

std::vector<HitArea> BuildHitAreas() {
  std::vector<HitArea> areas;
  for (int b = 1; b < kSlotButtonCount; ++b) {
    const Rect r = ButtonArea(b);
    if (r.w > 0 && r.h > 0) areas.push_back({r, b});
  }
  return areas;
}

constexpr SoundRecipe kSounds[] = {
    {kSoundMachineButton, SoundKind::kClick, 1100, 0, 60},
    {kSoundLever, SoundKind::kSweep, 300, 120, 300},
    {kSoundSpin, SoundKind::kRattle, 2500, 0, 400},
    {kSoundReelStop, SoundKind::kClick, 700, 0, 120},
    {kSoundLastReelStop, SoundKind::kChime, 880, 660, 250},
};

std::string HelpPage() {
  static const char* const kNames[kPayRows] = {"Three 7s",        "Three bells", "Three triple bars",
                                                "Three double bars", "Three bars",  "Three cherries",
                                                "Any three bars",  "",            "",
                                                "Two cherries",    "One cherry"};
  std::string page =
      "<html><head><title>Slot</title></head><body><h1>Slot</h1>"
      "<p>Insert money, choose the machine ($0.25, $1 or $5), bet one to three coins and press Spin or pull "
      "the lever. The reels stop one by one and the line is paid from the table.</p>"
      "<h2>Pay table (coins)</h2><table border=\"1\"><tr><th>Line</th><th>1</th><th>2</th><th>3</th></tr>";
  for (int row = 0; row < kPayRows; ++row) {
    if (kNames[row][0] == '\0') continue;
    page += std::string("<tr><td>") + kNames[row] + "</td>";
    for (int c = 0; c < 3; ++c) page += "<td>" + std::to_string(kPayTable[row].pays[c]) + "</td>";
    page += "</tr>";
  }
  page += "</table></body></html>\n";
  return page;
}

[[maybe_unused]] const int kRegistered = RegisterSheet(SlotSheet);

}  // namespace

const Sheet& SlotSheet() {
  static const std::vector<SheetItem> items = BuildItems();
  static const std::vector<HitArea> areas = BuildHitAreas();
  static const Sheet sheet{kProgram, kPictureWidth, kPictureHeight, kKey,      items,    kFonts,
                           kHitMapFile, areas,       kSounds,        kHelpPage, HelpPage};
  return sheet;
}

}  // namespace jb::art
