#include "mz/VideoPokerMachine.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "framework/link/BtnLog.h"
#include "framework/link/PlaybackClient.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/CasinoCfg.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/GameSound.h"
#include "framework/sound/GlyphTable.h"
#include "mz/CardFlip.h"
#include "mz/VideoPokerButtons.h"
#include "mz/VideoPokerClient.h"
#include "mz/VideoPokerFiles.h"
#include "mz/VideoPokerLayout.h"
#include "mz/VideoPokerPayTable.h"

namespace mz {

GlyphTable gMeterFont = MakeGlyphTable(kMeterFontLayout);

namespace {

int gPayColumn = 0;  // coins highlighted, 0 none
int gPayRow = -1;    // hand code - 1 highlighted, -1 none
int gBlink = 0;
double gLampValue = 0;

void RestorePayArea(const Area& r) {
  gScreen.Restore(kPayTableArea.x + r.x, kPayTableArea.y + r.y, r.width, r.height);
}
void HighlightPayArea(const Area& r) {
  const int x = kPayTableArea.x + r.x, y = kPayTableArea.y + r.y;
  gScreen.Blit(x, y, &gPicture, x + kHighlightOffset.x, y + kHighlightOffset.y, r.width, r.height, -1);
}
Area RowArea(int row) { return {0, kPayRowY[row], kPayRowWidth[row], kPayRowHeight[row]}; }

void DrawMeter(const Area& a, double dollars) {
  char text[32];
  std::snprintf(text, sizeof text, "$%.2f", dollars);
  gScreen.Restore(a.x, a.y, a.width, a.height);
  gScreen.DrawText(&gPicture, gMeterFont.data(), text, a.x, a.y, gMeterFont[1]);
}

int LampIndex(double value) {
  for (int k = 0; k < 3; ++k) {
    if (value == kCoinValues[k]) return k;
  }
  return -1;
}

}  // namespace

void SetButtonEnabled(int button, int on) {
  if ((gVideoPokerButtons[button].enabled != 0) == (on != 0)) return;
  gVideoPokerButtons[button].enabled = on ? 1 : 0;
  DrawButton(&gPicture, button, on ? 1 : 0);
}

void UpdateMachineButtons(const VideoPokerClientRecord* r) {
  if (!gWaiting) return;
  const double coin = gCoinValue;
  SetButtonEnabled(kButtonDeal, r->coinsBet > 0);
  SetButtonEnabled(kButtonBetOne, r->credits > 0 && r->coinsBet < 5 && r->credits >= coin);
  SetButtonEnabled(kButtonBetMax, r->credits > 0 && r->coinsBet < 5 && (5 - r->coinsBet) * coin <= r->credits);
  SetButtonEnabled(kButtonCashOut, r->credits > 0);
  SetButtonEnabled(kButtonExit, 1);
}

void DrawMeters(const VideoPokerClientRecord* r) {
  DrawMeter(kMoneyMeter, r->money);
  DrawMeter(kWonMeter, r->moneyWon);
  DrawMeter(kCreditsMeter, r->credits);
  DrawMeter(kBetMeter, r->coinsBet * gCoinValue);
  for (int k = 0; k < 5; ++k) gVideoPokerButtons[kButtonInsert1 + k].enabled = 0;
  if (gWaiting) {
    for (int k = 0; k < 3; ++k) gVideoPokerButtons[kButtonCoinQuarter + k].enabled = 1;
    for (int k = 0; k < 5; ++k) gVideoPokerButtons[kButtonInsert1 + k].enabled = r->money >= kInsertDollars[k];
  }
  RedrawButtons();
  HighlightPayTable(static_cast<int>(r->coinsBet), -1, 0);
}

void HighlightPayTable(int coins, int handCode, int tick) {
  if (tick) {
    if (gBlink <= 0 || gPayRow < 0) return;
    --gBlink;
    if (gBlink > 25) {
      HighlightPayArea(RowArea(gPayRow));
    } else {
      RestorePayArea(RowArea(gPayRow));
    }
    if (gBlink <= 1) gBlink = 50;
    return;
  }
  if (gPayColumn >= 1) RestorePayArea(kPayColumns[gPayColumn - 1]);
  gPayColumn = coins >= 1 && coins <= 5 ? coins : 0;
  if (gPayColumn) HighlightPayArea(kPayColumns[gPayColumn - 1]);
  if (gPayRow >= 0) RestorePayArea(RowArea(gPayRow));
  if (handCode != -1) gPayRow = handCode >= 1 && handCode <= 9 ? handCode - 1 : -1;
  // A kept row goes on blinking: the meters are redrawn while a win is shown.
  gBlink = gPayRow >= 0 ? 50 : 0;
}

void DrawCoinValueLamp(double value) {
  const int old = LampIndex(gLampValue);
  if (old >= 0) gScreen.Restore(LampPlace(old).x, LampPlace(old).y, kLampSize, kLampSize);
  const int k = LampIndex(value);
  if (k >= 0) gScreen.Blit(LampPlace(k).x, LampPlace(k).y, &gPicture, LampSource(k).x, LampSource(k).y, kLampSize, kLampSize, -1);
  gLampValue = value;
}

void DrawCard(const VideoPokerClientRecord* r, int n) {
  const HandCard& c = r->hand[n];
  const Point place = CardPlace(n);
  const Point source = c.value >= 1 && c.value <= 13 && c.suit >= 0 && c.suit <= 3 ? CardSource(c.suit, c.value) : kCardBackSource;
  gScreen.Blit(place.x, place.y, &gPicture, source.x, source.y, kCardWidth, kCardHeight, gTransparentIndex);
  if (c.hold) {
    const Point lamp = HoldLampPlace(n);
    gScreen.Blit(lamp.x, lamp.y, &gPicture, kHoldLampSource.x, kHoldLampSource.y, kHoldLampWidth, kHoldLampHeight, -1);
  }
}

void DrawFlippingCard(const VideoPokerClientRecord* r, int n, int phase, int showBack) {
  const HandCard& c = r->hand[n];
  const Point source = !showBack && c.value >= 1 && c.value <= 13 ? CardSource(c.suit, c.value) : kCardBackSource;
  const Point place = FlipPlace(n);
  BlitRotated(place.x, place.y, source.x, source.y, kCardWidth, kCardHeight, 0, phase, 0);
}

void RedrawMachine(const VideoPokerClientRecord* r) {
  DrawCoinValueLamp(gCoinValue);
  for (int n = 0; n < kHandCards; ++n) {
    const Point place = CardPlace(n);
    gScreen.Blit(place.x, place.y, &gPicture, kCardBackSource.x, kCardBackSource.y, kCardWidth, kCardHeight,
                 gTransparentIndex);
  }
  RedrawButtons();
  DrawMeters(r);
}

void BlitRotated(int x, int y, int sourceX, int sourceY, int width, int height, int angle1, int angle2, int angle3) {
  CDib& front = gScreen.Front();
  if (x >= front.Width() || y >= front.Height() || x + width <= 0 || y + height <= 0) return;
  const PixelRows source{gPicture.Bits(), gPicture.Width(), gPicture.Height(), gPicture.Stride(),
                         gPicture.Info() ? gPicture.Info()->bmiHeader.biBitCount : 0};
  const PixelRows target{front.Bits(), front.Width(), front.Height(), front.Stride(),
                         front.Info() ? front.Info()->bmiHeader.biBitCount : 0};
  Quad quad;
  if (!ProjectRotatedQuad(source, target, x, y, sourceX, sourceY, width, height, angle1, angle2, angle3, &quad)) return;
  Box box;
  FillTexturedQuad(source, quad, target, &box);
  if (box.right > box.left) {
    gScreen.AddDirty(box.left, box.top, box.right - box.left, box.bottom - box.top, CScreen::kDirtySprite);
  }
}

// ---- Money ----

void InsertCredits(VideoPokerClientRecord* r, int dollars) {
  if (!gWaiting || dollars < 0) return;
  AnimateCoinIn(0);
  if (dollars > r->money) return;
  r->credits += dollars;
  r->money -= dollars;
  UpdateMachineButtons(r);
  DrawMeters(r);
}

void BetCoins(VideoPokerClientRecord* r, int coins) {
  if (!gWaiting || coins <= 0) return;
  while (coins > 0 && r->credits < coins * gCoinValue) --coins;
  if (coins == 0) return;
  if (r->coinsBet + coins > 5) coins = 5 - static_cast<int>(r->coinsBet);
  if (coins <= 0) return;
  r->coinsBet += coins;
  r->credits = std::round((r->credits - coins * gCoinValue) * 100.0) / 100.0;
  UpdateMachineButtons(r);
  DrawMeters(r);
}

void CashOut(VideoPokerClientRecord* r) {
  if (!gWaiting) return;
  if (r->credits > 0 && gCasinoCfg.showAnimations) AnimateCashOut(0);
  r->money += r->credits;
  r->credits = 0;
  UpdateMachineButtons(r);
  DrawMeters(r);
}

void SetCoinValue(VideoPokerClientRecord* r, double value) {
  if (!gWaiting) return;
  r->credits += r->coinsBet * gCoinValue;
  r->coinsBet = 0;
  gCoinValue = value;
  RedrawMachine(r);
  UpdateMachineButtons(r);
}

// ---- Meter records ----

void AddMeterRecord(CPtrList& list, int key, float value) {
  auto* entry = static_cast<btnLog*>(std::malloc(sizeof(btnLog)));
  if (entry == nullptr) return;
  *entry = {key, kMeterState, value};
  if (!list.Append(entry)) std::free(entry);
}

int TakeMeterRecord(CPtrList& list, int key, float* value) {
  for (list.First(); list.HasCurrent(); list.Next()) {
    btnLog* entry = static_cast<btnLog*>(list.Current());
    if (entry->button != key || entry->state != kMeterState) continue;
    *value = entry->value;
    list.RemoveCurrent();
    std::free(entry);
    list.First();
    return 1;
  }
  return 0;
}

void SaveMeters(const VideoPokerClientRecord* r) {
  AddMeterRecord(gBtnLogClient.list, kMeterCoinsBet, static_cast<float>(r->coinsBet));
  AddMeterRecord(gBtnLogClient.list, kMeterCredits, static_cast<float>(r->credits));
  AddMeterRecord(gBtnLogClient.list, kMeterCoinValue, static_cast<float>(gCoinValue));
  AddMeterRecord(gBtnLogClient.list, kMeterMoney, static_cast<float>(r->money));
}

void RestoreMeters(VideoPokerClientRecord* r) {
  const auto cents = [](float v) { return std::round(static_cast<double>(v) * 100.0) / 100.0; };
  int taken = 0;
  float v = 0;
  // A present record restores its value, 0 included: a balance of $0 is a balance.
  if (TakeMeterRecord(gPlaybackClient.list, kMeterCoinsBet, &v) && v >= 0 && v <= 5) {
    r->coinsBet = std::round(v);
    taken = 1;
  }
  if (TakeMeterRecord(gPlaybackClient.list, kMeterCredits, &v) && v >= 0) {
    r->credits = cents(v);
    taken = 1;
  }
  if (TakeMeterRecord(gPlaybackClient.list, kMeterCoinValue, &v) && IsCoinValue(v)) {
    gCoinValue = v;
    taken = 1;
  }
  if (TakeMeterRecord(gPlaybackClient.list, kMeterMoney, &v) && v >= 0) {
    r->money = cents(v);
    taken = 1;
  }
  if (taken) RedrawMachine(r);
}

void ResetMachine() {
  gPayColumn = 0;
  gPayRow = -1;
  gBlink = 0;
  gLampValue = 0;
  gMeterFont = MakeGlyphTable(kMeterFontLayout);
}

}  // namespace mz
