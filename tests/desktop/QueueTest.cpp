// The message queue: order, filters, thread messages, WM_QUIT, translation,
// posts from another thread and the multimedia timer.
#include <gtest/gtest.h>

#include <atomic>

#include "tests/desktop/TestSupport.h"
#include "platform/include/plat/plat.h"

using namespace plat;
using desktop_test::CRecordingClass;

namespace {

constexpr UINT kFirst = WM_USER + 1;
constexpr UINT kSecond = WM_USER + 2;
constexpr UINT kThird = WM_USER + 3;

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

TEST_F(QueueTest, PostedMessagesComeInOrderAndPeekCanLeaveThem) {
  ASSERT_TRUE(PostMessage(hwnd, kFirst, 1, 10));
  ASSERT_TRUE(PostMessage(hwnd, kSecond, 2, 20));
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.message, kFirst);
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, kFirst);
  EXPECT_EQ(m.hwnd, hwnd);
  EXPECT_EQ(m.wParam, 1u);
  EXPECT_EQ(m.lParam, 10);
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, kSecond);
  EXPECT_FALSE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(QueueTest, FiltersPickByRangeAndWindow) {
  PostMessage(hwnd, kFirst, 0, 0);
  PostMessage(nullptr, kSecond, 0, 0);
  PostMessage(hwnd, kThird, 0, 0);
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, nullptr, kThird, kThird, PM_REMOVE));
  EXPECT_EQ(m.message, kThird);
  ASSERT_TRUE(PeekMessage(&m, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, kSecond);
  EXPECT_EQ(m.hwnd, nullptr);
  ASSERT_TRUE(PeekMessage(&m, hwnd, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, kFirst);
}

TEST_F(QueueTest, ThreadMessagesAreNotDispatched) {
  PostMessage(nullptr, kFirst, 0, 0);
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.hwnd, nullptr);
  EXPECT_EQ(DispatchMessage(&m), 0);
  EXPECT_FALSE(windows.Has(kFirst));
}

TEST_F(QueueTest, QuitComesAfterWhatWasPostedBefore) {
  PostMessage(hwnd, kFirst, 0, 0);
  PostQuitMessage(7);
  MSG m;
  ASSERT_TRUE(GetMessage(&m, nullptr, 0, 0));
  EXPECT_EQ(m.message, kFirst);
  EXPECT_FALSE(GetMessage(&m, nullptr, 0, 0));
  EXPECT_EQ(m.message, WM_QUIT);
  EXPECT_EQ(m.wParam, 7u);
  EXPECT_FALSE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(QueueTest, TranslationPutsTheCharacterNextAndKeepsTheRepeatBit) {
  PostMessage(hwnd, WM_KEYDOWN, 'A', 1 | KEY_REPEAT_FLAG);
  PostMessage(hwnd, kFirst, 0, 0);
  MSG m;
  ASSERT_TRUE(GetMessage(&m, nullptr, 0, 0));
  ASSERT_EQ(m.message, WM_KEYDOWN);
  EXPECT_TRUE(TranslateMessage(&m));
  ASSERT_TRUE(GetMessage(&m, nullptr, 0, 0));
  EXPECT_EQ(m.message, WM_CHAR);
  EXPECT_EQ(m.wParam, static_cast<WPARAM>('a'));
  EXPECT_TRUE(m.lParam & KEY_REPEAT_FLAG);
  ASSERT_TRUE(GetMessage(&m, nullptr, 0, 0));
  EXPECT_EQ(m.message, kFirst);
  MSG up{hwnd, WM_KEYUP, 'A', 0, 0, {}};
  EXPECT_FALSE(TranslateMessage(&up));
}

TEST_F(QueueTest, SendCallsTheProcedureAtOnceAndAnswersItsResult) {
  windows.hook = [](HWND, UINT msg, WPARAM w, LPARAM, LRESULT* r) {
    if (msg != kFirst) return false;
    *r = static_cast<LRESULT>(w * 3);
    return true;
  };
  EXPECT_EQ(SendMessage(hwnd, kFirst, 14, 0), 42);
  EXPECT_EQ(SendMessage(nullptr, kFirst, 14, 0), 0);
  EXPECT_EQ(SendMessage(reinterpret_cast<HWND>(0x1234), kFirst, 14, 0), 0);
}

TEST_F(QueueTest, MouseMessagesAskForTheCursorFirst) {
  PostMessage(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 6));
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  ASSERT_EQ(m.message, static_cast<UINT>(WM_MOUSEMOVE));
  ASSERT_TRUE(windows.Has(WM_SETCURSOR));
  EXPECT_EQ(windows.log.back().msg, static_cast<UINT>(WM_SETCURSOR));
  EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(windows.log.back().lParam)), 1);  // client area
  EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(windows.log.back().lParam)), WM_MOUSEMOVE);
}

TEST_F(QueueTest, AnEmptyQueueAnswersNothingAndPostsToGoneWindowsFail) {
  MSG m;
  EXPECT_FALSE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_FALSE(PeekMessage(nullptr, nullptr, 0, 0, PM_REMOVE));
  HWND other = windows.Create(WS_POPUP, 0, 0, 10, 10);
  PostMessage(other, kFirst, 0, 0);
  DestroyWindow(other);
  EXPECT_FALSE(PostMessage(other, kFirst, 0, 0));
  while (PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) EXPECT_NE(m.hwnd, other);
}

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
