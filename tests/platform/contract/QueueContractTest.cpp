// The message queue: order, filters, thread messages, WM_QUIT, translation,
// sends and their nesting, painting, waking for a post from another thread,
// and the order of input (injected headless, real keys on the desktop).
#include <algorithm>
#include <atomic>
#include <string>
#include <vector>

#include "tests/platform/contract/Contract.h"
#if PLAT_CONTRACT_HEADLESS
#include "platform/include/plat/headless.h"
#else
#include "tests/platform/contract/RealInput.h"
#endif

namespace {

using namespace plat;

constexpr UINT kFirst = WM_USER + 1;
constexpr UINT kSecond = WM_USER + 2;
constexpr UINT kThird = WM_USER + 3;

// A shown window whose first paint is already done.
class Queue : public contract::Contract {
 protected:
  void SetUp() override {
    Contract::SetUp();
    hwnd = MakeWindow(50, 50, 0);
    ASSERT_NE(hwnd, nullptr);
    MSG m;
    while (PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&m);
  }
  HWND hwnd = nullptr;
};

TEST_F(Queue, PostedMessagesComeInOrderAndPeekCanLeaveThem) {
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

TEST_F(Queue, FiltersPickByRangeAndWindow) {
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

TEST_F(Queue, FiltersAndNoRemove) {
  HWND a = hwnd;
  HWND b = MakeWindow(20, 20, 0);
  PostMessage(a, kFirst, 0, 0);
  PostMessage(b, kSecond, 0, 0);
  PostMessage(a, kThird, 0, 0);
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, b, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.message, kSecond);
  ASSERT_TRUE(PeekMessage(&m, nullptr, kThird, kThird, PM_REMOVE));
  EXPECT_EQ(m.message, kThird);
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, kFirst);
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, kSecond);
  EXPECT_EQ(m.hwnd, b);
}

TEST_F(Queue, ThreadMessagesAreNotDispatched) {
  PostMessage(nullptr, kFirst, 0, 0);
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.hwnd, nullptr);
  EXPECT_EQ(DispatchMessage(&m), 0);
  EXPECT_EQ(Count(kFirst), 0);
}

TEST_F(Queue, QuitComesAfterWhatWasPostedBefore) {
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

TEST_F(Queue, TranslationPutsTheCharacterNextAndKeepsTheRepeatBit) {
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
  // Every key message answers TRUE, whether it made a character or not.
  MSG up{hwnd, WM_KEYUP, 'A', 0, 0, {}};
  EXPECT_TRUE(TranslateMessage(&up));
  MSG left{hwnd, WM_KEYDOWN, VK_LEFT, 0, 0, {}};
  EXPECT_TRUE(TranslateMessage(&left));
  MSG other{hwnd, kFirst, 'A', 0, 0, {}};
  EXPECT_FALSE(TranslateMessage(&other));
  EXPECT_FALSE(PeekMessage(&m, nullptr, WM_CHAR, WM_CHAR, PM_REMOVE));
}

TEST_F(Queue, SendCallsTheProcedureAtOnceAndAnswersItsResult) {
  hook = [](HWND, UINT msg, WPARAM w, LPARAM, LRESULT* r) {
    if (msg != kFirst) return false;
    *r = static_cast<LRESULT>(w * 3);
    return true;
  };
  EXPECT_EQ(SendMessage(hwnd, kFirst, 14, 0), 42);
  EXPECT_EQ(SendMessage(nullptr, kFirst, 14, 0), 0);
  EXPECT_EQ(SendMessage(reinterpret_cast<HWND>(0x1234), kFirst, 14, 0), 0);
}

// A window procedure that sends back to the sender while it handles a send.
TEST_F(Queue, NestedSendsRunInsideEachOther) {
  std::vector<std::string> trace;
  const UINT single = RegisterWindowMessage("-=! single message idstring !=-");
  HWND game = hwnd;
  HWND relay = MakeWindow(20, 20, 0);
  hook = [&](HWND h, UINT m, WPARAM w, LPARAM l, LRESULT* r) {
    if (m != single) return false;
    if (h == game && w == 5) {
      trace.push_back("game: alive query");
      *r = -3;
      return true;
    }
    if (h == relay && w == 3) {
      trace.push_back("relay: connect");
      const LRESULT alive = SendMessage(LParamToHandle(l), single, 5, 0);
      trace.push_back("relay: alive answered " + std::to_string(alive));
      *r = 1;
      return true;
    }
    return false;
  };
  EXPECT_EQ(SendMessage(relay, single, 3, HandleToLParam(game)), 1);
  EXPECT_EQ(trace, (std::vector<std::string>{"relay: connect", "game: alive query", "relay: alive answered -3"}));
}

TEST_F(Queue, CopyDataReachesTheReceiverDuringTheSend) {
  std::string got;
  hook = [&](HWND, UINT m, WPARAM, LPARAM l, LRESULT* r) {
    if (m != WM_COPYDATA) return false;
    const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(l);
    got = std::to_string(cds->dwData) + ":" + static_cast<const char*>(cds->lpData);
    *r = 1;
    return true;
  };
  const char text[] = "command=connect";
  COPYDATASTRUCT cds{1, sizeof text, text};
  EXPECT_EQ(SendMessage(hwnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds)), 1);
  EXPECT_EQ(got, "1:command=connect");
}

