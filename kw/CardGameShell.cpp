#include "kw/CardGameShell.h"

#include "framework/link/PlaybackClient.h"
#include "framework/link/ShellHooks.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/CasinoCfg.h"
#include "framework/shell/HelpPage.h"
#include "framework/shell/OptionsDialog.h"
#include "framework/shell/QuitQuestion.h"
#include "framework/shell/SettingsFile.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/ShellMessages.h"
#include "framework/shell/Window.h"
#include "kw/CardGameDefinition.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/window.h"

namespace kw {

CardGameOptions gCardGameOptions{1, 1};

constexpr int kHelpCommand = 104;
const plat::ACCEL kCardGameAccelerators[1] = {
    {plat::FVIRTKEY, static_cast<plat::WORD>(plat::VK_F1), kHelpCommand},
};

namespace {

int gWaiting = 0;

constexpr plat::DLGITEMTEMPLATE kItems[] = {
    {plat::CTL_STATICFRAME, -1, nullptr, 10, 10, 160, 150, 0},
    {plat::CTL_CHECKBOX, kControlAnimations, "Show &animations", 20, 20, 145, 22, plat::CS_GROUP},
    {plat::CTL_CHECKBOX, kControlSoundEffects, "Play &sound effects", 20, 46, 145, 22, 0},
    {plat::CTL_CHECKBOX, kControlMusic, "Play &midi music", 20, 72, 145, 22, 0},
    {plat::CTL_CHECKBOX, kControlVoice, "Play &voice samples", 20, 98, 145, 22, 0},
    {plat::CTL_CHECKBOX, kControlNewGameButton, "Use &New Game button", 20, 124, 145, 22, 0},
    {plat::CTL_DEFPUSHBUTTON, plat::IDOK, "&Ok", 180, 20, 70, 28, plat::CS_GROUP},
    {plat::CTL_PUSHBUTTON, plat::IDCANCEL, "&Cancel", 180, 56, 70, 28, 0},
};

void InitOptions(plat::HWND dialog) {
  CheckOption(dialog, kControlVoice, gCardGameOptions.voice);
  CheckOption(dialog, kControlNewGameButton, gCardGameOptions.newGameButton);
}

void TakeOptions(plat::HWND dialog) {
  gCardGameOptions.voice = IsOptionChecked(dialog, kControlVoice) ? 1 : 0;
  gCardGameOptions.newGameButton = IsOptionChecked(dialog, kControlNewGameButton) ? 1 : 0;
}

constexpr OptionsDialogHooks kHooks{InitOptions, TakeOptions};

void Close(const CardGameTable& game, plat::HWND window) {
  if (!IsButtonEnabled(game.exitButton)) return SayCannotQuitNow(window, game.name);
  game.setExitRequest(0);
  if (AskReturnToMainMenu(window, game.name)) game.setExitRequest(1);
}

void KeyUp(const CardGameTable& game, plat::HWND window, plat::WPARAM key) {
  if (IsButtonEnabled(game.newGameButton)) PressButton(game.newGameButton, kPressLeft);
  if (!gCardGameOptions.newGameButton) game.setNewGameMark();
  if (key == plat::VK_ESCAPE) plat::PostMessage(window, plat::WM_CLOSE, 0, 0);
  // Through the button, so the repeat reaches the saved-game log.
  if (key == plat::VK_SPACE) PressButton(game.repeatBetButton, kPressLeft);
}

}  // namespace

const plat::DLGTEMPLATE kCardGameConfigDialog = {
    "Pai Gow Poker Configuration", 260, 170, nullptr, 0, plat::FALSE, kItems,
    static_cast<int>(sizeof kItems / sizeof kItems[0])};

plat::DLGTEMPLATE CardGameConfigDialog(const char* caption) {
  plat::DLGTEMPLATE dialog = kCardGameConfigDialog;
  dialog.title = caption;
  return dialog;
}

void LoadCardGameConfig(const CardGameTable& game) {
  ReadCasinoCfg(&gCasinoCfg, kCasinoCfgShared);
  gCardGameOptions = CardGameOptions{1, 1};
  ReadWholeSettingsFile(game.settingsFile, &gCardGameOptions, sizeof gCardGameOptions);
}

plat::LRESULT CardGameWindowMessage(const CardGameTable& game, plat::HWND window, plat::UINT message,
                                    plat::WPARAM wParam, plat::LPARAM lParam) {
  plat::LRESULT answer = 0;
  if (HandleShellMessage(window, message, wParam, lParam, &answer)) return answer;
  switch (message) {
    case plat::WM_CLOSE: Close(game, window); return 0;
    case plat::WM_COMMAND:
      if (plat::LOWORD(wParam) != kHelpCommand) break;
      OpenHelpPage(game.helpPage);
      return 0;
    case plat::WM_KEYUP: KeyUp(game, window, wParam); return 0;
    case plat::WM_CHAR: PressKeyButton(game.keys, game.keyCount, wParam, lParam); return 0;
    default: break;
  }
  return plat::DefWindowProc(window, message, wParam, lParam);
}

plat::INT_PTR CardGameConfigDlgProc(plat::HWND dialog, plat::UINT message, plat::WPARAM wParam, plat::LPARAM) {
  return OptionsDialogStep(kHooks, dialog, message, wParam);
}

void OnCommWait(CComm&, int code) {
  if (code == 1 && !gWaiting) {
    gWaiting = 1;
  } else if (code == 0 && gWaiting) {
    gWaiting = 0;
    SetTitleStatus(gMainWindow, "%s", "");
  }
}

double CarryLastBet(double lastBet, double maxBet) {
  int replayed = 0;
  while (TakeLoggedValue(kLastBetEvent, 0.0, maxBet, &replayed)) lastBet = replayed;
  LogValue(kLastBetEvent, lastBet);
  return lastBet;
}

void ResetCardGameShell() {
  gCardGameOptions = CardGameOptions{1, 1};
  gWaiting = 0;
}

}  // namespace kw
