// Resources a program owns: it registers them once at start, by number, and
// the loaders of window.h, dialog.h and gdi.h find them.
#pragma once

#include "platform/include/plat/dialog.h"
#include "platform/include/plat/types.h"
#include "platform/include/plat/window.h"

namespace plat {

// Tables and templates are kept by pointer: they must outlive the program
// (static data). Registering a number again replaces the earlier resource.
void RegisterAcceleratorResource(int id, const ACCEL* entries, int count);
void RegisterDialogResource(int id, const DLGTEMPLATE* dialog);
// A cursor resource shown as one of the standard cursors (IDC_*).
void RegisterCursorResource(int id, int standardCursor);
// A bitmap resource read from an uncompressed 8-bit bitmap file.
void RegisterBitmapResource(int id, const char* fileName);

}  // namespace plat
