#include "framework/shell/OptionsDialog.h"

#include "framework/shell/CasinoCfg.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/Window.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/window.h"

namespace {

void InitShared(plat::HWND dialog) {
  plat::HWND owner = plat::GetParent(dialog);
  CentreWindow(dialog, owner != nullptr ? owner : gMainWindow);
  CheckOption(dialog, kControlAnimations, gCasinoCfg.showAnimations);
  CheckOption(dialog, kControlSoundEffects, gCasinoCfg.soundEffects);
  CheckOption(dialog, kControlMusic, gCasinoCfg.midiMusic);
}

void TakeShared(plat::HWND dialog) {
  gCasinoCfg.showAnimations = IsOptionChecked(dialog, kControlAnimations) ? 1 : 0;
  gCasinoCfg.soundEffects = IsOptionChecked(dialog, kControlSoundEffects) ? 1 : 0;
  if (!IsOptionChecked(dialog, kControlMusic)) {
    if (!gMusic.IsStopped()) gMusic.Close();
    gCasinoCfg.midiMusic = 0;
  } else {
    if (gMusic.IsStopped() && gGame->musicFile != nullptr) gMusic.Play(gMainWindow, gGame->musicFile);
    gCasinoCfg.midiMusic = 1;
  }
  WriteCasinoCfg(&gCasinoCfg, kCasinoCfgShared);
}

}  // namespace

int IsOptionChecked(plat::HWND dialog, int id) {
  return plat::IsDlgButtonChecked(dialog, id) == plat::BST_CHECKED;
}

void CheckOption(plat::HWND dialog, int id, int on) {
  plat::CheckDlgButton(dialog, id, on ? plat::BST_CHECKED : plat::BST_UNCHECKED);
}

plat::INT_PTR OptionsDialogStep(const OptionsDialogHooks& hooks, plat::HWND dialog,
                                plat::UINT message, plat::WPARAM wParam) {
  switch (message) {
    case plat::WM_INITDIALOG:
      InitShared(dialog);
      hooks.initGame(dialog);
      return plat::TRUE;
    case plat::WM_COMMAND:
      switch (plat::LOWORD(wParam)) {
        case plat::IDOK:
          hooks.takeGame(dialog);
          TakeShared(dialog);
          plat::EndDialog(dialog, plat::IDOK);
          return plat::TRUE;
        case plat::IDCANCEL:
          plat::EndDialog(dialog, plat::IDCANCEL);
          return plat::TRUE;
        default: return plat::FALSE;
      }
    default: return plat::FALSE;
  }
}
