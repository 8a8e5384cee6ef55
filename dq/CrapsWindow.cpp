#include "dq/CrapsWindow.h"

#include "framework/shell/Buttons.h"
#include "dq/CrapsBetting.h"
#include "dq/CrapsButtons.h"
#include "dq/CrapsClient.h"
#include "dq/CrapsInput.h"
#include "dq/CrapsReplay.h"
#include "dq/CrapsStartup.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/HelpPage.h"
#include "framework/shell/KeyButtons.h"
#include "framework/shell/QuitQuestion.h"
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
    record->quitRequest = 0;  // none while the question is open
    if (AskReturnToMainMenu(window, kCrapsTitle)) record->quitRequest = 1;
  } else if (!free && gBettingOpen && !ReplayRunning()) {
    record->quitAnswer = AskQuitLosingBets(window, kCrapsTitle, kBetsLostText);
    record->quitRequest = record->quitAnswer;
  } else {
    SayCannotQuitNow(window, kCrapsTitle);
  }
}

// The character keys press buttons as left clicks.
constexpr KeyButton kCrapsKeys[] = {
    {'1', kButtonChip1},     {'2', kButtonChip1 + 1}, {'3', kButtonChip1 + 2},
    {'4', kButtonChip1 + 3}, {'5', kButtonChip1 + 4}, {'O', kButtonOptions},
    {'o', kButtonOptions},   {'R', kButtonRoll},      {'r', kButtonRoll},
    {'p', kButtonHelp},
};
constexpr int kCrapsKeyCount = static_cast<int>(sizeof kCrapsKeys / sizeof kCrapsKeys[0]);

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
      OpenHelpPage(kCrapsHelpPage);
      return 0;
    case plat::WM_KEYUP:
      if (wParam == plat::VK_ESCAPE) plat::PostMessage(window, plat::WM_CLOSE, 0, 0);
      if (wParam == plat::VK_HOME) gCreditsRequest = 1;
      return 0;
    case plat::WM_CHAR:
      PressKeyButton(kCrapsKeys, kCrapsKeyCount, wParam, lParam);
      return 0;
    default: break;
  }
  return plat::DefWindowProc(window, message, wParam, lParam);
}

}  // namespace dq
