#include "cash/CashierScreen.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "cash/CashierClientRecord.h"
#include "cash/CashierLayout.h"
#include "cash/TextWrap.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/GlyphTable.h"
#include "platform/include/plat/gdi.h"

namespace cash {

ButtonEntry gCashierButtons[kCashierButtonCount];
int gCashierTextColour = 0;

namespace {

constexpr GlyphTable kFont = MakeGlyphTable(kFontLayout);
constexpr std::size_t kWrapSize = 1024;

struct Globe {
  int enabled;
  int ticks;
  int frame;
  int showing;  // frames the information box stays at least
};
Globe gGlobe{};
int gSelected = kTransferNone;

const char kDepositOnline[] =
    "The Kestrup transaction system\noffers several ways to transfer money\nto your Kestrup account,\ne.g. by "
    "credit card, bank draft,\nWestern Union Money Transfer, etc.";
const char kDepositOffline[] =
    "You are now playing offline. The\ndeposited amount will be added to\nyour local Play For Fun account.\n\nNo "
    "real money will be transferred.";
const char kWithdrawOnline[] =
    "The Kestrup transaction system\noffers two ways to withdraw money\nfrom your Kestrup account:\nwire transfer "
    "or bank draft.";
const char kWithdrawOffline[] =
    "You are now playing offline. The\namount will be withdrawn from your\nlocal Play For Fun account.\n\nNo real "
    "money will be transferred.";

// One glyph's dots in the text colour into both layers, left of right.
int DrawGlyph(int ch, int x, int y, int right) {
  const int c = ch >= kFirstGlyph && ch <= kLastGlyph ? ch : ' ';
  const int word = GlyphWord(c);
  const int sx = kFont[word], sy = kFont[word + 1], w = kFont[word + 2], h = kFont[0];
  for (int dy = 0; dy < h; ++dy) {
    for (int dx = 0; dx < w; ++dx) {
      if (x + dx < 0 || y + dy < 0 || x + dx >= right || y + dy >= gScreen.Height()) continue;
      const plat::BYTE* dot = gPicture.PixelAddress(sx + dx, sy + dy);
      if (dot == nullptr || *dot == gTransparentIndex) continue;
      for (CDib* layer : {&gScreen.Background(), &gScreen.Front()}) {
        if (plat::BYTE* to = layer->PixelAddress(x + dx, y + dy)) *to = static_cast<plat::BYTE>(gCashierTextColour);
      }
    }
  }
  return w + 1;
}

void MarkDirty(int x, int y, int width, int height) {
  if (gScreen.ClipRect(x, y, width, height)) gScreen.AddDirty(x, y, width, height, CScreen::kDirtyLasting);
}

void RestoreArea(const Area& a) { gScreen.Restore(a.x, a.y, a.width, a.height); }

int TextLineWidth(const char* text) { return TextWidth(kFont.data(), text); }

void DrawGlobe(int frame) {
  const Point source = GlobeFrame(frame);
  gScreen.Blit(kGlobePlace.x, kGlobePlace.y, &gPicture, source.x, source.y, kGlobeSize, kGlobeSize, -1);
}

}  // namespace

void ResetCashierScreen() {
  std::copy(std::begin(kCashierButtonTable), std::end(kCashierButtonTable), gCashierButtons);
  gGlobe = Globe{};
  gSelected = kTransferNone;
}

void DrawCashierText(const char* text, int x, int y, int right) {
  if (text == nullptr || gScreen.Width() == 0) return;
  right = right < 0 ? gScreen.Width() : std::min(right, gScreen.Width());
  int cx = x, cy = y, widest = x;
  for (const char* at = text; *at; ++at) {
    if (*at == '\n') {
      cx = x;
      cy += kLineHeight;
      continue;
    }
    cx += DrawGlyph(static_cast<unsigned char>(*at), cx, cy, right);
    widest = std::max(widest, std::min(cx, right));
  }
  MarkDirty(x, y, widest - x, cy - y + kFont[0]);
}

void DrawWrappedText(const char* text, int x, int y, int width) {
  char wrapped[kWrapSize];
  WrapText(kFont.data(), text, width, wrapped, sizeof wrapped);
  DrawCashierText(wrapped, x, y);
}

void FillRectDirty(int x, int y, int width, int height, int colour) {
  if (!gScreen.ClipRect(x, y, width, height)) return;
  gScreen.Background().Fill(x, y, width, height, colour);
  gScreen.Front().Fill(x, y, width, height, colour);
  gScreen.AddDirty(x, y, width, height, CScreen::kDirtyLasting);
}

int SelectTransferMode(int mode, int reset) {
  if (mode == kTransferNone && !reset) return gSelected;
  if (reset) mode = gSelected;
  if (mode != kTransferDeposit && mode != kTransferWithdraw) return gSelected;
  const ButtonEntry& deposit = gCashierButtons[kButtonDeposit];
  const ButtonEntry& withdraw = gCashierButtons[kButtonWithdraw];
  const ButtonEntry& other = mode == kTransferDeposit ? withdraw : deposit;
  const ButtonEntry& chosen = mode == kTransferDeposit ? deposit : withdraw;
  const Point face = mode == kTransferDeposit ? kDepositSelectedFace : kWithdrawSelectedFace;
  gScreen.Restore(other.x, other.y, other.width, other.height);
  gScreen.Blit(chosen.x, chosen.y, &gPicture, face.x, face.y, chosen.width, chosen.height, -1);
  RestoreArea(kModeTextBox);
  const int offline = gCashierMode == kModeOffline;
  const char* text = mode == kTransferDeposit ? (offline ? kDepositOffline : kDepositOnline)
                                              : (offline ? kWithdrawOffline : kWithdrawOnline);
  DrawCashierText(text, kModeTextPlace.x, kModeTextPlace.y);
  gSelected = mode;
  return gSelected;
}

void DrawBalance(double balance) {
  char money[64];
  std::snprintf(money, sizeof money, "$%.2f", balance);
  RestoreArea(kNameBox);
  RestoreArea(kBalanceBox);
  DrawCashierText(gPlayerRecord.GetName(), kNameBox.x, kNameBox.y + 3, kNameBox.x + kNameBox.width);
  DrawCashierText(money, kBalanceBox.x, kBalanceBox.y + 3, kBalanceBox.x + kBalanceBox.width);
}

void ShowInfoBox(const char* title, const char* text) {
  gScreen.Blit(kInfoBox.x, kInfoBox.y, &gPicture, kInfoBoxSource.x, kInfoBoxSource.y, kInfoBox.width,
               kInfoBox.height, -1);
  int textY = kInfoBox.y;
  if (title != nullptr) {
    // Each line of the title centred on its own.
    char line[128];
    int y = kInfoTitleY;
    for (const char* at = title; *at;) {
      const std::size_t n = std::min(std::strcspn(at, "\n"), sizeof line - 1);
      std::memcpy(line, at, n);
      line[n] = '\0';
      DrawCashierText(line, kInfoBox.x + (kInfoBox.width - TextLineWidth(line)) / 2, y);
      at += std::strcspn(at, "\n");
      if (*at == '\n') ++at;
      y += kLineHeight;
    }
    textY = kInfoTextY;
  }
  DrawWrappedText(text, kInfoBox.x + 5, textY, kInfoTextWidth);
  gGlobe.showing = kInfoBoxFrames;
}

int RedrawPanel(int kind, int value) {
  switch (kind) {
    case kPanelClear: {
      const int black = static_cast<int>(plat::GetNearestPaletteIndex(gScreen.Palette().Handle(), plat::RGB(0, 0, 0)));
      FillRectDirty(0, 0, kScreenWidth, kScreenHeight, black);
      gScreen.Blit(kStripPlace.x, kStripPlace.y, &gPicture, kStripSource.x, kStripSource.y, kStripSource.width,
                   kStripSource.height, -1);
      gGlobe = Globe{value, 0, 0, gGlobe.showing};
      // Nothing of the menu is left to take away.
      for (ButtonEntry& row : gCashierButtons) row.currentState = kButtonStateNormal;
      if (value) DrawGlobe(0);
      return 0;
    }
    case kPanelStopGlobe:
      gGlobe.enabled = 0;
      gGlobe.frame = 0;
      DrawGlobe(0);
      return 0;
    case kPanelFrame:
      ++gGlobe.ticks;
      if (gGlobe.showing > 0) --gGlobe.showing;
      if (gGlobe.enabled && gGlobe.ticks > kGlobeStillFrames && gGlobe.ticks % kGlobeStepFrames == 0) {
        gGlobe.frame = (gGlobe.frame + 1) % kGlobeFrames;
        DrawGlobe(gGlobe.frame);
      }
      return 0;
    case kPanelShowingTime: return gGlobe.showing;
    case kPanelSetShowingTime: gGlobe.showing = value; return 0;
    default: return 0;
  }
}

void RestoreMenuScreen() {
  gScreen.Restore(0, 0, kScreenWidth, kScreenHeight);
  for (ButtonEntry& row : gCashierButtons) row.currentState = kButtonStateNormal;
}

void ResetButtonMarks() {
  for (ButtonEntry& row : gCashierButtons) row.enabled = 0;
}

void MarkButton(int row) { EnableButton(row); }

void DrawMenuButtons() { RedrawButtons(); }

}  // namespace cash
