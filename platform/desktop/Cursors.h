// Cursors by standard id.
#pragma once

#include <Qt>

#include "plat/window.h"

class QWidget;

namespace plat::desktop {

// The Qt shape of a cursor handle; false for an unknown handle.
bool CursorShapeOf(HCURSOR cursor, Qt::CursorShape* shape);
// The cursor last set applies to new top-level windows too.
void ApplyCurrentCursor(QWidget* widget);

}  // namespace plat::desktop
