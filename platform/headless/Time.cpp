// The virtual clock and the multimedia timers that run on it.
#include <algorithm>

#include "platform/common/Device.h"
#include "platform/common/Schedule.h"
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
  s.blockedRounds = 0;
  common::ResetTimers();
  common::SetShownClock(0);
}

// Walks the clock to target, stopping at each timer that falls due and each
// piece of music that ends, in time order (timers first at equal times).
void AdvanceBy(std::uint64_t ms) {
  State& s = S();
  const std::uint64_t target = s.elapsed + ms;
  for (;;) {
    std::uint64_t timer = 0, end = 0;
    const bool haveTimer = common::EarliestTimerDue(&timer) && timer <= target;
    const bool haveEnd = common::NextPieceEnd(&end) && end <= target;
    if (!haveTimer && !haveEnd) break;
    s.elapsed = std::max(s.elapsed, haveTimer && (!haveEnd || timer <= end) ? timer : end);
    if (common::FireDueTimer(s.elapsed)) continue;
    common::EndDuePieces();
  }
  s.elapsed = std::max(s.elapsed, target);  // a callback may have slept past it
}

}  // namespace hl

namespace common {

std::uint64_t ClockMs() { return hl::S().elapsed; }

std::int64_t CalendarSeconds() {
  const hl::State& s = hl::S();
  return s.calendarBase + static_cast<std::int64_t>((s.elapsed - s.calendarSetAt) / 1000);
}

void PassTime(DWORD ms) { hl::AdvanceBy(ms); }

// The virtual clock fires the timers as it moves (AdvanceBy).
void TimersChanged() {}

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
int RunningTimers() { return common::RunningTimers(); }

}  // namespace headless
}  // namespace plat
