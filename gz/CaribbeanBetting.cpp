#include "gz/CaribbeanBetting.h"

#include <cmath>

#include "framework/link/PlaybackClient.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/Money.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/GameSound.h"
#include "gz/CaribbeanButtons.h"
#include "gz/CaribbeanClient.h"
#include "gz/CaribbeanFiles.h"
#include "gz/CaribbeanTable.h"
#include "platform/include/plat/dialog.h"

namespace gz {
namespace {

void Say(const char* text, const char* title) {
  if (!gPlaybackClient.IsActive()) plat::MessageBox(gMainWindow, text, title, plat::MB_OK | plat::MB_ICONEXCLAMATION);
}

void AddChip(CaribbeanClientRecord* record, double chip) {
  const double b = record->ante;
  const double c = record->maxAnte;
  const double d = record->money;
  if (b == c) {
    PlayGameSound(kSoundMaximum, 0, kSoundEffect);
    Say("You have bet your maximum", "Bet Error");
    return;
  }
  if (d / (b + chip) < 3.0) {
    Say("Ante must be 1/3 of total money!", "Invalid Ante");
    return;
  }
  if (d - b < chip || !AntePhaseOpen()) return;
  if (b + chip > c) chip = std::trunc(c - b);
  record->ante = b + chip;
  ShowAnteMoney(record);
}

void TakeChip(CaribbeanClientRecord* record, double chip) {
  const double b = record->ante;
  if (b <= 0.0 || !AntePhaseOpen()) return;
  const double amount = b <= chip ? std::trunc(b) : chip;
  record->ante = b - amount;
  ShowAnteMoney(record);
}

}  // namespace

void ShowAnteMoney(CaribbeanClientRecord* record) {
  DrawAnteStack(record->ante);
  DrawMoney(record->money - record->ante);
  const int dealable = record->ante >= record->minAnte && record->ante > 0.0;
  gCaribbeanButtons[kButtonDeal].enabled = dealable ? 1 : 0;
  DrawButton(&gPicture, kButtonDeal, dealable);
}

void AddChipToAnte(CaribbeanClientRecord* record, double amount) {
  if (amount > 0.0) return AddChip(record, amount);
  if (amount < 0.0) TakeChip(record, -amount);
}

int IsChipButtonEnabled(const CaribbeanClientRecord& record, int button) {
  if (button >= kButtonChip1 && button < kButtonChip1 + kChipCount) return record.ante < record.maxAnte;
  if (button <= -kButtonChip1 && button > -kButtonChip1 - kChipCount) return record.ante > 0.0;
  return 1;
}

int CanRebet(const CaribbeanClientRecord& record) {
  return AntePhaseOpen() && record.rebetAnte != 0.0 && record.rebetAnte != record.ante &&
         (record.rebetAnte <= record.money || record.ante != record.money);
}

void RebetLastAnte(CaribbeanClientRecord* record) {
  if (!AntePhaseOpen() || record->rebetAnte == 0.0) return;
  const double r = record->rebetAnte;
  record->ante = 3.0 * r > record->money ? std::floor(record->money / 3.0) : r;
  ShowAnteMoney(record);
}

}  // namespace gz
