// The multimedia timer and the clock: their rules are kept once, the device
// (Device.h) runs the timers and keeps the time.
#pragma once

#include <cstdint>

#include "platform/include/plat/time.h"

namespace plat::common {

// When a periodic timer due at due fires next: one period on, or one period
// from now when it has fallen more than four periods behind (no burst).
std::uint64_t NextTimerDue(std::uint64_t due, UINT delay, std::uint64_t now);
// Forgets the periods begun and a failing timeGetDevCaps, as a fresh
// program has neither.
void ResetTimerPeriods();
// Makes timeGetDevCaps fail (a machine without a multimedia timer).
void SetTimerCapsFail(bool fail);
// How many timeBeginPeriod calls are not yet ended.
int PeriodsBegun();
// timeGetTime answers ms now and counts on from there (tests of the wrap).
void SetShownClock(DWORD ms);

}  // namespace plat::common
