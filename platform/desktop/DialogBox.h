// The modal loop of dialogs and message boxes.
#pragma once

#include "platform/include/plat/window.h"

namespace plat::desktop {

// Runs until the predicate says stop, delivering the messages of root's
// windows (posted ones for other windows wait) and sent ones.
void RunModalLoop(HWND root, bool (*done)(HWND root));

}  // namespace plat::desktop
