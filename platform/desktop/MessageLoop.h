// Taking the next message: posted messages, then input, then WM_QUIT, then
// WM_PAINT for windows that need it.
#pragma once

#include "platform/desktop/MessageQueue.h"

namespace plat::desktop {

// False when nothing the filter accepts waits. WM_PAINT is never removed
// (painting validates); WM_QUIT only when allowQuit. A mouse message taken
// for a top-level window first sends it WM_SETCURSOR.
bool NextMessage(const MessageFilter& filter, bool remove, bool allowQuit, MSG* out);

}  // namespace plat::desktop
