#include "platform/common/Schedule.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

#include "platform/common/Device.h"

namespace plat::common {
namespace {

constexpr UINT kPeriodMin = 1;
constexpr UINT kPeriodMax = 1000000;

struct CTimer {
  UINT delay;
  bool periodic;
  LPTIMECALLBACK callback;
  std::uintptr_t user;
  std::uint64_t due;
};

// The program's thread sets and kills timers; the device fires them, on
// another thread on a real clock.
std::mutex g_lock;
// Both live until exit, like the window table: a program's static timer
// object kills its timer while the statics go.
std::condition_variable& g_changed = *new std::condition_variable;  // a timer set or fired, or a stop
std::map<UINT, CTimer>& g_timers = *new std::map<UINT, CTimer>;
UINT g_firing = 0;  // the timer whose callback runs
std::thread::id g_firingThread;
bool g_stopFiring = false;
int g_periodsBegun = 0;
std::atomic<bool> g_capsFail{false};
std::atomic<UINT> g_nextId{1};
std::atomic<DWORD> g_shown{0};  // what timeGetTime adds to the device clock

// The first of equal due times has the lowest id.
std::map<UINT, CTimer>::iterator Earliest() {
  return std::min_element(g_timers.begin(), g_timers.end(),
                          [](const auto& a, const auto& b) { return a.second.due < b.second.due; });
}

bool ValidPeriod(UINT period) { return period >= kPeriodMin && period <= kPeriodMax; }

// Fires the timer at it, due at or before now; g is held but during the callback.
void Fire(std::unique_lock<std::mutex>& g, std::map<UINT, CTimer>::iterator it, std::uint64_t now) {
  const UINT id = it->first;
  const CTimer t = it->second;
  if (!t.periodic) {
    g_timers.erase(it);
  } else if (const std::uint64_t next = t.due + t.delay; next + 4 * t.delay < now) {
    it->second.due = now + t.delay;  // more than four periods behind: no burst
  } else {
    it->second.due = next;
  }
  g_firing = id;
  g_firingThread = std::this_thread::get_id();
  g.unlock();
  t.callback(id, 0, t.user, 0, 0);
  g.lock();
  g_firing = 0;
  g_changed.notify_all();
}

}  // namespace

bool EarliestTimerDue(std::uint64_t* when) {
  std::lock_guard<std::mutex> g(g_lock);
  const auto it = Earliest();
  if (it == g_timers.end()) return false;
  *when = it->second.due;
  return true;
}

bool FireDueTimer(std::uint64_t now) {
  std::unique_lock<std::mutex> g(g_lock);
  const auto it = Earliest();
  if (it == g_timers.end() || it->second.due > now) return false;
  Fire(g, it, now);
  return true;
}

void FireTimersOnRealClock() {
  std::unique_lock<std::mutex> g(g_lock);
  while (!g_stopFiring) {
    const auto it = Earliest();
    const std::uint64_t now = ClockMs();
    if (it == g_timers.end()) {
      g_changed.wait(g);
    } else if (it->second.due > now) {
      g_changed.wait_for(g, std::chrono::milliseconds(it->second.due - now));
    } else {
      Fire(g, it, now);
    }
  }
}

void StopFiringTimers() {
  std::lock_guard<std::mutex> g(g_lock);
  g_stopFiring = true;
  g_changed.notify_all();
}

int RunningTimers() {
  std::lock_guard<std::mutex> g(g_lock);
  return static_cast<int>(g_timers.size());
}

void ResetTimers() {
  std::lock_guard<std::mutex> g(g_lock);
  g_timers.clear();
  g_periodsBegun = 0;
  g_capsFail = false;
  g_stopFiring = false;
}

void SetTimerCapsFail(bool fail) { g_capsFail = fail; }

void SetShownClock(DWORD ms) { g_shown = ms - static_cast<DWORD>(ClockMs()); }

int PeriodsBegun() {
  std::lock_guard<std::mutex> g(g_lock);
  return g_periodsBegun;
}

}  // namespace plat::common

namespace plat {

UINT timeGetDevCaps(TIMECAPS* caps, UINT size) {
  if (!caps || size < sizeof(TIMECAPS) || common::g_capsFail) return TIMERR_NOCANDO;
  caps->wPeriodMin = common::kPeriodMin;
  caps->wPeriodMax = common::kPeriodMax;
  return TIMERR_NOERROR;
}

UINT timeBeginPeriod(UINT period) {
  if (!common::ValidPeriod(period)) return TIMERR_NOCANDO;
  std::lock_guard<std::mutex> g(common::g_lock);
  ++common::g_periodsBegun;
  return TIMERR_NOERROR;
}

// Each end matches a begin made before it.
UINT timeEndPeriod(UINT period) {
  if (!common::ValidPeriod(period)) return TIMERR_NOCANDO;
  std::lock_guard<std::mutex> g(common::g_lock);
  if (common::g_periodsBegun == 0) return TIMERR_NOCANDO;
  --common::g_periodsBegun;
  return TIMERR_NOERROR;
}

UINT timeSetEvent(UINT delay, UINT, LPTIMECALLBACK callback, std::uintptr_t user, UINT kind) {
  if (!callback || !common::ValidPeriod(delay)) return 0;
  if (kind != TIME_ONESHOT && kind != TIME_PERIODIC) return 0;
  const UINT id = common::g_nextId++;
  {
    std::lock_guard<std::mutex> g(common::g_lock);
    common::g_timers[id] = common::CTimer{delay, kind == TIME_PERIODIC, callback, user, common::ClockMs() + delay};
    common::g_changed.notify_all();
  }
  common::TimersChanged();
  return id;
}

// Waits for the timer's callback under way, unless called from it.
UINT timeKillEvent(UINT timerId) {
  std::unique_lock<std::mutex> g(common::g_lock);
  if (common::g_timers.erase(timerId) == 0) return TIMERR_NOCANDO;
  common::g_changed.wait(g, [&] {
    return common::g_firing != timerId || common::g_firingThread == std::this_thread::get_id();
  });
  return TIMERR_NOERROR;
}

DWORD timeGetTime() { return static_cast<DWORD>(common::ClockMs()) + common::g_shown; }

DWORD GetTickCount() { return timeGetTime(); }

std::int64_t GetCalendarTime() { return common::CalendarSeconds(); }

void Sleep(DWORD ms) { common::PassTime(ms); }

}  // namespace plat
