#include "kw/PaiGowInput.h"

#include "framework/link/PlaybackClient.h"
#include "framework/link/ShellHooks.h"
#include "framework/shell/ButtonTracker.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/HelpPage.h"
#include "framework/shell/Money.h"
#include "framework/shell/OptionsDialog.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/GameSound.h"
#include "kw/CardGameShell.h"
#include "kw/PaiGowBetting.h"
#include "kw/PaiGowButtons.h"
#include "kw/PaiGowClient.h"
#include "kw/PaiGowFiles.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/window.h"

namespace kw {
namespace {

CButtonTracker gTracker;

PaiGowClientRecord* Record() { return PaiGowClientHooks::Current(); }

bool IsChip(int b) { return b >= kButtonBet1 && b < kButtonBet1 + kChipCount; }

void Request(PaiGowClientRecord* record, int code) {
  if (gLinkReady) ClientKeyCommand(record, code);
}

void LeftAction(PaiGowClientRecord* record, int b) {
  if (IsChip(b)) return PlaceBet(record, kChipValues[b - kButtonBet1]);
  if (b >= kButtonRowCard1 && b < kButtonRowCard1 + kRowCards) return Request(record, kRequestMoveFirst + b - kButtonRowCard1);
  switch (b) {
    case kButtonOptions:
      if (plat::DialogBoxParam(gInstance, kOptionsDialogResource, gMainWindow, CardGameConfigDlgProc, 0) == -1) {
        plat::MessageBox(gMainWindow, "Unable to show the config dialog", "Pai Gow Poker", plat::MB_OK | plat::MB_ICONSTOP);
      }
      return;
    case kButtonHelp: return OpenHelpPage(kHelpPage);
    case kButtonDeal:
      record->lastBet = record->bet;
      return Request(record, kRequestDeal);
    case kButtonDone: return Request(record, kRequestDone);
    case kButtonNewGame:
      gNewGameMark = 1;
      Request(record, kRequestNewGame);
      gPaiGowButtons[kButtonNewGame].enabled = 0;
      return;
    case kButtonBetArea:
      // On the logged release, so a restored game repeats it too.
      if (CanRepeatLastBet(*record)) RepeatLastBet(record);
      return;
    case kButtonExit: plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); return;
    case kButtonSlot1: return Request(record, kRequestBackSlot1);
    case kButtonSlot2: return Request(record, kRequestBackSlot2);
    default: return;
  }
}

void LeftRelease(int b) {
  PaiGowClientRecord* record = Record();
  if (record == nullptr) return;
  gPaiGowButtons[b].pressState = 1;
  if (b != kButtonOptions && b != kButtonHelp && b != kButtonExit) gBtnLogClient.Add(b, gClientStep);
  LeftAction(record, b);
  DrawButton(&gPicture, b, IsButtonEnabled(b) ? 1 : 0);
  gPaiGowButtons[b].pressState = 0;
}

void RightRelease(int b) {
  PaiGowClientRecord* record = Record();
  if (record == nullptr || (!IsChip(b) && b != kButtonBetArea)) return;
  gPaiGowButtons[b].pressState = 2;
  // Logged as well, so a restore takes the chip off again.
  gBtnLogClient.Add(b, gClientStep, kBtnValueRight);
  const int amount = IsChip(b) ? kChipValues[b - kButtonBet1] : ChipToTakeOff(record->bet);
  PlaceBet(record, -amount);
}

void LeftPress(int b) {
  PaiGowClientRecord* record = Record();
  if (record == nullptr) return;
  if (IsChip(b) && BettingOpen() && IsChipUsable(*record, b)) PlayGameSound(kSoundChip, 0, kSoundEffect);
  if (b == kButtonDeal || b == kButtonDone || b == kButtonNewGame || b == kButtonExit) {
    PlayGameSound(kSoundButton, 0, kSoundEffect);
  }
  if (b == kButtonBetArea && CanRepeatLastBet(*record)) PlayGameSound(kSoundChip, 0, kSoundEffect);
}

// The chip sound where a chip can come off: a chip, or the bet area's top chip.
void RightPress(int b) {
  PaiGowClientRecord* record = Record();
  if (record == nullptr || !BettingOpen()) return;
  if ((IsChip(b) && IsChipUsable(*record, -b)) || (b == kButtonBetArea && record->bet > 0.0)) {
    PlayGameSound(kSoundChip, 0, kSoundEffect);
  }
}

constexpr ButtonActions kActions{LeftPress, LeftRelease, RightRelease, kButtonBet1, ButtonHoverText, RightPress};

}  // namespace

void HandleButtonInput(int x, int y, plat::UINT message, plat::WPARAM keys, int button) {
  if (Record() == nullptr) return;
  if (button == -1) {
    if (message == plat::WM_LBUTTONUP && !gCardGameOptions.newGameButton) gNewGameMark = 1;
    return gTracker.OnMouse(kActions, ButtonAt(x, y), message, keys);
  }
  if (button <= 0 || button >= kPaiGowButtonCount || !IsButtonEnabled(button)) return;
  if (message == kPressRight) {
    RightRelease(button);
    DrawButtonReleased(button);
    return;
  }
  LeftRelease(button);
}

void ResetInput() { gTracker.Reset(); }

}  // namespace kw
