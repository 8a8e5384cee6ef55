// The multimedia timer and the clock: the schedule and its rules are kept
// once; the device (Device.h) keeps the time and fires what falls due.
#pragma once

#include <cstdint>

#include "platform/include/plat/time.h"

namespace plat::common {

// The earliest due time of the timers running; false when none runs.
bool EarliestTimerDue(std::uint64_t* when);
// Fires the earliest timer due at or before now (by due time, then id); a
// one-shot stops running as its callback starts. False when none was due.
bool FireDueTimer(std::uint64_t now);
int RunningTimers();
// Forgets the timers, the periods begun and a failing timeGetDevCaps, as a
// fresh program has none of them; no callback may be under way.
void ResetTimers();
void SetTimerCapsFail(bool fail);
int PeriodsBegun();
// timeGetTime answers ms now and counts on from there (tests of the wrap).
void SetShownClock(DWORD ms);

}  // namespace plat::common
