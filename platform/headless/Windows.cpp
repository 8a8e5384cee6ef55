// Windows of the in-memory device: frames, showing, activation and focus.
#include <algorithm>
#include <cstring>

#include "platform/common/ControlClasses.h"
#include "platform/common/Controls.h"
#include "platform/common/Device.h"
#include "platform/common/Cursors.h"
#include "platform/headless/State.h"

namespace plat {

namespace common {

void SetOwnText(CWindowCore& window, const char* text) {
  auto& w = static_cast<hl::Window&>(window);
  w.title = text;
  w.needsPaint = true;
}

HWND NewWindowHandle() { return hl::ToHandle<HWND>(hl::NewHandleValue()); }

bool IsShown(const CWindowCore& window) { return static_cast<const hl::Window&>(window).visible; }

void HideForDestroy(CWindowCore& window) {
  auto& w = static_cast<hl::Window&>(window);
  if (!w.parent) w.visible = false;
}

void ForgetWindow(CWindowCore& window) {
  hl::State& s = hl::S();
  if (s.foreground == window.handle) s.foreground = nullptr;
  if (s.focus == window.handle) s.focus = nullptr;
}

}  // namespace common

namespace hl {

std::uintptr_t NewHandleValue() {
  static std::uintptr_t next = 0x10000;
  next += 0x10;
  return next;
}

State& S() {
  static State* state = new State;  // lives until exit: windows may be touched by static destructors
  return *state;
}

int FrameWidth(const Window& w) {
  if (w.parent) return 0;
  return (w.style & (WS_THICKFRAME | WS_DLGFRAME | WS_BORDER)) ? GetSystemMetrics(SM_CXFRAME) : 0;
}

int CaptionHeight(const Window& w) {
  if (w.parent) return 0;
  return (w.style & WS_CAPTION) == WS_CAPTION ? GetSystemMetrics(SM_CYCAPTION) : 0;
}

SIZE ClientSize(const Window& w) {
  if (w.minimised) return SIZE{0, 0};
  const int f = FrameWidth(w);
  const LONG cw = (w.rect.right - w.rect.left) - 2 * f;
  const LONG ch = (w.rect.bottom - w.rect.top) - 2 * f - CaptionHeight(w);
  return SIZE{std::max<LONG>(cw, 0), std::max<LONG>(ch, 0)};
}

POINT ClientOrigin(const Window& w) {
  const int f = FrameWidth(w);
  POINT p{w.rect.left + f, w.rect.top + f + CaptionHeight(w)};
  if (w.parent) {
    if (Window* parent = FindWindowObj(w.parent)) {
      POINT o = ClientOrigin(*parent);
      p.x += o.x;
      p.y += o.y;
    }
  }
  return p;
}

namespace {

// Windows of one owner chain count as one program for activation.
HWND AppRoot(HWND hwnd) {
  Window* w = FindWindowObj(common::TopLevelOf(hwnd));
  for (int depth = 0; w && (w->owner || w->sameAppAs) && depth < 64; ++depth) {
    Window* o = FindWindowObj(common::TopLevelOf(w->owner ? w->owner : w->sameAppAs));
    if (!o || o == w) break;
    w = o;
  }
  return w ? w->handle : nullptr;
}

void SendSizeAndMove(HWND hwnd) {
  Window* w = FindWindowObj(hwnd);
  if (!w) return;
  const SIZE c = ClientSize(*w);
  const WPARAM kind = w->minimised ? SIZE_MINIMIZED : (w->maximised ? SIZE_MAXIMIZED : SIZE_RESTORED);
  const POINT o = ClientOrigin(*w);
  SendMessage(hwnd, WM_SIZE, kind, w->minimised ? 0 : MAKELPARAM(c.cx, c.cy));
  if (FindWindowObj(hwnd)) SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(o.x, o.y));
}

void SetOuterRect(HWND hwnd, const RECT& r) {
  Window* w = FindWindowObj(hwnd);
  if (!w) return;
  w->rect = r;
  ResizeFramebuffer(*w);
  w->needsPaint = true;
}

void Maximise(HWND hwnd) {
  Window* w = FindWindowObj(hwnd);
  if (!w || w->parent) return;
  if (!w->maximised && !w->minimised) w->restored = w->rect;
  const int f = FrameWidth(*w);
  MINMAXINFO mmi{};
  mmi.ptMaxSize = POINT{S().screenWidth + 2 * f, S().screenHeight + 2 * f};
  mmi.ptMaxPosition = POINT{-f, -f};
  mmi.ptMinTrackSize = POINT{0, 0};
  mmi.ptMaxTrackSize = mmi.ptMaxSize;
  SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
  w = FindWindowObj(hwnd);
  if (!w) return;
  const LONG cx = std::min(mmi.ptMaxSize.x, mmi.ptMaxTrackSize.x);
  const LONG cy = std::min(mmi.ptMaxSize.y, mmi.ptMaxTrackSize.y);
  w->maximised = true;
  w->minimised = false;
  SetOuterRect(hwnd, RECT{mmi.ptMaxPosition.x, mmi.ptMaxPosition.y, mmi.ptMaxPosition.x + cx,
                          mmi.ptMaxPosition.y + cy});
  SendSizeAndMove(hwnd);
}

void Restore(HWND hwnd) {
  Window* w = FindWindowObj(hwnd);
  if (!w || (!w->maximised && !w->minimised)) return;
  w->maximised = false;
  w->minimised = false;
  SetOuterRect(hwnd, w->restored);
  SendSizeAndMove(hwnd);
}

void Minimise(HWND hwnd) {
  Window* w = FindWindowObj(hwnd);
  if (!w || w->minimised) return;
  if (!w->maximised) w->restored = w->rect;
  w->minimised = true;
  ResizeFramebuffer(*w);
  SendSizeAndMove(hwnd);
  if (S().foreground == hwnd) {
    S().foreground = nullptr;
    SendMessage(hwnd, WM_ACTIVATE, 0, 0);
  }
}

}  // namespace

void ActivateWindow(HWND hwnd) {
  State& s = S();
  HWND top = common::TopLevelOf(hwnd);
  Window* w = FindWindowObj(top);
  if (!w || s.foreground == top) return;
  HWND old = s.foreground;
  const bool otherApp = !old || AppRoot(old) != AppRoot(top);
  s.foreground = top;
  if (old && FindWindowObj(old)) {
    SendMessage(old, WM_ACTIVATE, 0, HandleToLParam(top));
    if (otherApp && FindWindowObj(old)) SendMessage(old, WM_ACTIVATEAPP, 0, 0);
  }
  if (!FindWindowObj(top)) return;
  if (otherApp) SendMessage(top, WM_ACTIVATEAPP, 1, 0);
  if (FindWindowObj(top)) SendMessage(top, WM_ACTIVATE, 1, HandleToLParam(old));
}

HWND CreateWindowInternal(const char* className, const char* title, DWORD style, int x, int y,
                          int width, int height, HWND parent, int id, void* createParam,
                          Builtin builtin, ControlKind kind, DWORD cstyle) {
  State& s = S();
  const bool child = (style & WS_CHILD) != 0;
  if (child && !FindWindowObj(parent)) return nullptr;
  if (parent && !FindWindowObj(parent)) return nullptr;
  auto w = std::make_unique<Window>();
  w->className = className;
  w->builtin = builtin;
  if (builtin == Builtin::None) {
    const common::CWindowClass* c = common::FindWindowClass(className);
    if (!c) return nullptr;
    w->proc = c->proc;
    w->classStyle = c->style;
    w->classCursor = c->cursor;
    w->classBrush = c->background;
    w->className = c->name;
  } else if (builtin == Builtin::Dialog) {
    w->proc = common::DialogWindowProc;
  } else {
    w->proc = common::ControlProc;
    w->control = common::NewControl(kind, cstyle, title);
  }
  w->title = title ? title : "";
  w->style = style;
  if (child) {
    w->parent = parent;
    w->id = id;
  } else {
    w->owner = parent;
  }
  if (x == CW_USEDEFAULT) x = 0;
  if (y == CW_USEDEFAULT) y = 0;
  if (width == CW_USEDEFAULT) width = s.screenWidth * 3 / 4;
  if (height == CW_USEDEFAULT) height = s.screenHeight * 3 / 4;
  w->rect = RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
  w->restored = w->rect;
  w->enabled = (style & WS_DISABLED) == 0;
  Window* raw = common::WindowTable().Add(std::move(w));
  const HWND hwnd = raw->handle;
  if (child) FindWindowObj(parent)->children.push_back(hwnd);
  ResizeFramebuffer(*raw);

  if (!child) {
    MINMAXINFO mmi{};
    mmi.ptMaxSize = POINT{s.screenWidth, s.screenHeight};
    mmi.ptMaxTrackSize = mmi.ptMaxSize;
    SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    if (!FindWindowObj(hwnd)) return nullptr;
    FindWindowObj(hwnd)->minTrack = mmi.ptMinTrackSize;
  }
  if (builtin != Builtin::Dialog) {
    const LRESULT r = SendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(createParam));
    if (!FindWindowObj(hwnd)) return nullptr;
    if (r == -1) {
      DestroyWindow(hwnd);
      return nullptr;
    }
  }
  SendSizeAndMove(hwnd);
  if (!FindWindowObj(hwnd)) return nullptr;
  if ((style & WS_MAXIMIZE) && !child) Maximise(hwnd);
  if (!FindWindowObj(hwnd)) return nullptr;
  if (style & WS_VISIBLE) {
    FindWindowObj(hwnd)->style &= ~WS_VISIBLE;
    ShowWindow(hwnd, (style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOW);
  }
  return FindWindowObj(hwnd) ? hwnd : nullptr;
}

}  // namespace hl

