// Clocks, sleeping and the multimedia periodic timer.
#pragma once

#include <cstdint>

#include "platform/include/plat/types.h"

namespace plat {

// Milliseconds since an arbitrary start; wraps after 2^32 ms, so callers
// take unsigned differences.
DWORD timeGetTime();
DWORD GetTickCount();
// Seconds since 1970-01-01 UTC.
std::int64_t GetCalendarTime();
// Gives up the thread for at least ms milliseconds. Messages are not handled.
void Sleep(DWORD ms);

struct TIMECAPS {
  UINT wPeriodMin;
  UINT wPeriodMax;
};
constexpr UINT TIMERR_NOERROR = 0;
constexpr UINT TIMERR_NOCANDO = 97;
constexpr UINT TIME_ONESHOT = 0;
constexpr UINT TIME_PERIODIC = 1;
using LPTIMECALLBACK = void (*)(UINT timerId, UINT msg, std::uintptr_t user,
                                std::uintptr_t reserved1, std::uintptr_t reserved2);

UINT timeGetDevCaps(TIMECAPS* caps, UINT size);
UINT timeBeginPeriod(UINT period);
UINT timeEndPeriod(UINT period);
// The callback runs on another thread; it must touch nothing but atomic
// flags. Answers the timer id, 0 on failure.
UINT timeSetEvent(UINT delay, UINT resolution, LPTIMECALLBACK callback, std::uintptr_t user,
                  UINT kind);
UINT timeKillEvent(UINT timerId);

}  // namespace plat
