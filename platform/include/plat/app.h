// Start of a program on the platform.
#pragma once

#include "platform/include/plat/types.h"

namespace plat {

// Prepares the backend (display, bus, sound) from the process arguments. Call
// once at the top of main(), before any other plat call. Answers 0 when the
// backend cannot run (no display for the desktop backend).
BOOL InitBackend(int argc, char** argv);
// The instance handle of this program.
HINSTANCE GetModuleInstance();
// Releases the backend; called at the end of main().
void ShutdownBackend();

}  // namespace plat
