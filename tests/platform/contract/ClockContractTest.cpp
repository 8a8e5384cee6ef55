// The clock and the multimedia timer: real time on the desktop (the timer's
// callback on another thread), the virtual clock headless (Sleep moves it and
// the callbacks run on this thread).
#include <atomic>

#include "tests/platform/contract/Contract.h"

namespace {

using namespace plat;

class MultimediaTimer : public contract::Contract {};
class Clock : public contract::Contract {};

void CountTick(UINT, UINT, std::uintptr_t user, std::uintptr_t, std::uintptr_t) {
  ++*reinterpret_cast<std::atomic<int>*>(user);
}

TEST_F(MultimediaTimer, PeriodicEventsRunUntilKilled) {
  TIMECAPS caps{};
  ASSERT_EQ(timeGetDevCaps(&caps, sizeof caps), TIMERR_NOERROR);
  EXPECT_LE(caps.wPeriodMin, 1u);
  EXPECT_GE(caps.wPeriodMax, 1000u);
  EXPECT_EQ(timeGetDevCaps(&caps, 1), TIMERR_NOCANDO);
  EXPECT_EQ(timeBeginPeriod(caps.wPeriodMin), TIMERR_NOERROR);
  EXPECT_EQ(timeBeginPeriod(0), TIMERR_NOCANDO);
  std::atomic<int> count{0};
  const UINT timer = timeSetEvent(5, 1, CountTick, reinterpret_cast<std::uintptr_t>(&count),
                                  TIME_PERIODIC);
  ASSERT_NE(timer, 0u);
  const DWORD start = timeGetTime();
  while (count < 5 && timeGetTime() - start < 10000) Sleep(1);
  EXPECT_GE(count.load(), 5);
  EXPECT_EQ(timeKillEvent(timer), TIMERR_NOERROR);
  const int after = count.load();
  Sleep(30);
  EXPECT_EQ(count.load(), after);
  EXPECT_EQ(timeKillEvent(timer), TIMERR_NOCANDO);
  EXPECT_EQ(timeEndPeriod(caps.wPeriodMin), TIMERR_NOERROR);
  EXPECT_EQ(timeSetEvent(5, 1, nullptr, 0, TIME_PERIODIC), 0u);
}

TEST_F(MultimediaTimer, AOneShotFiresOnce) {
  std::atomic<int> count{0};
  const UINT timer = timeSetEvent(5, 1, CountTick, reinterpret_cast<std::uintptr_t>(&count),
                                  TIME_ONESHOT);
  ASSERT_NE(timer, 0u);
  const DWORD start = timeGetTime();
  while (count < 1 && timeGetTime() - start < 10000) Sleep(1);
  Sleep(30);
  EXPECT_EQ(count.load(), 1);
  timeKillEvent(timer);
}

TEST_F(Clock, MillisecondsMoveWithSleepAndCalendarTimeIsNow) {
  const DWORD a = timeGetTime();
  Sleep(20);
  const DWORD b = timeGetTime();
  EXPECT_GE(static_cast<DWORD>(b - a), 20u);
  EXPECT_LE(static_cast<DWORD>(GetTickCount() - b), 1000u);
  EXPECT_GT(GetCalendarTime(), 1600000000);  // after September 2020
}

}  // namespace
