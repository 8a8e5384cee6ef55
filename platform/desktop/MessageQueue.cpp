#include "platform/desktop/MessageQueue.h"

#include <QGuiApplication>

#include <atomic>

#include "platform/common/Input.h"
#include "platform/desktop/PointerTracker.h"
#include "platform/desktop/Pump.h"

namespace plat::desktop {
namespace {

std::atomic<unsigned long> g_sentDeliveries{0};

}  // namespace

common::CMessageQueue& Queue() {
  static auto* queue = new common::CMessageQueue;  // posts may come from other threads until exit
  return *queue;
}

void Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Queue().Post(common::MakeMessage(hwnd, msg, wParam, lParam, POINT{0, 0}));
  WakeMainThread();
}

void PostInput(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const QPoint p = PointerPosition();
  Queue().PostInput(common::MakeMessage(hwnd, msg, wParam, lParam, POINT{p.x(), p.y()}));
}

void PostQuit(int exitCode) {
  Queue().SetQuit(exitCode);
  WakeMainThread();
}

unsigned long SentDeliveries() { return g_sentDeliveries.load(); }
void CountSentDelivery() { ++g_sentDeliveries; }

}  // namespace plat::desktop

namespace plat::common {

CMessageQueue& ThreadQueue() { return desktop::Queue(); }
bool ShiftHeld() { return QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier; }
bool ControlHeld() { return QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier; }
bool AltHeld() { return QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier; }

}  // namespace plat::common
