// Starting a window, showing and hiding, minimising, maximising and
// restoring, and enabling.
#include <algorithm>

#include "platform/common/Device.h"
#include "platform/common/WindowState.h"

namespace plat {
namespace common {
namespace {

// The native window shows the new state first; then the frame and the program follow.
void ChangeState(CWindowCore& w, bool minimised, bool maximised, const RECT& frame) {
  w.minimised = minimised;
  w.maximised = maximised;
  ShowNative(w);
  SetFrame(w, frame, false);
  SendSizeAndMove(w.handle);
}

// WM_GETMINMAXINFO, offering the work area as the maximised frame; ptMaxSize comes back within ptMaxTrackSize.
MINMAXINFO AskLimits(HWND hwnd, const CWindowCore& w) {
  const int b = BorderOf(w);
  const RECT work = WorkArea();
  MINMAXINFO mmi{};
  mmi.ptMaxSize = POINT{work.right - work.left + 2 * b, work.bottom - work.top + 2 * b};
  mmi.ptMaxPosition = POINT{work.left - b, work.top - b};
  mmi.ptMaxTrackSize = mmi.ptMaxSize;
  SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
  mmi.ptMaxSize.x = std::min(mmi.ptMaxSize.x, mmi.ptMaxTrackSize.x);
  mmi.ptMaxSize.y = std::min(mmi.ptMaxSize.y, mmi.ptMaxTrackSize.y);
  return mmi;
}

// Maximises without showing.
void Maximise(HWND hwnd) {
  CWindowCore* w = FindCore(hwnd);
  if (!w || w->parent || w->maximised) return;
  if (!w->minimised) w->restored = w->rect;
  const MINMAXINFO mmi = AskLimits(hwnd, *w);
  w = FindCore(hwnd);
  if (!w) return;
  const POINT at = mmi.ptMaxPosition;
  ChangeState(*w, false, true, RECT{at.x, at.y, at.x + mmi.ptMaxSize.x, at.y + mmi.ptMaxSize.y});
}

void Restore(HWND hwnd) {
  CWindowCore* w = FindCore(hwnd);
  if (w && (w->maximised || w->minimised)) ChangeState(*w, false, false, w->restored);
}

void Minimise(HWND hwnd) {
  CWindowCore* w = FindCore(hwnd);
  if (!w || w->minimised) return;
  if (!w->maximised) w->restored = w->rect;
  ChangeState(*w, true, w->maximised, w->rect);
  Deactivate(hwnd);
}

// The window's flag, or the answer of its own process.
BOOL FlagOf(HWND hwnd, bool CWindowCore::*flag, ForeignOp op) {
  const CWindowCore* w = FindCore(hwnd);
  if (!w) return ForeignWindowOp(hwnd, op, 0) ? TRUE : FALSE;
  return w->*flag ? TRUE : FALSE;
}

// Answers false when the window went meanwhile.
bool Reveal(HWND hwnd) {
  CWindowCore* w = FindCore(hwnd);
  if (!w->visible) {
    w->visible = true;
    ShowNative(*w);
    SendMessage(hwnd, WM_SHOWWINDOW, 1, 0);
  }
  return FindCore(hwnd) != nullptr;
}

}  // namespace

HWND StartWindow(CWindowCore& window, void* createParam, bool sendCreate) {
  const bool child = (window.style & WS_CHILD) != 0;
  const HWND hwnd = window.handle;
  // Whatever the device shows at first, the program paints it all.
  window.needsPaint = window.needsErase = true;
  if (child) FindCore(window.parent)->children.push_back(hwnd);
  PlaceNative(window);
  ShowNative(window);  // hidden until shown, whatever the device made
  if (!window.enabled) EnableNative(window);

  if (!child) {
    const MINMAXINFO mmi = AskLimits(hwnd, window);
    CWindowCore* w = FindCore(hwnd);
    if (!w) return nullptr;
    w->minTrack = mmi.ptMinTrackSize;
    const int b = 2 * BorderOf(*w);
    const int c = CaptionOf(*w);
    LimitNative(*w, SIZE{mmi.ptMinTrackSize.x - b, mmi.ptMinTrackSize.y - b - c},
                SIZE{mmi.ptMaxTrackSize.x - b, mmi.ptMaxTrackSize.y - b - c});
  }
  if (sendCreate && SendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(createParam)) == -1) DestroyWindow(hwnd);
  SendSizeAndMove(hwnd);
  const CWindowCore* w = FindCore(hwnd);
  if (!w) return nullptr;
  const DWORD style = w->style;
  if (style & WS_MAXIMIZE) Maximise(hwnd);
  if (style & WS_VISIBLE) ShowWindow(hwnd, (style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOW);
  return FindCore(hwnd) ? hwnd : nullptr;
}

void StateFromDevice(HWND hwnd, bool minimised, bool maximised) {
  CWindowCore* w = FindCore(hwnd);
  if (!w || (w->minimised == minimised && w->maximised == maximised)) return;
  if (!w->minimised && !w->maximised) w->restored = w->rect;
  w->minimised = minimised;
  w->maximised = maximised;
  SendSizeAndMove(hwnd);
}

}  // namespace common

using common::CWindowCore;
using common::FindCore;

BOOL ShowWindow(HWND hwnd, int command) {
  CWindowCore* w = FindCore(hwnd);
  if (!w) return common::ForeignWindowOp(hwnd, common::ForeignOp::kShow, command) ? TRUE : FALSE;
  const BOOL wasVisible = w->visible ? TRUE : FALSE;
  if (command == SW_HIDE) {
    if (w->visible) {
      w->visible = false;
      common::ShowNative(*w);
      SendMessage(hwnd, WM_SHOWWINDOW, 0, 0);
      common::Deactivate(hwnd);
    }
    return wasVisible;
  }
  // SW_SHOW and any command not named below show the window as it is.
  if (!common::Reveal(hwnd)) return wasVisible;
  switch (command) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
      common::Minimise(hwnd);
      return wasVisible;
    case SW_SHOWMAXIMIZED:
      common::Maximise(hwnd);
      break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
      common::Restore(hwnd);
      break;
  }
  w = FindCore(hwnd);
  if (!w) return wasVisible;
  if (!wasVisible) w->needsPaint = true;
  if (!w->parent) {
    common::ActivateWindow(hwnd);
    if (FindCore(hwnd) && !common::IsInside(GetFocus(), hwnd)) SetFocus(hwnd);
  }
  return wasVisible;
}