TEST_F(Queue, MouseMessagesAskForTheCursorFirst) {
  std::vector<LPARAM> cursorAsks;
  hook = [&](HWND, UINT m, WPARAM, LPARAM l, LRESULT*) {
    if (m == WM_SETCURSOR) cursorAsks.push_back(l);
    return false;
  };
  PostMessage(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 6));
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  ASSERT_EQ(m.message, static_cast<UINT>(WM_MOUSEMOVE));
  ASSERT_EQ(cursorAsks.size(), 1u);
  EXPECT_EQ(log.back().msg, static_cast<UINT>(WM_SETCURSOR));
  EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(cursorAsks[0])), 1);  // client area
  EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(cursorAsks[0])), WM_MOUSEMOVE);
}

TEST_F(Queue, AnEmptyQueueAnswersNothingAndPostsToGoneWindowsFail) {
  MSG m;
  EXPECT_FALSE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_FALSE(PeekMessage(nullptr, nullptr, 0, 0, PM_REMOVE));
  HWND other = MakeWindow(10, 10, 0);
  DestroyWindow(other);
  EXPECT_FALSE(PostMessage(other, kFirst, 0, 0));
}

TEST_F(Queue, MessagesWaitingForADestroyedWindowAreDropped) {
  HWND other = MakeWindow(10, 10, 0);
  PostMessage(other, kFirst, 0, 0);
  DestroyWindow(other);
  MSG m;
  while (PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) EXPECT_NE(m.hwnd, other);
}

TEST_F(Queue, UpdateWindowPaintsAtOnceAndBeginPaintValidates) {
  ShowWindow(hwnd, SW_SHOW);
  InvalidateRect(hwnd, nullptr, FALSE);
  const int before = Count(WM_PAINT);
  UpdateWindow(hwnd);
  EXPECT_EQ(Count(WM_PAINT), before + 1);
  UpdateWindow(hwnd);
  EXPECT_EQ(Count(WM_PAINT), before + 1);
  MSG m;
  EXPECT_FALSE(PeekMessage(&m, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE));
#if PLAT_CONTRACT_HEADLESS
  EXPECT_FALSE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));  // nothing else: no display sends events
#endif
  InvalidateRect(hwnd, nullptr, FALSE);
  ASSERT_TRUE(PeekMessage(&m, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE));
  EXPECT_EQ(m.hwnd, hwnd);
}

