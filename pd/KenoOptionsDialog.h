// The "Keno Configuration" dialog (resource 106): the shared switches, the
// New Game button (1014) and the bowl animation (1016).
#pragma once

#include "platform/include/plat/dialog.h"
#include "platform/include/plat/types.h"

namespace pd {

inline constexpr int kControlNewGameButton = 1014;
inline constexpr int kControlBowl = 1016;

extern const plat::DLGTEMPLATE kKenoConfigDialog;
plat::INT_PTR ConfigDlgProc(plat::HWND dialog, plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam);
// Runs the dialog over the main window; a failure says so in a box.
void ShowKenoOptions();

}  // namespace pd
