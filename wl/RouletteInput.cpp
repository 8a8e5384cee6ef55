#include "wl/RouletteInput.h"

#include "framework/shell/ButtonTracker.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/HelpPage.h"
#include "framework/shell/Money.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/StatusLine.h"
#include "framework/sound/GameSound.h"
#include "mz/MachineShell.h"
#include "platform/include/plat/window.h"
#include "wl/RouletteButtons.h"
#include "wl/RouletteClient.h"
#include "wl/RouletteFiles.h"
#include "wl/RouletteLimits.h"
#include "wl/RouletteTable.h"

namespace wl {
namespace {

CButtonTracker gTracker;
int gRightSlot = 0;
int gPointedValue = 0;  // the hit-map value of the last mouse move

RouletteClientRecord* Record() { return RouletteClientHooks::Current(); }

int IsRefusal(int code) { return code == kAboveMaxTable || code == kAboveMaxNr || code == kAboveMaxExtern; }

int ChipCheck(const RouletteClientRecord* r, int chip, int slot) {
  return CheckChipLimits(r->bets, r->totalBet, r->limits, chip, slot);
}

void ShowLimitBox(const RouletteClientRecord* r, int code) {
  char text[128];
  LimitText(code, r->limits, text, sizeof text);
  plat::MessageBox(gMainWindow, text, kGameName, plat::MB_OK | plat::MB_ICONEXCLAMATION);
}

// The largest chip the money covers, when it is smaller than the selected one.
void FollowMoney(const RouletteClientRecord* r) {
  int index = 0;
  for (int k = 4; k > 0; --k) {
    if (r->money >= kChipValues[k]) {
      index = k;
      break;
    }
  }
  if (index < SelectedChip()) SelectChip(index);
}

void PlaceChip(RouletteClientRecord* r, int slot) {
  const int chip = kChipValues[SelectedChip()];
  if (chip > r->money) return;
  const int code = ChipCheck(r, chip, slot);
  if (IsRefusal(code)) {
    ShowLimitBox(r, code);
    PlayGameSound(kSoundTableMax, 1, kSoundEffect);
    PlayGameSound(code == kAboveMaxTable ? kSoundTableMaxAmount : kSoundSlotMax, 0, kSoundEffect);
    return;
  }
  // A larger chip may make the stack lower ($4 in four chips, $5 in one):
  // the old height is cleared too.
  const int before = ChipCount(r->bets[slot]);
  r->bets[slot] += chip;
  r->money -= chip;
  r->totalBet += chip;
  DrawMoney(r->money);
  DrawTotalBet(r->totalBet);
  DrawSlotChips(r->bets, slot, before);
  FollowMoney(r);
}

void TakeBackChip(RouletteClientRecord* r, int slot) {
  if (r->bets[slot] <= 0) return;
  const int chip = kChipValues[SelectedChip()];
  const int taken = r->bets[slot] < chip ? r->bets[slot] : chip;
  const int before = ChipCount(r->bets[slot]);
  r->bets[slot] -= taken;
  r->money += taken;
  r->totalBet -= taken;
  DrawSlotChips(r->bets, slot, before);
  DrawMoney(r->money);
  DrawTotalBet(r->totalBet);
}

void SlotMouse(RouletteClientRecord* r, int slot, plat::UINT message) {
  switch (message) {
    case plat::WM_LBUTTONDOWN:
      if (r->money >= 1 && !IsRefusal(ChipCheck(r, kChipValues[SelectedChip()], slot))) {
        PlayGameSound(kSoundChip, 0, kSoundEffect);
      }
      return;
    case plat::WM_LBUTTONUP: PlaceChip(r, slot); return;
    case plat::WM_RBUTTONDOWN:
      gRightSlot = slot;
      if (r->bets[slot] > 0) PlayGameSound(kSoundChip, 0, kSoundEffect);
      return;
    case plat::WM_RBUTTONUP:
      if (slot == gRightSlot) TakeBackChip(r, slot);
      gRightSlot = 0;
      return;
    default: return;
  }
}

void Act(int b) {
  if (b >= kButtonChip1 && b < kButtonChip1 + 5) return SelectChip(b - kButtonChip1);
  switch (b) {
    case kButtonHelp: return OpenHelpPage(kHelpPage);
    case kButtonOptions: return mz::ShowMachineOptions(kGameName);
    case kButtonSpin: return SpinCheck();
    case kButtonQuit: plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); return;
    default: return;
  }
}

void Release(int b) {
  Act(b);
  DrawButtonReleased(b);
}

void Press(int b) {
  if (b == kButtonHelp || b == kButtonOptions || b == kButtonQuit) {
    PlayGameSound(kSoundButton, 0, kSoundEffect);
  } else if (b >= kButtonChip1 && b < kButtonChip1 + 5 && IsButtonEnabled(kButtonSpin)) {
    PlayGameSound(kSoundChip, 0, kSoundEffect);
  }
}

constexpr ButtonActions kActions{Press, Release, nullptr, kRouletteButtonCount, ButtonHoverText};

}  // namespace

void HandleButtonInput(int x, int y, plat::UINT message, plat::WPARAM keys, int button) {
  RouletteClientRecord* r = Record();
  if (r == nullptr) return;
  if (button != -1) {
    if (button > 0 && button < kRouletteButtonCount && IsButtonEnabled(button)) Release(button);
    return;
  }
  if (message == plat::WM_LBUTTONDOWN || message == plat::WM_RBUTTONDOWN) gAnyKey = 1;
  const int value = ButtonAt(x, y);
  // The column and the information area name themselves though never enabled.
  if (message == plat::WM_MOUSEMOVE && value != gPointedValue && (value == kButtonLastNumbers || value == kButtonInfo)) {
    PrintStatusMsg("%s", ButtonHoverText(value));
  }
  if (message == plat::WM_MOUSEMOVE) gPointedValue = value;
  if (IsBetSlot(value)) {
    gTracker.OnMouse(kActions, 0, message, keys);
    if (!gBettingLocked) SlotMouse(r, value, message);
    return;
  }
  gTracker.OnMouse(kActions, value < kRouletteButtonCount ? value : 0, message, keys);
}

void SpinCheck() {
  RouletteClientRecord* r = Record();
  if (r == nullptr) return;
  const int code = ChipCheck(r, 0, 0);
  if (code != kLimitsKept) return ShowLimitBox(r, code);
  PostClientCommand(r, kSpinRequest);
  gBettingLocked = 1;
}

void KeyDown(plat::WPARAM key) {
  gAnyKey = 1;
  RouletteClientRecord* r = Record();
  if (r == nullptr) return;
  if (key == plat::VK_RETURN && IsButtonEnabled(kButtonSpin)) SpinCheck();
  if (key == plat::VK_SPACE) {
    gRebetKey = 1;
    if (!gBettingLocked && r->lastTotalBet <= r->money) Rebet(r);
  }
}

void KeyUp(plat::WPARAM key) {
  if (key == plat::VK_ESCAPE) plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  if (key == plat::VK_SPACE) PlayGameSound(kSoundChip, 0, kSoundEffect);
}

void ResetInput() {
  gTracker.Reset();
  gRightSlot = 0;
  gPointedValue = 0;
}

}  // namespace wl
