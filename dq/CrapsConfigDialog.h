// The options dialog (resource 106, "Craps Configuration"): the Craps
// options and three of the shared settings as check boxes.
#pragma once

#include "framework/shell/OptionsDialog.h"
#include "platform/include/plat/dialog.h"

namespace dq {

// The Craps options' own boxes (the shared ones: OptionsDialog.h).
enum CrapsOptionControl : int {
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

// The shared options dialog with the Craps boxes: OK takes every Craps
// option from its box, with the redrawing each change needs (working bets,
// markers, the ticker).
plat::INT_PTR ConfigDlgProc(plat::HWND dialog, plat::UINT message, plat::WPARAM wParam,
                            plat::LPARAM lParam);

}  // namespace dq
