// Where the pointer is on the screen. Learnt from the pointer events of the
// program's own windows, so that asking (every frame, for the button under
// the pointer) costs no round trip to the display server; only a pointer
// outside all of them is asked for, at most a few times a second.
#pragma once

#include <QPoint>

namespace plat::desktop {

// After the QApplication exists; removed with it.
void InstallPointerTracker();
QPoint PointerPosition();

}  // namespace plat::desktop
