#include "platform/common/Timers.h"

#include <atomic>
#include <mutex>

#include "platform/common/Device.h"

namespace plat::common {
namespace {

constexpr UINT kPeriodMin = 1;
constexpr UINT kPeriodMax = 1000000;

std::mutex g_lock;
int g_periodsBegun = 0;
std::atomic<bool> g_capsFail{false};
std::atomic<UINT> g_nextId{1};

bool ValidPeriod(UINT period) { return period >= kPeriodMin && period <= kPeriodMax; }

}  // namespace

std::uint64_t NextTimerDue(std::uint64_t due, UINT delay, std::uint64_t now) {
  const std::uint64_t period = delay ? delay : 1;
  const std::uint64_t next = due + period;
  return next + 4 * period < now ? now + period : next;
}

void ResetTimerPeriods() {
  std::lock_guard<std::mutex> g(g_lock);
  g_periodsBegun = 0;
  g_capsFail = false;
}

void SetTimerCapsFail(bool fail) { g_capsFail = fail; }

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
  common::StartTimer(id, delay, callback, user, kind == TIME_PERIODIC);
  return id;
}

UINT timeKillEvent(UINT timerId) { return common::StopTimer(timerId) ? TIMERR_NOERROR : TIMERR_NOCANDO; }

}  // namespace plat
