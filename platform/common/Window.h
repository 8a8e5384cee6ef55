// What every window holds whichever device shows it, and the window
// procedure calls kept once for both backends.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/include/plat/window.h"

namespace plat::common {

struct CWindowCore {
  HWND handle = nullptr;
  std::string className;
  UINT classStyle = 0;
  HCURSOR classCursor = nullptr;
  HBRUSH classBrush = nullptr;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  HFONT font = nullptr;  // from WM_SETFONT
  LPARAM userData = 0;
  bool needsPaint = false;
  bool needsErase = false;
  std::vector<std::pair<HWND, UINT>> watchers;  // told of its end (WatchWindow)
};

// Supplied by the backend: the window of this process with that handle,
// or null.
CWindowCore* FindCore(HWND hwnd);
// Supplied by the backend: WM_SETTEXT reached DefWindowProc; the window's
// own text is now that.
void SetOwnText(CWindowCore& window, const char* text);

}  // namespace plat::common
