// The options dialog (resource 106, "Craps Configuration"): the Craps
// options and three of the shared settings as check boxes.
#pragma once

#include "platform/include/plat/dialog.h"

namespace dq {

enum CrapsOptionControl : int {
  kControlVoice = 105,
  kControlSoundEffects = 1006,
  kControlAnimations = 1008,
  kControlMusic = 1009,
  kControlBuyWorking = 1010,
  kControlScrollingText = 1011,
  kControlPlaceWorking = 1012,
  kControlComeOddsWorking = 1013,
  kControlWorkingGroup = 1014,
  kControlHardwaysWorking = 1015,
  kControlOnOffMarker = 1016,
};

// The template the program registers as dialog resource 106.
extern const plat::DLGTEMPLATE kCrapsConfigDialog;

// WM_INITDIALOG centres the dialog on its owner and sets every check box;
// OK takes every setting from its box, with the redrawing each change needs
// (working bets, markers, the ticker, the music) and writes "Casino.cfg";
// OK and Cancel end the dialog with their id.
plat::INT_PTR ConfigDlgProc(plat::HWND dialog, plat::UINT message, plat::WPARAM wParam,
                            plat::LPARAM lParam);

}  // namespace dq
