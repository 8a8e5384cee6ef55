// What every window holds whichever device shows it, and the calls each
// backend supplies to the window model kept once for both.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/common/Controls.h"
#include "platform/include/plat/window.h"

namespace plat::common {

struct CWindowCore {
  virtual ~CWindowCore() = default;
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
  HDC ownDc = nullptr;          // CS_OWNDC: made at the first GetDC
  HWND parent = nullptr;        // child windows and controls: the window they sit in
  HWND owner = nullptr;         // top-level windows and dialogs: their owner, if any
  std::vector<HWND> children;   // in creation order
  int id = 0;                   // child windows and controls
  bool destroyStarted = false;  // DestroyWindow is sending WM_DESTROY
  bool destroying = false;      // gone for every call but the table
  std::vector<std::pair<HWND, UINT>> watchers;  // told of its end (WatchWindow)
  // Window state, whichever device shows it.
  std::string title;
  RECT rect{};      // outer frame: screen coordinates, or the parent's client coordinates
  RECT restored{};  // the frame before minimising or maximising
  SIZE client{};    // the client area the program draws on
  POINT minTrack{0, 0};  // top-level windows: from WM_GETMINMAXINFO at creation
  bool visible = false;
  bool enabled = true;
  bool minimised = false;
  bool maximised = false;
  HWND sameAppAs = nullptr;  // an ownerless dialog counts as the program that opened it
  std::unique_ptr<CControl> control;  // built-in controls
  std::unique_ptr<CDialog> dialog;    // dialogs
};

// The live window of this process with that handle, or null.
CWindowCore* FindCore(HWND hwnd);
// The window a child sits in, or the owner of a top-level one.
CWindowCore* ParentCore(const CWindowCore& window);
// True for root and every window that sits in it, any depth.
bool IsInside(HWND hwnd, HWND root);
// The top-level window or dialog that holds the window (itself for those).
HWND TopLevelOf(HWND hwnd);

// ---- Supplied by the backend -----------------------------------------------

// A window handle above every one made before in this process.
HWND NewWindowHandle();
// The window's record goes next: the device lets go of what shows it.
void ForgetWindow(CWindowCore& window);

}  // namespace plat::common
