// The main client's small window: the balance and the connected programs.
#pragma once

#include "platform/include/plat/types.h"

class CMainClient;

// Paints the window's client area; inside WM_PAINT only.
void PaintStatus(plat::HWND window, const CMainClient& client);
