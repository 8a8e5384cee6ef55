// The Qt device under the window model: native widgets shown, placed,
// raised and focused as the model says.
#include <QApplication>
#include <QWidget>

#include "platform/common/Device.h"
#include "platform/common/WindowState.h"
#include "platform/desktop/App.h"
#include "platform/desktop/Bus.h"
#include "platform/desktop/CanvasWidget.h"
#include "platform/desktop/Cursors.h"
#include "platform/desktop/DeviceContext.h"
#include "platform/desktop/Handles.h"
#include "platform/desktop/PointerTracker.h"
#include "platform/desktop/Pump.h"
#include "platform/desktop/WindowTable.h"

namespace plat::desktop {
namespace {

Qt::WindowFlags FlagsOf(DWORD style) {
  if ((style & WS_CAPTION) != WS_CAPTION) return Qt::Window | Qt::FramelessWindowHint;
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
  if (style & WS_MAXIMIZEBOX) flags |= Qt::WindowMaximizeButtonHint;
  return flags;
}

QString Latin1(const std::string& text) { return QString::fromLatin1(text.data(), static_cast<int>(text.size())); }

bool OtherOfClass(const CWindow* w) {
  for (CWindow* o : Windows().TopLevels()) {
    if (o != w && o->kind == WindowKind::kTopLevel && common::SameClassName(o->className, w->className.c_str())) {
      return true;
    }
  }
  return false;
}

// A canvas is never empty, even for a window without a client area.
QSize CanvasSizeOf(const CWindow& w) {
  return QSize(std::max<int>(1, w.client.cx), std::max<int>(1, w.client.cy));
}

CWindow& Of(common::CWindowCore& window) { return static_cast<CWindow&>(window); }

}  // namespace
}  // namespace plat::desktop

namespace plat::common {

using desktop::CWindow;
using desktop::WindowKind;
using desktop::Windows;

int FrameBorder() { return desktop::kFrameWidth; }
int CaptionHeight() { return desktop::kCaptionHeight; }

SIZE ScreenSize() {
  const QRect s = desktop::ScreenGeometry();
  return SIZE{s.width(), s.height()};
}

RECT WorkArea() {
  const QRect a = desktop::AvailableGeometry();
  return RECT{a.x(), a.y(), a.x() + a.width(), a.y() + a.height()};
}

POINT PointerPosition() {
  const QPoint p = desktop::PointerPosition();
  return POINT{p.x(), p.y()};
}

bool ScalesClientArea() { return true; }

// Child windows of program classes have no widget here.
CWindowCore* NewWindowRecord(bool child) { return child ? nullptr : Windows().Create(WindowKind::kTopLevel); }

bool MakeNative(CWindowCore& window) {
  CWindow& w = desktop::Of(window);
  CWindow* owner = Windows().Find(w.owner);
  auto* widget = new desktop::CCanvasWidget(w.handle, owner ? owner->widget : nullptr, desktop::FlagsOf(w.style));
  Windows().BindWidget(&w, widget);
  desktop::ResizeCanvas(&w, desktop::CanvasSizeOf(w));
  const CGdiObject* brush = FindGdi(w.classBrush, GdiKind::kBrush);
  if (brush && !brush->hollow) w.canvas.fill(desktop::ToQColor(brush->colour));
  widget->setWindowTitle(desktop::Latin1(w.title));
  desktop::ApplyCurrentCursor(widget);
  w.needsPaint = true;
  w.needsErase = true;
  if (!desktop::OtherOfClass(&w)) desktop::ClaimClassName(w.className);
  return true;
}

void LimitNative(CWindowCore& window, SIZE minClient, SIZE maxClient) {
  QWidget* widget = desktop::Of(window).widget;
  if (!widget) return;
  const QRect screen = desktop::ScreenGeometry();
  widget->setMinimumSize(std::max<int>(1, minClient.cx), std::max<int>(1, minClient.cy));
  widget->setMaximumSize(maxClient.cx < screen.width() ? std::max<int>(1, maxClient.cx) : QWIDGETSIZE_MAX,
                         maxClient.cy < screen.height() ? std::max<int>(1, maxClient.cy) : QWIDGETSIZE_MAX);
}

// A window manager maximises and minimises; without one the frame the model
// gives is placed by hand.
void ShowNative(CWindowCore& window) {
  CWindow& w = desktop::Of(window);
  QWidget* widget = w.widget;
  if (!widget) return;
  if (w.kind == WindowKind::kControl || !w.visible) {
    widget->setVisible(w.visible);
    return;
  }
  if (w.minimised) {
    widget->showMinimized();
    return;
  }
  const bool managed = desktop::WindowManagerRunning();
  if (managed && w.maximised) {
    widget->showMaximized();
    return;
  }
  if (widget->isMinimized() || (managed && widget->isMaximized())) widget->showNormal();
  widget->show();
}

void PlaceNative(CWindowCore& window) {
  CWindow& w = desktop::Of(window);
  QWidget* widget = w.widget;
  if (!widget) return;
  if (w.kind == WindowKind::kControl) {
    widget->setGeometry(w.rect.left, w.rect.top, std::max<int>(0, w.rect.right - w.rect.left),
                        std::max<int>(0, w.rect.bottom - w.rect.top));
    return;
  }
  if (w.canvas.size() != desktop::CanvasSizeOf(w)) {
    desktop::ResizeCanvas(&w, desktop::CanvasSizeOf(w));
    w.needsPaint = true;
    widget->update();
  }
  if (w.minimised || (w.maximised && desktop::WindowManagerRunning())) return;
  const RECT v = ViewOf(w);
  widget->setGeometry(v.left, v.top, std::max<int>(1, v.right - v.left), std::max<int>(1, v.bottom - v.top));
}

void RaiseNative(CWindowCore& window) {
  QWidget* widget = desktop::Of(window).widget;
  if (!widget) return;
  widget->raise();
  widget->activateWindow();
}

void EnableNative(CWindowCore& window) {
  if (QWidget* widget = desktop::Of(window).widget) widget->setEnabled(window.enabled);
}

void TitleNative(CWindowCore& window) {
  if (QWidget* widget = desktop::Of(window).widget) widget->setWindowTitle(desktop::Latin1(window.title));
}

void FocusNative(CWindowCore* window) {
  if (!window) {
    if (QWidget* f = QApplication::focusWidget()) f->clearFocus();
    return;
  }
  if (QWidget* widget = desktop::Of(*window).widget) widget->setFocus(Qt::OtherFocusReason);
}

LRESULT ForeignWindowOp(HWND hwnd, ForeignOp op, int argument) {
  return desktop::IsRemoteHandle(hwnd) ? desktop::RemoteWindowOp(hwnd, op, argument) : 0;
}

bool WatchForeignWindow(HWND hwnd, HWND notify, UINT message) {
  return desktop::IsRemoteHandle(hwnd) && desktop::WatchRemoteWindow(hwnd, notify, message);
}

HWND FindForeignWindow(const char* className, const char* title) {
  return desktop::FindRemoteWindow(className, title);
}

void ForgetWindow(CWindowCore& window) {
  auto* w = static_cast<CWindow*>(&window);
  if (w->kind == WindowKind::kTopLevel && !desktop::OtherOfClass(w)) desktop::ReleaseClassName(w->className);
  QWidget* widget = w->widget;
  Windows().BindWidget(w, nullptr);
  desktop::RetireWidget(widget);
}

}  // namespace plat::common
