#include "hx/BlackJackInput.h"

#include "framework/link/PlaybackClient.h"
#include "framework/link/ShellHooks.h"
#include "framework/shell/ButtonTracker.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/HelpPage.h"
#include "framework/shell/Money.h"
#include "framework/shell/OptionsDialog.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/GameSound.h"
#include "hx/BlackJackBetting.h"
#include "hx/BlackJackButtons.h"
#include "hx/BlackJackClient.h"
#include "hx/BlackJackFiles.h"
#include "kw/CardGameShell.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/resource.h"
#include "platform/include/plat/window.h"

namespace hx {
namespace {

CButtonTracker gTracker;

BlackJackClientRecord* Record() { return BlackJackClientHooks::Current(); }

bool IsChip(int b) { return b >= kButtonBet1 && b < kButtonBet1 + kChipCount; }

void Post(BlackJackClientRecord* record, int code) {
  if (gLinkReady) PostClientCommand(record, code);
}

void LeftAction(BlackJackClientRecord* record, int b) {
  if (IsChip(b)) return AddChipToBet(record, kChipValues[b - kButtonBet1]);
  switch (b) {
    case kButtonOptions:
      if (plat::DialogBoxParam(gInstance, kOptionsDialogResource, gMainWindow, kw::CardGameConfigDlgProc, 0) == -1) {
        plat::MessageBox(gMainWindow, "Unable to show the config dialog", "Black Jack", plat::MB_OK | plat::MB_ICONSTOP);
      }
      return;
    case kButtonHelp: return OpenHelpPage(kHelpPage);
    case kButtonSplit: return Post(record, 'P');
    case kButtonDouble: return Post(record, 'O');
    case kButtonStand: return Post(record, 'S');
    case kButtonHit: return Post(record, 'H');
    case kButtonDeal:
      record->lastBet = record->bet;
      return Post(record, 'D');
    case kButtonRebet:
      if (CanRepeatLastBet(*record)) RepeatLastBet(record);
      return;
    case kButtonExit: plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); return;
    case kButtonNewGame:
      gContinueFlag = 1;
      gBlackJackButtons[kButtonNewGame].enabled = 0;
      return;
    default: return;
  }
}

void LeftRelease(int b) {
  BlackJackClientRecord* record = Record();
  if (record == nullptr) return;
  if (!kw::gCardGameOptions.newGameButton) gContinueFlag = 1;
  gBlackJackButtons[b].pressState = 1;
  if (b != kButtonOptions && b != kButtonHelp && b != kButtonExit) gBtnLogClient.Add(b, gClientStep);
  LeftAction(record, b);
  DrawButton(&gPicture, b, IsButtonEnabled(b) ? 1 : 0);
  gBlackJackButtons[b].pressState = 0;
}

void RightRelease(int b) {
  BlackJackClientRecord* record = Record();
  if (record == nullptr || (!IsChip(b) && b != kButtonRebet)) return;
  gBlackJackButtons[b].pressState = 2;
  // Logged as well, so a restore takes the chip off again.
  gBtnLogClient.Add(b, gClientStep, kBtnValueRight);
  const int amount = IsChip(b) ? kChipValues[b - kButtonBet1] : ChipToTakeOff(record->bet);
  AddChipToBet(record, -amount);
}

void LeftPress(int b) {
  BlackJackClientRecord* record = Record();
  if (record == nullptr) return;
  if (IsChip(b) && BettingOpen() && IsChipAllowed(*record, b)) PlayGameSound(kSoundChip, 0, kSoundEffect);
  if (b == kButtonOptions || b == kButtonHelp || (b >= kButtonSplit && b <= kButtonDeal) || b == kButtonExit ||
      b == kButtonNewGame) {
    PlayGameSound(kSoundButton, 0, kSoundEffect);
  }
  if (b == kButtonRebet && CanRepeatLastBet(*record)) PlayGameSound(kSoundChip, 0, kSoundEffect);
}

// The chip sound when a chip may be taken away, or the top chip of a bet.
void RightPress(int b) {
  BlackJackClientRecord* record = Record();
  if (record == nullptr || !BettingOpen()) return;
  if ((IsChip(b) && IsChipAllowed(*record, -b)) || (b == kButtonRebet && record->bet > 0.0)) {
    PlayGameSound(kSoundChip, 0, kSoundEffect);
  }
}

constexpr ButtonActions kActions{LeftPress, LeftRelease, RightRelease, kButtonBet1, ButtonHoverText, RightPress};

}  // namespace

int ButtonInPlace(int button) {
  return button == kButtonSplit && IsButtonEnabled(kButtonNewGame) ? static_cast<int>(kButtonNewGame) : button;
}

void HandleButtonInput(int x, int y, plat::UINT message, plat::WPARAM keys, int button) {
  if (Record() == nullptr) return;
  if (button == -1) {
    if (message == plat::WM_LBUTTONUP && !kw::gCardGameOptions.newGameButton) gContinueFlag = 1;
    return gTracker.OnMouse(kActions, ButtonAt(x, y), message, keys);
  }
  if (button <= 0 || button >= kBlackJackButtonCount || !IsButtonEnabled(button)) return;
  if (message == kPressRight) {
    RightRelease(button);
    DrawButtonReleased(button);
    return;
  }
  LeftRelease(button);
}

void ResetInput() { gTracker.Reset(); }

void RegisterBlackJackDialog() {
  static const plat::DLGTEMPLATE dialog = kw::CardGameConfigDialog("Black Jack Configuration");
  plat::RegisterDialogResource(kOptionsDialogResource, &dialog);
}

}  // namespace hx
