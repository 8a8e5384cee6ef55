#include "platform/desktop/MultimediaTimer.h"

#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/common/Device.h"
#include "platform/common/Timers.h"

namespace plat::desktop {
namespace {

struct CTimerThread {
  std::mutex lock;
  std::condition_variable wake;
  bool stop = false;
  bool fired = false;  // a one-shot is no longer running once its callback starts
  std::thread thread;
};

struct CTimers {
  std::mutex lock;
  std::map<UINT, std::unique_ptr<CTimerThread>> timers;
  std::vector<std::unique_ptr<CTimerThread>> ending;  // killed from their own callback
};

CTimers& Timers() {
  static CTimers timers;
  return timers;
}

void Run(CTimerThread* t, UINT id, UINT delay, LPTIMECALLBACK callback, std::uintptr_t user,
         bool periodic) {
  std::uint64_t due = common::ClockMs() + delay;
  std::unique_lock<std::mutex> g(t->lock);
  while (!t->stop) {
    const std::uint64_t now = common::ClockMs();
    if (now < due) {
      t->wake.wait_for(g, std::chrono::milliseconds(due - now), [t] { return t->stop; });
      continue;
    }
    t->fired = !periodic;  // before the callback, as the virtual clock forgets it
    g.unlock();
    callback(id, 0, user, 0, 0);
    g.lock();
    if (!periodic) break;
    due = common::NextTimerDue(due, delay, common::ClockMs());
  }
}

// Answers whether the timer was still running.
bool Join(std::unique_ptr<CTimerThread> t) {
  bool running;
  {
    std::lock_guard<std::mutex> g(t->lock);
    running = !t->fired;
    t->stop = true;
  }
  t->wake.notify_all();
  if (t->thread.get_id() == std::this_thread::get_id()) {
    // Killed from its own callback: it ends once the callback returns.
    t->thread.detach();
    std::lock_guard<std::mutex> g(Timers().lock);
    Timers().ending.push_back(std::move(t));
    return running;
  }
  t->thread.join();
  return running;
}

}  // namespace

void KillAllTimers() {
  std::map<UINT, std::unique_ptr<CTimerThread>> all;
  {
    std::lock_guard<std::mutex> g(Timers().lock);
    all.swap(Timers().timers);
  }
  for (auto& [id, t] : all) Join(std::move(t));
}

}  // namespace plat::desktop

namespace plat::common {

void StartTimer(UINT id, UINT delay, LPTIMECALLBACK callback, std::uintptr_t user, bool periodic) {
  desktop::CTimers& timers = desktop::Timers();
  std::lock_guard<std::mutex> g(timers.lock);
  auto t = std::make_unique<desktop::CTimerThread>();
  desktop::CTimerThread* raw = t.get();
  raw->thread = std::thread(desktop::Run, raw, id, delay, callback, user, periodic);
  timers.timers[id] = std::move(t);
}

bool StopTimer(UINT id) {
  std::unique_ptr<desktop::CTimerThread> t;
  {
    std::lock_guard<std::mutex> g(desktop::Timers().lock);
    auto it = desktop::Timers().timers.find(id);
    if (it == desktop::Timers().timers.end()) return false;
    t = std::move(it->second);
    desktop::Timers().timers.erase(it);
  }
  return desktop::Join(std::move(t));
}

}  // namespace plat::common
