// Where the pointer is on the screen (the device's PointerPosition). Learnt
// from the pointer events of the program's own windows, so that asking (every
// frame, for the button under the pointer) costs no round trip to the display
// server; only a pointer outside all of them is asked for, at most a few
// times a second.
#pragma once

namespace plat::desktop {

// After the QApplication exists; removed with it.
void InstallPointerTracker();

}  // namespace plat::desktop
