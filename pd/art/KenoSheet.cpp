#include "pd/art/KenoSheet.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "artwork/ButtonFace.h"
#include "artwork/Chip.h"
#include "artwork/SheetItems.h"
#include "artwork/SheetRegistry.h"
#include "artwork/StandardColours.h"
#include "artwork/Text.h"
#include "pd/KenoButtons.h"
#include "pd/KenoFiles.h"
#include "pd/KenoLayout.h"
#include "pd/KenoPayTable.h"
#include "pd/art/KenoHelp.h"

namespace pd::art {

using namespace artwork;

namespace {

static_assert(kPictureKey == kKey, "the program leaves out the index the sprites are painted around");

constexpr std::uint8_t kTextInk = kYellow;
constexpr double kPi = 3.14159265358979;

constexpr Rect RectOf(Area a) { return {a.x, a.y, a.width, a.height}; }

void DrawBall(IndexedImage& image, const Rect& r, double turn) {
  FillEllipse(image, r, kWhite);
  const int band = std::max(2, r.h / 5);
  const int cy = r.y + r.h / 2 + static_cast<int>(std::sin(turn) * r.h / 4);
  for (int y = cy - band / 2; y < cy + band / 2; ++y) {
    for (int x = r.x; x < r.x + r.w; ++x) {
      if (image.At(x, y) == kWhite) image.At(x, y) = kRed;
    }
  }
  FillEllipse(image, {r.x + r.w / 4, r.y + r.h / 5, std::max(2, r.w / 6), std::max(2, r.h / 6)}, kGreyLight);
}

// value: frame 0..29; the balls turn a twelfth of a circle every frame.
void DrawBowl(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillRect(image, r, kDarkBlue);
  FillEllipse(image, {r.x + 3, r.y + 10, r.w - 6, r.h - 20}, kGreyLight);
  FillEllipse(image, {r.x + 7, r.y + 14, r.w - 14, r.h - 28}, kCyan);
  const double base = item.value * 2.0 * kPi / 30.0;
  for (int b = 0; b < 8; ++b) {
    const double a = base + b * 2.0 * kPi / 8.0;
    const int cx = r.x + r.w / 2 + static_cast<int>(std::cos(a) * (r.w / 2 - 26));
    const int cy = r.y + r.h / 2 + static_cast<int>(std::sin(a) * (r.h / 2 - 28));
    DrawBall(image, {cx - 9, cy - 9, 18, 18}, a * 3.0);
  }
  DrawTextCentred(image, {r.x, r.y + r.h - 14, r.w, 12}, "KENO", {kYellow, kBlack, 1, 1});
}

void DrawRollBall(IndexedImage& image, const SheetItem& item) { DrawBall(image, item.area, item.value * 0.7); }

void DrawShadow(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillEllipse(image, {r.x, r.y + r.h / 3, r.w, r.h / 3 + 1}, kFeltDark);
}

void DrawCellFace(IndexedImage& image, const Point p, int number) {
  FillRect(image, {p.x, p.y, kCellSize, kCellSize}, kBlue);
  FillRect(image, {p.x + 1, p.y + 1, kCellSize - 2, kCellSize - 2}, kCardFace);
  char text[4];
  std::snprintf(text, sizeof text, "%d", number);
  DrawTextCentred(image, {p.x, p.y, kCellSize, kCellSize}, text, {kBlack, kBlack, 1, 0});
}

// The marked ring, lying over the cell's number.
void DrawMarkedItem(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillEllipse(image, {r.x + 1, r.y + 1, r.w - 2, r.h - 2}, kOrange);
  FillEllipse(image, {r.x + 5, r.y + 5, r.w - 10, r.h - 10}, kKey);
}

// value 1..9: a red star growing over the ring, the last one whole.
void DrawHitItem(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillRect(image, r, kCardFace);
  FillEllipse(image, {r.x + 1, r.y + 1, r.w - 2, r.h - 2}, item.value % 2 ? kYellow : kOrange);
  const int inset = 13 - item.value * 13 / 9;
  FillEllipse(image, {r.x + inset + 2, r.y + inset + 2, r.w - 2 * inset - 4, r.h - 2 * inset - 4}, kRed);
  if (item.value == kMarkFrames) DrawTextCentred(image, r, "HIT", {kWhite, kBlack, 1, 0});
}

// value 0..8: a grey cross drawn in.
void DrawMissItem(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  const int length = 4 + item.value * (r.w - 4) / 8;
  for (int i = 0; i < length; ++i) {
    for (int t = 0; t < 3; ++t) {
      Plot(image, r.x + i + t, r.y + i, kGreyDark);
      Plot(image, r.x + r.w - 1 - i - t, r.y + i, kGreyDark);
    }
  }
}

void DrawTextButton(IndexedImage& image, const Rect& r, const char* label, std::uint8_t panel) {
  FillRect(image, r, panel);
  DrawTextCentred(image, r, label, {panel == kYellow ? std::uint8_t{kBlack} : std::uint8_t{kWhite}, kBlack, 1, 0});
}

void DrawLitTextButton(IndexedImage& image, const SheetItem& item) {
  DrawTextButton(image, item.area, item.text, kYellow);
}

void DrawLitChip(IndexedImage& image, const SheetItem& item) {
  FillEllipse(image, item.area, kYellow);
  DrawChip(image, {item.area.x + 2, item.area.y + 2, item.area.w - 4, item.area.h - 4}, item.value);
}

// value 0: the panel's top edge; 1 its bottom edge.
void DrawPanelStrip(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillRect(image, r, kDarkBlue);
  FillRect(image, {r.x, item.value == 0 ? r.y : r.y + r.h - 2, r.w, 2}, kGold);
  FillRect(image, {r.x, r.y, 2, r.h}, kGold);
  FillRect(image, {r.x + r.w - 2, r.y, 2, r.h}, kGold);
}

// The marquee's dots: lit red ones and dark grey ones, every second pixel.
void DrawDots(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillRect(image, r, kBlack);
  for (int y = 0; y < r.h; y += 2) {
    for (int x = 0; x < r.w; x += 2) Plot(image, r.x + x, r.y + y, x % 4 == 0 ? kRed : kGreyDark);
  }
}

void DrawLagStrip(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillRect(image, r, kBlack);
  constexpr std::uint8_t kLevels[] = {kChipGreen, kChipGreen, kYellow, kYellow, kOrange, kRed};
  for (int level = 0; level < 6; ++level) FillRect(image, {r.x + 7 * level, r.y, 5, r.h}, kLevels[level]);
}

Rect ButtonArea(int button) {
  const ButtonEntry& row = kKenoButtonTable[button];
  return {row.x, row.y, row.width, row.height};
}

struct PushLabel {
  int button;
  const char* text;
  std::uint8_t face;
};
constexpr PushLabel kPushButtons[] = {
    {kButtonShoot, "SHOOT", kChipGreen}, {kButtonPaytable, "PAYTABLE", kBlue}, {kButtonNewGame, "NEW GAME", kOrange}};
constexpr PushLabel kTextButtons[] = {
    {kButtonHelp, "HELP", kGreyDark}, {kButtonOptions, "OPTIONS", kGreyDark}, {kButtonQuit, "QUIT", kGreyDark}};

void DrawScreen(IndexedImage& image, const SheetItem&) {
  FillRect(image, {0, 0, kScreenWidth, kScreenHeight}, kDarkBlue);
  // The marquee and the counters.
  FillRoundRect(image, {2, 2, 146, 62}, 6, kGold);
  FillRoundRect(image, {4, 4, 142, 58}, 5, kBlack);
  DrawDots(image, {nullptr, RectOf(kMarqueeArea), 0, nullptr, 0});
  // The board.
  FillRoundRect(image, RectOf(kBoardArea), 8, kFeltDark);
  for (int n = 1; n <= kNumbers; ++n) DrawCellFace(image, CellPlace(n), n);
  const char* title[] = {"K", "E", "N", "O"};
  for (int i = 0; i < 4; ++i) {
    DrawTextCentred(image, {206, 170 + 50 * i, 76, 40}, title[i], {kYellow, kBlack, 4, 1});
  }
  // The stake spots.
  constexpr const char* kStakeNames[] = {"$1", "$5", "$10"};
  for (int s = 0; s < 3; ++s) {
    const Rect r = RectOf(kStakeSpots[s]);
    FillEllipse(image, r, kGreyDark);
    FillEllipse(image, {r.x + 3, r.y + 3, r.w - 6, r.h - 6}, kDarkBlue);
    DrawTextCentred(image, r, kStakeNames[s], {kGrey, kBlack, 1, 0});
  }
  DrawBowl(image, {nullptr, {kBowlPlace.x, kBowlPlace.y, kBowlWidth, kBowlHeight}, 0, nullptr, 0});
  for (const PushLabel& b : kPushButtons) DrawButtonFace(image, ButtonArea(b.button), b.text, kButtonNormal, b.face);
  // The balance, the lag meter, the status line and the player's field.
  FillRect(image, {13, 438, 84, 17}, kGold);
  FillRect(image, {14, 439, 82, 15}, kBlack);
  FillRect(image, RectOf(kLagMeterArea), kBlack);
  FillRect(image, {0, 465, kScreenWidth, 1}, kGold);
  FillRect(image, {0, 466, kScreenWidth, 14}, kBlack);
  for (const PushLabel& b : kTextButtons) DrawTextButton(image, ButtonArea(b.button), b.text, b.face);
}

constexpr GlyphFont kFonts[] = {{kSmallFontLayout, kTextInk, kBlack}};

std::vector<SheetItem> BuildItems() {
  std::vector<SheetItem> items;
  items.push_back({DrawScreen, {0, 0, kScreenWidth, kScreenHeight}, 0, nullptr, 0});
  for (int f = 0; f < kBowlFrames; ++f) {
    const Point p = BowlFrame(f);
    items.push_back({DrawBowl, {p.x, p.y, kBowlWidth, kBowlHeight}, f, nullptr, 0});
  }
  for (int f = 0; f < kRollFrames; ++f) items.push_back({DrawRollBall, RectOf(RollSource(f)), f, nullptr, 0});
  for (int s = 0; s < kFlightSizes; ++s) {
    items.push_back({DrawRollBall, RectOf(FlightBall(s)), s, nullptr, 0});
    items.push_back({DrawShadow, RectOf(FlightShadow(s)), s, nullptr, 0});
  }
  items.push_back({DrawMarkedItem, {kMarkedCellSource.x, kMarkedCellSource.y, kCellSize, kCellSize}, 0, nullptr, 0});
  for (int k = 1; k <= kMarkFrames; ++k) {
    const Point p = HitFrame(k);
    items.push_back({DrawHitItem, {p.x, p.y, kCellSize, kCellSize}, k, nullptr, 0});
  }
  for (int k = 0; k < kMarkFrames; ++k) {
    const Point p = MissFrame(k);
    items.push_back({DrawMissItem, {p.x, p.y, kMissSize, kMissSize}, k, nullptr, 0});
  }
  for (int s = 0; s < 3; ++s) {
    const Point p = kStakeChipSources[s];
    items.push_back({DrawLitChip, {p.x, p.y, kStakeSpots[s].width, kStakeSpots[s].height}, kKenoStakeDollars[s],
                     nullptr, 0});
  }
  for (const PushLabel& b : kPushButtons) {
    const ButtonEntry& row = kKenoButtonTable[b.button];
    for (int state : {kButtonStateEnabled, kButtonStatePressed}) {
      const ButtonSource s = row.source[state];
      items.push_back({DrawButtonItem, {s.x, s.y, row.width, row.height}, state, b.text, b.face});
    }
  }
  for (const PushLabel& b : kTextButtons) {
    const ButtonEntry& row = kKenoButtonTable[b.button];
    const ButtonSource s = row.source[kButtonStatePressed];
    items.push_back({DrawLitTextButton, {s.x, s.y, row.width, row.height}, 0, b.text, 0});
  }
  items.push_back({DrawPanelStrip, RectOf(kPaytableTop), 0, nullptr, 0});
  items.push_back({DrawPanelStrip, RectOf(kPaytableBottom), 1, nullptr, 0});
  items.push_back({DrawDots, {kMarqueeGlyphs.x, kMarqueeGlyphs.y, 100, 18}, 0, nullptr, 0});
  items.push_back({DrawLagStrip, {kLagMeterSource.x, kLagMeterSource.y, kLagMeterArea.width, kLagMeterArea.height}, 0,
                   nullptr, 0});
  items.push_back({DrawMarkerItem, {kTextColourPixel.x, kTextColourPixel.y, 1, 1}, 0, nullptr, kTextInk});
  items.push_back({DrawMarkerItem, {kTransparentPixel.x, kTransparentPixel.y, 1, 1}, 0, nullptr, kKey});
  return items;
}

// Every button with an area, in button order.
std::vector<HitArea> BuildHitAreas() {
  std::vector<HitArea> areas;
  for (int b = 1; b < kKenoButtonCount; ++b) {
    const Rect r = ButtonArea(b);
    if (r.w > 0 && r.h > 0) areas.push_back({r, b});
  }
  return areas;
}

constexpr SoundRecipe kSounds[] = {
    {kSoundRoll, SoundKind::kRattle, 3000, 0, 600},
    {kSoundLand, SoundKind::kClick, 900, 0, 120},
};

[[maybe_unused]] const int kRegistered = RegisterSheet(KenoSheet);

}  // namespace

const Sheet& KenoSheet() {
  static const std::vector<SheetItem> items = BuildItems();
  static const std::vector<HitArea> areas = BuildHitAreas();
  static const Sheet sheet{kProgram, kPictureWidth, kPictureHeight, kKey,      items,       kFonts,
                           kHitMapFile, areas,       kSounds,        kHelpPage, KenoHelpPage};
  return sheet;
}

}  // namespace pd::art