using namespace hl;

HWND CreateWindow(const char* className, const char* title, DWORD style, int x, int y, int width,
                  int height, HWND parent, int controlId, HINSTANCE, void* createParam) {
  if (!className) return nullptr;
  const DWORD cstyle = style & 0xFFFF;
  ControlKind kind;
  if (common::ControlKindOfClass(className, cstyle, &kind)) {
    if (!(style & WS_CHILD) || !FindWindowObj(parent)) return nullptr;
    return common::MakeControlWindow(parent, kind, controlId, title, RECT{x, y, x + width, y + height}, cstyle,
                                 style & ~0xFFFFu);
  }
  if (!common::FindWindowClass(className)) return nullptr;
  return CreateWindowInternal(className, title, style, x, y, width, height, parent, controlId,
                              createParam, Builtin::None, CTL_STATIC, 0);
}

BOOL IsWindow(HWND hwnd) { return FindWindowObj(hwnd) ? TRUE : FALSE; }

BOOL WatchWindow(HWND window, HWND notify, UINT message) {
  Window* w = FindWindowObj(window);
  if (!w) return FALSE;
  w->watchers.emplace_back(notify, message);
  return TRUE;
}

BOOL ShowWindow(HWND hwnd, int command) {
  Window* w = FindWindowObj(hwnd);
  if (!w) return FALSE;
  const BOOL wasVisible = w->visible ? TRUE : FALSE;
  switch (command) {
    case SW_HIDE:
      if (!w->visible) return wasVisible;
      w->visible = false;
      SendMessage(hwnd, WM_SHOWWINDOW, 0, 0);
      if (S().foreground == hwnd) {
        S().foreground = nullptr;
        if (FindWindowObj(hwnd)) SendMessage(hwnd, WM_ACTIVATE, 0, 0);
      }
      return wasVisible;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
      if (!w->visible) {
        w->visible = true;
        SendMessage(hwnd, WM_SHOWWINDOW, 1, 0);
      }
      Minimise(hwnd);
      return wasVisible;
    case SW_SHOWMAXIMIZED:
      if (!w->visible) {
        w->visible = true;
        SendMessage(hwnd, WM_SHOWWINDOW, 1, 0);
      }
      if (!FindWindowObj(hwnd)) return wasVisible;
      if (!FindWindowObj(hwnd)->maximised) Maximise(hwnd);
      break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
      if (!w->visible) {
        w->visible = true;
        SendMessage(hwnd, WM_SHOWWINDOW, 1, 0);
      }
      Restore(hwnd);
      break;
    default:  // SW_SHOW and anything else: show as it is
      if (!w->visible) {
        w->visible = true;
        SendMessage(hwnd, WM_SHOWWINDOW, 1, 0);
      }
      break;
  }
  w = FindWindowObj(hwnd);
  if (!w) return wasVisible;
  w->needsPaint = true;
  if (!w->parent) {
    ActivateWindow(hwnd);
    if (FindWindowObj(hwnd) && !common::IsInside(S().focus, hwnd)) SetFocus(hwnd);
  }
  return wasVisible;
}

