#include "jb/SlotInput.h"

#include "framework/shell/ButtonTracker.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/HelpPage.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/StatusLine.h"
#include "framework/sound/GameSound.h"
#include "jb/SlotActions.h"
#include "jb/SlotButtons.h"
#include "jb/SlotClient.h"
#include "jb/SlotFiles.h"
#include "jb/SlotMoney.h"
#include "mz/MachineShell.h"
#include "platform/include/plat/window.h"

namespace jb {
namespace {

CButtonTracker gTracker;

SlotClientRecord* Record() { return SlotClientHooks::Current(); }

void Act(SlotClientRecord* r, int b) {
  if (b >= kButtonInsert1 && b < kButtonInsert1 + kInsertButtons) return InsertCoins(r, b - kButtonInsert1);
  if (b >= kButtonQuarterMachine && b < kButtonQuarterMachine + kMachineValueButtons) {
    return ChangeMachine(r, b - kButtonQuarterMachine);
  }
  switch (b) {
    case kButtonHelp: return OpenHelpPage(kHelpPage);
    case kButtonOptions: return mz::ShowMachineOptions(kGameName);
    case kButtonCashOut: return CashOut(r);
    case kButtonBetOne: return BetOne(r);
    case kButtonSpin: return RequestSpin(r);
    case kButtonBetThree: return BetThree(r, 1);
    case kButtonLever: return PullLever(r);
    case kButtonQuit: plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); return;
    default: return;
  }
}

void Release(int b) {
  SlotClientRecord* r = Record();
  if (r == nullptr) return;
  Act(r, b);
  DrawButton(&gPicture, b, IsButtonEnabled(b) ? 1 : 0);
}

void Press(int b) {
  if (b >= kButtonCashOut && b <= kButtonBetThree) {
    PlayGameSound(kSoundMachineButton, 0, kSoundEffect);
  } else if (b == kButtonHelp || b == kButtonOptions || b >= kButtonQuarterMachine) {
    PlayGameSound(kSoundButton, 0, kSoundEffect);
  }
}

constexpr ButtonActions kActions{Press, Release, nullptr, kSlotButtonCount, ButtonHoverText};

}  // namespace

void HandleButtonInput(int x, int y, plat::UINT message, plat::WPARAM keys, int button) {
  if (Record() == nullptr) return;
  if (button != -1) {
    if (button > 0 && button < kSlotButtonCount && IsButtonEnabled(button)) Release(button);
    return;
  }
  const int under = ButtonAt(x, y);
  const int hovered = gTracker.hovered;
  gTracker.OnMouse(kActions, under, message, keys);
  // Spin and Bet 3 coins say what they do even while they are off.
  if (message == plat::WM_MOUSEMOVE && under != hovered && (under == kButtonSpin || under == kButtonBetThree) &&
      !IsButtonEnabled(under)) {
    PrintStatusMsg("%s", ButtonHoverText(under));
  }
}

void HandleKeyDown(plat::WPARAM key) {
  SlotClientRecord* r = Record();
  if (r == nullptr) return;
  switch (key) {
    case plat::VK_RETURN: return RequestSpin(r);
    case plat::VK_ESCAPE: plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); return;
    case plat::VK_SPACE:
      if (IsButtonEnabled(kButtonBetThree)) BetThree(r, 0);
      return;
    case 'O': return mz::ShowMachineOptions(kGameName);
    default: return;
  }
}

void ResetInput() { gTracker.Reset(); }

}  // namespace jb
