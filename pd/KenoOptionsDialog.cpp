#include "pd/KenoOptionsDialog.h"

#include "framework/shell/OptionsDialog.h"
#include "framework/shell/ShellGlobals.h"
#include "pd/KenoClient.h"
#include "pd/KenoLayout.h"
#include "pd/KenoOptions.h"
#include "platform/include/plat/window.h"

namespace pd {
namespace {

constexpr plat::DLGITEMTEMPLATE kItems[] = {
    {plat::CTL_STATICFRAME, -1, nullptr, 10, 10, 160, 150, 0},
    {plat::CTL_CHECKBOX, kControlNewGameButton, "Use &New Game button", 20, 20, 145, 22, plat::CS_GROUP},
    {plat::CTL_CHECKBOX, kControlBowl, "Animate the &bowl", 20, 46, 145, 22, 0},
    {plat::CTL_CHECKBOX, kControlAnimations, "Show &animations", 20, 72, 145, 22, 0},
    {plat::CTL_CHECKBOX, kControlSoundEffects, "Play &sound effects", 20, 98, 145, 22, 0},
    {plat::CTL_CHECKBOX, kControlMusic, "Play &midi music", 20, 124, 145, 22, 0},
    {plat::CTL_DEFPUSHBUTTON, plat::IDOK, "&Ok", 180, 20, 70, 28, plat::CS_GROUP},
    {plat::CTL_PUSHBUTTON, plat::IDCANCEL, "&Cancel", 180, 56, 70, 28, 0},
};

void InitOptions(plat::HWND dialog) {
  CheckOption(dialog, kControlNewGameButton, gKenoOptions.newGameButton);
  CheckOption(dialog, kControlBowl, gKenoOptions.bowl);
}

void TakeOptions(plat::HWND dialog) {
  gKenoOptions.bowl = IsOptionChecked(dialog, kControlBowl) ? 1 : 0;
  if (!gKenoOptions.bowl) gScreen.Restore(kBowlArea.x, kBowlArea.y, kBowlArea.width, kBowlArea.height);
  gKenoOptions.newGameButton = IsOptionChecked(dialog, kControlNewGameButton) ? 1 : 0;
  gKenoFlags.prompt = 1;
}

constexpr OptionsDialogHooks kHooks{InitOptions, TakeOptions};

}  // namespace

const plat::DLGTEMPLATE kKenoConfigDialog = {
    "Keno Configuration", 260, 170, nullptr, 0, plat::FALSE, kItems, static_cast<int>(sizeof kItems / sizeof kItems[0])};

plat::INT_PTR ConfigDlgProc(plat::HWND dialog, plat::UINT message, plat::WPARAM wParam, plat::LPARAM) {
  return OptionsDialogStep(kHooks, dialog, message, wParam);
}

void ShowKenoOptions() {
  if (plat::DialogBoxParam(gInstance, kOptionsDialogResource, gMainWindow, ConfigDlgProc, 0) == -1) {
    plat::MessageBox(gMainWindow, "Unable to show the config dialog", "Keno", plat::MB_OK | plat::MB_ICONSTOP);
  }
}

}  // namespace pd
