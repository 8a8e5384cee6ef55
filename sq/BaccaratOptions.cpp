#include "sq/BaccaratOptions.h"

#include "kw/CardGameShell.h"

namespace sq {
namespace {
constexpr int kMostControls = 16;
}  // namespace

const plat::DLGTEMPLATE& BaccaratConfigDialog() {
  static plat::DLGITEMTEMPLATE items[kMostControls];
  static plat::DLGTEMPLATE dialog{};
  if (dialog.items == nullptr) {
    const plat::DLGTEMPLATE shared = kw::CardGameConfigDialog("Baccarat Configuration");
    const int count = shared.itemCount < kMostControls ? shared.itemCount : kMostControls;
    for (int i = 0; i < count; ++i) {
      items[i] = shared.items[i];
      if (items[i].id == kw::kControlNewGameButton) items[i].text = "&Enable New Game button";
    }
    dialog = shared;
    dialog.items = items;
    dialog.itemCount = count;
  }
  return dialog;
}

}  // namespace sq
