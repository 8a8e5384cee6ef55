// The Qt device under the window model: the records and their handles,
// where the pointer is, native widgets shown, placed, raised and focused as
// the model says.
#include <QApplication>
#include <QCursor>
#include <QSinglePointEvent>
#include <QWidget>

#include <unistd.h>

#include <chrono>
#include <utility>

#include "platform/common/Device.h"
#include "platform/common/WindowState.h"
#include "platform/desktop/App.h"
#include "platform/desktop/Bus.h"
#include "platform/desktop/CanvasWidget.h"
#include "platform/desktop/DeviceContext.h"
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

CWindow& Of(common::CWindowCore& window) { return static_cast<CWindow&>(window); }

using Clock = std::chrono::steady_clock;

// How long a position asked of the server stands while the pointer is away
// from our windows (and so sends us no events).
constexpr auto kOutsideFresh = std::chrono::milliseconds(250);

QPoint g_position;
bool g_inside = false;            // g_position came from an event of our windows
Clock::time_point g_freshUntil;   // else it was asked of the server and stands until then

class CPointerFilter : public QObject {
 public:
  explicit CPointerFilter(QObject* parent) : QObject(parent) {}
  bool eventFilter(QObject* object, QEvent* event) override {
    if (!object->isWindowType()) return false;
    switch (event->type()) {
      case QEvent::MouseMove:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Enter:
        g_position = static_cast<QSinglePointEvent*>(event)->globalPosition().toPoint();
        g_inside = true;
        break;
      // The pointer left, or a window moved under it: ask again.
      case QEvent::Leave:
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::Show:
      case QEvent::Hide:
        g_inside = false;
        g_freshUntil = {};
        break;
      default:
        break;
    }
    return false;
  }
};

}  // namespace

std::uint32_t ThisProcess() {
  static const std::uint32_t pid = static_cast<std::uint32_t>(getpid());
  return pid;
}

std::vector<CWindow*> CWindowTable::All() const {
  std::vector<CWindow*> out;
  for (common::CWindowCore* core : common::WindowTable().All()) out.push_back(static_cast<CWindow*>(core));
  return out;
}

HWND WindowOfWidget(const QWidget* widget) {
  for (; widget; widget = widget->parentWidget()) {
    for (const CWindow* w : Windows().All()) {
      if (w->widget == widget && !w->destroying) return w->handle;
    }
  }
  return nullptr;
}

void InstallPointerTracker() {
  g_inside = false;
  g_freshUntil = {};
  QCoreApplication* app = QCoreApplication::instance();
  app->installEventFilter(new CPointerFilter(app));
}

void ApplyCurrentCursor(QWidget* widget) {
  switch (common::CurrentCursor()) {
    case IDC_ARROW: widget->setCursor(Qt::ArrowCursor); break;
    case IDC_WAIT: widget->setCursor(Qt::WaitCursor); break;
    case IDC_HAND: widget->setCursor(Qt::PointingHandCursor); break;
    default: widget->setCursor(Qt::BlankCursor); break;
  }
}

}  // namespace plat::desktop

namespace plat::common {

using desktop::CWindow;
using desktop::WindowKind;
using desktop::Windows;

HWND NewWindowHandle() {
  static std::uint32_t serial = 0;
  return reinterpret_cast<HWND>((static_cast<std::uintptr_t>(desktop::ThisProcess()) << 32) | ++serial);
}

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
  using namespace desktop;
  const Clock::time_point now = Clock::now();
  if (!g_inside && now >= g_freshUntil) {
    g_position = QCursor::pos();
    g_freshUntil = now + kOutsideFresh;
  }
  return POINT{g_position.x(), g_position.y()};
}

bool ScalesClientArea() { return true; }

// Child windows of program classes have no widget here.
CWindowCore* NewWindowRecord(bool child) { return child ? nullptr : Windows().Create(WindowKind::kTopLevel); }

void MakeNative(CWindowCore& window) {
  CWindow& w = desktop::Of(window);
  CWindow* owner = Windows().Find(w.owner);
  auto* widget = new desktop::CCanvasWidget(w.handle, owner ? owner->widget : nullptr, desktop::FlagsOf(w.style));
  Windows().BindWidget(&w, widget);
  desktop::ResizeCanvas(&w, QSize(w.client.cx, w.client.cy));
  const CGdiObject* brush = FindGdi(w.classBrush, GdiKind::kBrush);
  if (brush && !brush->hollow) w.canvas.fill(desktop::ToQColor(brush->colour));
  widget->setWindowTitle(QString::fromLatin1(w.title.c_str()));
  desktop::ApplyCurrentCursor(widget);
  // The first window of its class claims the class's name on the bus.
  if (FindLocalWindow(w.className.c_str(), nullptr) == w.handle) desktop::ClaimClassName(w.className);
}

void LimitNative(CWindowCore& window, SIZE minClient, SIZE maxClient) {
  QWidget* widget = desktop::Of(window).widget;
  if (!widget || desktop::Of(window).kind == WindowKind::kDialog) return;  // fixed in size
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
  } else if (w.minimised) {
    widget->showMinimized();
  } else if (w.maximised && desktop::WindowManagerRunning()) {
    widget->showMaximized();
  } else {
    if (widget->isMinimized() || (widget->isMaximized() && desktop::WindowManagerRunning())) widget->showNormal();
    widget->show();
  }
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
  const QSize before = w.canvas.size();
  desktop::ResizeCanvas(&w, QSize(w.client.cx, w.client.cy));
  if (w.canvas.size() != before) {
    w.needsPaint = true;
    widget->update();
  }
  if (w.minimised || (w.maximised && desktop::WindowManagerRunning())) return;
  const RECT v = ViewOf(w);
  widget->setGeometry(v.left, v.top, std::max<int>(1, v.right - v.left), std::max<int>(1, v.bottom - v.top));
}

void RaiseNative(CWindowCore& window) {
  if (QWidget* widget = desktop::Of(window).widget) {
    widget->raise();
    widget->activateWindow();
  }
}

void EnableNative(CWindowCore& window) {
  if (QWidget* widget = desktop::Of(window).widget) widget->setEnabled(window.enabled);
}

void TitleNative(CWindowCore& window) {
  if (QWidget* widget = desktop::Of(window).widget) widget->setWindowTitle(QString::fromLatin1(window.title.c_str()));
}

void FocusNative(CWindowCore* window) {
  if (!window) {
    if (QWidget* f = QApplication::focusWidget()) f->clearFocus();
  } else if (QWidget* widget = desktop::Of(*window).widget) {
    widget->setFocus(Qt::OtherFocusReason);
  }
}

void ForgetWindow(CWindowCore& window) {
  CWindow& w = desktop::Of(window);
  if (w.kind == WindowKind::kTopLevel && !FindLocalWindow(w.className.c_str(), nullptr)) {
    desktop::ReleaseClassName(w.className);
  }
  desktop::RetireWidget(std::exchange(w.widget, nullptr));
}

}  // namespace plat::common