TEST_F(Queue, DispatchDropsThreadMessagesAndMessagesOfGoneWindows) {
  HWND h = MakeWindow(20, 20, 0);
  PostMessage(nullptr, WM_USER, 0, 0);
  PostMessage(h, WM_USER, 0, 0);
  PostMessage(h, WM_USER, 0, 0);
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.hwnd, nullptr);
  EXPECT_EQ(DispatchMessage(&m), 0);
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  DispatchMessage(&m);
  const MSG taken = m;  // taken while the window lived
  DestroyWindow(h);
  EXPECT_FALSE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));  // what waited for it went with it
  EXPECT_EQ(DispatchMessage(&taken), 0);
  int handled = 0;
  for (const contract::Received& r : log) handled += r.hwnd == h && r.msg == WM_USER;
  EXPECT_EQ(handled, 1);
}

// The multimedia timer's callback runs on another thread on the desktop and
// on the virtual clock headless; either way its post ends the wait.
std::atomic<int> g_ticks{0};
HWND g_target = nullptr;

void PostTick(UINT, UINT, std::uintptr_t, std::uintptr_t, std::uintptr_t) {
  if (g_ticks++ == 0) PostMessage(g_target, kFirst, 0, 0);
}

TEST_F(Queue, WaitMessageWakesForAPostFromTheTimerThread) {
  g_ticks = 0;
  g_target = hwnd;
  const UINT timer = timeSetEvent(20, 1, PostTick, 0, TIME_ONESHOT);
  ASSERT_NE(timer, 0u);
  MSG m;
  while (!PeekMessage(&m, nullptr, kFirst, kFirst, PM_REMOVE)) WaitMessage();
  EXPECT_EQ(m.hwnd, hwnd);
  EXPECT_EQ(timeKillEvent(timer), TIMERR_NOCANDO);  // a one-shot ended when it fired
}

#if PLAT_CONTRACT_HEADLESS

TEST_F(Queue, PostedMessagesComeBeforeInputThenQuitThenPaintHeadless) {
  ShowWindow(hwnd, SW_SHOW);  // leaves a paint waiting
  headless::PostMouse(hwnd, WM_LBUTTONDOWN, 5, 6, MK_LBUTTON);
  PostMessage(hwnd, kFirst, 0, 0);
  headless::PostKey(hwnd, 'A', TRUE, FALSE);
  PostQuitMessage(3);
  PostMessage(hwnd, kSecond, 0, 0);
  PostMessage(nullptr, kThird, 0, 0);  // a thread message
  std::vector<UINT> order;
  MSG m;
  while (GetMessage(&m, nullptr, 0, 0)) {
    order.push_back(m.message);
    DispatchMessage(&m);
  }
  EXPECT_EQ(m.wParam, 3u);
  EXPECT_EQ(order, (std::vector<UINT>{kFirst, kSecond, kThird, WM_LBUTTONDOWN, WM_KEYDOWN}));
  // The paint waits until the queue is otherwise empty.
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_PAINT);
  DispatchMessage(&m);
  EXPECT_FALSE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(Queue, InputCarriesRepeatFlagsAndTranslationMakesCharactersHeadless) {
  headless::PostKey(hwnd, 'D', TRUE, FALSE);
  headless::PostKey(hwnd, 'D', TRUE, TRUE);
  headless::PostKey(hwnd, 'D', FALSE, FALSE);
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_KEYDOWN);
  EXPECT_EQ(m.lParam & KEY_REPEAT_FLAG, 0);
  EXPECT_TRUE(TranslateMessage(&m));
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_CHAR);  // the posted character comes before further input
  EXPECT_EQ(m.wParam, static_cast<WPARAM>('d'));
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_KEYDOWN);
  EXPECT_NE(m.lParam & KEY_REPEAT_FLAG, 0);
  TranslateMessage(&m);
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_CHAR);
  EXPECT_NE(m.lParam & KEY_REPEAT_FLAG, 0);
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_KEYUP);
  EXPECT_TRUE(TranslateMessage(&m));
  headless::PostKey(hwnd, VK_LEFT, TRUE, FALSE);
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_TRUE(TranslateMessage(&m));
  EXPECT_FALSE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(Queue, MouseInputAsksForTheCursorAndMovesThePointerHeadless) {
  RegisterCursorResource(106, IDC_HAND);
  HWND h = Create(WS_POPUP, 100, 100, 200, 200);
  hook = [](HWND, UINT m, WPARAM, LPARAM, LRESULT* r) {
    if (m != WM_SETCURSOR) return false;
    SetCursor(LoadCursor(GetModuleInstance(), 106));
    *r = TRUE;
    return true;
  };
  log.clear();
  headless::Click(h, 10, 20);
  POINT p;
  GetCursorPos(&p);
  EXPECT_EQ(p.x, 110);
  EXPECT_EQ(p.y, 120);
  MSG m;
  std::vector<LPARAM> where;
  while (PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) {
    where.push_back(m.lParam);
    DispatchMessage(&m);
  }
  std::vector<UINT> seen;
  for (const contract::Received& r : log) {
    if (r.hwnd == h) seen.push_back(r.msg);
  }
  EXPECT_EQ(seen, (std::vector<UINT>{WM_SETCURSOR, WM_MOUSEMOVE, WM_SETCURSOR, WM_LBUTTONDOWN, WM_SETCURSOR,
                                     WM_LBUTTONUP}));
  EXPECT_EQ(where, (std::vector<LPARAM>(3, MAKELPARAM(10, 20))));
  EXPECT_EQ(headless::CurrentCursor(), IDC_HAND);
}

