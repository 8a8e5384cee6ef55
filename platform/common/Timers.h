// The multimedia timer: its rules are kept once, the device runs the timers.
#pragma once

#include <cstdint>

#include "platform/include/plat/time.h"

namespace plat::common {

// Supplied by the backend: calls callback(id, 0, user, 0, 0) delay ms from
// now and, when periodic, every delay ms after that until stopped.
void StartTimer(UINT id, UINT delay, LPTIMECALLBACK callback, std::uintptr_t user, bool periodic);
// Supplied by the backend: stops the timer; false when it is not running.
bool StopTimer(UINT id);
// Forgets the periods begun and a failing timeGetDevCaps, as a fresh
// program has neither.
void ResetTimerPeriods();
// Makes timeGetDevCaps fail (a machine without a multimedia timer).
void SetTimerCapsFail(bool fail);
// How many timeBeginPeriod calls are not yet ended.
int PeriodsBegun();

}  // namespace plat::common
