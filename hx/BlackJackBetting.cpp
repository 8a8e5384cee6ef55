#include "hx/BlackJackBetting.h"

#include <cmath>

#include "framework/link/PlaybackClient.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/Money.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/GameSound.h"
#include "hx/BlackJackButtons.h"
#include "hx/BlackJackClient.h"
#include "hx/BlackJackFiles.h"
#include "hx/BlackJackTable.h"
#include "platform/include/plat/dialog.h"

namespace hx {

void ShowBetMoney(BlackJackClientRecord* record) {
  record->piles[kPileFirstStake] = record->bet;
  RedrawBetChips(*record);
  DrawMoney(record->money - record->bet);
  const int dealable = record->bet >= record->minBet && record->bet > 0.0;
  gBlackJackButtons[kButtonDeal].enabled = dealable ? 1 : 0;
  DrawButton(&gPicture, kButtonDeal, dealable);
}

void AddChipToBet(BlackJackClientRecord* record, double amount) {
  if (amount > 0.0) {
    if (record->bet >= record->maxBet) {
      PlayGameSound(kSoundMaximum, 0, kSoundEffect);
      if (!gPlaybackClient.IsActive()) {
        plat::MessageBox(gMainWindow, "You have bet your maximum", "Bet Error", plat::MB_OK | plat::MB_ICONEXCLAMATION);
      }
      return;
    }
    if (!BettingOpen() || record->money - record->bet < amount) return;
    if (record->bet + amount > record->maxBet) amount = std::trunc(record->maxBet - record->bet);
    record->bet += amount;
  } else if (amount < 0.0) {
    if (!BettingOpen() || record->bet <= 0.0) return;
    record->bet -= std::fmin(-amount, record->bet);
  }
  ShowBetMoney(record);
}

int IsChipAllowed(const BlackJackClientRecord& record, int code) {
  if (code >= kButtonBet1 && code < kButtonBet1 + kChipCount) return record.bet < record.maxBet;
  if (code <= -kButtonBet1 && code > -kButtonBet1 - kChipCount) return record.bet > 0.0;
  return 1;
}

int CanRepeatLastBet(const BlackJackClientRecord& record) {
  return BettingOpen() && record.lastBet > 0.0 && record.bet != record.lastBet;
}

void RepeatLastBet(BlackJackClientRecord* record) {
  if (!BettingOpen() || record->lastBet <= 0.0) return;
  record->bet = record->money >= record->lastBet ? record->lastBet : std::floor(record->money);
  ShowBetMoney(record);
}

}  // namespace hx
