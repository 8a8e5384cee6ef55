#include "gz/CaribbeanInput.h"

#include "framework/link/PlaybackClient.h"
#include "framework/link/ShellHooks.h"
#include "framework/shell/ButtonTracker.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/HelpPage.h"
#include "framework/shell/Money.h"
#include "framework/shell/OptionsDialog.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/GameSound.h"
#include "gz/CaribbeanBetting.h"
#include "gz/CaribbeanButtons.h"
#include "gz/CaribbeanClient.h"
#include "gz/CaribbeanFiles.h"
#include "gz/CaribbeanOptions.h"
#include "kw/CardGameShell.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/window.h"

namespace gz {
namespace {

CButtonTracker gTracker;

CaribbeanClientRecord* Record() { return CaribbeanClientHooks::Current(); }

bool IsChip(int b) { return b >= kButtonChip1 && b < kButtonChip1 + kChipCount; }

void Request(CaribbeanClientRecord* record, int letter) {
  if (gLinkReady) ClientKeyCommand(record, letter);
}

void LeftAction(CaribbeanClientRecord* record, int b) {
  if (IsChip(b)) return AddChipToAnte(record, kChipValues[b - kButtonChip1]);
  switch (b) {
    case kButtonOptions:
      PlayGameSound(kSoundButton, 0, kSoundEffect);
      if (plat::DialogBoxParam(gInstance, kOptionsDialogResource, gMainWindow, CaribbeanConfigDlgProc, 0) == -1) {
        plat::MessageBox(gMainWindow, "Unable to show the config dialog", "Caribbean Poker",
                         plat::MB_OK | plat::MB_ICONSTOP);
      }
      return;
    case kButtonHelp:
      PlayGameSound(kSoundButton, 0, kSoundEffect);
      return OpenHelpPage(kHelpPage);
    case kButtonDeal:
      record->rebetAnte = record->ante;
      return Request(record, 'D');
    case kButtonSurrender: return Request(record, 'S');
    case kButtonCall: return Request(record, 'B');
    case kButtonAnteSpot: return RebetLastAnte(record);
    case kButtonExit: plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); return;
    case kButtonNewGame:
      gContinueMark = 1;
      gCaribbeanButtons[kButtonNewGame].enabled = 0;
      return;
    default: return;
  }
}

void LeftRelease(int b) {
  CaribbeanClientRecord* record = Record();
  if (record == nullptr) return;
  gCaribbeanButtons[b].pressState = 1;
  if (b != kButtonOptions && b != kButtonHelp && b != kButtonExit) gBtnLogClient.Add(b, gClientStep);
  LeftAction(record, b);
  DrawButton(&gPicture, b, IsButtonEnabled(b) ? 1 : 0);
  gCaribbeanButtons[b].pressState = 0;
}

// A right release: a chip off the ante. Logged as a right release, so a
// restored hand takes the same chip off again.
void RightRelease(int b) {
  CaribbeanClientRecord* record = Record();
  if (record == nullptr || (!IsChip(b) && b != kButtonAnteSpot)) return;
  gCaribbeanButtons[b].pressState = 2;
  gBtnLogClient.Add(b, gClientStep, kBtnValueRight);
  const int chip = IsChip(b) ? kChipValues[b - kButtonChip1] : ChipToTakeOff(record->ante);
  AddChipToAnte(record, -chip);
}

void LeftPress(int b) {
  CaribbeanClientRecord* record = Record();
  if (record == nullptr) return;
  if (IsChip(b) && AntePhaseOpen() && IsChipButtonEnabled(*record, b)) PlayGameSound(kSoundChip, 0, kSoundEffect);
  if (b == kButtonDeal || b == kButtonExit || b == kButtonNewGame) PlayGameSound(kSoundButton, 0, kSoundEffect);
  if (b == kButtonAnteSpot && CanRebet(*record)) PlayGameSound(kSoundChip, 0, kSoundEffect);
}

void RightPress(int b) {
  CaribbeanClientRecord* record = Record();
  if (record == nullptr || !AntePhaseOpen()) return;
  if ((IsChip(b) && IsChipButtonEnabled(*record, -b)) || (b == kButtonAnteSpot && record->ante > 0.0)) {
    PlayGameSound(kSoundChip, 0, kSoundEffect);
  }
}

constexpr ButtonActions kActions{LeftPress, LeftRelease, RightRelease, kButtonChip1, ButtonHoverText};

}  // namespace

int ButtonInPlace(int button) {
  return button == kButtonSurrender && IsButtonEnabled(kButtonNewGame) ? static_cast<int>(kButtonNewGame) : button;
}

void HandleButtonInput(int x, int y, plat::UINT message, plat::WPARAM keys, int button) {
  if (Record() == nullptr) return;
  if (button == -1) {
    if (message == plat::WM_LBUTTONUP && !kw::gCardGameOptions.newGameButton) gContinueMark = 1;
    const int under = ButtonAt(x, y);
    if (message == plat::WM_RBUTTONDOWN && IsButtonEnabled(under)) RightPress(under);
    return gTracker.OnMouse(kActions, under, message, keys);
  }
  if (button <= 0 || button >= kCaribbeanButtonCount || !IsButtonEnabled(button)) return;
  if (message == kPressRight) {
    RightRelease(button);
    DrawButtonReleased(button);
    return;
  }
  LeftRelease(button);
}

void ResetInput() { gTracker.Reset(); }

}  // namespace gz