BOOL IsWindowVisible(HWND hwnd) {
  const CWindowCore* w = FindCore(hwnd);
  if (!w) return common::ForeignWindowOp(hwnd, common::ForeignOp::kIsVisible, 0) ? TRUE : FALSE;
  for (; w; w = FindCore(w->parent)) {
    if (!w->visible) return FALSE;
    if (!w->parent) return TRUE;
  }
  return FALSE;
}

BOOL IsIconic(HWND hwnd) { return common::FlagOf(hwnd, &CWindowCore::minimised, common::ForeignOp::kIsIconic); }

BOOL IsZoomed(HWND hwnd) { return common::FlagOf(hwnd, &CWindowCore::maximised, common::ForeignOp::kIsZoomed); }

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  CWindowCore* w = FindCore(hwnd);
  if (!w) return FALSE;
  const BOOL wasDisabled = w->enabled ? FALSE : TRUE;
  const bool now = enable != FALSE;
  if (w->enabled != now) {
    w->enabled = now;
    w->needsPaint = true;
    common::EnableNative(*w);
    if (!now) common::LoseFocus(hwnd);
    SendMessage(hwnd, WM_ENABLE, now ? 1 : 0, 0);
  }
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
  const CWindowCore* w = FindCore(hwnd);
  return w && w->enabled ? TRUE : FALSE;
}

}  // namespace plat
