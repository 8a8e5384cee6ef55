#include "cash/CashierInput.h"

#include "cash/CashierClientRecord.h"
#include "cash/CashierFiles.h"
#include "cash/CashierLayout.h"
#include "cash/CashierScreen.h"
#include "framework/shell/ButtonTracker.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/GameHooks.h"
#include "framework/shell/HelpPage.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/GameSound.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/window.h"

namespace cash {
namespace {

CButtonTracker gTracker;

CashierClientRecord* Record() { return CClientHooks<CashierClientRecord>::Current(); }

void Act(CashierClientRecord* r, int b) {
  switch (b) {
    case kButtonHelp: return OpenHelpPage(kHelpPage);
    case kButtonViewLog:
      if (gCashierMode == kModeOffline) {
        plat::MessageBox(gMainWindow, "You can only view the account log when playing online.", "View log",
                         plat::MB_OK);
        return;
      }
      return SetClientFlag(r, 'V');
    case kButtonDeposit: SelectTransferMode(kTransferDeposit, 0); return;
    case kButtonWithdraw: SelectTransferMode(kTransferWithdraw, 0); return;
    case kButtonConfirm: return SetClientFlag(r, SelectTransferMode(kTransferNone, 0) == kTransferDeposit ? 'D' : 'W');
    case kButtonQuit: plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); return;
    case kButtonAcknowledge: return SetClientFlag(r, 'M');
    default: return;
  }
}

void Release(int b) {
  CashierClientRecord* r = Record();
  if (r == nullptr) return;
  Act(r, b);
  DrawButton(&gPicture, b, IsButtonEnabled(b) ? kButtonStateEnabled : kButtonStateNormal);
}

void Press(int) { PlayGameSound(kButtonSound, 0, kSoundEffect); }

constexpr ButtonActions kActions{Press, Release, nullptr, kCashierButtonCount, nullptr};

}  // namespace

void HandleButtonInput(int x, int y, plat::UINT message, plat::WPARAM keys, int button) {
  if (Record() == nullptr) return;
  if (button == -1) return gTracker.OnMouse(kActions, ButtonAt(x, y), message, keys);
  if (button <= 0 || button >= kCashierButtonCount) return;
  // Offline View log is not shown, but its key still tells why it is not
  // there, whenever the menu is up.
  const int offlineViewLog = button == kButtonViewLog && gCashierMode == kModeOffline && IsButtonEnabled(kButtonDeposit);
  if (!IsButtonEnabled(button) && !offlineViewLog) return;
  Release(button);
}

void ResetInput() { gTracker.Reset(); }

}  // namespace cash
