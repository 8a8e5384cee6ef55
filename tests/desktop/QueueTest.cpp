// Real time on the desktop: posts from the timer thread wake a waiting
// queue. The queue's own rules, the multimedia timer and the clock are in
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
  EXPECT_EQ(timeKillEvent(timer), TIMERR_NOCANDO);  // a one-shot ended when it fired
}

}  // namespace
