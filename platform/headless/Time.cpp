// The virtual clock, Sleep and the multimedia timer.
#include <algorithm>

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
  s.timers.clear();
  s.periodsBegun = 0;
  s.timerCapsFail = false;
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

using namespace hl;

DWORD timeGetTime() { return static_cast<DWORD>(S().elapsed) + S().clockOffset; }

DWORD GetTickCount() { return timeGetTime(); }

std::int64_t GetCalendarTime() {
  const State& s = S();
  return s.calendarBase + static_cast<std::int64_t>((s.elapsed - s.calendarSetAt) / 1000);
}

void Sleep(DWORD ms) { AdvanceBy(ms); }

UINT timeGetDevCaps(TIMECAPS* caps, UINT size) {
  if (!caps || size < sizeof(TIMECAPS) || S().timerCapsFail) return TIMERR_NOCANDO;
  caps->wPeriodMin = 1;
  caps->wPeriodMax = 1000000;
  return TIMERR_NOERROR;
}

UINT timeBeginPeriod(UINT period) {
  if (period < 1 || period > 1000000) return TIMERR_NOCANDO;
  ++S().periodsBegun;
  return TIMERR_NOERROR;
}

UINT timeEndPeriod(UINT period) {
  if (period < 1 || period > 1000000 || S().periodsBegun == 0) return TIMERR_NOCANDO;
  --S().periodsBegun;
  return TIMERR_NOERROR;
}

UINT timeSetEvent(UINT delay, UINT, LPTIMECALLBACK callback, std::uintptr_t user, UINT kind) {
  if (!callback || delay == 0 || delay > 1000000) return 0;
  if (kind != TIME_ONESHOT && kind != TIME_PERIODIC) return 0;
  State& s = S();
  MmTimer t;
  t.id = s.nextTimerId++;
  t.delay = delay;
  t.kind = kind;
  t.callback = callback;
  t.user = user;
  t.due = s.elapsed + delay;
  s.timers.push_back(t);
  return t.id;
}

UINT timeKillEvent(UINT timerId) {
  auto& v = S().timers;
  auto it = std::find_if(v.begin(), v.end(), [&](const MmTimer& t) { return t.id == timerId; });
  if (it == v.end()) return TIMERR_NOCANDO;
  v.erase(it);
  return TIMERR_NOERROR;
}

namespace headless {

DWORD Now() { return timeGetTime(); }

void SetClock(DWORD ms) { S().clockOffset = ms - static_cast<DWORD>(S().elapsed); }

void AdvanceClock(DWORD ms) { AdvanceBy(ms); }

void SetCalendarTime(std::int64_t seconds) {
  S().calendarBase = seconds;
  S().calendarSetAt = S().elapsed;
}

void SetTimerCapsFail(BOOL fail) { S().timerCapsFail = fail != FALSE; }
int PeriodsBegun() { return S().periodsBegun; }
int RunningTimers() { return static_cast<int>(S().timers.size()); }

}  // namespace headless
}  // namespace plat
