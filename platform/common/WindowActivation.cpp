// The foreground window and the keyboard focus, and the program's activation.
#include <vector>

#include "platform/common/Device.h"
#include "platform/common/WindowState.h"

namespace plat {
namespace common {
namespace {

HWND g_foreground = nullptr;
HWND g_focus = nullptr;

// Windows of one owner chain count as one program for activation.
HWND AppRoot(HWND hwnd) {
  CWindowCore* w = FindCore(TopLevelOf(hwnd));
  for (int depth = 0; w && (w->owner || w->sameAppAs) && depth < 64; ++depth) {
    CWindowCore* o = FindCore(TopLevelOf(w->owner ? w->owner : w->sameAppAs));
    if (!o || o == w) break;
    w = o;
  }
  return w ? w->handle : nullptr;
}

// WM_KILLFOCUS to the window that had it, WM_SETFOCUS to the one that has it.
HWND MoveFocus(HWND hwnd, bool toDevice) {
  if (toDevice) FocusNative(FindCore(hwnd));
  const HWND old = g_focus;
  if (old == hwnd) return old;
  g_focus = hwnd;
  if (old && FindCore(old)) SendMessage(old, WM_KILLFOCUS, HandleToWParam(hwnd), 0);
  if (hwnd && FindCore(hwnd) && g_focus == hwnd) SendMessage(hwnd, WM_SETFOCUS, HandleToWParam(old), 0);
  return old;
}

}  // namespace

void ActivateWindow(HWND hwnd, bool raise) {
  const HWND top = TopLevelOf(hwnd);
  CWindowCore* w = FindCore(top);
  if (!w || g_foreground == top) return;
  const HWND old = g_foreground;
  const bool otherApp = !old || AppRoot(old) != AppRoot(top);
  g_foreground = top;
  if (raise) RaiseNative(*w);
  if (old && FindCore(old)) {
    SendMessage(old, WM_ACTIVATE, 0, HandleToLParam(top));
    if (otherApp && FindCore(old)) SendMessage(old, WM_ACTIVATEAPP, 0, 0);
  }
  if (!FindCore(top)) return;
  if (otherApp) SendMessage(top, WM_ACTIVATEAPP, 1, 0);
  if (FindCore(top)) SendMessage(top, WM_ACTIVATE, 1, HandleToLParam(old));
}

HWND Foreground() { return g_foreground; }

void SetAppActive(bool active) {
  std::vector<HWND> tops;
  for (CWindowCore* w : WindowTable().All()) {
    if (!w->destroying && !w->parent) tops.push_back(w->handle);
  }
  if (!active) g_foreground = nullptr;
  for (HWND h : tops) {
    if (FindCore(h)) SendMessage(h, WM_ACTIVATEAPP, active ? 1 : 0, 0);
  }
}

void LoseForeground(HWND hwnd) {
  if (g_foreground == hwnd) g_foreground = nullptr;
}

void Deactivate(HWND hwnd) {
  if (g_foreground != hwnd) return;
  g_foreground = nullptr;
  if (FindCore(hwnd)) SendMessage(hwnd, WM_ACTIVATE, 0, 0);
}

void LoseFocus(HWND hwnd) {
  if (g_focus == hwnd) g_focus = nullptr;
}

void ResetWindowState() {
  g_foreground = nullptr;
  g_focus = nullptr;
}

// The focus goes first, so that WM_ACTIVATE finds it inside the window.
void ActivatedByDevice(HWND hwnd, HWND focus) {
  if (focus && IsInside(focus, TopLevelOf(hwnd))) MoveFocus(focus, false);
  ActivateWindow(hwnd, false);
}

void FocusFromDevice(HWND hwnd) {
  if (FindCore(hwnd)) MoveFocus(hwnd, false);
}

}  // namespace common

BOOL SetForegroundWindow(HWND hwnd) {
  if (!common::FindCore(hwnd)) {
    return common::ForeignWindowOp(hwnd, common::ForeignOp::kSetForeground, 0) ? TRUE : FALSE;
  }
  const HWND top = common::TopLevelOf(hwnd);
  if (common::Foreground() == top) {
    common::RaiseNative(*common::FindCore(top));
  } else {
    common::ActivateWindow(hwnd);
  }
  return TRUE;
}

HWND SetFocus(HWND hwnd) {
  if (hwnd && !common::FindCore(hwnd)) return nullptr;
  return common::MoveFocus(hwnd, true);
}

HWND GetFocus() { return common::g_focus; }

}  // namespace plat
