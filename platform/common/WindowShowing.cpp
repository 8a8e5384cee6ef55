// Showing and hiding, minimising, maximising and restoring, and enabling.
#include <algorithm>

#include "platform/common/Device.h"
#include "platform/common/WindowState.h"

namespace plat {
namespace common {

MINMAXINFO AskLimits(HWND hwnd, const CWindowCore& w) {
  const int b = BorderOf(w);
  const RECT work = WorkArea();
  MINMAXINFO mmi{};
  mmi.ptMaxSize = POINT{work.right - work.left + 2 * b, work.bottom - work.top + 2 * b};
  mmi.ptMaxPosition = POINT{work.left - b, work.top - b};
  mmi.ptMaxTrackSize = mmi.ptMaxSize;
  SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
  return mmi;
}

void Maximise(HWND hwnd) {
  CWindowCore* w = FindCore(hwnd);
  if (!w || w->parent) return;
  if (!w->maximised && !w->minimised) w->restored = w->rect;
  const MINMAXINFO mmi = AskLimits(hwnd, *w);
  w = FindCore(hwnd);
  if (!w) return;
  const LONG cx = std::min(mmi.ptMaxSize.x, mmi.ptMaxTrackSize.x);
  const LONG cy = std::min(mmi.ptMaxSize.y, mmi.ptMaxTrackSize.y);
  w->maximised = true;
  w->minimised = false;
  ShowNative(*w);
  SetFrame(*w, RECT{mmi.ptMaxPosition.x, mmi.ptMaxPosition.y, mmi.ptMaxPosition.x + cx, mmi.ptMaxPosition.y + cy},
           false);
  SendSizeAndMove(hwnd);
}

namespace {

void Restore(HWND hwnd) {
  CWindowCore* w = FindCore(hwnd);
  if (!w || (!w->maximised && !w->minimised)) return;
  w->maximised = false;
  w->minimised = false;
  ShowNative(*w);
  SetFrame(*w, w->restored, false);
  SendSizeAndMove(hwnd);
}

void Minimise(HWND hwnd) {
  CWindowCore* w = FindCore(hwnd);
  if (!w || w->minimised) return;
  if (!w->maximised) w->restored = w->rect;
  w->minimised = true;
  ShowNative(*w);
  SetFrame(*w, w->rect, false);
  SendSizeAndMove(hwnd);
  if (Foreground() == hwnd) {
    LoseForeground(hwnd);
    SendMessage(hwnd, WM_ACTIVATE, 0, 0);
  }
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

void StateFromDevice(HWND hwnd, bool minimised, bool maximised) {
  CWindowCore* w = FindCore(hwnd);
  if (!w || (w->minimised == minimised && w->maximised == maximised)) return;
  if (!w->minimised && !w->maximised) w->restored = w->rect;
  w->minimised = minimised;
  w->maximised = maximised;
  if (!ScalesClientArea()) SetFrame(*w, w->rect, false);
  SendSizeAndMove(hwnd);
}

}  // namespace common

using common::CWindowCore;
using common::FindCore;

BOOL ShowWindow(HWND hwnd, int command) {
  CWindowCore* w = FindCore(hwnd);
  if (!w) return common::ForeignWindowOp(hwnd, common::ForeignOp::kShow, command) ? TRUE : FALSE;
  const BOOL wasVisible = w->visible ? TRUE : FALSE;
  switch (command) {
    case SW_HIDE:
      if (!w->visible) return wasVisible;
      w->visible = false;
      common::ShowNative(*w);
      SendMessage(hwnd, WM_SHOWWINDOW, 0, 0);
      if (common::Foreground() == hwnd) {
        common::LoseForeground(hwnd);
        if (FindCore(hwnd)) SendMessage(hwnd, WM_ACTIVATE, 0, 0);
      }
      return wasVisible;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
      if (common::Reveal(hwnd)) common::Minimise(hwnd);
      return wasVisible;
    case SW_SHOWMAXIMIZED:
      if (!common::Reveal(hwnd)) return wasVisible;
      if (!FindCore(hwnd)->maximised) common::Maximise(hwnd);
      break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
      if (!common::Reveal(hwnd)) return wasVisible;
      common::Restore(hwnd);
      break;
    default:  // SW_SHOW and anything else: show as it is
      if (!common::Reveal(hwnd)) return wasVisible;
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

BOOL IsIconic(HWND hwnd) {
  const CWindowCore* w = FindCore(hwnd);
  if (!w) return common::ForeignWindowOp(hwnd, common::ForeignOp::kIsIconic, 0) ? TRUE : FALSE;
  return w->minimised ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd) {
  const CWindowCore* w = FindCore(hwnd);
  if (!w) return common::ForeignWindowOp(hwnd, common::ForeignOp::kIsZoomed, 0) ? TRUE : FALSE;
  return w->maximised ? TRUE : FALSE;
}

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
