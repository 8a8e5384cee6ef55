#include "pd/KenoPanel.h"

#include <cstdio>
#include <cstring>

#include "framework/shell/ShellGlobals.h"
#include "framework/shell/Ticker.h"
#include "pd/KenoBoard.h"
#include "pd/KenoLayout.h"
#include "pd/KenoPayTable.h"
#include "pd/KenoWire.h"

namespace pd {

CDib gPaytableBitmap;
CDib gStatusPanel;
char gMarqueeText[kTickerTextSize] = {};

namespace {

constexpr int kStakeColumnX[kKenoStakes] = {180, 250, 320};
constexpr int kRowY[kPanelMaxRows] = {145, 160, 175, 190, 205, 220};

void DrawStrip(const Area& from, int x, int y) {
  gScreen.Blit(x, y, &gPicture, from.x, from.y, from.width, from.height, -1);
}

void DrawNumber(int x, int y, int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  DrawKenoText(x, y, text);
}

void SetMarquee(const char* text) {
  std::memset(gMarqueeText, 0, sizeof gMarqueeText);
  std::snprintf(gMarqueeText, sizeof gMarqueeText, "%s", text);
  RestartTicker();
}

}  // namespace

void DrawPaytable(int count) {
  const Area& a = kPaytableArea;
  gScreen.Background().Blit(&gPaytableBitmap, 0, 0, a.x, a.y, a.width, a.height, -1);
  DrawStrip(kPaytableTop, kPaytableTopPlace.x, kPaytableTopPlace.y);
  DrawStrip(kPaytableBottom, kPaytableBottomPlace.x, kPaytableBottomPlace.y);
  for (int i = 0; i < kPaytableRows; ++i) DrawStrip(kPaytableRow, kPaytableTopPlace.x, 116 + 9 * i);
  if (count < kKenoMinPicks) {
    DrawKenoText(105, 175, "You need to choose between 3 and 10 Numbers");
    return;
  }
  DrawKenoText(90, 129, "Matched");
  char heading[40];
  std::snprintf(heading, sizeof heading, "of total %.d numbers", count);
  DrawKenoText(190, 117, heading);
  constexpr const char* kHeads[kKenoStakes] = {"$1", "$5", "$10"};
  for (int s = 0; s < kKenoStakes; ++s) DrawKenoText(kStakeColumnX[s], 129, kHeads[s]);
  for (int i = 0; i < 60; ++i) DrawKenoText(90 + 5 * i, 135, "-");
  for (int j = 0; j <= 16; ++j) DrawKenoText(135, 141 + 5 * j, "!");
  DrawKenoText(135, 220, "!");
  int matches[kPanelMaxRows] = {};
  const int rows = PaytableRows(count, matches);
  for (int r = 0; r < rows; ++r) {
    DrawNumber(105, kRowY[r], matches[r]);
    for (int s = 0; s < kKenoStakes; ++s) {
      DrawNumber(kStakeColumnX[s], kRowY[r], KenoReturn(kKenoStakeDollars[s], count, matches[r]));
    }
  }
}

void RestorePaytableArea() {
  const Area& a = kPaytableArea;
  gScreen.Blit(a.x, a.y, &gPaytableBitmap, 0, 0, a.width, a.height, -1);
}

void DrawStatusPanel() {
  const Area& a = kMarqueeArea;
  gPicture.Blit(&gStatusPanel, 0, 0, a.x, a.y, a.width, a.height, -1);
}

void DrawWelcomeMarquee() { SetMarquee(kWelcomeText); }

void DrawResultMarquee(int matches, int count, int winFlag, int winReturn) {
  char text[160];
  FormatKenoResult(matches, count, winFlag, winReturn, text, sizeof text);
  SetMarquee(text);
}

void UpdateMarquee() { UpdateTicker(&gStatusPanel, gMarqueeText, 1); }

void ResetMarquee() {
  UpdateTicker(&gStatusPanel, gMarqueeText, 0);
  std::memset(gMarqueeText, 0, sizeof gMarqueeText);
}

}  // namespace pd
