#include "sq/BaccaratInput.h"

#include "framework/link/BtnLog.h"
#include "framework/link/PlaybackClient.h"
#include "framework/link/ShellHooks.h"
#include "framework/shell/ButtonTracker.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/HelpPage.h"
#include "framework/shell/OptionsDialog.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/GameSound.h"
#include "kw/CardGameShell.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/window.h"
#include "sq/BaccaratBetting.h"
#include "sq/BaccaratButtons.h"
#include "sq/BaccaratClient.h"
#include "sq/BaccaratFiles.h"

namespace sq {
namespace {

CButtonTracker gTracker;

BaccaratClientRecord* Record() { return BaccaratClientHooks::Current(); }

bool IsChip(int b) { return b >= kButtonChip1 && b < kButtonChip1 + kChipCount; }
bool IsArea(int b) { return b >= kButtonPlayer && b <= kButtonTie; }

void LeftAction(BaccaratClientRecord* record, int b) {
  if (IsChip(b)) return SelectChip(record, b - kButtonChip1);
  if (IsArea(b)) {
    if (RebetRunning()) return;
    if (AddChipToBet(record, record->chipAmount, AreaOfButton(b))) PlayGameSound(kSoundChip, 0, kSoundEffect);
    return;
  }
  switch (b) {
    case kButtonOptions:
      if (plat::DialogBoxParam(gInstance, kOptionsDialogResource, gMainWindow, kw::CardGameConfigDlgProc, 0) == -1) {
        plat::MessageBox(gMainWindow, "Unable to show the config dialog", "Baccarat", plat::MB_OK | plat::MB_ICONSTOP);
      }
      return;
    case kButtonHelp: return OpenHelpPage(kHelpPage);
    case kButtonDeal:
      if (gLinkReady) ClientPressKey(record, 'D');
      return;
    case kButtonExit: plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); return;
    case kButtonNewGame:
      gContinueRequest = 1;
      gBaccaratButtons[kButtonNewGame].enabled = 0;
      return;
    default: return;
  }
}

void LeftRelease(int b) {
  BaccaratClientRecord* record = Record();
  if (record == nullptr) return;
  gBaccaratButtons[b].pressState = 1;
  if (b != kButtonOptions && b != kButtonHelp && b != kButtonExit) gBtnLogClient.Add(b, gClientStep);
  LeftAction(record, b);
  DrawButton(&gPicture, b, IsButtonEnabled(b) && !record->autoPress ? 1 : 0);
  gBaccaratButtons[b].pressState = 0;
}

// A right release on a bet area: the selected chip off its stake. Logged
// as a right release, so a restored coup takes the same chip off again.
void RightRelease(int b) {
  BaccaratClientRecord* record = Record();
  if (record == nullptr || !IsArea(b)) return;
  gBaccaratButtons[b].pressState = 2;
  gBtnLogClient.Add(b, gClientStep, kBtnValueRight);
  if (record->bets[AreaOfButton(b)] > 0.0 && AddChipToBet(record, record->chipRemoveAmount, AreaOfButton(b))) {
    PlayGameSound(kSoundChip, 0, kSoundEffect);
  }
}

void LeftPress(int b) {
  if (IsChip(b) && BettingOpen()) PlayGameSound(kSoundChip, 0, kSoundEffect);
  if (b == kButtonDeal || b == kButtonExit || b == kButtonNewGame) PlayGameSound(kSoundButton, 0, kSoundEffect);
}

constexpr ButtonActions kActions{LeftPress, LeftRelease, RightRelease, kButtonPlayer, ButtonHoverText};

}  // namespace

void HandleButtonInput(int x, int y, plat::UINT message, plat::WPARAM keys, int button) {
  if (Record() == nullptr) return;
  if (button == -1) {
    if (message == plat::WM_LBUTTONUP && !kw::gCardGameOptions.newGameButton) gContinueRequest = 1;
    return gTracker.OnMouse(kActions, ButtonAt(x, y), message, keys);
  }
  if (button <= 0 || button >= kBaccaratButtonCount || !IsButtonEnabled(button)) return;
  if (message == kPressRight) {
    RightRelease(button);
    DrawButtonReleased(button);
    return;
  }
  LeftRelease(button);
}

void PressChipForLog(int button) { LeftRelease(button); }

void ResetInput() { gTracker.Reset(); }

}  // namespace sq