// The idle rounds of an empty queue: the test's hook runs, then the virtual
// clock moves. No window is made before, so the clock starts at 0.
class IdleRounds : public contract::Contract {
 protected:
  void TearDown() override {
    headless::SetIdleHook(nullptr);  // the tests' hooks refer to their own locals
    Contract::TearDown();
  }
};

TEST_F(IdleRounds, EmptyChecksCallTheIdleHookAndMoveTheClockHeadless) {
  int calls = 0;
  headless::SetIdleHook([&] { ++calls; });
  MSG m;
  EXPECT_FALSE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(timeGetTime(), 1u);
  headless::SetIdleAdvance(5);
  EXPECT_FALSE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(timeGetTime(), 6u);
  EXPECT_EQ(GetTickCount(), 6u);
}

TEST_F(IdleRounds, AnEmptyPeekRunsOneIdleRoundAndTheNextFindsWhatItPostedHeadless) {
  HWND h = MakeWindow(20, 20, 0);
  headless::SetIdleHook([&] { PostMessage(h, WM_USER, 0, 0); });
  MSG m;
  EXPECT_FALSE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  headless::SetIdleHook(nullptr);
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_USER);
  EXPECT_EQ(m.time, 0u);  // posted before the clock moved
  EXPECT_EQ(timeGetTime(), 1u);
}

TEST_F(IdleRounds, GetMessageWaitsThroughIdleRoundsUntilTheHookPostsHeadless) {
  HWND h = MakeWindow(20, 20, 0);
  int rounds = 0;
  headless::SetIdleHook([&] {
    if (++rounds == 30) PostMessage(h, WM_CLOSE, 0, 0);
  });
  MSG m;
  ASSERT_TRUE(GetMessage(&m, nullptr, 0, 0));
  EXPECT_EQ(m.message, WM_CLOSE);
  EXPECT_EQ(rounds, 30);
  EXPECT_EQ(timeGetTime(), 30u);  // each round: the hook, then the clock
}

TEST_F(IdleRounds, WaitMessageReturnsWhenSomethingArrivesHeadless) {
  HWND h = MakeWindow(20, 20, 0);
  headless::SetIdleHook([&] {
    if (timeGetTime() == 10) headless::PostKey(h, VK_SPACE, TRUE, FALSE);
  });
  EXPECT_TRUE(WaitMessage());
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_KEYDOWN);
  EXPECT_EQ(m.time, 10u);
}

