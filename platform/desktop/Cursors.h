// Cursors by standard id.
#pragma once

#include <Qt>

#include "platform/include/plat/window.h"

class QWidget;

namespace plat::desktop {

// The cursor last set applies to new top-level windows too.
void ApplyCurrentCursor(QWidget* widget);

}  // namespace plat::desktop