BOOL IsWindowVisible(HWND hwnd) {
  Window* w = FindWindowObj(hwnd);
  while (w) {
    if (!w->visible) return FALSE;
    if (!w->parent) return TRUE;
    w = FindWindowObj(w->parent);
  }
  return FALSE;
}

BOOL IsIconic(HWND hwnd) {
  Window* w = FindWindowObj(hwnd);
  return w && w->minimised ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd) {
  Window* w = FindWindowObj(hwnd);
  return w && w->maximised ? TRUE : FALSE;
}

BOOL SetForegroundWindow(HWND hwnd) {
  if (!FindWindowObj(hwnd)) return FALSE;
  ActivateWindow(hwnd);
  return TRUE;
}

HWND SetFocus(HWND hwnd) {
  State& s = S();
  if (hwnd && !FindWindowObj(hwnd)) return nullptr;
  HWND old = s.focus;
  if (old == hwnd) return old;
  s.focus = hwnd;
  if (old && FindWindowObj(old)) SendMessage(old, WM_KILLFOCUS, HandleToWParam(hwnd), 0);
  if (hwnd && FindWindowObj(hwnd) && s.focus == hwnd) SendMessage(hwnd, WM_SETFOCUS, HandleToWParam(old), 0);
  return old;
}

HWND GetFocus() { return S().focus; }

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  Window* w = FindWindowObj(hwnd);
  if (!w) return FALSE;
  const BOOL wasDisabled = w->enabled ? FALSE : TRUE;
  const bool now = enable != FALSE;
  if (w->enabled != now) {
    w->enabled = now;
    w->needsPaint = true;
    if (!now && S().focus == hwnd) S().focus = nullptr;
    SendMessage(hwnd, WM_ENABLE, now ? 1 : 0, 0);
  }
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
  Window* w = FindWindowObj(hwnd);
  return w && w->enabled ? TRUE : FALSE;
}

