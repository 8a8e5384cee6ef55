// Real time on the desktop: posts from the timer thread wake a waiting
// queue, the multimedia timer and the clock. The queue's own rules are in
// the platform contract (tests/platform/contract).
#include <gtest/gtest.h>

#include <atomic>

#include "tests/desktop/TestSupport.h"
#include "platform/include/plat/plat.h"

using namespace plat;
using desktop_test::CRecordingClass;

namespace {

constexpr UINT kFirst = WM_USER + 1;

struct QueueTest : testing::Test {
  void SetUp() override {
    hwnd = windows.Create(WS_POPUP, 0, 0, 50, 50);
    ASSERT_NE(hwnd, nullptr);
    MSG m;
    while (PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&m);  // its first WM_PAINT
  }
  void TearDown() override { DestroyWindow(hwnd); }
  CRecordingClass windows{"QueueTestWindow"};
  HWND hwnd = nullptr;
};

std::atomic<int> g_ticks{0};
HWND g_target = nullptr;

void CountTick(UINT, UINT, std::uintptr_t user, std::uintptr_t, std::uintptr_t) {
  ++*reinterpret_cast<std::atomic<int>*>(user);
}

void PostTick(UINT, UINT, std::uintptr_t, std::uintptr_t, std::uintptr_t) {
  if (g_ticks++ == 0) PostMessage(g_target, kFirst, 0, 0);
}

TEST_F(QueueTest, WaitMessageWakesForAPostFromTheTimerThread) {
  g_ticks = 0;
  g_target = hwnd;
  const UINT timer = timeSetEvent(20, 1, PostTick, 0, TIME_ONESHOT);
  ASSERT_NE(timer, 0u);
  MSG m;
  while (!PeekMessage(&m, nullptr, kFirst, kFirst, PM_REMOVE)) WaitMessage();
  EXPECT_EQ(m.hwnd, hwnd);
  EXPECT_EQ(timeKillEvent(timer), TIMERR_NOERROR);
}

TEST(MultimediaTimer, PeriodicEventsRunUntilKilled) {
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

TEST(MultimediaTimer, AOneShotFiresOnce) {
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

TEST(Clock, MillisecondsMoveWithSleepAndCalendarTimeIsNow) {
  const DWORD a = timeGetTime();
  Sleep(20);
  const DWORD b = timeGetTime();
  EXPECT_GE(static_cast<DWORD>(b - a), 20u);
  EXPECT_LE(static_cast<DWORD>(GetTickCount() - b), 1000u);
  EXPECT_GT(GetCalendarTime(), 1600000000);  // after September 2020
}

}  // namespace
