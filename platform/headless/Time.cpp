// The virtual clock, Sleep and the multimedia timer.
#include <algorithm>

#include "platform/common/Timers.h"
#include "platform/headless/State.h"

namespace plat {
namespace hl {

void ResetClock() {
  State& s = S();
  s.elapsed = 0;
  s.clockOffset = 0;
  s.calendarBase = 1704067200;
  s.calendarSetAt = 0;
  s.idleAdvance = 1;
  s.idleHook = nullptr;
  s.blockedRounds = 0;
  s.timers.clear();
  common::ResetTimerPeriods();
}

// Walks the clock to target, stopping at each timer that falls due and each
// piece of music that ends, in time order (timers first at equal times).
void AdvanceBy(std::uint64_t ms) {
  State& s = S();
  const std::uint64_t target = s.elapsed + ms;
  for (;;) {
    std::uint64_t when = 0;
    if (!NextEventDue(target, &when)) break;
    s.elapsed = std::max(s.elapsed, when);
    // The earliest due timer, by due time then id.
    auto due = s.timers.end();
    for (auto it = s.timers.begin(); it != s.timers.end(); ++it) {
      if (it->due <= s.elapsed && (due == s.timers.end() || it->due < due->due ||
                                   (it->due == due->due && it->id < due->id)))
        due = it;
    }
    if (due != s.timers.end()) {
      const MmTimer t = *due;
      if (t.kind == TIME_PERIODIC) {
        due->due += std::max<UINT>(t.delay, 1);
      } else {
        s.timers.erase(due);
      }
      t.callback(t.id, 0, t.user, 0, 0);
      continue;
    }
    RunMidiEventsAt(s.elapsed);
  }
  s.elapsed = std::max(s.elapsed, target);  // a callback may have slept past it
}

bool NextEventDue(std::uint64_t limit, std::uint64_t* when) {
  State& s = S();
  bool found = false;
  std::uint64_t best = 0;
  for (const MmTimer& t : s.timers) {
    if (t.due <= limit && (!found || t.due < best)) {
      best = t.due;
      found = true;
    }
  }
  for (const auto& [id, d] : s.midi) {
    if (d.mode != MCI_MODE_PLAY) continue;
    const std::uint64_t end = d.playStart + (d.playTo > d.playFrom ? d.playTo - d.playFrom : 0);
    if (end <= limit && (!found || end < best)) {
      best = end;
      found = true;
    }
  }
  if (found) *when = best;
  return found;
}

}  // namespace hl

namespace common {

void StartTimer(UINT id, UINT delay, LPTIMECALLBACK callback, std::uintptr_t user, bool periodic) {
  hl::State& s = hl::S();
  s.timers.push_back(hl::MmTimer{id, delay, periodic ? TIME_PERIODIC : TIME_ONESHOT, callback, user,
                                 s.elapsed + delay});
}

bool StopTimer(UINT id) {
  auto& v = hl::S().timers;
  auto it = std::find_if(v.begin(), v.end(), [&](const hl::MmTimer& t) { return t.id == id; });
  if (it == v.end()) return false;
  v.erase(it);
  return true;
}

}  // namespace common

using namespace hl;

DWORD timeGetTime() { return static_cast<DWORD>(S().elapsed) + S().clockOffset; }

DWORD GetTickCount() { return timeGetTime(); }

std::int64_t GetCalendarTime() {
  const State& s = S();
  return s.calendarBase + static_cast<std::int64_t>((s.elapsed - s.calendarSetAt) / 1000);
}

void Sleep(DWORD ms) { AdvanceBy(ms); }

namespace headless {

DWORD Now() { return timeGetTime(); }

void SetClock(DWORD ms) { S().clockOffset = ms - static_cast<DWORD>(S().elapsed); }

void AdvanceClock(DWORD ms) { AdvanceBy(ms); }

void SetCalendarTime(std::int64_t seconds) {
  S().calendarBase = seconds;
  S().calendarSetAt = S().elapsed;
}

void SetTimerCapsFail(BOOL fail) { common::SetTimerCapsFail(fail != FALSE); }
int PeriodsBegun() { return common::PeriodsBegun(); }
int RunningTimers() { return static_cast<int>(S().timers.size()); }

}  // namespace headless
}  // namespace plat
