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
// Forgets the periods begun, as a fresh program has none.
void ResetTimerPeriods();

}  // namespace plat::common
