#include "mz/VideoPokerInput.h"

#include "framework/link/PlaybackClient.h"
#include "framework/shell/ButtonTracker.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/HelpPage.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/GameSound.h"
#include "mz/MachineShell.h"
#include "mz/VideoPokerButtons.h"
#include "mz/VideoPokerClient.h"
#include "mz/VideoPokerFiles.h"
#include "mz/VideoPokerMachine.h"
#include "mz/VideoPokerPayTable.h"
#include "platform/include/plat/window.h"

namespace mz {
namespace {

CButtonTracker gTracker;
int gPointerY = 0;  // screen y of the last mouse message

VideoPokerClientRecord* Record() { return VideoPokerClientHooks::Current(); }

void Act(VideoPokerClientRecord* r, int b) {
  if (b >= kButtonInsert1 && b < kButtonInsert1 + 5) {
    ResetCardsForNewRound(r, 0, 0);
    return InsertCredits(r, kInsertDollars[b - kButtonInsert1]);
  }
  if (IsHoldButton(b)) return ClientPressKey(r, '1' + b - kButtonHold1);
  if (b >= kButtonCoinQuarter && b <= kButtonCoinFive) return SetCoinValue(r, kCoinValues[b - kButtonCoinQuarter]);
  switch (b) {
    case kButtonHelp: return OpenHelpPage(kHelpPage);
    case kButtonOptions: return ShowMachineOptions(kGameName);
    case kButtonCashOut: return CashOut(r);
    case kButtonBetOne:
      ResetCardsForNewRound(r, 0, 0);
      return BetCoins(r, 1);
    case kButtonDeal: return ClientPressKey(r, 'D');
    case kButtonBetMax:
      ResetCardsForNewRound(r, 0, 0);
      BetCoins(r, 5);
      return ClientPressKey(r, 'D');
    case kButtonExit: plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); return;
    default: return;
  }
}

bool Logged(int b) { return b != kButtonHelp && b != kButtonOptions && b != kButtonExit; }

void Release(int b) {
  VideoPokerClientRecord* r = Record();
  if (r == nullptr) return;
  if (Logged(b)) gBtnLogClient.Add(b, gClientStep);
  Act(r, b);
  DrawButton(&gPicture, b, IsButtonEnabled(b) ? 1 : 0);
}

void Press(int b) {
  if (b == kButtonHelp || b == kButtonOptions || b == kButtonExit || (b >= kButtonCoinQuarter && b <= kButtonCoinFive)) {
    PlayGameSound(kSoundButton, 0, kSoundEffect);
  } else if (IsHoldButton(b) && gPointerY < gVideoPokerButtons[b].y) {
    PlayGameSound(kSoundHold, 0, kSoundEffect);
  } else if (b >= kButtonCashOut && b <= kButtonHold1 + 4) {
    PlayGameSound(kSoundMachineButton, 0, kSoundEffect);
  }
}

constexpr ButtonActions kActions{Press, Release, nullptr, kVideoPokerButtonCount, ButtonHoverText};

}  // namespace

void HandleButtonInput(int x, int y, plat::UINT message, plat::WPARAM keys, int button) {
  if (Record() == nullptr) return;
  if (button == -1) {
    gPointerY = y - gOffsetY;
    gTracker.OnMouse(kActions, ButtonAt(x, y), message, keys);
    // Above its push part a HOLD button is its card, which never looks pressed.
    const int held = gTracker.pressed;
    if (IsHoldButton(held) && gPointerY < gVideoPokerButtons[held].y && IsButtonEnabled(held)) {
      DrawButton(&gPicture, held, 1);
    }
    return;
  }
  if (button <= 0 || button >= kVideoPokerButtonCount || !IsButtonEnabled(button)) return;
  Release(button);
}

void ResetInput() {
  gTracker.Reset();
  gPointerY = 0;
}

}  // namespace mz
