// Window classes and windows: creation, sizes and frames, showing and
// maximising, text, destruction, subclassing, cursors and accelerators.
#include <algorithm>
#include <cstring>
#include <vector>

#include "tests/platform/contract/Contract.h"

namespace {

using namespace plat;

class Window : public contract::Contract {};

int FrameWidth() { return 2 * GetSystemMetrics(SM_CXFRAME); }
int FrameHeight() { return 2 * GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION); }

TEST_F(Window, ClassNamesAreUniqueAndNeedAProcedure) {
  WNDCLASS wc{};
  wc.lpszClassName = "WindowClassTest";
  EXPECT_EQ(RegisterClass(&wc), 0);  // no procedure
  wc.lpfnWndProc = DefWindowProc;
  EXPECT_NE(RegisterClass(&wc), 0);
  wc.lpszClassName = "windowclasstest";
  EXPECT_EQ(RegisterClass(&wc), 0);  // names ignore case
  wc.lpszClassName = "BUTTON";
  EXPECT_EQ(RegisterClass(&wc), 0);
  EXPECT_EQ(RegisterClass(nullptr), 0);
  EXPECT_EQ(CreateWindow("NoSuchClass", "", WS_POPUP, 0, 0, 10, 10, nullptr, 0, nullptr, nullptr),
            nullptr);
  EXPECT_TRUE(UnregisterClass("WindowClassTest", nullptr));
  EXPECT_FALSE(UnregisterClass("WindowClassTest", nullptr));
}

TEST_F(Window, CreationAsksForLimitsThenSendsCreateWithTheParam) {
  int param = 5;
  HWND hwnd = Create(WS_POPUP, 0, 0, 40, 30, "T", &param);
  ASSERT_NE(hwnd, nullptr);
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[0].msg, static_cast<UINT>(WM_GETMINMAXINFO));
  EXPECT_EQ(log[1].msg, static_cast<UINT>(WM_CREATE));
  EXPECT_EQ(log[1].lParam, reinterpret_cast<LPARAM>(&param));
  EXPECT_FALSE(IsWindowVisible(hwnd));  // not WS_VISIBLE
  DestroyWindow(hwnd);
}

TEST_F(Window, ACreateAnswerOfMinusOneDestroysIt) {
  hook = [](HWND, UINT msg, WPARAM, LPARAM, LRESULT* r) {
    if (msg != WM_CREATE) return false;
    *r = -1;
    return true;
  };
  EXPECT_EQ(Create(WS_POPUP, 0, 0, 10, 10), nullptr);
  EXPECT_TRUE(Has(WM_DESTROY));
}

TEST_F(Window, TheClientAreaIsTheOuterSizeLessTheFrame) {
  HWND framed = Create(WS_OVERLAPPEDWINDOW, 10, 10, 640 + FrameWidth(), 480 + FrameHeight());
  HWND popup = Create(WS_POPUP, 0, 0, 300, 200);
  RECT r;
  ASSERT_TRUE(GetClientRect(framed, &r));
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.right, 640);
  EXPECT_EQ(r.bottom, 480);
  ASSERT_TRUE(GetClientRect(popup, &r));
  EXPECT_EQ(r.right, 300);
  EXPECT_EQ(r.bottom, 200);
  ASSERT_TRUE(GetWindowRect(framed, &r));
  EXPECT_EQ(r.right - r.left, 640 + FrameWidth());
  EXPECT_EQ(r.bottom - r.top, 480 + FrameHeight());
  DestroyWindow(framed);
  DestroyWindow(popup);
}

TEST_F(Window, TextIsSetAndCopiedWithinTheBuffer) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 10, 10, "First");
  char buffer[16];
  EXPECT_EQ(GetWindowText(hwnd, buffer, sizeof buffer), 5);
  EXPECT_STREQ(buffer, "First");
  ASSERT_TRUE(SetWindowText(hwnd, "A longer title"));
  EXPECT_EQ(GetWindowText(hwnd, buffer, 5), 4);
  EXPECT_STREQ(buffer, "A lo");
  EXPECT_EQ(GetWindowText(nullptr, buffer, 5), 0);
  EXPECT_TRUE(Has(WM_SETTEXT));
  DestroyWindow(hwnd);
}

