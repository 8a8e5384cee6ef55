#include "platform/desktop/PointerTracker.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>

#include <chrono>

namespace plat::desktop {
namespace {

using Clock = std::chrono::steady_clock;

// How long a position asked of the server stands while the pointer is away
// from our windows (and so sends us no events).
constexpr auto kOutsideFresh = std::chrono::milliseconds(250);

enum class Known { kNo, kInside, kOutside };

Known g_known = Known::kNo;
QPoint g_position;
Clock::time_point g_asked;

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
        g_position = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        g_known = Known::kInside;
        break;
      case QEvent::Enter:
        g_position = static_cast<QEnterEvent*>(event)->globalPosition().toPoint();
        g_known = Known::kInside;
        break;
      // The pointer left, or a window moved under it: ask again.
      case QEvent::Leave:
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::Show:
      case QEvent::Hide:
        g_known = Known::kNo;
        break;
      default:
        break;
    }
    return false;
  }
};

}  // namespace

void InstallPointerTracker() {
  g_known = Known::kNo;
  QCoreApplication* app = QCoreApplication::instance();
  app->installEventFilter(new CPointerFilter(app));
}

QPoint PointerPosition() {
  const Clock::time_point now = Clock::now();
  if (g_known == Known::kNo || (g_known == Known::kOutside && now - g_asked >= kOutsideFresh)) {
    g_position = QCursor::pos();
    g_known = Known::kOutside;
    g_asked = now;
  }
  return g_position;
}

}  // namespace plat::desktop