int GetWindowText(HWND hwnd, char* buffer, int maxCount) {
  Window* w = FindWindowObj(hwnd);
  if (!w || !buffer || maxCount <= 0) return 0;
  std::string text = w->title;
  common::ControlText(hwnd, &text);
  const int n = std::min<int>(static_cast<int>(text.size()), maxCount - 1);
  std::memcpy(buffer, text.data(), n);
  buffer[n] = 0;
  return n;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
  Window* w = FindWindowObj(hwnd);
  if (!w || !rect) return FALSE;
  const SIZE c = ClientSize(*w);
  *rect = RECT{0, 0, c.cx, c.cy};
  return TRUE;
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
  Window* w = FindWindowObj(hwnd);
  if (!w || !rect) return FALSE;
  RECT r = w->rect;
  if (w->parent) {
    if (Window* p = FindWindowObj(w->parent)) {
      const POINT o = ClientOrigin(*p);
      r.left += o.x, r.right += o.x, r.top += o.y, r.bottom += o.y;
    }
  }
  *rect = r;
  return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  Window* w = FindWindowObj(hwnd);
  if (!w) return FALSE;
  // A top-level window keeps the minimum tracking size it asked for at creation.
  const RECT r{x, y, x + std::max<LONG>(width, w->parent ? 0 : w->minTrack.x),
               y + std::max<LONG>(height, w->parent ? 0 : w->minTrack.y)};
  if (w->minimised || w->maximised) {
    w->restored = r;
    w->minimised = w->maximised = false;
  }
  SetOuterRect(hwnd, r);
  if (repaint) FindWindowObj(hwnd)->needsPaint = true;
  SendSizeAndMove(hwnd);
  return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* pt) {
  Window* w = FindWindowObj(hwnd);
  if (!w || !pt) return FALSE;
  const POINT o = ClientOrigin(*w);
  pt->x -= o.x;
  pt->y -= o.y;
  return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* pt) {
  Window* w = FindWindowObj(hwnd);
  if (!w || !pt) return FALSE;
  const POINT o = ClientOrigin(*w);
  pt->x += o.x;
  pt->y += o.y;
  return TRUE;
}

