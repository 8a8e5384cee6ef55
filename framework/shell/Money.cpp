#include "framework/shell/Money.h"

#include <cmath>
#include <cstdio>

#include "framework/shell/Buttons.h"
#include "framework/shell/ShellGlobals.h"

namespace {
constexpr double kChipValues[] = {1.0, 5.0, 25.0, 100.0, 500.0};
constexpr int kChipKinds = sizeof(kChipValues) / sizeof(kChipValues[0]);
}  // namespace

void DrawMoney(double balance) {
  const ScreenLayout& l = gGame->layout;
  char text[64];
  std::snprintf(text, sizeof(text), "$%.2f", balance);
  gScreen.Restore(l.moneyX, l.moneyY, l.moneyWidth, l.moneyHeight);
  if (const std::int16_t* font = gGame->moneyFont != nullptr ? gGame->moneyFont : gGame->smallFont) {
    gScreen.DrawText(&gPicture, font, text, l.moneyX, l.moneyY, font[1]);
  }
  DisableChipButtons();
  if (gGame->BettingOpen && gGame->BettingOpen() == 1) {
    const ButtonRanges& r = gGame->ranges;
    for (int i = 0; i < r.chipRowCount && i < kChipKinds; ++i) {
      if (balance >= kChipValues[i]) EnableButton(r.firstChipRow + i);
    }
  }
  RedrawButtons();
}

// In doubles: a server's odd limits can leave a stake far beyond any integer.
int ChipToTakeOff(double stake) {
  const double whole = std::trunc(stake);
  if (std::fmod(whole, 5) != 0) return 1;
  if (std::fmod(whole, 25) != 0) return 5;
  if (std::fmod(whole, 100) != 0) return 25;
  if (std::fmod(whole, 500) != 0) return 100;
  return 500;
}
