// Input from Qt's events into the thread's queue.
#pragma once

#include "platform/include/plat/window.h"

namespace plat::desktop {

// Input from the main thread, with the pointer position.
void PostInput(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace plat::desktop
