// The virtual clock and the multimedia timers that run on it.
#include <algorithm>

#include "platform/common/Device.h"
#include "platform/common/Sequencer.h"
#include "platform/common/Timers.h"
#include "platform/headless/State.h"

namespace plat {
namespace hl {

void ResetClock() {
  State& s = S();
  s.elapsed = 0;
  s.calendarBase = 1704067200;
  s.calendarSetAt = 0;
  s.idleAdvance = 1;
  s.idleHook = nullptr;
  s.timers.clear();
  common::ResetTimerPeriods();
  common::SetShownClock(0);
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
        due->due = common::NextTimerDue(t.due, t.delay, s.elapsed);
      } else {
        s.timers.erase(due);
      }
      t.callback(t.id, 0, t.user, 0, 0);
      continue;
    }
    common::EndDuePieces();
  }
  s.elapsed = std::max(s.elapsed, target);  // a callback may have slept past it
}

bool NextEventDue(std::uint64_t limit, std::uint64_t* when) {
  bool found = false;
  std::uint64_t best = 0;
  for (const MmTimer& t : S().timers) {
    if (t.due <= limit && (!found || t.due < best)) {
      best = t.due;
      found = true;
    }
  }
  std::uint64_t end = 0;
  if (common::NextPieceEnd(&end) && end <= limit && (!found || end < best)) {
    best = end;
    found = true;
  }
  if (found) *when = best;
  return found;
}

}  // namespace hl

namespace common {

std::uint64_t ClockMs() { return hl::S().elapsed; }

std::int64_t CalendarSeconds() {
  const hl::State& s = hl::S();
  return s.calendarBase + static_cast<std::int64_t>((s.elapsed - s.calendarSetAt) / 1000);
}

void PassTime(DWORD ms) { hl::AdvanceBy(ms); }

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

namespace headless {

DWORD Now() { return timeGetTime(); }

void SetClock(DWORD ms) { common::SetShownClock(ms); }

void AdvanceClock(DWORD ms) { hl::AdvanceBy(ms); }

void SetCalendarTime(std::int64_t seconds) {
  hl::S().calendarBase = seconds;
  hl::S().calendarSetAt = hl::S().elapsed;
}

void SetTimerCapsFail(BOOL fail) { common::SetTimerCapsFail(fail != FALSE); }
int PeriodsBegun() { return common::PeriodsBegun(); }
int RunningTimers() { return static_cast<int>(hl::S().timers.size()); }

}  // namespace headless
}  // namespace plat
