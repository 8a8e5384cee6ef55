#include "sq/BaccaratBetting.h"

#include <cmath>

#include "framework/link/BtnLog.h"
#include "framework/link/PlaybackClient.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/Money.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/GameSound.h"
#include "framework/sound/SoundSwitches.h"
#include "sq/BaccaratButtons.h"
#include "sq/BaccaratClient.h"
#include "sq/BaccaratFiles.h"
#include "sq/BaccaratTable.h"
#include "platform/include/plat/dialog.h"

namespace sq {
namespace {

int gRebetRunning = 0;

double Sum(const BaccaratClientRecord& r) { return r.bets[0] + r.bets[1] + r.bets[2]; }

// Player, Banker, Tie and Exit open; Deal when the stakes may be dealt.
void RefreshBetButtons(BaccaratClientRecord* record) {
  DisableBetButtons();
  EnableButton(kButtonPlayer);
  EnableButton(kButtonBanker);
  EnableButton(kButtonTie);
  EnableButton(kButtonExit);
  DrawBetStacks(*record);
  ShowStakesMoney(record);
}

int RefuseAtLimit() {
  PlayGameSound(kSoundMaximum, 0, kSoundEffect);
  if (!gPlaybackClient.IsActive()) {
    plat::MessageBox(gMainWindow, "You have bet your maximum", "Bet Error", plat::MB_OK | plat::MB_ICONEXCLAMATION);
  }
  return 0;
}

int AddChip(BaccaratClientRecord* record, double amount, int area) {
  const double* b = record->bets;
  if (b[0] >= record->maxBet || b[1] >= record->maxBet || b[2] >= record->maxBet) return RefuseAtLimit();
  if (record->betsOnTable >= record->maxTable || record->betsOnTable + amount > record->maxTable) {
    return RefuseAtLimit();
  }
  if (record->money - record->betsOnTable < amount || !BettingOpen()) return 0;
  if (record->betsOnTable + amount > record->maxBet) amount = std::trunc(record->maxBet - record->betsOnTable);
  if (amount <= 0.0) return 0;
  record->bets[area] += amount;
  record->betsOnTable += amount;
  RefreshBetButtons(record);
  return 1;
}

int TakeChip(BaccaratClientRecord* record, double chip, int area) {
  if (!BettingOpen() || record->betsOnTable == 0.0 || record->bets[area] <= 0.0) return 0;
  record->bets[area] = record->bets[area] > chip ? record->bets[area] - chip : 0.0;
  record->betsOnTable = Sum(*record);
  RefreshBetButtons(record);
  return 1;
}

// A press written to the log only, at the client's step.
void LogPress(int button) { gBtnLogClient.Add(button, gClientStep); }

// A rebet logs the stakes on the table off with the selected chip: without
// one a replay could not take them off.
int StakesCanBeLoggedOff(const BaccaratClientRecord& r) { return r.chipSelection < kChipCount || Sum(r) == 0.0; }

}  // namespace

int AddChipToBet(BaccaratClientRecord* record, double amount, int area) {
  if (area < 0 || area >= kBetAreas) return 0;
  if (amount > 0.0) return AddChip(record, amount, area);
  if (amount < 0.0) return TakeChip(record, -amount, area);
  return 0;
}

int ChipIndexForAmount(double dollars) {
  for (int chip = kChipCount - 1; chip >= 0; --chip) {
    if (dollars >= kChipValues[chip]) return chip;
  }
  return -1;
}

int AreBetsWithinLimits(const BaccaratClientRecord& r) {
  int staked = 0;
  for (const double bet : r.bets) {
    if (bet == 0.0) continue;
    if (bet < r.minBet || bet > r.maxBet) return 0;
    staked = 1;
  }
  return staked && Sum(r) <= r.maxTable;
}

int CanRebet(const BaccaratClientRecord& r) {
  if (!BettingOpen() || !StakesCanBeLoggedOff(r)) return 0;
  const double last = r.lastBets[0] + r.lastBets[1] + r.lastBets[2];
  if (last == 0.0 || last > r.money) return 0;
  for (int area = 0; area < kBetAreas; ++area) {
    if (r.lastBets[area] != r.bets[area]) return 1;
  }
  return 0;
}

void RebetLastBets(BaccaratClientRecord* record) {
  if (!BettingOpen() || record->lastBets[0] + record->lastBets[1] + record->lastBets[2] == 0.0 ||
      !StakesCanBeLoggedOff(*record)) {
    return;
  }
  const int selection = record->chipSelection;
  const std::uint16_t effects = gCasinoCfg.soundEffects;
  gCasinoCfg.soundEffects = 0;
  EraseBetStacks();
  const int logged = !gPlaybackClient.IsActive();
  // The stakes on the table come off first in the log, as right clicks take
  // the selected chip off, so a replay puts the rebet on a bare table.
  for (int area = 0; logged && area < kBetAreas; ++area) {
    const double stake = record->bets[area];
    const int clicks = stake > 0.0 ? static_cast<int>(std::ceil(stake / kChipValues[selection])) : 0;
    for (int i = 0; i < clicks; ++i) gBtnLogClient.Add(kButtonPlayer + area, gClientStep, kBtnValueRight);
  }
  for (int area = 0; area < kBetAreas; ++area) record->bets[area] = record->lastBets[area];
  int pressed = selection;
  if (logged) {
    gRebetRunning = 1;
    for (int area = 0; area < kBetAreas; ++area) {
      double rest = record->bets[area];
      for (int chip = ChipIndexForAmount(rest); chip >= 0; chip = ChipIndexForAmount(rest)) {
        if (chip != pressed) LogPress(kButtonChip1 + chip);
        pressed = chip;
        LogPress(kButtonPlayer + area);
        rest -= kChipValues[chip];
      }
    }
    gRebetRunning = 0;
  }
  record->betsOnTable = Sum(*record);
  if (selection < kChipCount) SelectChip(record, selection);
  gCasinoCfg.soundEffects = effects;
  RefreshBetButtons(record);
  // The replay ends on the chip the player is left with: the one selected
  // before, or the largest one still affordable, whose button is enabled.
  const int left = record->chipSelection;
  if (logged && left < kChipCount && left != pressed) LogPress(kButtonChip1 + left);
}

void SelectChip(BaccaratClientRecord* record, int chip) {
  record->chipSelection = chip;
  record->chipAmount = kChipValues[chip];
  record->chipRemoveAmount = -kChipValues[chip];
  DrawChipSelector(chip);
}

void UpdateChipSelector(BaccaratClientRecord* record) {
  const double left = record->money - record->betsOnTable;
  int selection = record->chipSelection;
  for (int chip = kChipCount - 1; chip >= 0; --chip) {
    if (left >= kChipValues[chip]) continue;
    if (selection == chip || selection == kNoChip) selection = chip - 1;
  }
  if (selection < 0) selection = kNoChip;
  if (selection == kNoChip) {
    record->chipSelection = kNoChip;
    record->chipAmount = record->chipRemoveAmount = 0;
    EraseChipSelector();
    return;
  }
  SelectChip(record, selection);
}

void ShowStakesMoney(BaccaratClientRecord* record) {
  DrawMoney(record->money - record->betsOnTable);
  gBaccaratButtons[kButtonDeal].enabled = AreBetsWithinLimits(*record) ? 1 : 0;
  RedrawButtons();
  UpdateChipSelector(record);
}

int RebetRunning() { return gRebetRunning; }

}  // namespace sq
