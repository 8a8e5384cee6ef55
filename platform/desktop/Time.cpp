// The real clock, and the thread that fires the multimedia timers of the
// schedule in common/Timers on it.
#include <chrono>
#include <condition_variable>
#include <ctime>
#include <mutex>
#include <thread>

#include "platform/common/Device.h"
#include "platform/common/Schedule.h"
#include "platform/desktop/Audio.h"

namespace plat::desktop {
namespace {

const std::chrono::steady_clock::time_point kStart = std::chrono::steady_clock::now();

struct CTimerThread {
  std::mutex lock;
  std::condition_variable wake;
  bool changed = false;
  bool stop = false;
  std::thread thread;
};

// Never destroyed: a test that ends without shutting the backend down
// leaves the thread waiting, not a thread object that ends the process.
CTimerThread& g_timerThread = *new CTimerThread;

void RunTimers() {
  CTimerThread& t = g_timerThread;
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
  CTimerThread& t = g_timerThread;
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

std::uint64_t ClockMs() {
  const auto elapsed = std::chrono::steady_clock::now() - desktop::kStart;
  return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

std::int64_t CalendarSeconds() { return static_cast<std::int64_t>(std::time(nullptr)); }

void PassTime(DWORD ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

void TimersChanged() {
  desktop::CTimerThread& t = desktop::g_timerThread;
  {
    std::lock_guard<std::mutex> g(t.lock);
    t.changed = true;
    if (!t.thread.joinable()) t.thread = std::thread(desktop::RunTimers);
  }
  t.wake.notify_all();
}

}  // namespace plat::common
