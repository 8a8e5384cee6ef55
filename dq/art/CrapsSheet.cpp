#include "dq/art/CrapsSheet.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "artwork/ButtonFace.h"
#include "artwork/Chip.h"
#include "artwork/Die.h"
#include "artwork/SheetItems.h"
#include "artwork/SheetRegistry.h"
#include "artwork/StandardColours.h"
#include "artwork/Text.h"
#include "dq/CrapsButtons.h"
#include "dq/CrapsFonts.h"
#include "dq/CrapsInput.h"
#include "dq/CrapsTableLayout.h"
#include "dq/art/CrapsHelp.h"

namespace dq::art {

using namespace artwork;

namespace {

static_assert(dq::kPictureKey == kKey, "the program leaves out the index the sprites are painted around");

using dq::Point;

static_assert(GlyphAreaHeight(dq::kTableFontLayout) + dq::kTableFontLayout.y <= dq::kTableDieFaceY,
              "the table font must end above the table dice");
static_assert(GlyphAreaHeight(dq::kSmallFontLayout) + dq::kSmallFontLayout.y <= kHeight,
              "the small font must fit in the picture");

// ---- The bet regions of the table ----

// The box columns lean: each box stands lower than the one before it.
constexpr double kSlope = 75.0 / 252.0;
double BoxesTop(int x) { return 85.0 + kSlope * (x - 190); }
double BoxesBottom(int x) { return BoxesTop(x) + 78.0; }

enum Region {
  kNoRegion,
  kBoxes,
  kDontComeBar,
  kCome,
  kField,
  kBig,
  kDontPass,
  kDontPassOdds,
  kPass,
  kPassOdds,
  kPropositions,
};

Region RegionAt(int x, int y) {
  if (x >= 190 && x < 500 && y >= BoxesTop(x) && y < BoxesBottom(x)) return kBoxes;
  if (x >= 150 && x < 190 && y >= 88 && y < 140) return kDontComeBar;
  if (x >= 150 && x < 466) {
    const double b = BoxesBottom(x);
    if (y >= b && y < b + 22) return kCome;
    if (y >= b + 22 && y < b + 50) return kField;
  }
  if (x >= 56 && x < 150 && y >= 160 && y < 246) return kBig;
  if (x >= 466 && x < 636 && y >= 250 && y < 455) return kPropositions;
  if (x >= 320 && x < 346 && y >= 287 && y < 301) return kDontPassOdds;
  if (x >= 160 && x < 380 && y >= 262 && y < 301 && y >= BoxesBottom(x) + 50) return kDontPass;
  if (x >= 160 && x < 400 && y >= 302 && y < 334) return kPass;
  if (x >= 160 && x < 400 && y >= 334 && y < 356) return kPassOdds;
  return kNoRegion;
}

// The bet buttons that share the box columns, the Big 6 and 8 corner and the
// propositions.
constexpr int kBoxButtons[] = {19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36,
                               37, 38, 39, 40, 41, 42, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65};
constexpr int kBigButtons[] = {16, 17};
constexpr int kPropositionButtons[] = {43, 44, 45, 46, 47, 48, 49, 50, 51, 52};

template <std::size_t N>
int NearestButton(int x, int y, const int (&buttons)[N]) {
  int best = 0;
  long bestDistance = 0;
  for (int b : buttons) {
    const Point spot = dq::kBetSpots[dq::BetKindOfButton(b)];
    const long dx = x - spot.x;
    const long dy = y - spot.y;
    const long d = dx * dx + dy * dy;
    if (best == 0 || d < bestDistance) {
      best = b;
      bestDistance = d;
    }
  }
  return best;
}

}  // namespace

int BetButtonAt(int x, int y) {
  switch (RegionAt(x, y)) {
    case kBoxes: return NearestButton(x, y, kBoxButtons);
    case kBig: return NearestButton(x, y, kBigButtons);
    case kPropositions: return NearestButton(x, y, kPropositionButtons);
    case kDontComeBar: return 15;
    case kCome: return 14;
    case kField: return 18;
    case kDontPass: return dq::kButtonDontPass;
    case kDontPassOdds: return dq::kButtonDontPassOdds;
    case kPass: return dq::kButtonPassline;
    case kPassOdds: return 12;
    default: return 0;
  }
}

namespace {

// ---- The table ----

constexpr TextStyle kLabel{kWhite, kBlack, 1, 0};
constexpr TextStyle kTitle{kYellow, kBlack, 1, 1};
constexpr TextStyle kBoxNumber{kYellow, kDarkRed, 2, 1};

constexpr bool InBoxRun(int kind) {
  return (kind >= dq::kComePointOdds4 && kind < dq::kComePointOdds4 + 6) ||
         (kind >= dq::kDontComePointOdds4 && kind < dq::kDontComePointOdds4 + 6) ||
         (kind >= dq::kPlaceWin4 && kind < dq::kLay4 + 6);
}

// What each clickable spot of the boxes reads: its bet and its box.
const char* BoxLabel(int kind) {
  static char labels[dq::kCrapsBetKinds][8];
  struct Run {
    int first;
    const char* format;
  };
  static constexpr Run kRuns[] = {{dq::kComePointOdds4, "ODD"}, {dq::kDontComePointOdds4, "DC"},
                                  {dq::kPlaceWin4, "W%d"},      {dq::kPlaceLose4, "L%d"},
                                  {dq::kBuy4, "BUY"},           {dq::kLay4, "LAY"}};
  for (const Run& run : kRuns) {
    if (kind < run.first || kind >= run.first + 6) continue;
    std::snprintf(labels[kind], sizeof labels[kind], run.format, dq::kBoxNumbers[kind - run.first]);
    return labels[kind];
  }
  return nullptr;
}

// The other bets' names, where each reads best in its area.
struct AreaLabel {
  int kind;
  const char* text;
  Point at;
};
constexpr AreaLabel kAreaLabels[] = {
    {dq::kPassline, "PASS LINE", {250, 318}},
    {dq::kPasslineOdds, "PASS ODDS", {250, 345}},
    {dq::kDontPass, "DON'T PASS BAR", {230, 282}},
    {dq::kDontPassOdds, "ODDS", {333, 294}},
    {dq::kComeBet, "COME", {360, 225}},
    {dq::kField, "FIELD", {380, 256}},
    {dq::kDontComeBet, "DC BAR", {169, 113}},
    {dq::kBig6, "BIG 6", {90, 186}},
    {dq::kBig8, "BIG 8", {107, 216}},
    {dq::kAny7, "ANY 7", {562, 256}},
    {dq::kHardway6, "HARD 6", {511, 277}},
    {dq::kHardway8, "HARD 8", {501, 308}},
    {dq::kHardway10, "HARD 10", {593, 300}},
    {dq::kHardway4, "HARD 4", {585, 332}},
    {dq::kHorn2, "HORN 2", {533, 354}},
    {dq::kHorn12, "HORN 12", {588, 372}},
    {dq::kHorn3, "HORN 3", {477, 337}},
    {dq::kHorn11, "HORN 11", {484, 378}},
    {dq::kAnyCraps, "ANY CRAPS", {512, 425}},
};

// Every bet reads its name: the box runs at their spots, the come points by
// their box number, the don't come points with their odds, the rest here.
constexpr bool EveryBetLabelled() {
  for (int kind = 0; kind < dq::kCrapsBetKinds; ++kind) {
    const bool point = (kind >= dq::kComePoint4 && kind < dq::kComePoint4 + 6) ||
                       (kind >= dq::kDontComePoint4 && kind < dq::kDontComePoint4 + 6);
    int labels = InBoxRun(kind) || point ? 1 : 0;
    for (const AreaLabel& label : kAreaLabels) labels += label.kind == kind ? 1 : 0;
    if (labels != 1) return false;
  }
  return true;
}
static_assert(EveryBetLabelled());

void LabelAt(IndexedImage& image, Point at, const char* text, const TextStyle& style) {
  DrawTextCentred(image, {at.x - 40, at.y - 6, 80, 12}, text, style);
}

// Felt everywhere a bet lies, a white edge round each region and a light line
// between the areas that share one.
void PaintBetAreas(IndexedImage& image) {
  for (int y = 48; y < 458; ++y) {
    for (int x = 48; x < 638; ++x) {
      const Region region = RegionAt(x, y);
      if (region == kNoRegion) continue;
      const int button = BetButtonAt(x, y);
      const bool edge = RegionAt(x + 1, y) != region || RegionAt(x, y + 1) != region ||
                        RegionAt(x - 1, y) != region || RegionAt(x, y - 1) != region;
      const bool split = BetButtonAt(x + 1, y) != button || BetButtonAt(x, y + 1) != button;
      image.At(x, y) = edge ? kWhite : (split ? kFeltLight : kFelt);
    }
  }
}

void DrawTable(IndexedImage& image, const SheetItem&) {
  FillRect(image, {0, 0, kScreenWidth, kScreenHeight}, kWoodDark);
  FillRoundRect(image, {44, 46, 596, 414}, 20, kWood);
  FillRoundRect(image, {48, 50, 588, 406}, 18, kFeltDark);
  PaintBetAreas(image);

  // The boxes: the number where the come bets stand, a label at every spot.
  for (int i = 0; i < 6; ++i) {
    char number[4];
    std::snprintf(number, sizeof number, "%d", dq::kBoxNumbers[i]);
    const Point spot = dq::kBetSpots[dq::kComePoint4 + i];
    DrawTextCentred(image, {spot.x - 12, spot.y - 8, 24, 16}, number, kBoxNumber);
  }
  for (int kind = 0; kind < dq::kCrapsBetKinds; ++kind) {
    if (InBoxRun(kind)) LabelAt(image, dq::kBetSpots[kind], BoxLabel(kind), kLabel);
  }
  for (const AreaLabel& label : kAreaLabels) LabelAt(image, label.at, label.text, kTitle);
  DrawText(image, 500, 232, "PROPOSITIONS", kTitle);

  // The dice window. The puck's OFF place stays bare felt: the program
  // restores it from here when the puck moves ON.
  FillRoundRect(image, {502, 54, 117, 73}, 6, kBlack);
  FrameRoundRect(image, {502, 54, 117, 73}, 6, kGold);

  // The rail the thrown dice pass under, and the chip tray below it.
  FillRect(image, {0, 307, 160, 51}, kWood);
  for (int y = 311; y < 358; y += 6) FillRect(image, {0, y, 160, 1}, kWoodDark);
  FillRect(image, {0, 305, 160, 2}, kGold);
  FillRect(image, {0, 358, 190, 100}, kWoodDark);
  for (int c = 0; c < dq::kChipCount; ++c) {
    const Point at = dq::kSelectorPlaces[c];
    DrawChip(image, {at.x + 2, at.y + 2, dq::kSelectorSize - 4, dq::kSelectorSize - 4}, dq::kChipValues[c]);
  }
  FillRect(image, {18, 434, 80, 13}, kBlack);
  FrameRect(image, {358, 356, 90, 100}, kFeltLight, 1);
  DrawText(image, 376, 440, "PAYOUT", kLabel);

  // The bars above and below the table.
  FillRect(image, {0, 0, kScreenWidth, 46}, kBlack);
  FillRect(image, {0, 45, kScreenWidth, 1}, kGold);
  FillRect(image, {dq::kTotalBetArea.x, dq::kTotalBetArea.y, dq::kTotalBetArea.width, dq::kTotalBetArea.height},
           kBlack);
  const dq::Area strip = dq::kTickerStrip;
  FillRect(image, {strip.x - 2, strip.y - 2, strip.width + 4, strip.height + 4}, kGreyDark);
  FillRect(image, {strip.x, strip.y, strip.width, strip.height}, kBlack);
  for (int y = 0; y < strip.height; y += 2) {
    for (int x = 0; x < strip.width; x += 2) image.At(strip.x + x, strip.y + y) = kDarkRed;
  }
  DrawText(image, 200, 30, "AMERICAN CRAPS", kTitle);
  FillRect(image, {0, 458, kScreenWidth, 22}, kBlack);
  FillRect(image, {0, 461, kScreenWidth, 1}, kGold);
}

// ---- Sprites ----

void DrawPileChip(IndexedImage& image, const SheetItem& item) {
  if (item.value > 0) {
    DrawChip(image, item.area, item.value);
    return;
  }
  FillEllipse(image, item.area, kBlack);
  FillEllipse(image, {item.area.x + 1, item.area.y + 1, item.area.w - 2, item.area.h - 2}, kGold);
}

// A round token with a word on it: markers and the puck.
void DrawToken(IndexedImage& image, const SheetItem& item) {
  const std::uint8_t ink = item.colour == kBlack ? std::uint8_t{kWhite} : std::uint8_t{kBlack};
  FillEllipse(image, item.area, ink);
  FillEllipse(image, {item.area.x + 1, item.area.y + 1, item.area.w - 2, item.area.h - 2}, item.colour);
  DrawTextCentred(image, item.area, item.text, {ink, ink, 1, 0});
}

// A die seen from the front and a little from above: the top as a light band.
void DrawStandingDie(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  const int top = r.h - r.w;
  FillRoundRect(image, {r.x, r.y, r.w, top + 4}, 3, kGreyLight);
  DrawDie(image, {r.x, r.y + top, r.w, r.w}, item.value, kCardFace, kBlack);
}

void DrawDieShadow(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillRoundRect(image, {r.x + 2, r.y + r.h - r.w + 2, r.w - 4, r.w - 4}, 4, kGreyDark);
}

// One tumbling frame: the die turned on its edge more or less.
void DrawTumble(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  const int squeeze = std::abs(item.value % 5 - 2) * 3;
  const Rect body{r.x + 2 + squeeze / 2, r.y + 2, r.w - 4 - squeeze, r.h - 4};
  if (item.colour == kGreyDark) {
    FillRoundRect(image, body, 4, kGreyDark);
    return;
  }
  DrawDie(image, body, item.value % 6 + 1, kCardFace, kBlack);
}

void DrawStickShaft(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  for (int x = 0; x < r.w; ++x) {
    const int y = x * (r.h - 4) / r.w;
    FillRect(image, {r.x + x, r.y + y, 1, 4}, kWood);
    Plot(image, r.x + x, r.y + y, kOrange);
  }
}

// The stick's hook, empty or holding one or two dice.
void DrawStickHead(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillRect(image, {r.x + 2, r.y + r.h - 6, r.w - 4, 4}, kWood);
  FillRect(image, {r.x + 2, r.y + 2, 4, r.h - 6}, kWood);
  for (int d = 0; d < item.value; ++d) {
    DrawDie(image, {r.x + 7 + 9 * d, r.y + r.h - 16, 10, 10}, 5 - d, kCardFace, kBlack);
  }
}

void DrawSelector(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillEllipse(image, r, kYellow);
  FillEllipse(image, {r.x + 2, r.y + 2, r.w - 4, r.h - 4}, kKey);
}

void DrawLagStrip(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  for (int x = 0; x < r.w; x += 7) {
    const std::uint8_t colour = x < 14 ? kChipGreen : (x < 28 ? kYellow : kRed);
    FillRect(image, {r.x + x, r.y, 5, r.h}, colour);
  }
}

// The rail piece a die passes under is the table's own rail.
void CopyRail(IndexedImage& image, const SheetItem& item) {
  for (int y = 0; y < item.area.h; ++y) {
    for (int x = 0; x < item.area.w; ++x) {
      image.At(item.area.x + x, item.area.y + y) = image.At(dq::kRailPlace.x + x, dq::kRailPlace.y + y);
    }
  }
}

// A chip button's face: greyed (not usable) or pressed into the tray.
void DrawChipFace(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillRect(image, r, kWoodDark);
  const int pressed = item.colour == kGold;
  DrawChip(image, {r.x + 2 + pressed, r.y + 2 + pressed, r.w - 4, r.h - 4}, item.value);
  if (pressed) return;
  for (int y = r.y; y < r.y + r.h; ++y) {
    for (int x = r.x + (y & 1); x < r.x + r.w; x += 2) image.At(x, y) = kGreyDark;
  }
}

void AddButton(std::vector<SheetItem>& items, int b, const char* label, std::uint8_t face) {
  const ButtonEntry& row = dq::kCrapsButtonTable.rows[b];
  for (int state = 0; state < 3; ++state) {
    const ButtonSource s = row.source[state];
    items.push_back({DrawButtonItem, {s.x, s.y, row.width, row.height}, state, label, face});
  }
}

std::vector<SheetItem> BuildItems() {
  using dq::Point;
  std::vector<SheetItem> items;
  items.push_back({DrawTable, {0, 0, kScreenWidth, kScreenHeight}, 0, nullptr, 0});
  // The colour of the ticker's lit dots.
  items.push_back({DrawMarkerItem, {301, 276, 1, 1}, 0, nullptr, kYellow});

  for (int c = 0; c < dq::kChipCount; ++c) {
    const Point at = dq::kChipSprites[c];
    items.push_back({DrawPileChip, {at.x, at.y, dq::kChipWidth, dq::kChipHeight}, dq::kChipValues[c], nullptr, 0});
  }
  const Point fraction = dq::kFractionChipSprite;
  items.push_back({DrawPileChip, {fraction.x, fraction.y, dq::kChipWidth, dq::kChipHeight}, 0, nullptr, 0});
  struct Token {
    Point at;
    const char* text;
    std::uint8_t colour;
  };
  const Token markers[] = {{dq::kLayMarkerSprite, "LAY", kCyan},
                           {dq::kBuyMarkerSprite, "BUY", kOrange},
                           {dq::kOnMarkerSprite, "ON", kWhite},
                           {dq::kOffMarkerSprite, "OFF", kBlack}};
  for (const Token& t : markers) {
    items.push_back({DrawToken, {t.at.x, t.at.y, dq::kChipWidth, dq::kChipHeight}, 0, t.text, t.colour});
  }
  items.push_back({DrawToken, {dq::kPuckOnSprite.x, dq::kPuckOnSprite.y, dq::kPuckWidth, dq::kPuckHeight}, 0, "ON",
                   kWhite});
  items.push_back({DrawToken, {dq::kPuckOffSprite.x, dq::kPuckOffSprite.y, dq::kPuckWidth, dq::kPuckHeight}, 0,
                   "OFF", kBlack});

  for (int v = 1; v <= 6; ++v) {
    const Point large = dq::kLargeDieFaces[v - 1];
    items.push_back(
        {DrawStandingDie, {large.x, large.y, dq::kLargeDieWidth, dq::kLargeDieHeight}, v, nullptr, 0});
    const Point face = dq::TableDieFace(v);
    items.push_back({DrawStandingDie, {face.x, face.y, dq::kTableDieWidth, dq::kTableDieHeight}, v, nullptr, 0});
    const Point shadow = dq::TableDieShadow(v);
    items.push_back({DrawDieShadow, {shadow.x, shadow.y, dq::kTableDieWidth, dq::kTableDieHeight}, v, nullptr, 0});
  }
  for (int f = 0; f < dq::kTumbleFrames; ++f) {
    const int x = dq::kTumbleFrameX[f];
    items.push_back({DrawTumble, {x, dq::kTumbleFrameY, dq::kTumbleWidth, dq::kTumbleHeight}, f, nullptr, kWhite});
    items.push_back(
        {DrawTumble, {x, dq::kTumbleShadowY, dq::kTumbleWidth, dq::kTumbleHeight}, f, nullptr, kGreyDark});
  }
  const dq::Area shaft = dq::kStickShaft;
  items.push_back({DrawStickShaft, {shaft.x, shaft.y, shaft.width, shaft.height}, 0, nullptr, 0});
  const Point heads[] = {dq::kStickHeadEmpty, dq::kStickHeadOneDie, dq::kStickHeadTwoDice};
  for (int d = 0; d < 3; ++d) {
    items.push_back({DrawStickHead, {heads[d].x, heads[d].y, dq::kStickHeadWidth, dq::kStickHeadHeight}, d,
                     nullptr, 0});
  }
  const dq::Area rail = dq::kRailSprite;
  items.push_back({CopyRail, {rail.x, rail.y, rail.width, rail.height}, 0, nullptr, 0});
  items.push_back({DrawSelector,
                   {dq::kSelectorSprite.x, dq::kSelectorSprite.y, dq::kSelectorSize, dq::kSelectorSize},
                   0,
                   nullptr,
                   0});
  items.push_back({DrawLagStrip, {302, 598, 40, 7}, 0, nullptr, 0});

  AddButton(items, dq::kButtonOptions, "OPTIONS", kBlue);
  AddButton(items, dq::kButtonHelp, "HELP", kBlue);
  AddButton(items, dq::kButtonExit, "EXIT", kRed);
  AddButton(items, dq::kButtonRoll, "ROLL", kChipGreen);
  for (int c = 0; c < dq::kChipCount; ++c) {
    const ButtonEntry& row = dq::kCrapsButtonTable.rows[dq::kButtonChip1 + c];
    const ButtonSource normal = row.source[0];
    const ButtonSource pressed = row.source[2];
    items.push_back({DrawChipFace, {normal.x, normal.y, row.width, row.height}, dq::kChipValues[c], nullptr,
                     kGreyDark});
    items.push_back({DrawChipFace, {pressed.x, pressed.y, row.width, row.height}, dq::kChipValues[c], nullptr,
                     kGold});
  }
  // The sprites' transparent colour, read back by the program.
  items.push_back({DrawMarkerItem, {dq::kTransparentPixel.x, dq::kTransparentPixel.y, 1, 1}, 0, nullptr, kKey});
  return items;
}

// The bet areas as runs of map pixels, then the buttons over them.
std::vector<HitArea> BuildHitAreas() {
  std::vector<HitArea> areas;
  for (int my = 0; my < kScreenHeight / 2; ++my) {
    int mx = 0;
    while (mx < kScreenWidth / 2) {
      const int button = BetButtonAt(2 * mx, 2 * my);
      int end = mx + 1;
      while (end < kScreenWidth / 2 && BetButtonAt(2 * end, 2 * my) == button) ++end;
      if (button != 0) areas.push_back({{2 * mx, 2 * my, 2 * (end - mx), 2}, button});
      mx = end;
    }
  }
  for (int b = 1; b < dq::kCrapsButtonCount; ++b) {
    const ButtonEntry& row = dq::kCrapsButtonTable.rows[b];
    if (row.width > 0 && row.height > 0) areas.push_back({{row.x, row.y, row.width, row.height}, b});
  }
  return areas;
}

// The stickman's words and the dice: short, so that the calls that hold the
// game while they play stay brief.
constexpr SoundRecipe kSounds[] = {
    {"../wav/dq_c2.wav", SoundKind::kChime, 392, 196, 300},
    {"../wav/dq_c3.wav", SoundKind::kChime, 415, 208, 300},
    {"../wav/dq_h4.wav", SoundKind::kChime, 523, 659, 280},
    {"../wav/dq_e4.wav", SoundKind::kChime, 659, 523, 280},
    {"../wav/dq_h6.wav", SoundKind::kChime, 587, 740, 280},
    {"../wav/dq_e6.wav", SoundKind::kChime, 740, 587, 280},
    {"../wav/dq_h8.wav", SoundKind::kChime, 622, 784, 280},
    {"../wav/dq_e8.wav", SoundKind::kChime, 784, 622, 280},
    {"../wav/dq_h10.wav", SoundKind::kChime, 698, 880, 280},
    {"../wav/dq_e10.wav", SoundKind::kChime, 880, 698, 280},
    {"../wav/dq_point.wav", SoundKind::kChime, 523, 784, 300},
    {"../wav/dq_roll.wav", SoundKind::kSweep, 300, 500, 250},
    {"../wav/dq_w7.wav", SoundKind::kChime, 659, 988, 320},
    {"../wav/dq_line.wav", SoundKind::kChime, 784, 1047, 320},
    {"../wav/dq_out7.wav", SoundKind::kSweep, 500, 200, 320},
    {"../wav/dq_yo11.wav", SoundKind::kChime, 880, 1175, 280},
    {"../wav/dq_win11.wav", SoundKind::kChime, 988, 1319, 300},
    {"../wav/dq_c12.wav", SoundKind::kChime, 349, 175, 300},
    {"../wav/dq_come.wav", SoundKind::kSweep, 350, 700, 300},
    {"../wav/dq_out.wav", SoundKind::kSweep, 600, 300, 250},
    {"../wav/dq_shoot.wav", SoundKind::kSweep, 400, 800, 250},
    {"../wav/dq_coll.wav", SoundKind::kClick, 900, 0, 60},
    {"../wav/dq_Dice.wav", SoundKind::kRattle, 2500, 0, 500},
    {"../wav/dq_Dice2.wav", SoundKind::kRattle, 3500, 0, 120},
};

constexpr GlyphFont kFonts[] = {{dq::kTableFontLayout, kYellow, kBlack}, {dq::kSmallFontLayout, kWhite, kBlack}};

[[maybe_unused]] const int kRegistered = RegisterSheet(CrapsSheet);

}  // namespace

const Sheet& CrapsSheet() {
  static const std::vector<SheetItem> items = BuildItems();
  static const std::vector<HitArea> areas = BuildHitAreas();
  static const Sheet sheet{kProgram, kWidth,  kHeight, kKey,           items,          kFonts,
                           "res\\Btndata.dat", areas, kSounds, dq::kCrapsHelpPage, CrapsHelpPage};
  return sheet;
}

}  // namespace dq::art
