// The default window procedure, subclassing and the user data of a window.
#include <utility>

#include "platform/common/Device.h"
#include "platform/common/Gdi.h"

namespace plat {

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  common::CWindowCore* w = common::FindCore(hwnd);
  if (!w) return 0;
  switch (msg) {
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      if (BeginPaint(hwnd, &ps)) EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_ERASEBKGND: {
      // Without a brush nothing is erased, and the answer says so.
      if (!common::FindGdi(w->classBrush, common::GdiKind::kBrush)) return 0;
      RECT r;
      GetClientRect(hwnd, &r);
      FillRect(reinterpret_cast<HDC>(wParam), &r, w->classBrush);
      return 1;
    }
    case WM_SETTEXT:
      w->title = lParam ? reinterpret_cast<const char*>(lParam) : "";
      w->needsPaint = true;
      common::TitleNative(*w);
      return TRUE;
    case WM_SETFONT:
      w->font = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_SETCURSOR:
      if (w->classCursor) {
        SetCursor(w->classCursor);
        return TRUE;
      }
      return (w->style & WS_CHILD) ? SendMessage(w->parent, WM_SETCURSOR, wParam, lParam) : FALSE;
    case WM_ACTIVATE:
      // An activated window takes the focus unless it already holds it inside.
      if (LOWORD(wParam) != 0 && !common::IsInside(GetFocus(), hwnd)) SetFocus(hwnd);
      return 0;
    default:
      return 0;
  }
}

WNDPROC SubclassWindow(HWND hwnd, WNDPROC proc) {
  common::CWindowCore* w = common::FindCore(hwnd);
  return w && proc ? std::exchange(w->proc, proc) : nullptr;
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return proc ? proc(hwnd, msg, wParam, lParam) : 0;
}

LPARAM GetWindowUserData(HWND hwnd) {
  const common::CWindowCore* w = common::FindCore(hwnd);
  return w ? w->userData : 0;
}

void SetWindowUserData(HWND hwnd, LPARAM data) {
  if (common::CWindowCore* w = common::FindCore(hwnd)) w->userData = data;
}

}  // namespace plat
