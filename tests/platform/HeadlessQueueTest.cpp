// The headless queue with its own input and virtual clock: the order of
// input against posts, idle rounds; the queue's shared rules are in the
// platform contract (tests/platform/contract).
#include <string>
#include <vector>

#include "tests/platform/HeadlessFixture.h"

namespace {

using namespace plat;
using headless_test::Headless;

class Queue : public Headless {};

TEST_F(Queue, PostedMessagesComeBeforeInputThenQuitThenPaint) {
  Register(0, "Game", nullptr);
  HWND h = Create("Game");
  ShowWindow(h, SW_SHOW);  // leaves a paint waiting
  headless::PostMouse(h, WM_LBUTTONDOWN, 5, 6, MK_LBUTTON);
  PostMessage(h, WM_USER + 1, 0, 0);
  headless::PostKey(h, 'A', TRUE, FALSE);
  PostQuitMessage(3);
  PostMessage(h, WM_USER + 2, 0, 0);
  PostMessage(nullptr, WM_USER + 3, 0, 0);  // a thread message
  std::vector<UINT> order;
  MSG m;
  while (GetMessage(&m, nullptr, 0, 0)) {
    order.push_back(m.message);
    DispatchMessage(&m);
  }
  EXPECT_EQ(m.wParam, 3u);
  EXPECT_EQ(order, (std::vector<UINT>{WM_USER + 1, WM_USER + 2, WM_USER + 3, WM_LBUTTONDOWN, WM_KEYDOWN}));
  // The paint waits until the queue is otherwise empty.
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_PAINT);
  DispatchMessage(&m);
  EXPECT_FALSE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(Queue, InputCarriesRepeatFlagsAndTranslationMakesCharacters) {
  Register(0, "Game", nullptr);
  HWND h = Create("Game");
  headless::PostKey(h, 'D', TRUE, FALSE);
  headless::PostKey(h, 'D', TRUE, TRUE);
  headless::PostKey(h, 'D', FALSE, FALSE);
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
  headless::PostKey(h, VK_LEFT, TRUE, FALSE);
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_TRUE(TranslateMessage(&m));
  EXPECT_FALSE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(Queue, MouseInputAsksForTheCursorAndMovesThePointer) {
  RegisterCursorResource(106, IDC_HAND);
  std::vector<UINT> seen;
  Register(0, "Game", [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    seen.push_back(m);
    if (m == WM_SETCURSOR) {
      SetCursor(LoadCursor(GetModuleInstance(), 106));
      return TRUE;
    }
    return DefWindowProc(h, m, w, l);
  });
  HWND h = CreateWindow("Game", "", WS_POPUP, 100, 100, 200, 200, nullptr, 0, nullptr, nullptr);
  seen.clear();
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
  EXPECT_EQ(seen, (std::vector<UINT>{WM_SETCURSOR, WM_MOUSEMOVE, WM_SETCURSOR, WM_LBUTTONDOWN, WM_SETCURSOR,
                                     WM_LBUTTONUP}));
  EXPECT_EQ(where, (std::vector<LPARAM>(3, MAKELPARAM(10, 20))));
  EXPECT_EQ(headless::CurrentCursor(), IDC_HAND);
}

TEST_F(Queue, EmptyChecksCallTheIdleHookAndMoveTheClock) {
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

TEST_F(Queue, AnEmptyPeekRunsOneIdleRoundAndTheNextFindsWhatItPosted) {
  Register(0, "Game", nullptr);
  HWND h = Create("Game");
  headless::SetIdleHook([&] { PostMessage(h, WM_USER, 0, 0); });
  MSG m;
  EXPECT_FALSE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  headless::SetIdleHook(nullptr);
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_USER);
  EXPECT_EQ(m.time, 0u);  // posted before the clock moved
  EXPECT_EQ(timeGetTime(), 1u);
}

TEST_F(Queue, GetMessageWaitsThroughIdleRoundsUntilTheHookPosts) {
  Register(0, "Game", nullptr);
  HWND h = Create("Game");
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

TEST_F(Queue, WaitMessageReturnsWhenSomethingArrives) {
  Register(0, "Game", nullptr);
  HWND h = Create("Game");
  headless::SetIdleHook([&] {
    if (timeGetTime() == 10) headless::PostKey(h, VK_SPACE, TRUE, FALSE);
  });
  EXPECT_TRUE(WaitMessage());
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_KEYDOWN);
  EXPECT_EQ(m.time, 10u);
}

TEST_F(Queue, DispatchDropsThreadMessagesAndMessagesOfGoneWindows) {
  int handled = 0;
  Register(0, "Game", [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_USER) ++handled;
    return DefWindowProc(h, m, w, l);
  });
  HWND h = Create("Game");
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
  EXPECT_EQ(handled, 1);
}

}  // namespace