#if PLAT_CONTRACT_DESKTOP
// The desktop shows a maximised picture scaled to the window; headless
// a maximised window's client area grows (HeadlessWindowsTest).
TEST_F(Window, ShowAnswersTheEarlierVisibilityAndMaximiseIsReportedOnDesktop) {
  HWND hwnd = Create(WS_OVERLAPPEDWINDOW, 20, 20, 320 + FrameWidth(), 240 + FrameHeight());
  EXPECT_FALSE(ShowWindow(hwnd, SW_SHOWNORMAL));
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_TRUE(ShowWindow(hwnd, SW_SHOWNORMAL));
  EXPECT_TRUE(ShowWindow(hwnd, SW_SHOWMAXIMIZED));
  EXPECT_TRUE(IsZoomed(hwnd));
  // The picture keeps its size; the window scales it.
  ASSERT_TRUE(contract::PumpUntil([&] {
    for (const auto& r : log) {
      if (r.msg == WM_SIZE && r.wParam == SIZE_MAXIMIZED) return true;
    }
    return false;
  }));
  for (const auto& r : log) {
    if (r.msg == WM_SIZE && r.wParam == SIZE_MAXIMIZED) {
      EXPECT_EQ(GET_X_LPARAM(r.lParam), 320);
      EXPECT_EQ(GET_Y_LPARAM(r.lParam), 240);
    }
  }
  RECT client;
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, 320);
  ShowWindow(hwnd, SW_RESTORE);
  EXPECT_FALSE(IsZoomed(hwnd));
  EXPECT_TRUE(ShowWindow(hwnd, SW_HIDE));
  EXPECT_FALSE(IsWindowVisible(hwnd));
  EXPECT_TRUE(Has(WM_SHOWWINDOW));
  DestroyWindow(hwnd);
}
#endif

TEST_F(Window, TheMinimumTrackingSizeHolds) {
  hook = [](HWND, UINT msg, WPARAM, LPARAM l, LRESULT*) {
    if (msg == WM_GETMINMAXINFO) {
      reinterpret_cast<MINMAXINFO*>(l)->ptMinTrackSize = POINT{400, 300};
    }
    return false;
  };
  HWND hwnd = Create(WS_OVERLAPPEDWINDOW, 0, 0, 500, 400);
  ShowWindow(hwnd, SW_SHOWNORMAL);
  MoveWindow(hwnd, 0, 0, 200, 150, TRUE);
  RECT r;
  GetWindowRect(hwnd, &r);
  EXPECT_GE(r.right - r.left, 400);
  EXPECT_GE(r.bottom - r.top, 300);
  DestroyWindow(hwnd);
}

TEST_F(Window, DestroySendsDestroyAndTakesTheControlsAlong) {
  HWND hwnd = Create(WS_POPUP | WS_VISIBLE, 0, 0, 300, 200);
  HWND text = CreateWindow("STATIC", "Please wait", WS_CHILD | WS_VISIBLE, 30, 30, 240, 70, hwnd,
                           7, GetModuleInstance(), nullptr);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(GetParent(text), hwnd);
  char buffer[32];
  GetWindowText(text, buffer, sizeof buffer);
  EXPECT_STREQ(buffer, "Please wait");
  ASSERT_TRUE(DestroyWindow(hwnd));
  EXPECT_TRUE(Has(WM_DESTROY));
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_FALSE(IsWindow(text));
  EXPECT_FALSE(DestroyWindow(hwnd));
  EXPECT_FALSE(ShowWindow(hwnd, SW_SHOW));
  RECT r;
  EXPECT_FALSE(GetClientRect(hwnd, &r));
  EXPECT_EQ(GetDC(hwnd), nullptr);
}

LRESULT CountingProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_USER ? 77 : 0; }

