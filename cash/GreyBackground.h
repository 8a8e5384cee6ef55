// The light grey the cashier's dialogs and their statics stand on.
#pragma once

#include "platform/include/plat/gdi.h"

// The answer to WM_CTLCOLORDLG and WM_CTLCOLORSTATIC: the light grey brush,
// with the texts drawn over it transparently.
plat::INT_PTR GreyBackground(plat::HDC hdc);
