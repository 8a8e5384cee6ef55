#include "kw/PaiGowBetting.h"

#include <cmath>

#include "framework/link/PlaybackClient.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/Money.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/GameSound.h"
#include "kw/PaiGowButtons.h"
#include "kw/PaiGowClient.h"
#include "kw/PaiGowFiles.h"
#include "kw/PaiGowTable.h"
#include "platform/include/plat/dialog.h"

namespace kw {

void ShowBetMoney(PaiGowClientRecord* record) {
  RedrawBetChips(record->bet);
  DrawMoney(record->money - record->bet);
  // The bet area answers only while the $1 chip does.
  gPaiGowButtons[kButtonBetArea].enabled = IsButtonEnabled(kButtonBet1);
  const int dealable = record->bet >= record->minBet && record->bet > 0.0;
  gPaiGowButtons[kButtonDeal].enabled = dealable ? 1 : 0;
  DrawButton(&gPicture, kButtonDeal, dealable);
}

void PlaceBet(PaiGowClientRecord* record, double amount) {
  if (amount > 0.0) {
    if (record->bet >= record->maxBet) {
      PlayGameSound(kSoundMaximum, 0, kSoundEffect);
      if (!gPlaybackClient.IsActive()) {
        plat::MessageBox(gMainWindow, "You have bet your maximum", "Bet Error", plat::MB_OK | plat::MB_ICONEXCLAMATION);
      }
      return;
    }
    if (!BettingOpen() || record->money - record->bet < amount) return;
    if (record->bet + amount > record->maxBet) amount = record->maxBet - record->bet;
    record->bet += amount;
  } else if (amount < 0.0) {
    if (!BettingOpen() || record->bet <= 0.0) return;
    record->bet -= std::fmin(-amount, record->bet);
  }
  ShowBetMoney(record);
}

int IsChipUsable(const PaiGowClientRecord& record, int code) {
  if (code >= kButtonBet1 && code < kButtonBet1 + kChipCount) return record.bet < record.maxBet;
  if (code <= -kButtonBet1 && code > -kButtonBet1 - kChipCount) return record.bet > 0.0;
  return 1;
}

int CanRepeatLastBet(const PaiGowClientRecord& record) {
  return BettingOpen() && record.lastBet != 0.0 && record.money >= record.minBet && record.bet != record.lastBet &&
         (record.money >= record.lastBet || record.money != record.bet);
}

void RepeatLastBet(PaiGowClientRecord* record) {
  if (!BettingOpen() || record->lastBet == 0.0) return;
  record->bet = record->money >= record->lastBet ? record->lastBet : record->minBet;
  ShowBetMoney(record);
}

}  // namespace kw
