// Making windows of registered classes, their default procedure and user
// data, finding them and their text.
#include <algorithm>
#include <utility>

#include "platform/common/Controls.h"
#include "platform/common/Device.h"
#include "platform/common/Gdi.h"
#include "platform/common/WindowState.h"

namespace plat {
namespace common {

void SetIdentity(CWindowCore& window, const char* title, DWORD style, HWND parent, int id) {
  window.title = title ? title : "";
  window.style = style;
  if (style & WS_CHILD) {
    window.parent = parent;
    window.id = id;
  } else {
    window.owner = parent;
  }
}

void InitFrame(CWindowCore& window, int x, int y, int width, int height) {
  const SIZE screen = ScreenSize();
  if (width == CW_USEDEFAULT) width = screen.cx * 3 / 4;
  if (height == CW_USEDEFAULT) height = screen.cy * 3 / 4;
  if (x == CW_USEDEFAULT) x = (screen.cx - width) / 2;
  if (y == CW_USEDEFAULT) y = (screen.cy - height) / 2;
  window.rect = RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
  window.restored = window.rect;
  window.enabled = (window.style & WS_DISABLED) == 0;
  window.client = SizeOf(ViewOf(window));
}

HWND FindLocalWindow(const char* className, const char* title) {
  if (!className) return nullptr;
  for (const CWindowCore* w : WindowTable().All()) {
    if (w->destroying || w->parent || w->destroyStarted) continue;
    if (!SameClassName(w->className, className)) continue;
    if (title && !SameClassName(w->title, title)) continue;
    return w->handle;
  }
  return nullptr;
}

}  // namespace common

using common::CWindowCore;
using common::FindCore;

HWND CreateWindow(const char* className, const char* title, DWORD style, int x, int y, int width,
                  int height, HWND parent, int controlId, HINSTANCE, void* createParam) {
  ControlKind kind;
  if (common::ControlKindOfClass(className, style & 0xFFFF, &kind)) {
    if (!(style & WS_CHILD) || !FindCore(parent)) return nullptr;
    return common::MakeControlWindow(parent, kind, controlId, title, RECT{x, y, x + width, y + height},
                                     style & 0xFFFF, style & ~0xFFFFu);
  }
  const common::CWindowClass* c = common::FindWindowClass(className);
  const bool child = (style & WS_CHILD) != 0;
  if (!c || (parent && !FindCore(parent)) || (child && !parent)) return nullptr;
  CWindowCore* w = common::NewWindowRecord(child);
  if (!w) return nullptr;
  static_cast<common::CWindowClass&>(*w) = *c;
  common::SetIdentity(*w, title, style, parent, controlId);
  common::InitFrame(*w, x, y, width, height);
  common::MakeNative(*w);
  return common::StartWindow(*w, createParam, true);
}

BOOL IsWindow(HWND hwnd) {
  if (FindCore(hwnd)) return TRUE;
  return common::ForeignWindowOp(hwnd, common::ForeignOp::kIsWindow, 0) ? TRUE : FALSE;
}

BOOL WatchWindow(HWND window, HWND notify, UINT message) {
  CWindowCore* w = FindCore(window);
  if (!w) return common::WatchForeignWindow(window, notify, message) ? TRUE : FALSE;
  w->watchers.emplace_back(notify, message);
  return TRUE;
}

HWND FindWindow(const char* className, const char* title) {
  if (!className) return nullptr;
  if (HWND local = common::FindLocalWindow(className, title)) return local;
  if (common::SameClassName(common::kDialogClassName, className)) return nullptr;
  return common::FindForeignWindow(className, title);
}

int GetWindowText(HWND hwnd, char* buffer, int maxCount) {
  const CWindowCore* w = FindCore(hwnd);
  if (!w || !buffer || maxCount <= 0) return 0;
  std::string text = w->title;
  common::ControlText(hwnd, &text);
  const int n = std::min<int>(static_cast<int>(text.size()), maxCount - 1);
  std::copy_n(text.data(), n, buffer);
  buffer[n] = 0;
  return n;
}

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  CWindowCore* w = FindCore(hwnd);
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
  CWindowCore* w = FindCore(hwnd);
  return w && proc ? std::exchange(w->proc, proc) : nullptr;
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return proc ? proc(hwnd, msg, wParam, lParam) : 0;
}

LPARAM GetWindowUserData(HWND hwnd) {
  const CWindowCore* w = FindCore(hwnd);
  return w ? w->userData : 0;
}

void SetWindowUserData(HWND hwnd, LPARAM data) {
  if (CWindowCore* w = FindCore(hwnd)) w->userData = data;
}

}  // namespace plat
