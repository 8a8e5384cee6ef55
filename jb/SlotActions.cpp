#include "jb/SlotActions.h"

#include "framework/shell/Buttons.h"
#include "framework/shell/Money.h"
#include "framework/shell/StatusLine.h"
#include "framework/sound/GameSound.h"
#include "jb/SlotButtons.h"
#include "jb/SlotClient.h"
#include "jb/SlotFiles.h"
#include "jb/SlotMoney.h"
#include "jb/SlotPresentation.h"

namespace jb {

void EnableBetting(const SlotClientRecord* r) {
  SetSlotButton(kButtonCashOut, r->credits > 0 || r->betCoins > 0);
  SetSlotButton(kButtonBetOne, r->credits >= 1 && r->betCoins < kMaxBetCoins);
  SetSlotButton(kButtonBetThree, r->credits >= kMaxBetCoins && r->betCoins < kMaxBetCoins);
}

void DrawReadouts(const SlotClientRecord* r) {
  DrawMoney(r->money);
  DrawCreditReadout(r->credits, gMachineValue);
  DrawBetReadout(r->betCoins, gMachineValue);
  DrawPaidReadout(r->win, gMachineValue);
}

void InsertCoins(SlotClientRecord* r, int k) {
  PlayGameSound(kSoundCoinIn, 0, kSoundEffect);
  if (!InsertMoney(*r, kInsertDollars[k], gMachineValue)) return;
  DrawMoney(r->money);
  DrawCreditReadout(r->credits, gMachineValue);
  gCoinIn = 1;
  if (r->credits > 0) {
    EnableBetting(r);
    PrintStatusMsg("Press bet");
  }
  RedrawButtons();
}

void CashOut(SlotClientRecord* r) {
  gCashOutCoins = CashOutMoney(*r, gMachineValue);
  DisableAllButNeutral();
  DrawReadouts(r);
  for (int k = 0; k < kMachineValueButtons; ++k) SetSlotButton(kButtonQuarterMachine + k, 1);
  RedrawButtons();
  gCashOut = 1;
  PrintStatusMsg("Insert coins please");
}

void BetOne(SlotClientRecord* r) {
  if (!BetOneCoin(*r)) return;
  DrawCreditReadout(r->credits, gMachineValue);
  DrawBetReadout(r->betCoins, gMachineValue);
  EnableBetting(r);
  SetSlotButton(kButtonSpin, 1);
  SetSlotButton(kButtonLever, 1);
  RedrawButtons();
}

void BetThree(SlotClientRecord* r, int spin) {
  if (!BetThreeCoins(*r)) return;
  DrawCreditReadout(r->credits, gMachineValue);
  DrawBetReadout(r->betCoins, gMachineValue);
  SetSlotButton(kButtonBetThree, 0);
  SetSlotButton(kButtonBetOne, 0);
  SetSlotButton(kButtonSpin, !spin);
  SetSlotButton(kButtonLever, !spin);
  RedrawButtons();
  if (spin) RequestSpin(r);
}

void ChangeMachine(SlotClientRecord* r, int k) {
  const double value = kMachineValues[k];
  if (value == gMachineValue || gSpinPending) return;
  ChangeMachineValue(*r, gMachineValue, value);
  // The last win was paid at the old value: the paid readout would misstate it.
  r->win = 0;
  gMachineValue = value;
  gMachineValueCopy = static_cast<float>(value);
  DisableAllButNeutral();
  DrawReadouts(r);
  ShowDenomination(value);
  EnableBetting(r);
  for (int b = 0; b < kMachineValueButtons; ++b) SetSlotButton(kButtonQuarterMachine + b, 1);
  RedrawButtons();
}

void PullLever(SlotClientRecord* r) {
  PlayGameSound(kSoundLever, 0, kSoundEffect);
  gSpinPending = 1;
  r->leverRequest = 1;
}

void RequestSpin(SlotClientRecord* r) {
  PostClientCommand(r, 'S');
  gSpinPending = 1;
}

}  // namespace jb
