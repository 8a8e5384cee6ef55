// Making windows of registered classes, finding them and their text.
#include <algorithm>

#include "platform/common/Controls.h"
#include "platform/common/Device.h"
#include "platform/common/WindowState.h"
#include "platform/common/WindowTable.h"

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
  const RECT view = ViewOf(window);
  window.client = SIZE{view.right - view.left, view.bottom - view.top};
}

HWND StartWindow(CWindowCore& window, void* createParam, bool sendCreate) {
  const bool child = (window.style & WS_CHILD) != 0;
  const HWND hwnd = window.handle;
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
                SIZE{std::min(mmi.ptMaxSize.x, mmi.ptMaxTrackSize.x) - b,
                     std::min(mmi.ptMaxSize.y, mmi.ptMaxTrackSize.y) - b - c});
  }
  if (sendCreate) {
    const LRESULT r = SendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(createParam));
    if (!FindCore(hwnd)) return nullptr;
    if (r == -1) {
      DestroyWindow(hwnd);
      return nullptr;
    }
  }
  SendSizeAndMove(hwnd);
  CWindowCore* w = FindCore(hwnd);
  if (!w) return nullptr;
  const DWORD style = w->style;
  if ((style & WS_MAXIMIZE) && !child) Maximise(hwnd);
  if (!FindCore(hwnd)) return nullptr;
  if (style & WS_VISIBLE) {
    FindCore(hwnd)->style &= ~WS_VISIBLE;
    ShowWindow(hwnd, (style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOW);
  }
  return FindCore(hwnd) ? hwnd : nullptr;
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
  if (!className) return nullptr;
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
  w->className = c->name;
  w->proc = c->proc;
  w->classStyle = c->style;
  w->classCursor = c->cursor;
  w->classBrush = c->background;
  common::SetIdentity(*w, title, style, parent, controlId);
  common::InitFrame(*w, x, y, width, height);
  if (!common::MakeNative(*w)) {
    common::WindowTable().Remove(w->handle);
    return nullptr;
  }
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

}  // namespace plat
