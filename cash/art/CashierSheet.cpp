#include "cash/art/CashierSheet.h"

#include <string>
#include <vector>

#include "artwork/ButtonFace.h"
#include "artwork/SheetItems.h"
#include "artwork/SheetRegistry.h"
#include "artwork/StandardColours.h"
#include "artwork/Text.h"
#include "cash/CashierFiles.h"
#include "cash/CashierLayout.h"
#include "cash/art/CashierDialogArt.h"

namespace cash::art {

using namespace artwork;

namespace {

static_assert(kPictureKey == kKey, "the program leaves out the index the font is painted around");

constexpr std::uint8_t kPanel = kDarkBlue;
constexpr std::uint8_t kTextInk = kWhite;
constexpr TextStyle kLabel{kYellow, kBlack, 1, 0};
constexpr TextStyle kTitle{kGold, kDarkRed, 2, 1};

Rect RectOf(const Area& a) { return {a.x, a.y, a.width, a.height}; }

Rect RowArea(int row) {
  const ButtonEntry& b = kCashierButtonTable[row];
  return {b.x, b.y, b.width, b.height};
}

Rect FaceArea(int row, int state) {
  const ButtonEntry& b = kCashierButtonTable[row];
  return {b.source[state].x, b.source[state].y, b.width, b.height};
}

// A transfer selector: a card with an arrow into or out of the account,
// above the mode text's box, which takes the area's last rows.
void DrawSelector(IndexedImage& image, const Rect& area, const char* label, int selected, int deposit) {
  const Rect r{area.x, area.y, area.w, kModeTextBox.y - kCashierButtonTable[kButtonDeposit].y - 1};
  FillRoundRect(image, r, 6, selected ? kGold : kGreyDark);
  FillRoundRect(image, {r.x + 4, r.y + 4, r.w - 8, r.h - 8}, 4, selected ? kYellow : kGrey);
  DrawTextCentred(image, {r.x, r.y + r.h - 22, r.w, 16}, label, {kBlack, kBlack, 1, 0});
  const int cx = r.x + r.w / 2, top = r.y + 12;
  FillRect(image, {cx - 4, top, 8, 26}, deposit ? kFelt : kRed);
  for (int k = 0; k < 10; ++k) {
    const int y = deposit ? top + 26 + k : top - 1 - k + 10;
    FillRect(image, {cx - 10 + k, y, 20 - 2 * k, 1}, deposit ? kFelt : kRed);
  }
}

// The panel the information box stands on.
void DrawInfoPanel(IndexedImage& image, const Rect& r) {
  FillRoundRect(image, r, 6, kGreyDark);
  FrameRoundRect(image, r, 6, kGold);
}

void DrawBody(IndexedImage& image, int y) {
  FillRect(image, {0, y, kScreenWidth, kStripSource.height}, kPanel);
  FillRect(image, {0, y, kScreenWidth, 2}, kGold);
}

void DrawScreen(IndexedImage& image, const SheetItem&) {
  FillRect(image, {0, 0, kScreenWidth, kScreenHeight}, kBlack);
  DrawTextCentred(image, {0, 8, kScreenWidth, 34}, "CASHIER", kTitle);
  DrawBody(image, kStripPlace.y);
  FillRect(image, {0, kStripPlace.y + kStripSource.height, kScreenWidth, kScreenHeight - kStripPlace.y - kStripSource.height},
           kPanel);
  DrawText(image, kNameBox.x - 40, kNameBox.y + 3, "Name:", kLabel);
  DrawText(image, kBalanceBox.x - 52, kBalanceBox.y + 3, "Balance:", kLabel);
  DrawSelector(image, RowArea(kButtonDeposit), "DEPOSIT", 0, 1);
  DrawSelector(image, RowArea(kButtonWithdraw), "WITHDRAW", 0, 0);
  DrawButtonFace(image, RowArea(kButtonConfirm), "CONTINUE", kButtonEnabled, kFelt);
  DrawButtonFace(image, RowArea(kButtonQuit), "QUIT", kButtonEnabled, kRed);
  DrawTextCentred(image, {0, kScreenHeight - 14, kScreenWidth, 12}, "Press F1 for help", kLabel);
}

void DrawFaces(IndexedImage& image, const SheetItem&) {
  FillRect(image, {0, kScreenHeight, kPictureWidth, kStripSource.y - kScreenHeight}, kPanel);
  DrawSelector(image, FaceArea(kButtonDeposit, kButtonPressed), "DEPOSIT", 1, 1);
  DrawSelector(image, FaceArea(kButtonWithdraw, kButtonPressed), "WITHDRAW", 1, 0);
  DrawButtonFace(image, FaceArea(kButtonConfirm, kButtonPressed), "CONTINUE", kButtonPressed, kFelt);
  DrawButtonFace(image, FaceArea(kButtonQuit, kButtonPressed), "QUIT", kButtonPressed, kRed);
  DrawButtonFace(image, FaceArea(kButtonViewLog, kButtonEnabled), "VIEW LOG", kButtonEnabled, kBlue);
  DrawButtonFace(image, FaceArea(kButtonViewLog, kButtonPressed), "VIEW LOG", kButtonPressed, kBlue);
  DrawButtonFace(image, FaceArea(kButtonAcknowledge, kButtonEnabled), "OK", kButtonEnabled, kFelt);
  DrawButtonFace(image, FaceArea(kButtonAcknowledge, kButtonPressed), "OK", kButtonPressed, kFelt);
}

// The strip under the please-wait box: the body without its pieces, and the
// information box's panel where the box stands.
void DrawStrip(IndexedImage& image, const SheetItem& item) {
  DrawBody(image, item.area.y);
  FillRect(image, {0, item.area.y + item.area.h, kPictureWidth, 1}, kBlack);
  DrawInfoPanel(image, {kInfoBoxSource.x, kInfoBoxSource.y, kInfoBox.width, kInfoBox.height});
}

// Globe frame value: a sphere with its meridians turned by an eighth.
void DrawGlobe(IndexedImage& image, const SheetItem& item) {
  const Rect& r = item.area;
  FillRect(image, r, kPanel);
  FillEllipse(image, r, kBlue);
  FillEllipse(image, {r.x + 6, r.y + 6, 14, 10}, kFelt);
  for (int m = 0; m < 3; ++m) {
    const int x = r.x + 4 + ((item.value * 5 + m * 14) % 38);
    const int half = r.w / 2;
    const int dx = x - (r.x + half);
    int span = half * half - dx * dx;
    int h = 0;
    while ((h + 1) * (h + 1) <= span) ++h;
    FillRect(image, {x, r.y + half - h, 2, 2 * h}, kCyan);
  }
  FillRect(image, {r.x + 4, r.y + r.h / 2, r.w - 8, 1}, kCyan);
}

constexpr GlyphFont kFonts[] = {{kFontLayout, kTextInk, kBlack}};

std::vector<SheetItem> BuildItems() {
  std::vector<SheetItem> items;
  items.push_back({DrawScreen, {0, 0, kScreenWidth, kScreenHeight}, 0, nullptr, 0});
  items.push_back({DrawFaces, {0, kScreenHeight, kPictureWidth, kStripSource.y - kScreenHeight}, 0, nullptr, 0});
  items.push_back({DrawStrip, RectOf(kStripSource), 0, nullptr, 0});
  for (int f = 0; f < kGlobeFrames; ++f) {
    items.push_back({DrawGlobe, {GlobeFrame(f).x, GlobeFrame(f).y, kGlobeSize, kGlobeSize}, f, nullptr, 0});
  }
  items.push_back({DrawMarkerItem, {kTextColourPixel.x, kTextColourPixel.y, 1, 1}, 0, nullptr, kTextInk});
  items.push_back({DrawMarkerItem, {kTransparentPixel.x, kTransparentPixel.y, 1, 1}, 0, nullptr, kKey});
  return items;
}

constexpr SoundRecipe kSounds[] = {{kButtonSound, SoundKind::kClick, 1300, 0, 50}};

std::string HelpPage() {
  return "<html><head><title>Cashier</title></head><body><h1>Cashier</h1>"
         "<p>Choose Deposit or Withdraw and press Continue. Online, deposits are taken by credit card and "
         "withdrawals are sent by bank draft or wire transfer; View log lists your past orders. Offline, "
         "the amounts only change your play-for-fun balance.</p></body></html>\n";
}

[[maybe_unused]] const int kRegistered = RegisterSheet(CashierSheet);

}  // namespace

const Sheet& CashierSheet() {
  static const std::vector<SheetItem> items = BuildItems();
  static const Sheet sheet{kProgram, kPictureWidth, kPictureHeight, kKey,      items,    kFonts,
                           nullptr,  {},            kSounds,        kHelpPage, HelpPage, WriteCashierDialogArt};
  return sheet;
}

}  // namespace cash::art