BOOL GetCursorPos(POINT* pt) {
  if (!pt) return FALSE;
  *pt = S().cursorPos;
  return TRUE;
}

HWND FindWindow(const char* className, const char* title) {
  if (!className) return nullptr;
  for (common::CWindowCore* w : common::WindowTable().All()) {
    const HWND h = w->handle;
    if (w->destroying || w->parent || w->destroyStarted) continue;
    if (!common::SameClassName(w->className, className)) continue;
    if (title && !common::SameClassName(static_cast<Window*>(w)->title, title)) continue;
    return h;
  }
  return nullptr;
}

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSCREEN: return S().screenWidth;
    case SM_CYSCREEN: return S().screenHeight;
    case SM_CYCAPTION: return 20;
    case SM_CXFRAME: return 4;
    case SM_CYFRAME: return 4;
    default: return 0;
  }
}

// ---- The program --------------------------------------------------------------------

BOOL InitBackend(int, char**) { return TRUE; }

HINSTANCE GetModuleInstance() { return ToHandle<HINSTANCE>(0x400000); }

void ShutdownBackend() {}

namespace headless {

HWND ForegroundWindow() { return S().foreground; }

void SetScreen(int width, int height, int bitsPerPixel) {
  if (width > 0) S().screenWidth = width;
  if (height > 0) S().screenHeight = height;
  if (bitsPerPixel > 0) S().screenBits = bitsPerPixel;
}

void SetAppActive(BOOL active) {
  std::vector<HWND> tops;
  for (common::CWindowCore* w : common::WindowTable().All()) {
    if (!w->destroying && !w->parent) tops.push_back(w->handle);
  }
  if (!active) S().foreground = nullptr;
  for (HWND h : tops) {
    if (FindWindowObj(h)) SendMessage(h, WM_ACTIVATEAPP, active ? 1 : 0, 0);
  }
}

void SetCursorScreenPos(int x, int y) { S().cursorPos = POINT{x, y}; }

int CurrentCursor() { return common::CurrentCursor(); }

std::vector<HWND> Children(HWND dialog) {
  Window* w = FindWindowObj(dialog);
  return w ? w->children : std::vector<HWND>();
}

void Reset() {
  State& s = S();
  common::WindowTable().Clear();
  common::ForgetClasses();
  s.foreground = nullptr;
  s.focus = nullptr;
  common::ThreadQueue().Clear();
  s.programWatches.clear();
  s.cursorPos = POINT{0, 0};
  common::ResetCursor(IDC_ARROW);
  s.screenWidth = 1024;
  s.screenHeight = 768;
  s.screenBits = 32;
  s.presentLog.clear();
  s.drawnTexts.clear();
  common::ResetGdi();
  ResetClock();
  ResetSound();
  s.messageBoxHandler = nullptr;
  s.messageBoxes.clear();
  s.dialogHandler = nullptr;
  s.dialogs.clear();
  s.shellOpens.clear();
  s.shellResult = 42;
}

}  // namespace headless
}  // namespace plat
