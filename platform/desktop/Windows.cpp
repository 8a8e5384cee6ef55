#include <QApplication>
#include <QWidget>

#include <strings.h>

#include <cstring>

#include "platform/common/ControlClasses.h"
#include "platform/desktop/App.h"
#include "platform/desktop/Bus.h"
#include "platform/desktop/Canvas.h"
#include "platform/desktop/CanvasWidget.h"
#include "platform/common/Controls.h"
#include "platform/common/Device.h"
#include "platform/desktop/Cursors.h"
#include "platform/desktop/DeviceContext.h"
#include "platform/desktop/Handles.h"
#include "platform/desktop/MessageQueue.h"
#include "platform/desktop/PointerTracker.h"
#include "platform/desktop/Pump.h"
#include "platform/desktop/WindowTable.h"

namespace plat {
namespace {

using desktop::CWindow;
using desktop::WindowKind;
using desktop::Windows;

struct Frame {
  int left, top, right, bottom;
};

// The frame the metrics promise for a style: outer sizes the program
// computes from them give the client size it meant.
Frame FrameOf(DWORD style) {
  if (style & WS_CHILD) return {0, 0, 0, 0};
  const bool caption = (style & WS_CAPTION) == WS_CAPTION;
  const bool border = caption || (style & (WS_THICKFRAME | WS_DLGFRAME | WS_BORDER));
  const int f = border ? desktop::kFrameWidth : 0;
  return {f, f + (caption ? desktop::kCaptionHeight : 0), f, f};
}

Qt::WindowFlags FlagsOf(DWORD style) {
  if ((style & WS_CAPTION) != WS_CAPTION) return Qt::Window | Qt::FramelessWindowHint;
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
  if (style & WS_MAXIMIZEBOX) flags |= Qt::WindowMaximizeButtonHint;
  return flags;
}

bool IsCanvasWindow(const CWindow* w) {
  return w->kind == WindowKind::kTopLevel || w->kind == WindowKind::kDialog;
}

QString Latin1(const char* text) { return text ? QString::fromLatin1(text) : QString(); }

bool OtherOfClass(const CWindow* w) {
  for (CWindow* o : Windows().TopLevels()) {
    if (o != w && o->kind == WindowKind::kTopLevel && common::SameClassName(o->className, w->className.c_str())) {
      return true;
    }
  }
  return false;
}

// Minimum (and any smaller maximum) size the window procedure asks for.
void ApplyMinMaxInfo(CWindow* w) {
  const QRect screen = desktop::ScreenGeometry();
  const Frame f = FrameOf(w->style);
  const int fw = f.left + f.right;
  const int fh = f.top + f.bottom;
  MINMAXINFO mmi{};
  mmi.ptMaxSize = POINT{screen.width() + fw, screen.height() + fh};
  mmi.ptMaxPosition = POINT{-f.left, -f.top};
  mmi.ptMinTrackSize = POINT{112, 27};
  mmi.ptMaxTrackSize = mmi.ptMaxSize;
  const HWND h = w->handle;
  SendMessage(h, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
  w = Windows().Find(h);
  if (!w || !w->widget) return;
  w->widget->setMinimumSize(std::max(1, static_cast<int>(mmi.ptMinTrackSize.x) - fw),
                            std::max(1, static_cast<int>(mmi.ptMinTrackSize.y) - fh));
  const int maxW = std::min(mmi.ptMaxSize.x, mmi.ptMaxTrackSize.x) - fw;
  const int maxH = std::min(mmi.ptMaxSize.y, mmi.ptMaxTrackSize.y) - fh;
  w->widget->setMaximumSize(maxW < screen.width() ? std::max(1, maxW) : QWIDGETSIZE_MAX,
                            maxH < screen.height() ? std::max(1, maxH) : QWIDGETSIZE_MAX);
}

HWND CreateTopLevel(const common::CWindowClass* wc, const char* title, DWORD style, int x,
                    int y, int width, int height, HWND owner, void* param) {
  CWindow* ownerWindow = Windows().Find(owner);
  CWindow* w = Windows().Create(WindowKind::kTopLevel);
  w->className = wc->name;
  w->classStyle = wc->style;
  w->classCursor = wc->cursor;
  w->classBrush = wc->background;
  w->proc = wc->proc;
  w->style = style;
  w->owner = ownerWindow ? ownerWindow->handle : nullptr;
  const Frame f = FrameOf(style);
  const QRect screen = desktop::ScreenGeometry();
  const int cw = std::max(1, width == CW_USEDEFAULT ? 640 : width - f.left - f.right);
  const int ch = std::max(1, height == CW_USEDEFAULT ? 480 : height - f.top - f.bottom);
  const int cx = x == CW_USEDEFAULT ? screen.x() + (screen.width() - cw) / 2 : x + f.left;
  const int cy = y == CW_USEDEFAULT ? screen.y() + (screen.height() - ch) / 2 : y + f.top;
  auto* widget = new desktop::CCanvasWidget(
      w->handle, ownerWindow ? ownerWindow->widget : nullptr, FlagsOf(style));
  Windows().BindWidget(w, widget);
  desktop::ResizeCanvas(w, QSize(cw, ch));
  const common::CGdiObject* brush = common::FindGdi(wc->background, common::GdiKind::kBrush);
  if (brush && !brush->hollow) w->canvas.fill(desktop::ToQColor(brush->colour));
  widget->setGeometry(cx, cy, cw, ch);
  widget->setWindowTitle(Latin1(title));
  if (style & WS_DISABLED) widget->setEnabled(false);
  desktop::ApplyCurrentCursor(widget);
  w->needsPaint = true;
  w->needsErase = true;
  if (!OtherOfClass(w)) desktop::ClaimClassName(w->className);
  const HWND h = w->handle;
  ApplyMinMaxInfo(w);
  if (!Windows().Find(h)) return nullptr;
  if (SendMessage(h, WM_CREATE, 0, reinterpret_cast<LPARAM>(param)) == -1) {
    DestroyWindow(h);
    return nullptr;
  }
  if (!Windows().Find(h)) return nullptr;
  if (style & WS_VISIBLE) ShowWindow(h, (style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  return h;
}

void PostSize(CWindow* w, WPARAM kind) {
  desktop::PostInput(w->handle, WM_SIZE, kind,
                             MAKELPARAM(w->canvas.width(), w->canvas.height()));
}

// Without a window manager the window is made as large as the screen by
// hand, and the state is ours to keep.
void Maximise(CWindow* w) {
  QWidget* widget = w->widget;
  if (desktop::WindowManagerRunning()) {
    widget->showMaximized();
    return;
  }
  if (!w->zoomed) w->restoreGeometry = widget->geometry();
  const QRect area = desktop::AvailableGeometry();
  widget->setGeometry(QRect(area.topLeft(), area.size().boundedTo(widget->maximumSize())));
  widget->show();
  if (!w->zoomed) {
    w->zoomed = true;
    PostSize(w, SIZE_MAXIMIZED);
  }
}

void Restore(CWindow* w) {
  QWidget* widget = w->widget;
  if (desktop::WindowManagerRunning()) {
    widget->showNormal();
    return;
  }
  if (widget->isMinimized()) widget->showNormal();
  if (w->zoomed) {
    w->zoomed = false;
    if (w->restoreGeometry.isValid()) widget->setGeometry(w->restoreGeometry);
    PostSize(w, SIZE_RESTORED);
  }
  widget->show();
}

QPoint ClientOriginOnScreen(const CWindow* w) { return w->widget->mapToGlobal(QPoint(0, 0)); }

}  // namespace
}  // namespace plat

namespace plat::common {

void SetOwnText(CWindowCore& window, const char* text) {
  auto& w = static_cast<desktop::CWindow&>(window);
  if (w.widget) w.widget->setWindowTitle(Latin1(text));
}

bool IsShown(const CWindowCore& window) {
  const QWidget* widget = static_cast<const desktop::CWindow&>(window).widget;
  return widget && !widget->isHidden();
}

void HideForDestroy(CWindowCore& window) {
  auto& w = static_cast<desktop::CWindow&>(window);
  if (w.kind != WindowKind::kControl && w.widget) w.widget->hide();
}

void ForgetWindow(CWindowCore& window) {
  auto* w = static_cast<desktop::CWindow*>(&window);
  if (w->kind == WindowKind::kTopLevel && !OtherOfClass(w)) desktop::ReleaseClassName(w->className);
  QWidget* widget = w->widget;
  Windows().BindWidget(w, nullptr);
  desktop::RetireWidget(widget);
}

}  // namespace plat::common

namespace plat::desktop {

HWND FindLocalTopLevel(const char* className, const char* title) {
  if (!className) return nullptr;
  for (CWindow* w : Windows().TopLevels()) {
    if (w->destroyStarted || !w->widget || !common::SameClassName(w->className, className)) continue;
    if (title && QString::compare(w->widget->windowTitle(), Latin1(title), Qt::CaseInsensitive) != 0) {
      continue;
    }
    return w->handle;
  }
  return nullptr;
}

}  // namespace plat::desktop

namespace plat {

HWND CreateWindow(const char* className, const char* title, DWORD style, int x, int y,
                  int width, int height, HWND parent, int controlId, HINSTANCE,
                  void* createParam) {
  if (!className) return nullptr;
  ControlKind kind;
  if ((style & WS_CHILD) && common::ControlKindOfClass(className, style, &kind)) {
    return common::MakeControlWindow(parent, kind, controlId, title, RECT{x, y, x + width, y + height}, style & 0xFFFF,
                                 style);
  }
  const common::CWindowClass* wc = common::FindWindowClass(className);
  if (!wc || (style & WS_CHILD)) return nullptr;
  return CreateTopLevel(wc, title, style, x, y, width, height, parent, createParam);
}

BOOL WatchWindow(HWND window, HWND notify, UINT message) {
  if (desktop::IsRemoteHandle(window)) return desktop::WatchRemoteWindow(window, notify, message) ? TRUE : FALSE;
  CWindow* w = Windows().Find(window);
  if (!w) return FALSE;
  w->watchers.emplace_back(notify, message);
  return TRUE;
}

BOOL IsWindow(HWND hwnd) {
  if (desktop::IsRemoteHandle(hwnd)) return desktop::RemoteWindowOp(hwnd, desktop::RemoteOp::kIsWindow, 0) ? TRUE : FALSE;
  return Windows().Find(hwnd) ? TRUE : FALSE;
}

BOOL ShowWindow(HWND hwnd, int command) {
  if (desktop::IsRemoteHandle(hwnd)) {
    return desktop::RemoteWindowOp(hwnd, desktop::RemoteOp::kShow, command) ? TRUE : FALSE;
  }
  CWindow* w = Windows().Find(hwnd);
  if (!w || !w->widget) return FALSE;
  QWidget* widget = w->widget;
  const bool wasVisible = widget->isVisible();
  if (w->kind == WindowKind::kControl) {
    widget->setVisible(command != SW_HIDE);
    return wasVisible ? TRUE : FALSE;
  }
  const bool firstShow = !w->everShown;
  switch (command) {
    case SW_HIDE:
      widget->hide();
      break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
      widget->showMinimized();
      break;
    case SW_SHOWMAXIMIZED:
      Maximise(w);
      break;
    case SW_SHOW:
      if (firstShow && (w->style & WS_MAXIMIZE)) {
        Maximise(w);
      } else {
        widget->show();
      }
      break;
    default:  // SW_SHOWNORMAL, SW_RESTORE
      Restore(w);
      break;
  }
  if (command != SW_HIDE) {
    w->everShown = true;
    if (command != SW_MINIMIZE && command != SW_SHOWMINIMIZED) {
      widget->raise();
      widget->activateWindow();
    }
  }
  const bool visible = widget->isVisible();
  if (visible != wasVisible) SendMessage(hwnd, WM_SHOWWINDOW, visible ? 1 : 0, 0);
  return wasVisible ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hwnd) {
  if (desktop::IsRemoteHandle(hwnd)) {
    return desktop::RemoteWindowOp(hwnd, desktop::RemoteOp::kIsVisible, 0) ? TRUE : FALSE;
  }
  CWindow* w = Windows().Find(hwnd);
  return w && w->widget && w->widget->isVisible() ? TRUE : FALSE;
}

BOOL IsIconic(HWND hwnd) {
  if (desktop::IsRemoteHandle(hwnd)) {
    return desktop::RemoteWindowOp(hwnd, desktop::RemoteOp::kIsIconic, 0) ? TRUE : FALSE;
  }
  CWindow* w = Windows().Find(hwnd);
  return w && w->widget && w->kind != WindowKind::kControl && w->widget->isMinimized() ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd) {
  if (desktop::IsRemoteHandle(hwnd)) {
    return desktop::RemoteWindowOp(hwnd, desktop::RemoteOp::kIsZoomed, 0) ? TRUE : FALSE;
  }
  CWindow* w = Windows().Find(hwnd);
  return w && w->kind != WindowKind::kControl && w->zoomed ? TRUE : FALSE;
}

BOOL SetForegroundWindow(HWND hwnd) {
  if (desktop::IsRemoteHandle(hwnd)) {
    return desktop::RemoteWindowOp(hwnd, desktop::RemoteOp::kSetForeground, 0) ? TRUE : FALSE;
  }
  CWindow* w = desktop::RootOf(Windows().Find(hwnd));
  if (!w || !w->widget) return FALSE;
  w->widget->raise();
  w->widget->activateWindow();
  return TRUE;
}

HWND SetFocus(HWND hwnd) {
  const HWND old = GetFocus();
  if (!hwnd) {
    if (QWidget* f = QApplication::focusWidget()) f->clearFocus();
    return old;
  }
  CWindow* w = Windows().Find(hwnd);
  if (!w || !w->widget) return nullptr;
  w->widget->setFocus(Qt::OtherFocusReason);
  return old;
}

HWND GetFocus() {
  for (QWidget* f = QApplication::focusWidget(); f; f = f->parentWidget()) {
    if (CWindow* w = Windows().FindByWidget(f)) return w->handle;
  }
  return nullptr;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  CWindow* w = Windows().Find(hwnd);
  if (!w || !w->widget) return FALSE;
  const bool wasDisabled = !w->widget->isEnabled();
  w->widget->setEnabled(enable != FALSE);
  if (wasDisabled == (enable != FALSE)) SendMessage(hwnd, WM_ENABLE, enable ? 1 : 0, 0);
  return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd) {
  CWindow* w = Windows().Find(hwnd);
  return w && w->widget && w->widget->isEnabled() ? TRUE : FALSE;
}

int GetWindowText(HWND hwnd, char* buffer, int maxCount) {
  CWindow* w = Windows().Find(hwnd);
  if (!w || !buffer || maxCount <= 0) return 0;
  std::string control;
  const QByteArray bytes = common::ControlText(hwnd, &control) ? QByteArray::fromStdString(control)
                                                               : w->widget->windowTitle().toLatin1();
  const int n = std::min(static_cast<int>(bytes.size()), maxCount - 1);
  std::memcpy(buffer, bytes.constData(), static_cast<std::size_t>(n));
  buffer[n] = '\0';
  return n;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
  CWindow* w = Windows().Find(hwnd);
  if (!w || !w->widget || !rect) return FALSE;
  const QSize s = IsCanvasWindow(w) ? w->canvas.size() : w->widget->size();
  *rect = RECT{0, 0, s.width(), s.height()};
  return TRUE;
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
  CWindow* w = Windows().Find(hwnd);
  if (!w || !w->widget || !rect) return FALSE;
  const QPoint origin = ClientOriginOnScreen(w);
  const QSize s = w->widget->size();
  const Frame f = w->kind == WindowKind::kControl ? Frame{0, 0, 0, 0} : FrameOf(w->style);
  *rect = RECT{origin.x() - f.left, origin.y() - f.top, origin.x() + s.width() + f.right,
               origin.y() + s.height() + f.bottom};
  return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL) {
  CWindow* w = Windows().Find(hwnd);
  if (!w || !w->widget) return FALSE;
  if (w->kind == WindowKind::kControl) {
    w->widget->setGeometry(x, y, std::max(0, width), std::max(0, height));
    return TRUE;
  }
  const Frame f = FrameOf(w->style);
  const QSize client(std::max(1, width - f.left - f.right), std::max(1, height - f.top - f.bottom));
  w->widget->setGeometry(QRect(QPoint(x + f.left, y + f.top), client));
  if (w->kind == WindowKind::kTopLevel && w->canvas.size() != client) {
    desktop::ResizeCanvas(w, client);
    w->needsPaint = true;
    w->widget->update();
    SendMessage(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.width(), client.height()));
  }
  return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* pt) {
  CWindow* w = Windows().Find(hwnd);
  if (!w || !w->widget || !pt) return FALSE;
  QPoint p = w->widget->mapFromGlobal(QPoint(pt->x, pt->y));
  if (IsCanvasWindow(w)) p = static_cast<desktop::CCanvasWidget*>(w->widget)->ToPicture(p);
  *pt = POINT{p.x(), p.y()};
  return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* pt) {
  CWindow* w = Windows().Find(hwnd);
  if (!w || !w->widget || !pt) return FALSE;
  QPoint p(pt->x, pt->y);
  if (IsCanvasWindow(w)) p = static_cast<desktop::CCanvasWidget*>(w->widget)->FromPicture(p);
  p = w->widget->mapToGlobal(p);
  *pt = POINT{p.x(), p.y()};
  return TRUE;
}

BOOL GetCursorPos(POINT* pt) {
  if (!pt) return FALSE;
  const QPoint p = desktop::PointerPosition();
  *pt = POINT{p.x(), p.y()};
  return TRUE;
}

HWND FindWindow(const char* className, const char* title) {
  if (!className) return nullptr;
  if (HWND local = desktop::FindLocalTopLevel(className, title)) return local;
  if (strcasecmp(className, common::kDialogClassName) == 0) return nullptr;
  return desktop::FindRemoteWindow(className, title);
}

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSCREEN:
      return desktop::ScreenGeometry().width();
    case SM_CYSCREEN:
      return desktop::ScreenGeometry().height();
    case SM_CYCAPTION:
      return desktop::kCaptionHeight;
    case SM_CXFRAME:
    case SM_CYFRAME:
      return desktop::kFrameWidth;
    default:
      return 0;
  }
}

}  // namespace plat
