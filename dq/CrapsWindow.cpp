#include "dq/CrapsWindow.h"

#include "framework/shell/Buttons.h"
#include "dq/CrapsBetting.h"
#include "dq/CrapsButtons.h"
#include "dq/CrapsClient.h"
#include "dq/CrapsInput.h"
#include "dq/CrapsReplay.h"
#include "dq/CrapsStartup.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/ShellMessages.h"
#include "dq/TableRules.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/window.h"

namespace dq {
namespace {

constexpr char kCrapsTitle[] = "Craps";
constexpr char kBetsLostText[] =
    "You still have bets on the table, if you quit now some of your bets will be lost! \n \n Do "
    "you really want to quit?";

// Between rolls with no contract bet the player may leave; with contract
// bets only while betting is open, forfeiting them. The client machine
// leaves when it sees the quit request.
void AskToQuit(plat::HWND window, CrapsClientRecord* record) {
  const int free = CanQuitNow(record->bets, record->comeOut);
  if (IsButtonEnabled(kButtonExit) && free) {
    record->quitRequest = 0;
    if (plat::MessageBox(window, "Return to main menu?", kCrapsTitle, plat::MB_OKCANCEL) ==
        plat::IDOK) {
      gCasinoCfg.maximised = plat::IsZoomed(window) ? 1 : 0;
      record->quitRequest = 1;
    }
  } else if (!free && gBettingOpen && !ReplayRunning()) {
    const int answer = plat::MessageBox(window, kBetsLostText, kCrapsTitle,
                                        plat::MB_YESNO | plat::MB_ICONQUESTION |
                                            plat::MB_DEFBUTTON2);
    record->quitAnswer = answer == plat::IDYES ? 1 : 0;
    record->quitRequest = record->quitAnswer;
  } else {
    plat::MessageBox(window, "You can't quit at this point", kCrapsTitle, plat::MB_OK);
  }
}

// The character keys press buttons as left clicks.
int ButtonOfKey(char key) {
  if (key >= '1' && key <= '5') return kButtonChip1 + (key - '1');
  switch (key) {
    case 'O':
    case 'o': return kButtonOptions;
    case 'R':
    case 'r': return kButtonRoll;
    case 'p': return kButtonHelp;
    default: return kButtonNone;
  }
}

}  // namespace

plat::LRESULT MainWndProc(plat::HWND window, plat::UINT message, plat::WPARAM wParam,
                          plat::LPARAM lParam) {
  plat::LRESULT answer = 0;
  if (HandleShellMessage(window, message, wParam, lParam, &answer)) return answer;
  CrapsClientRecord* record = CrapsClientHooks::Current();
  switch (message) {
    case plat::WM_CLOSE:
      if (record != nullptr) AskToQuit(window, record);
      return 0;
    case plat::WM_COMMAND:
      if (plat::LOWORD(wParam) != kHelpCommand) break;
      OpenHelp();
      return 0;
    case plat::WM_KEYUP:
      if (wParam == plat::VK_ESCAPE) plat::PostMessage(window, plat::WM_CLOSE, 0, 0);
      if (wParam == plat::VK_HOME) gCreditsRequest = 1;
      return 0;
    case plat::WM_CHAR: {
      if (lParam & plat::KEY_REPEAT_FLAG) return 0;
      const int button = ButtonOfKey(static_cast<char>(wParam));
      if (button != kButtonNone) PressButton(button, 1);
      return 0;
    }
    default: break;
  }
  return plat::DefWindowProc(window, message, wParam, lParam);
}

}  // namespace dq
