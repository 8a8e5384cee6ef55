#include "platform/desktop/Pump.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <utility>
#include <vector>

#include "platform/common/Device.h"

namespace plat::desktop {
namespace {

int g_qtDepth = 0;
int g_sendWaitDepth = 0;
std::vector<QPointer<QWidget>> g_retired;
std::vector<QPointer<QWidget>> g_repaintLater;
QTimer* g_waitTimer = nullptr;
std::atomic<QAbstractEventDispatcher*> g_mainDispatcher{nullptr};

void DeleteRetired() {
  if (g_qtDepth > 0) return;
  for (auto& w : std::exchange(g_retired, {})) delete w.data();
}

// Before the thread handles all its events again: what a send wait kept
// from painting paints now.
void RepaintDeferred() {
  if (g_sendWaitDepth > 0) return;
  for (auto& w : std::exchange(g_repaintLater, {})) {
    if (w) w->update();
  }
}

// A wait for more events ends at the latest after maxWaitMs (negative: no limit).
void ProcessEvents(QEventLoop::ProcessEventsFlags flags, int maxWaitMs) {
  if (maxWaitMs >= 0 && g_waitTimer) g_waitTimer->start(maxWaitMs);
  QCoreApplication::processEvents(flags);
  if (g_waitTimer) g_waitTimer->stop();
}

void HandleEvents(QEventLoop::ProcessEventsFlags flags, int maxWaitMs) {
  DeleteRetired();
  RepaintDeferred();
  ProcessEvents(flags, maxWaitMs);
  DeleteRetired();
}

}  // namespace

CQtEntry::CQtEntry() { ++g_qtDepth; }
CQtEntry::~CQtEntry() { --g_qtDepth; }

void RetireWidget(QWidget* widget) {
  if (!widget) return;
  widget->hide();
  widget->disconnect();
  g_retired.emplace_back(widget);
  DeleteRetired();
}

bool InsideSendWait() { return g_sendWaitDepth > 0; }

void RepaintAfterSendWait(QWidget* widget) { g_repaintLater.emplace_back(widget); }

// Input events stay with Qt: a real widget would act on them at once.
void WaitForSentOnly(int maxWaitMs) {
  ++g_sendWaitDepth;
  ProcessEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents, maxWaitMs);
  --g_sendWaitDepth;
}

void InitPump() {
  g_waitTimer = new QTimer;
  g_waitTimer->setSingleShot(true);
  g_waitTimer->setTimerType(Qt::PreciseTimer);
  g_mainDispatcher = QAbstractEventDispatcher::instance(QCoreApplication::instance()->thread());
}

void ShutdownPump() {
  g_mainDispatcher = nullptr;
  delete g_waitTimer;
  g_waitTimer = nullptr;
  g_repaintLater.clear();
  // The application goes: so does what is retired, whatever is on the stack.
  for (auto& w : std::exchange(g_retired, {})) delete w.data();
}

}  // namespace plat::desktop

namespace plat::common {

using namespace desktop;

void PumpNativeEvents() { HandleEvents(QEventLoop::AllEvents, -1); }

bool IdleWait() {
  WaitNativeEvents(1);
  return true;
}

void WaitNativeEvents(int maxWaitMs) { HandleEvents(QEventLoop::WaitForMoreEvents, maxWaitMs); }

void WakeMessageThread() {
  if (QAbstractEventDispatcher* d = g_mainDispatcher.load()) d->wakeUp();
}

bool ShiftHeld() { return QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier; }
bool ControlHeld() { return QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier; }
bool AltHeld() { return QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier; }
// Posts may come from any thread, where the pointer cannot be asked.
POINT PointerForPost() { return POINT{0, 0}; }

}  // namespace plat::common
