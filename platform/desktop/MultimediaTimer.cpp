#include "platform/desktop/MultimediaTimer.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/common/Device.h"
#include "platform/common/Timers.h"

namespace plat::desktop {
namespace {

// One thread fires every timer of the schedule in common/Timers.
struct CTimerThread {
  std::mutex lock;
  std::condition_variable wake;
  bool changed = false;
  bool stop = false;
  std::thread thread;
};

// Never destroyed: a test that ends without shutting the backend down
// leaves the thread waiting, not a thread object that ends the process.
CTimerThread& Thread() {
  static CTimerThread* t = new CTimerThread;
  return *t;
}

void Run() {
  CTimerThread& t = Thread();
  std::unique_lock<std::mutex> g(t.lock);
  while (!t.stop) {
    t.changed = false;
    g.unlock();
    while (common::FireDueTimer(common::ClockMs())) {
    }
    std::uint64_t due = 0;
    const bool any = common::EarliestTimerDue(&due);
    g.lock();
    const auto woken = [&t] { return t.stop || t.changed; };
    if (!any) {
      t.wake.wait(g, woken);
    } else if (const std::uint64_t now = common::ClockMs(); due > now) {
      t.wake.wait_for(g, std::chrono::milliseconds(due - now), woken);
    }
  }
}

}  // namespace

void KillAllTimers() {
  CTimerThread& t = Thread();
  {
    std::lock_guard<std::mutex> g(t.lock);
    t.stop = true;
  }
  t.wake.notify_all();
  if (t.thread.joinable()) t.thread.join();
  t.stop = false;
  common::ResetTimers();
}

}  // namespace plat::desktop

namespace plat::common {

void TimersChanged() {
  desktop::CTimerThread& t = desktop::Thread();
  {
    std::lock_guard<std::mutex> g(t.lock);
    t.changed = true;
    if (!t.thread.joinable()) t.thread = std::thread(desktop::Run);
  }
  t.wake.notify_all();
}

}  // namespace plat::common
