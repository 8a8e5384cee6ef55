#include "gz/CaribbeanOptions.h"

#include "framework/shell/CasinoCfg.h"
#include "framework/shell/SettingsFile.h"
#include "framework/shell/ShellGlobals.h"
#include "gz/CaribbeanFiles.h"
#include "kw/CardGameShell.h"
#include "platform/include/plat/window.h"

namespace gz {

CaribbeanCfg gCaribbeanCfg{1, 1, {0, 0}};

void LoadCaribbeanConfig() {
  ReadCasinoCfg(&gCasinoCfg, kCasinoCfgShared);
  gCaribbeanCfg = CaribbeanCfg{1, 1, {0, 0}};
  ReadWholeSettingsFile(kSettingsFile, &gCaribbeanCfg, sizeof gCaribbeanCfg);
  kw::gCardGameOptions.voice = gCaribbeanCfg.voice;
  kw::gCardGameOptions.newGameButton = gCaribbeanCfg.newGameButton;
}

plat::INT_PTR CaribbeanConfigDlgProc(plat::HWND dialog, plat::UINT message, plat::WPARAM wParam,
                                     plat::LPARAM lParam) {
  const plat::INT_PTR answer = kw::CardGameConfigDlgProc(dialog, message, wParam, lParam);
  if (message == plat::WM_COMMAND && plat::LOWORD(wParam) == plat::IDOK) {
    gCaribbeanCfg.voice = kw::gCardGameOptions.voice ? 1 : 0;
    gCaribbeanCfg.newGameButton = kw::gCardGameOptions.newGameButton ? 1 : 0;
  }
  return answer;
}

const plat::DLGTEMPLATE& CaribbeanConfigDialog() {
  static const plat::DLGTEMPLATE dialog = {"Caribbean Poker Configuration",
                                           kw::kCardGameConfigDialog.width,
                                           kw::kCardGameConfigDialog.height,
                                           nullptr,
                                           0,
                                           plat::FALSE,
                                           kw::kCardGameConfigDialog.items,
                                           kw::kCardGameConfigDialog.itemCount};
  return dialog;
}

}  // namespace gz
