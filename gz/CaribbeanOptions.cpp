#include "gz/CaribbeanOptions.h"

#include "framework/shell/CasinoCfg.h"
#include "framework/shell/SettingsFile.h"
#include "framework/shell/ShellGlobals.h"
#include "gz/CaribbeanFiles.h"
#include "kw/CardGameShell.h"
#include "platform/include/plat/window.h"

namespace gz {

CaribbeanCfg gCaribbeanCfg{1, 1, {0, 0}};

namespace {
constexpr int kMostControls = 16;
}  // namespace

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

// The card games' controls, the New Game box under this program's label.
const plat::DLGTEMPLATE& CaribbeanConfigDialog() {
  static plat::DLGITEMTEMPLATE items[kMostControls];
  static plat::DLGTEMPLATE dialog{};
  if (dialog.items == nullptr) {
    const plat::DLGTEMPLATE& shared = kw::kCardGameConfigDialog;
    const int count = shared.itemCount < kMostControls ? shared.itemCount : kMostControls;
    for (int i = 0; i < count; ++i) {
      items[i] = shared.items[i];
      if (items[i].id == kw::kControlNewGameButton) items[i].text = "&Enable New Game button";
    }
    dialog = shared;
    dialog.title = "Caribbean Poker Configuration";
    dialog.items = items;
    dialog.itemCount = count;
  }
  return dialog;
}

}  // namespace gz