TEST_F(Window, SubclassingReplacesTheProcedureAndUserDataStays) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 10, 10);
  SetWindowUserData(hwnd, 1234);
  WNDPROC old = SubclassWindow(hwnd, CountingProc);
  ASSERT_NE(old, nullptr);
  EXPECT_EQ(SendMessage(hwnd, WM_USER, 0, 0), 77);
  EXPECT_FALSE(Has(WM_USER));
  CallWindowProc(old, hwnd, WM_USER + 5, 0, 0);
  EXPECT_TRUE(Has(WM_USER + 5));
  EXPECT_EQ(GetWindowUserData(hwnd), 1234);
  EXPECT_EQ(SubclassWindow(hwnd, old), CountingProc);
  DestroyWindow(hwnd);
}

WNDPROC g_staticProc = nullptr;
int g_staticErased = 0;

LRESULT ErasedStaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_ERASEBKGND) ++g_staticErased;
  return CallWindowProc(g_staticProc, hwnd, msg, wParam, lParam);
}

// Whatever the device showed before, the program's first painting covers
// a background erased once: the window's and each control's.
TEST_F(Window, AWindowShownForTheFirstTimeIsErasedThenPainted) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 300, 200);
  HWND text = CreateWindow("STATIC", "Please wait", WS_CHILD | WS_VISIBLE, 30, 30, 240, 70, hwnd,
                           7, GetModuleInstance(), nullptr);
  ASSERT_NE(text, nullptr);
  g_staticErased = 0;
  g_staticProc = SubclassWindow(text, ErasedStaticProc);
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);
  UpdateWindow(text);
  EXPECT_EQ(Count(WM_PAINT), 1);
  EXPECT_EQ(Count(WM_ERASEBKGND), 1);
  EXPECT_EQ(g_staticErased, 1);
  DestroyWindow(hwnd);
}

// The old text must not show through the new one.
TEST_F(Window, AStaticWhoseTextChangesIsErasedAndPaintedAgain) {
  HWND hwnd = Create(WS_POPUP | WS_VISIBLE, 0, 0, 300, 200);
  HWND text = CreateWindow("STATIC", "Please wait", WS_CHILD | WS_VISIBLE, 30, 30, 240, 70, hwnd,
                           7, GetModuleInstance(), nullptr);
  ASSERT_NE(text, nullptr);
  g_staticProc = SubclassWindow(text, ErasedStaticProc);
  UpdateWindow(hwnd);
  UpdateWindow(text);
  g_staticErased = 0;
  SetWindowText(text, "Ready");
  UpdateWindow(text);
  EXPECT_EQ(g_staticErased, 1);
  DestroyWindow(hwnd);
}

TEST_F(Window, FindWindowMatchesClassAndTitleIgnoringCase) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 10, 10, "Black Jack");
  EXPECT_EQ(FindWindow("contract0", nullptr), hwnd);
  EXPECT_EQ(FindWindow("Contract0", "black jack"), hwnd);
  EXPECT_EQ(FindWindow("Contract0", "Keno"), nullptr);
  EXPECT_EQ(FindWindow("NoProgramHasThisClass", nullptr), nullptr);
  EXPECT_EQ(FindWindow(nullptr, nullptr), nullptr);
  DestroyWindow(hwnd);
  EXPECT_EQ(FindWindow("Contract0", nullptr), nullptr);
}

TEST_F(Window, MovingByTheProgramResizesThePicture) {
  HWND hwnd = Create(WS_POPUP | WS_VISIBLE, 0, 0, 320, 240);
  MoveWindow(hwnd, 0, 0, 800, 480, TRUE);
  contract::PumpFor(100);
  RECT client;
  GetClientRect(hwnd, &client);
  // The program's picture keeps its size; only MoveWindow by the program changes it.
  EXPECT_EQ(client.right, 800);
  EXPECT_EQ(client.bottom, 480);
  DestroyWindow(hwnd);
}