TEST_F(IdleRounds, WaitMessageTimeoutEndsEmptyWhenItsTimeHasPassedHeadless) {
  EXPECT_FALSE(WaitMessageTimeout(50));
  EXPECT_EQ(timeGetTime(), 50u);  // one idle round per millisecond
  // A clock that idle rounds do not move jumps to the end of the wait.
  headless::SetIdleAdvance(0);
  EXPECT_FALSE(WaitMessageTimeout(30));
  EXPECT_EQ(timeGetTime(), 80u);
  // The longest limit is no endless wait: it ends one clock turn later.
  EXPECT_FALSE(WaitMessageTimeout(0xFFFFFFFFu));
  EXPECT_EQ(timeGetTime(), 79u);
}

TEST_F(IdleRounds, WaitMessageTimeoutFindsWhatARoundBringsBeforeTheClockMovesHeadless) {
  HWND h = MakeWindow(20, 20, 0);
  headless::SetIdleHook([&] {
    if (timeGetTime() == 10) PostMessage(h, WM_USER, 0, 0);
  });
  EXPECT_TRUE(WaitMessageTimeout(1000));
  EXPECT_EQ(timeGetTime(), 10u);
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, h, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_USER);
}

TEST_F(IdleRounds, GetMessageForAWindowEndsWhenTheWindowGoesHeadless) {
  HWND h = MakeWindow(20, 20, 0);
  HWND other = MakeWindow(20, 20, 0);
  int rounds = 0;
  headless::SetIdleHook([&] {
    PostMessage(other, WM_USER, 0, 0);  // not for the window waited for
    if (++rounds == 5) DestroyWindow(h);
  });
  MSG m;
  EXPECT_FALSE(GetMessage(&m, h, 0, 0));
  EXPECT_EQ(rounds, 5);
  ASSERT_TRUE(PeekMessage(&m, other, 0, 0, PM_REMOVE));  // what came for others waits
  EXPECT_EQ(m.message, WM_USER);
}

#else

TEST_F(Queue, KeysArriveAsKeyMessagesOnDesktop) {
  ASSERT_EQ(std::system("command -v xdotool >/dev/null"), 0) << "scripts/setup installs xdotool";
  // Without a window manager the keyboard follows the pointer: the window
  // covers the screen.
  ShowWindow(hwnd, SW_SHOWMAXIMIZED);
  contract::PumpFor(300);
  contract::Xdotool("key a Escape");
  ASSERT_TRUE(contract::PumpUntil([&] {
    return std::any_of(log.begin(), log.end(),
                       [](const contract::Received& r) { return r.msg == WM_KEYUP && r.wParam == VK_ESCAPE; });
  }));
  std::vector<contract::Received> keys;
  for (const auto& r : log) {
    if (r.msg == WM_KEYDOWN || r.msg == WM_KEYUP || r.msg == WM_CHAR) keys.push_back(r);
  }
  // PumpUntil translates: each key-down of a character key brings its WM_CHAR.
  ASSERT_EQ(keys.size(), 6u);
  EXPECT_EQ(keys[0].msg, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_EQ(keys[0].wParam, static_cast<WPARAM>('A'));
  EXPECT_FALSE(keys[0].lParam & KEY_REPEAT_FLAG);
  EXPECT_EQ(keys[1].msg, static_cast<UINT>(WM_CHAR));
  EXPECT_EQ(keys[1].wParam, static_cast<WPARAM>('a'));
  EXPECT_EQ(keys[2].msg, static_cast<UINT>(WM_KEYUP));
  EXPECT_TRUE(keys[2].lParam & KEY_REPEAT_FLAG);  // the key was down before
  EXPECT_EQ(keys[3].wParam, VK_ESCAPE);
  EXPECT_EQ(keys[4].msg, static_cast<UINT>(WM_CHAR));
  EXPECT_EQ(keys[4].wParam, static_cast<WPARAM>(0x1B));
}

#endif

}  // namespace
