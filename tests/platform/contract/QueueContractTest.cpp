// The message queue: order, filters, thread messages, WM_QUIT, translation,
// sends and their nesting, and painting.
#include <string>
#include <vector>

#include "tests/platform/contract/Contract.h"

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

}  // namespace