#if PLAT_CONTRACT_DESKTOP
// The desktop shows a maximised picture scaled to the window; headless
// a maximised window's client area grows (HeadlessWindowsTest).
TEST_F(Window, MaximisedPointsMapToPictureCoordinatesOnDesktop) {
  HWND hwnd = Create(WS_POPUP | WS_VISIBLE, 0, 0, 320, 240);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  ShowWindow(hwnd, SW_SHOWMAXIMIZED);
  contract::PumpFor(100);
  RECT frame;
  GetWindowRect(hwnd, &frame);
  const int w = frame.right - frame.left;
  const int h = frame.bottom - frame.top;
  ASSERT_GT(w, 320);
  const double scale = std::min(w / 320.0, h / 240.0);
  const int left = frame.left + static_cast<int>((w - 320 * scale) / 2);
  const int top = frame.top + static_cast<int>((h - 240 * scale) / 2);
  POINT p{160, 120};
  ASSERT_TRUE(ClientToScreen(hwnd, &p));
  EXPECT_NEAR(p.x, left + 160 * scale, 2);
  EXPECT_NEAR(p.y, top + 120 * scale, 2);
  ASSERT_TRUE(ScreenToClient(hwnd, &p));
  EXPECT_NEAR(p.x, 160, 1);
  EXPECT_NEAR(p.y, 120, 1);
  RECT client;
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, 320);
  DestroyWindow(hwnd);
}
#endif

TEST_F(Window, CursorsStandardAndResourceCursors) {
  HCURSOR hand = LoadCursor(nullptr, IDC_HAND);
  HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
  ASSERT_NE(hand, nullptr);
  ASSERT_NE(arrow, nullptr);
  EXPECT_NE(hand, arrow);
  EXPECT_EQ(LoadCursor(nullptr, 12345), nullptr);
  RegisterCursorResource(106, IDC_HAND);
  EXPECT_EQ(LoadCursor(GetModuleInstance(), 106), hand);
  EXPECT_EQ(LoadCursor(GetModuleInstance(), 107), nullptr);
  SetCursor(arrow);
  EXPECT_EQ(SetCursor(hand), arrow);
  EXPECT_EQ(SetCursor(LoadCursor(nullptr, IDC_WAIT)), hand);
  EXPECT_NE(LoadIcon(GetModuleInstance(), 133), nullptr);
}

TEST_F(Window, AcceleratorsKeysOfTheTableBecomeCommands) {
  static const ACCEL kTable[] = {{FVIRTKEY, static_cast<WORD>(VK_F1), 104}, {0, 'h', 105}};
  RegisterAcceleratorResource(103, kTable, 2);
  HACCEL table = LoadAccelerators(GetModuleInstance(), 103);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(LoadAccelerators(GetModuleInstance(), 999), nullptr);
  HWND hwnd = Create(WS_POPUP, 0, 0, 10, 10);
  MSG f1{hwnd, WM_KEYDOWN, VK_F1, 1, 0, {}};
  MSG p{hwnd, WM_CHAR, 'h', 1, 0, {}};
  MSG q{hwnd, WM_CHAR, 'q', 1, 0, {}};
  MSG f1Char{hwnd, WM_CHAR, VK_F1, 1, 0, {}};  // 'p': no entry
  EXPECT_EQ(TranslateAccelerator(hwnd, table, &f1), 1);
  EXPECT_EQ(TranslateAccelerator(hwnd, table, &p), 1);
  EXPECT_EQ(TranslateAccelerator(hwnd, table, &q), 0);
  EXPECT_EQ(TranslateAccelerator(hwnd, table, &f1Char), 0);
  std::vector<WPARAM> commands;
  for (const auto& r : log) {
    if (r.msg == WM_COMMAND) commands.push_back(r.wParam);
  }
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_EQ(commands[0], MAKEWPARAM(104, 1));
  EXPECT_EQ(commands[1], MAKEWPARAM(105, 1));
  EXPECT_TRUE(DestroyAcceleratorTable(table));
  EXPECT_FALSE(DestroyAcceleratorTable(table));
  EXPECT_EQ(TranslateAccelerator(hwnd, table, &f1), 0);
  DestroyWindow(hwnd);
}

TEST_F(Window, MetricsTheScreenIsTheDisplays) {
  EXPECT_GE(GetSystemMetrics(SM_CXSCREEN), 640);
  EXPECT_GE(GetSystemMetrics(SM_CYSCREEN), 480);
  EXPECT_GT(GetSystemMetrics(SM_CYCAPTION), 0);
}

}  // namespace
