// The multimedia timer and the clock: the schedule and its rules are kept
// once; the device (Device.h) keeps the time and fires what falls due.
#pragma once

#include <cstdint>

#include "platform/include/plat/time.h"

namespace plat::common {

// When a periodic timer due at due fires next: one period on, or one period
// from now when it has fallen more than four periods behind (no burst).
std::uint64_t NextTimerDue(std::uint64_t due, UINT delay, std::uint64_t now);
// The earliest due time of the timers running; false when none runs.
bool EarliestTimerDue(std::uint64_t* when);
// Fires the earliest timer due at or before now (by due time, then id); a
// one-shot stops running as its callback starts. False when none was due.
bool FireDueTimer(std::uint64_t now);
// How many timers run.
int RunningTimers();
// Forgets the timers, the periods begun and a failing timeGetDevCaps, as a
// fresh program has none of them; no callback may be under way.
void ResetTimers();
// Makes timeGetDevCaps fail (a machine without a multimedia timer).
void SetTimerCapsFail(bool fail);
// How many timeBeginPeriod calls are not yet ended.
int PeriodsBegun();
// timeGetTime answers ms now and counts on from there (tests of the wrap).
void SetShownClock(DWORD ms);

}  // namespace plat::common
