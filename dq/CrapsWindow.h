// The Craps window procedure: the shell's shared handling first, then the
// close questions, help and the keys.
#pragma once

#include "platform/include/plat/types.h"

namespace dq {

plat::LRESULT MainWndProc(plat::HWND window, plat::UINT message, plat::WPARAM wParam,
                          plat::LPARAM lParam);

}  // namespace dq
