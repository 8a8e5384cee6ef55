#include "platform/desktop/PointerTracker.h"

#include <QCoreApplication>
#include <QCursor>
#include <QSinglePointEvent>

#include <chrono>

#include "platform/common/Device.h"

namespace plat::desktop {
namespace {

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

void InstallPointerTracker() {
  g_inside = false;
  g_freshUntil = {};
  QCoreApplication* app = QCoreApplication::instance();
  app->installEventFilter(new CPointerFilter(app));
}

}  // namespace plat::desktop

namespace plat::common {

POINT PointerPosition() {
  using namespace desktop;
  const Clock::time_point now = Clock::now();
  if (!g_inside && now >= g_freshUntil) {
    g_position = QCursor::pos();
    g_freshUntil = now + kOutsideFresh;
  }
  return POINT{g_position.x(), g_position.y()};
}

}  // namespace plat::common
