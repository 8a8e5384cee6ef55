#include "wl/art/RouletteSheet.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "artwork/ButtonFace.h"
#include "artwork/Chip.h"
#include "artwork/SheetItems.h"
#include "artwork/SheetRegistry.h"
#include "artwork/StandardColours.h"
#include "artwork/Text.h"
#include "wl/RouletteButtons.h"
#include "wl/RouletteFiles.h"
#include "wl/RouletteTableLayout.h"

namespace wl::art {

using namespace artwork;

namespace {

static_assert(kPictureKey == kKey, "the program leaves out the index the sprites are painted around");

constexpr double kPi = 3.14159265358979323846;
constexpr std::uint8_t kTextInk = kYellow;
constexpr std::uint8_t kGreen = kChipGreen;
constexpr TextStyle kOutlined = {kWhite, kBlack, 1, 1};

constexpr Rect RectOf(Area a) { return {a.x, a.y, a.width, a.height}; }

std::uint8_t NumberColour(int number) {
  if (number == 0 || number == kDoubleZero) return kGreen;
  return IsRed(number) ? kRed : kBlack;
}

void NumberText(int number, char text[4]) {
  if (number == kDoubleZero) {
    std::snprintf(text, 4, "00");
  } else {
    std::snprintf(text, 4, "%d", number);
  }
}

// ---- The table ----

void DrawBox(IndexedImage& image, const Rect& r, std::uint8_t fill, const char* text) {
  FillRect(image, r, kWhite);
  FillRect(image, {r.x + 1, r.y + 1, r.w - 2, r.h - 2}, fill);
  if (text != nullptr) DrawTextCentred(image, r, text, kOutlined);
}

void DrawTable(IndexedImage& image) {
  for (int row = 0; row < kInsideRows; ++row) {
    for (int column = 0; column < 3; ++column) {
      const int number = 3 * row + column + 1;
      char text[4];
      NumberText(number, text);
      DrawBox(image, {RowLeft(row), CellTop(column), kCellWidth + 1, kCellHeight + 1}, NumberColour(number), text);
    }
  }
  const int half = kGridY + 3 * kCellHeight / 2;
  DrawBox(image, {kZeroX, kGridY, kGridX - kZeroX + 1, half - kGridY + 1}, kGreen, "00");
  DrawBox(image, {kZeroX, half, kGridX - kZeroX + 1, kGridBottom - half + 1}, kGreen, "0");
  for (int column = 0; column < 3; ++column) {
    DrawBox(image, {kGridRight, CellTop(column), kColumnRight - kGridRight, kCellHeight + 1}, kFelt, "2:1");
  }
  const char* dozens[3] = {"1st 12", "2nd 12", "3rd 12"};
  for (int k = 0; k < 3; ++k) {
    DrawBox(image, {kGridX + 4 * kCellWidth * k, kGridBottom, 4 * kCellWidth + 1, kDozenBottom - kGridBottom + 1},
            kFelt, dozens[k]);
  }
  const char* chances[6] = {"1-18", "EVEN", nullptr, nullptr, "ODD", "19-36"};
  for (int k = 0; k < 6; ++k) {
    const Rect r = {kGridX + 2 * kCellWidth * k, kDozenBottom, 2 * kCellWidth + 1, kChanceBottom - kDozenBottom};
    DrawBox(image, r, kFelt, chances[k]);
    if (chances[k] == nullptr) {
      // A diamond of the colour.
      const std::uint8_t colour = k == 2 ? kRed : kBlack;
      const int cx = r.x + r.w / 2, cy = r.y + r.h / 2;
      for (int dy = -8; dy <= 8; ++dy) {
        const int w = 14 - 14 * (dy < 0 ? -dy : dy) / 8;
        FillRect(image, {cx - w, cy + dy, 2 * w + 1, 1}, colour);
      }
    }
  }
}

// ---- The wheel ----

struct WheelShape {
  double pocketInner = 0.58, pocketOuter = 0.8, trackOuter = 0.95;
};
constexpr WheelShape kShape;

// The wheel with the pocket kWheelOrder[frame] at the mark (the top).
void DrawWheelFrame(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  const double ax = r.w / 2.0, ay = r.h / 2.0;
  for (int y = 0; y < r.h; ++y) {
    for (int x = 0; x < r.w; ++x) {
      const double dx = (x + 0.5 - ax) / ax, dy = (y + 0.5 - ay) / ay;
      const double d = std::sqrt(dx * dx + dy * dy);
      double turn = std::atan2(dx, -dy) / (2 * kPi) * kRouletteNumbers;
      std::uint8_t c = kFelt;
      if (d > 1.0) {
        c = kFelt;
      } else if (d > kShape.trackOuter) {
        c = kWoodDark;
      } else if (d > kShape.pocketOuter) {
        c = kWood;
      } else if (d > kShape.pocketInner) {
        const int pocket = static_cast<int>(std::floor(turn + 0.5));
        const double edge = std::fabs(turn + 0.5 - std::floor(turn + 0.5) - 0.5);
        const int index = ((item.value + pocket) % kRouletteNumbers + kRouletteNumbers) % kRouletteNumbers;
        c = edge > 0.42 ? std::uint8_t{kGold} : NumberColour(kWheelOrder[index]);
      } else if (d > 0.2) {
        c = (static_cast<int>(std::floor(turn / 4.75)) % 2) ? kGold : kWood;
      } else {
        c = d > 0.1 ? kGold : kYellow;
      }
      image.At(r.x + x, r.y + y) = c;
    }
  }
  // The mark above the pocket at the top.
  for (int k = 0; k < 5; ++k) FillRect(image, {r.x + r.w / 2 - 4 + k, r.y + k, 9 - 2 * k, 1}, kYellow);
}

// The pockets at the mark, five at a time, the middle one kWheelOrder[frame].
void DrawCloseUpFrame(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillRect(image, r, kWood);
  FillRect(image, {r.x, r.y, r.w, 10}, kWoodDark);
  FillRect(image, {r.x, r.y + 88, r.w, 17}, kGold);
  constexpr int kPocket = 28;
  for (int o = -3; o <= 3; ++o) {
    const int number = kWheelOrder[((item.value + o) % kRouletteNumbers + kRouletteNumbers) % kRouletteNumbers];
    const int left = r.x + r.w / 2 - kPocket / 2 + kPocket * o;
    for (int x = left; x < left + kPocket; ++x) {
      if (x < r.x || x >= r.x + r.w) continue;
      FillRect(image, {x, r.y + 44, 1, 44}, x == left ? std::uint8_t{kGold} : NumberColour(number));
    }
    char text[4];
    NumberText(number, text);
    const int textX = left + 4;
    if (textX >= r.x && textX + 20 <= r.x + r.w) DrawTextCentred(image, {left, r.y + 46, kPocket, 14}, text, kOutlined);
  }
  FillRect(image, {r.x + r.w / 2 - 1, r.y, 3, 8}, kYellow);
}

void DrawBall(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillRect(image, r, kKey);
  FillEllipse(image, r, kGreyLight);
  FillEllipse(image, {r.x + 1, r.y + 1, r.w - 3, r.h - 3}, kWhite);
}

// ---- Sprites ----

void DrawChipSprite(IndexedImage& image, const SheetItem& item) {
  FillRect(image, item.area, kKey);
  DrawChip(image, item.area, item.value);
}

void DrawRing(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillRect(image, r, kKey);
  FillEllipse(image, r, kYellow);
  FillEllipse(image, {r.x + 3, r.y + 3, r.w - 6, r.h - 6}, kKey);
}

// A pin that points down at the winning number.
void DrawMarker(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillRect(image, r, kKey);
  FillEllipse(image, {r.x, r.y, r.w, r.w}, kGold);
  FillEllipse(image, {r.x + 3, r.y + 3, r.w - 6, r.w - 6}, kYellow);
  for (int y = r.w; y < r.h; ++y) {
    const int w = (r.h - y) * r.w / 2 / (r.h - r.w);
    FillRect(image, {r.x + r.w / 2 - w / 2, r.y + y, w > 0 ? w : 1, 1}, kGold);
  }
}

void DrawGlyph(IndexedImage& image, const SheetItem& item) {
  FillRect(image, item.area, kBlack);
  DrawTextCentred(image, item.area, item.text, {item.colour, kBlack, 1, 0});
}

void DrawLagStrip(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillRect(image, r, kBlack);
  constexpr std::uint8_t kLevels[] = {kChipGreen, kChipGreen, kYellow, kYellow, kOrange, kRed};
  for (int level = 0; level < 6; ++level) FillRect(image, {r.x + 7 * level, r.y, 5, r.h}, kLevels[level]);
}

// A chip button face: value, state colour (0 greyed on the table, 1 lit, 2 pressed).
void DrawChipButton(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillRect(image, r, item.colour == 0 ? kFelt : kKey);
  const int shift = item.colour == 2 ? 1 : 0;
  const Rect chip = {r.x + 2 + shift, r.y + 1 + shift, r.w - 4, r.h - 3};
  if (item.colour == 0) {
    FillEllipse(image, chip, kGreyDark);
    DrawTextCentred(image, chip, item.text, {kGrey, kBlack, 1, 0});
  } else {
    DrawChip(image, chip, item.value);
  }
}

void DrawSpinButton(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillRect(image, r, item.value == 0 ? kFelt : kKey);
  const std::uint8_t face = item.value == 0 ? kGreyDark : item.value == 1 ? kRed : kDarkRed;
  const int shift = item.value == 2 ? 1 : 0;
  FillRoundRect(image, {r.x + shift, r.y + shift, r.w - 1, r.h - 1}, 8, face);
  DrawTextCentred(image, {r.x + shift, r.y + shift, r.w - 1, r.h - 1}, "SPIN",
                  {item.value == 0 ? std::uint8_t{kGrey} : std::uint8_t{kWhite}, kBlack, 2, 0});
}

void DrawTextButton(IndexedImage& image, const SheetItem& item) {
  FillRect(image, item.area, item.value ? kYellow : kBlack);
  DrawTextCentred(image, item.area, item.text,
                  {item.value ? std::uint8_t{kBlack} : std::uint8_t{kYellow}, kBlack, 1, 0});
}

struct TextButton {
  int button;
  const char* text;
  Point pressed;
};
constexpr TextButton kTextButtons[] = {
    {kButtonHelp, "HELP", kHelpFace}, {kButtonOptions, "OPTIONS", kOptionsFace}, {kButtonQuit, "QUIT", kQuitFace}};
constexpr const char* kChipLabels[5] = {"$1", "$5", "$25", "$100", "$500"};

Rect ButtonArea(int button) {
  const ButtonEntry& row = kRouletteButtonTable[button];
  return {row.x, row.y, row.width, row.height};
}

void DrawScreen(IndexedImage& image, const SheetItem&) {
  FillRect(image, {0, 0, kScreenWidth, kScreenHeight}, kFelt);
  FillRect(image, {8, 20, 188, 132}, kFeltDark);
  DrawWheelFrame(image, {nullptr, RectOf(kWheelArea), 0, nullptr, 0});
  DrawTable(image);
  FillRoundRect(image, {kInfoArea.x - 4, kInfoArea.y - 2, kInfoArea.width + 12, kInfoArea.height + 6}, 4, kGold);
  FillRect(image, RectOf(kInfoArea), kFeltDark);
  DrawText(image, kTotalBetLine.x, 20, "ROULETTE", {kYellow, kBlack, 2, 1});
  FillRect(image, {kLastNumbersArea.x - 2, kLastNumbersArea.y - 2, kLastNumbersArea.width + 4,
                   kLastNumbersArea.height + 4}, kGold);
  FillRect(image, RectOf(kLastNumbersArea), kBlack);
  for (int k = 0; k < 5; ++k) {
    DrawChipButton(image, {nullptr, ButtonArea(kButtonChip1 + k), kChipValues[k], kChipLabels[k], 0});
  }
  DrawSpinButton(image, {nullptr, ButtonArea(kButtonSpin), 0, nullptr, 0});
  DrawText(image, kMoneyArea.x, kMoneyArea.y - 12, "MONEY", {kYellow, kBlack, 1, 0});
  FillRect(image, RectOf(kMoneyArea), kFeltDark);
  FillRect(image, {0, 465, kScreenWidth, 1}, kGold);
  FillRect(image, {0, 466, kScreenWidth, 14}, kBlack);
  for (const TextButton& b : kTextButtons) DrawTextButton(image, {nullptr, ButtonArea(b.button), 0, b.text, 0});
}

constexpr GlyphFont kFonts[] = {{kSmallFontLayout, kTextInk, kBlack}};

std::vector<SheetItem> BuildItems() {
  static const char* const kDigits[10] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
  std::vector<SheetItem> items;
  items.push_back({DrawScreen, {0, 0, kScreenWidth, kScreenHeight}, 0, nullptr, 0});
  for (int k = 0; k < kRouletteNumbers; ++k) {
    const Point w = WheelFrame(k), c = CloseUpFrame(k);
    items.push_back({DrawWheelFrame, {w.x, w.y, kWheelArea.width, kWheelArea.height}, k, nullptr, 0});
    items.push_back({DrawCloseUpFrame, {c.x, c.y, kInfoArea.width, kInfoArea.height}, k, nullptr, 0});
  }
  for (int k = 0; k < 5; ++k) {
    const Point p = ChipSource(k);
    items.push_back({DrawChipSprite, {p.x, p.y, kChipWidth, kChipHeight}, kChipValues[k], nullptr, 0});
    for (int pressed = 0; pressed < 2; ++pressed) {
      const Point f = ChipButtonFace(k, pressed);
      items.push_back({DrawChipButton, {f.x, f.y, kChipButtonWidth, kChipButtonHeight}, kChipValues[k],
                       kChipLabels[k], static_cast<std::uint8_t>(1 + pressed)});
    }
  }
  items.push_back({DrawRing, {kRingSource.x, kRingSource.y, kRingSize, kRingSize}, 0, nullptr, 0});
  items.push_back({DrawMarker, {kMarkerSource.x, kMarkerSource.y, kMarkerWidth, kMarkerHeight}, 0, nullptr, 0});
  items.push_back({DrawBall, {kSmallBallSource.x, kSmallBallSource.y, kSmallBall, kSmallBall}, 0, nullptr, 0});
  items.push_back({DrawBall, {kCloseUpBallSource.x, kCloseUpBallSource.y, kCloseUpBall, kCloseUpBall}, 0, nullptr, 0});
  for (int pressed = 0; pressed < 2; ++pressed) {
    items.push_back({DrawSpinButton, {kSpinFaces[pressed].x, kSpinFaces[pressed].y, 57, 36}, 1 + pressed, nullptr, 0});
  }
  for (const TextButton& b : kTextButtons) {
    const Rect area = ButtonArea(b.button);
    items.push_back({DrawTextButton, {b.pressed.x, b.pressed.y, area.w, area.h}, 1, b.text, 0});
  }
  for (int ink = 0; ink < 2; ++ink) {
    for (int digit = 0; digit < 10; ++digit) {
      const Point g = GlyphSource(ink, digit);
      items.push_back({DrawGlyph, {g.x, g.y, kGlyphWidth, kGlyphHeight}, 0, kDigits[digit], ink == 0 ? kRed : kWhite});
    }
  }
  const Point zero = GlyphSource(2, 0);
  items.push_back({DrawGlyph, {zero.x, zero.y, kGlyphWidth, kGlyphHeight}, 0, "0", kGreen});
  items.push_back({DrawGlyph, {kDoubleZeroGlyph.x, kDoubleZeroGlyph.y, kGlyphWidth, kGlyphHeight}, 0, "00", kGreen});
  items.push_back({DrawLagStrip, {kLagMeterSource.x, kLagMeterSource.y, kLagMeterArea.width, kLagMeterArea.height},
                   0, nullptr, 0});
  items.push_back({DrawMarkerItem, {kTextColourPixel.x, kTextColourPixel.y, 1, 1}, 0, nullptr, kTextInk});
  items.push_back({DrawMarkerItem, {kTransparentPixel.x, kTransparentPixel.y, 1, 1}, 0, nullptr, kKey});
  return items;
}

// The buttons' areas, then the table by map pixels: the runs of one slot
// along a map row, runs that repeat row after row joined into one area.
std::vector<HitArea> BuildHitAreas() {
  std::vector<HitArea> areas;
  for (int b = 1; b < kRouletteButtonCount; ++b) {
    const Rect r = ButtonArea(b);
    if (r.w > 0 && r.h > 0) areas.push_back({r, b});
  }
  std::vector<std::size_t> open;  // the areas the last row's runs extend
  for (int y = kTableArea.y & ~1; y < kTableArea.y + kTableArea.height; y += 2) {
    std::vector<std::size_t> now;
    for (int x = kTableArea.x & ~1; x < kTableArea.x + kTableArea.width;) {
      const int slot = SlotAtPoint(x, y);
      int end = x + 2;
      while (end < kTableArea.x + kTableArea.width && SlotAtPoint(end, y) == slot) end += 2;
      if (slot != 0) {
        std::size_t found = areas.size();
        for (std::size_t i : open) {
          const HitArea& a = areas[i];
          if (a.button == slot && a.screen.x == x && a.screen.w == end - x && a.screen.y + a.screen.h == y) found = i;
        }
        if (found == areas.size()) {
          areas.push_back({{x, y, end - x, 2}, slot});
        } else {
          areas[found].screen.h += 2;
        }
        now.push_back(found);
      }
      x = end;
    }
    open = now;
  }
  return areas;
}

constexpr SoundRecipe kSounds[] = {
    {kSoundBounce, SoundKind::kClick, 2600, 0, 90},   {kSoundRoll, SoundKind::kRattle, 3000, 0, 1200},
    {kSoundRed, SoundKind::kChime, 659, 523, 400},    {kSoundBlack, SoundKind::kChime, 392, 330, 400},
    {kSoundOdd, SoundKind::kTone, 587, 0, 250},       {kSoundEven, SoundKind::kTone, 494, 0, 250},
};

std::string HelpPage() {
  std::string page =
      "<html><head><title>Roulette</title></head><body><h1>Roulette</h1>"
      "<p>Choose a chip, click on the table to place it and right-click to take it back. Press the wheel "
      "(or Enter) to spin; Space places the last bets again. The wheel has 38 pockets: 0, 00 and 1 to 36.</p>"
      "<h2>Payouts (to one)</h2><table border=\"1\">";
  const char* names[] = {"Straight", "Split", "Street", "Corner", "Six line", "Five numbers (0, 00, 1, 2, 3)",
                         "Column", "Dozen", "Red, black, odd, even, 1-18, 19-36"};
  const int slots[] = {kFirstBetSlot, kFirstBetSlot + 1, kFirstBetSlot + 5, kFirstBetSlot + 7, kFirstBetSlot + 11,
                       kFiveNumbersSlot, kFirstColumnSlot, kFirstDozenSlot, kRedSlot};
  for (int k = 0; k < 9; ++k) {
    page += std::string("<tr><td>") + names[k] + "</td><td>" + std::to_string(kSlotPayout[slots[k]]) + "</td></tr>";
  }
  page += "</table></body></html>\n";
  return page;
}

[[maybe_unused]] const int kRegistered = RegisterSheet(RouletteSheet);

}  // namespace

const Sheet& RouletteSheet() {
  static const std::vector<SheetItem> items = BuildItems();
  static const std::vector<HitArea> areas = BuildHitAreas();
  static const Sheet sheet{kProgram, kPictureWidth, kPictureHeight, kKey,      items,    kFonts,
                           kHitMapFile, areas,       kSounds,        kHelpPage, HelpPage};
  return sheet;
}

}  // namespace wl::art
