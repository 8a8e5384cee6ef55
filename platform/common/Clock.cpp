// The tick clocks and Sleep over the device's clock.
#include <atomic>

#include "platform/common/Device.h"
#include "platform/common/Timers.h"

namespace plat {
namespace {

std::atomic<DWORD> g_shown{0};  // what timeGetTime adds to the device clock

}  // namespace

namespace common {

void SetShownClock(DWORD ms) { g_shown = ms - static_cast<DWORD>(ClockMs()); }

}  // namespace common

DWORD timeGetTime() { return static_cast<DWORD>(common::ClockMs()) + g_shown; }

DWORD GetTickCount() { return timeGetTime(); }

std::int64_t GetCalendarTime() { return common::CalendarSeconds(); }

void Sleep(DWORD ms) { common::PassTime(ms); }

}  // namespace plat
