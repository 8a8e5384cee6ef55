#include <string>
#include <vector>

#include "tests/platform/HeadlessFixture.h"

namespace {

using namespace plat;
using headless_test::Headless;

class Windows : public Headless {};

TEST_F(Windows, ClassesAreUniqueAndComplete) {
  Register(0, "Game", nullptr);
  WNDCLASS wc{};
  wc.lpfnWndProc = DefWindowProc;
  wc.lpszClassName = "game";  // class names ignore case
  EXPECT_EQ(RegisterClass(&wc), 0);
  wc.lpszClassName = "BUTTON";
  EXPECT_EQ(RegisterClass(&wc), 0);
  wc.lpszClassName = nullptr;
  EXPECT_EQ(RegisterClass(&wc), 0);
  wc.lpszClassName = "Other";
  wc.lpfnWndProc = nullptr;
  EXPECT_EQ(RegisterClass(&wc), 0);
  EXPECT_EQ(RegisterClass(nullptr), 0);
  EXPECT_EQ(CreateWindow("Missing", "", 0, 0, 0, 10, 10, nullptr, 0, nullptr, nullptr), nullptr);
}

TEST_F(Windows, CreationSendsCreateWithTheParamAndMinusOneRefuses) {
  std::vector<UINT> seen;
  void* param = nullptr;
  LRESULT createAnswer = 0;
  Register(0, "Game", [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    seen.push_back(m);
    if (m == WM_CREATE) {
      param = reinterpret_cast<void*>(l);
      return createAnswer;
    }
    return DefWindowProc(h, m, w, l);
  });
  int token = 0;
  HWND h = CreateWindow("Game", "Craps", WS_POPUP, 0, 0, 100, 50, nullptr, 0, nullptr, &token);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(param, &token);
  EXPECT_EQ(seen.front(), WM_GETMINMAXINFO);
  EXPECT_EQ(seen[1], WM_CREATE);
  EXPECT_FALSE(IsWindowVisible(h));
  char title[16];
  EXPECT_EQ(GetWindowText(h, title, sizeof title), 5);
  EXPECT_STREQ(title, "Craps");
  EXPECT_EQ(GetWindowText(h, title, 3), 2);
  EXPECT_STREQ(title, "Cr");

  createAnswer = -1;
  seen.clear();
  EXPECT_EQ(CreateWindow("Game", "", WS_POPUP, 0, 0, 10, 10, nullptr, 0, nullptr, nullptr), nullptr);
  EXPECT_EQ(seen.back(), WM_DESTROY);
}

TEST_F(Windows, FramedClientAreaAndGeometry) {
  Register(0, "Game", nullptr);
  const int fw = GetSystemMetrics(SM_CXFRAME), ch = GetSystemMetrics(SM_CYCAPTION);
  HWND h = CreateWindow("Game", "", WS_OVERLAPPEDWINDOW, 100, 50, 640 + 2 * fw, 480 + 2 * fw + ch, nullptr, 0,
                        nullptr, nullptr);
  RECT r;
  ASSERT_TRUE(GetClientRect(h, &r));
  EXPECT_EQ(r.right, 640);
  EXPECT_EQ(r.bottom, 480);
  ASSERT_TRUE(GetWindowRect(h, &r));
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 50);
  POINT p{0, 0};
  ClientToScreen(h, &p);
  EXPECT_EQ(p.x, 100 + fw);
  EXPECT_EQ(p.y, 50 + fw + ch);
  ScreenToClient(h, &p);
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 0);
}

TEST_F(Windows, ShowMaximiseRestoreAndMinimumTracking) {
  std::vector<WPARAM> sizes;
  Register(0, "Game", [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_SIZE) sizes.push_back(w);
    if (m == WM_GETMINMAXINFO) {
      auto* mmi = reinterpret_cast<MINMAXINFO*>(l);
      mmi->ptMinTrackSize = POINT{650, 510};
      mmi->ptMaxTrackSize = POINT{400 + 8, 259 + 28};
      return 0;
    }
    return DefWindowProc(h, m, w, l);
  });
  HWND h = Create("Game", "", WS_OVERLAPPEDWINDOW, 300, 200);
  EXPECT_FALSE(ShowWindow(h, SW_SHOWMAXIMIZED));
  EXPECT_TRUE(IsWindowVisible(h));
  EXPECT_TRUE(IsZoomed(h));
  EXPECT_EQ(sizes.back(), SIZE_MAXIMIZED);
  RECT r;
  GetClientRect(h, &r);
  EXPECT_EQ(r.right, 400);  // limited by the maximum tracking size
  EXPECT_EQ(r.bottom, 259);
  EXPECT_TRUE(ShowWindow(h, SW_RESTORE));
  EXPECT_FALSE(IsZoomed(h));
  GetWindowRect(h, &r);
  EXPECT_EQ(r.right - r.left, 300);
  ShowWindow(h, SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(h));
  EXPECT_EQ(sizes.back(), SIZE_MINIMIZED);
  ShowWindow(h, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(h));
}

TEST_F(Windows, ShowingActivatesAndSendsActivateApp) {
  std::vector<WPARAM> activeApp;
  Register(0, "Game", [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_ACTIVATEAPP) activeApp.push_back(w);
    return DefWindowProc(h, m, w, l);
  });
  Register(1, "Main Client", nullptr);
  HWND other = Create("Main Client");
  HWND h = Create("Game");
  ShowWindow(h, SW_SHOWNORMAL);
  EXPECT_EQ(headless::ForegroundWindow(), h);
  EXPECT_EQ(GetFocus(), h);
  ASSERT_EQ(activeApp.size(), 1u);
  EXPECT_EQ(activeApp[0], 1u);
  SetForegroundWindow(other);
  EXPECT_EQ(headless::ForegroundWindow(), other);
  ASSERT_EQ(activeApp.size(), 2u);
  EXPECT_EQ(activeApp[1], 0u);
  headless::SetAppActive(TRUE);
  EXPECT_EQ(activeApp.back(), 1u);
  headless::SetAppActive(FALSE);
  EXPECT_EQ(activeApp.back(), 0u);
}

TEST_F(Windows, FindWindowByClassAndTitle) {
  Register(0, "Craps", nullptr);
  Register(1, "Main Client", nullptr);
  HWND a = Create("Craps", "Craps");
  HWND b = Create("Main Client", "Relay");
  EXPECT_EQ(FindWindow("Craps", nullptr), a);
  EXPECT_EQ(FindWindow("craps", "Craps"), a);
  EXPECT_EQ(FindWindow("Craps", "Other"), nullptr);
  EXPECT_EQ(FindWindow("Main Client", nullptr), b);
  EXPECT_EQ(FindWindow("Nobody", nullptr), nullptr);
  EXPECT_EQ(FindWindow(nullptr, nullptr), nullptr);
  DestroyWindow(a);
  EXPECT_EQ(FindWindow("Craps", nullptr), nullptr);
}

TEST_F(Windows, DestroySendsDestroyToTheWindowAndItsChildren) {
  std::vector<std::string> order;
  Register(0, "Game", [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_DESTROY) order.push_back("parent");
    return DefWindowProc(h, m, w, l);
  });
  Register(1, "Child", [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_DESTROY) order.push_back("child");
    return DefWindowProc(h, m, w, l);
  });
  HWND h = Create("Game");
  HWND c = CreateWindow("Child", "", WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, h, 7, nullptr, nullptr);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(GetParent(c), h);
  EXPECT_EQ(GetDlgItem(h, 7), c);
  EXPECT_EQ(GetDlgCtrlID(c), 7);
  EXPECT_TRUE(DestroyWindow(h));
  EXPECT_FALSE(IsWindow(h));
  EXPECT_FALSE(IsWindow(c));
  EXPECT_EQ(order, (std::vector<std::string>{"parent", "child"}));
  EXPECT_FALSE(DestroyWindow(h));
}

TEST_F(Windows, CloseDestroysByDefault) {
  Register(0, "Game", nullptr);
  HWND h = Create("Game");
  SendMessage(h, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(h));
}

TEST_F(Windows, SubclassingAndUserData) {
  Register(0, "Game", nullptr);
  HWND h = Create("Game");
  HWND edit = CreateWindow("EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, h, 5, nullptr, nullptr);
  ASSERT_NE(edit, nullptr);
  static WNDPROC old = nullptr;
  static int painted = 0;
  painted = 0;
  old = SubclassWindow(edit, [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m == WM_PAINT) ++painted;
    return CallWindowProc(old, w, m, wp, lp);
  });
  ASSERT_NE(old, nullptr);
  InvalidateRect(edit, nullptr, TRUE);
  UpdateWindow(edit);
  EXPECT_EQ(painted, 1);
  SetWindowText(edit, "typed");  // still reaches the control's own procedure
  char buf[16];
  GetWindowText(edit, buf, sizeof buf);
  EXPECT_STREQ(buf, "typed");
  SetWindowUserData(h, 1234);
  EXPECT_EQ(GetWindowUserData(h), 1234);
}

TEST_F(Windows, NullAndUnknownHandlesFail) {
  HWND bogus = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0xDEAD0));
  for (HWND h : {static_cast<HWND>(nullptr), bogus}) {
    EXPECT_FALSE(IsWindow(h));
    EXPECT_FALSE(DestroyWindow(h));
    EXPECT_FALSE(ShowWindow(h, SW_SHOW));
    EXPECT_FALSE(UpdateWindow(h));
    EXPECT_FALSE(InvalidateRect(h, nullptr, TRUE));
    EXPECT_FALSE(IsWindowVisible(h));
    EXPECT_FALSE(SetForegroundWindow(h));
    EXPECT_FALSE(EnableWindow(h, TRUE));
    EXPECT_FALSE(SetWindowText(h, "x"));
    char buf[4] = "abc";
    EXPECT_EQ(GetWindowText(h, buf, sizeof buf), 0);
    RECT r;
    EXPECT_FALSE(GetClientRect(h, &r));
    EXPECT_FALSE(GetWindowRect(h, &r));
    EXPECT_FALSE(MoveWindow(h, 0, 0, 1, 1, TRUE));
    POINT p{};
    EXPECT_FALSE(ScreenToClient(h, &p));
    EXPECT_EQ(SendMessage(h, WM_USER, 1, 2), 0);
    EXPECT_EQ(GetParent(h), nullptr);
    EXPECT_EQ(SubclassWindow(h, DefWindowProc), nullptr);
    EXPECT_EQ(GetWindowUserData(h), 0);
    SetWindowUserData(h, 5);
    EXPECT_EQ(DefWindowProc(h, WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(CreateWindow("EDIT", "", WS_CHILD, 0, 0, 1, 1, h, 1, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetDC(bogus), nullptr);
    EXPECT_EQ(ReleaseDC(h, reinterpret_cast<HDC>(bogus)), 0);
    EXPECT_EQ(headless::Pixel(h, 0, 0), CLR_INVALID);
    EXPECT_FALSE(headless::SavePng(h, "/tmp/never.png"));
    EXPECT_EQ(GetDlgItem(h, 1), nullptr);
    EXPECT_EQ(MessageBox(bogus, "x", "y", MB_OK), 0);
  }
  MSG m{};
  EXPECT_FALSE(PostMessage(bogus, WM_USER, 0, 0));
  EXPECT_FALSE(PeekMessage(&m, bogus, 0, 0, PM_REMOVE));
  EXPECT_FALSE(PeekMessage(nullptr, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(DispatchMessage(nullptr), 0);
  EXPECT_FALSE(TranslateMessage(nullptr));
  EXPECT_EQ(TranslateAccelerator(bogus, nullptr, &m), 0);
  EXPECT_FALSE(DestroyAcceleratorTable(reinterpret_cast<HACCEL>(bogus)));
  EXPECT_EQ(SetCursor(reinterpret_cast<HCURSOR>(bogus)), nullptr);
}

const ACCEL kAccel[] = {{FVIRTKEY, static_cast<WORD>(VK_F1), 104}, {FVIRTKEY | FCONTROL, 'Q', 105}, {0, 'x', 106}};

TEST_F(Windows, AcceleratorsSendCommands) {
  RegisterAcceleratorResource(103, kAccel, 3);
  std::vector<WPARAM> commands;
  Register(0, "Game", [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_COMMAND) commands.push_back(w);
    return DefWindowProc(h, m, w, l);
  });
  HWND h = Create("Game");
  HACCEL acc = LoadAccelerators(GetModuleInstance(), 103);
  ASSERT_NE(acc, nullptr);
  EXPECT_EQ(LoadAccelerators(GetModuleInstance(), 999), nullptr);
  headless::PostKey(h, VK_F1, TRUE, FALSE);
  headless::PostKey(h, 'Q', TRUE, FALSE);  // without control: no match
  headless::PostKey(h, VK_CONTROL, TRUE, FALSE);
  headless::PostKey(h, 'Q', TRUE, FALSE);
  headless::PostKey(h, VK_CONTROL, FALSE, FALSE);
  headless::PostChar(h, 'x', FALSE);
  MSG m;
  int translated = 0;
  while (PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) translated += TranslateAccelerator(h, acc, &m);
  EXPECT_EQ(translated, 3);
  EXPECT_EQ(commands, (std::vector<WPARAM>{MAKEWPARAM(104, 1), MAKEWPARAM(105, 1), MAKEWPARAM(106, 1)}));
  EXPECT_TRUE(DestroyAcceleratorTable(acc));
  EXPECT_EQ(TranslateAccelerator(h, acc, &m), 0);
}

TEST_F(Windows, CursorsByResourceAndStandardId) {
  RegisterCursorResource(106, IDC_HAND);
  HCURSOR hand = LoadCursor(GetModuleInstance(), 106);
  HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
  ASSERT_NE(hand, nullptr);
  ASSERT_NE(arrow, nullptr);
  EXPECT_EQ(LoadCursor(GetModuleInstance(), 107), nullptr);
  EXPECT_EQ(LoadCursor(nullptr, 12345), nullptr);
  EXPECT_EQ(headless::CurrentCursor(), IDC_ARROW);  // the pointer starts as the arrow
  EXPECT_EQ(SetCursor(hand), arrow);
  EXPECT_EQ(headless::CurrentCursor(), IDC_HAND);
  EXPECT_EQ(SetCursor(arrow), hand);
  EXPECT_EQ(headless::CurrentCursor(), IDC_ARROW);
  EXPECT_NE(LoadIcon(GetModuleInstance(), 133), nullptr);
}

TEST_F(Windows, ScreenMetricsFollowTheScriptedScreen) {
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
  headless::SetScreen(640, 480, 8);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 480);
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 8);
  EXPECT_EQ(GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE, 0);
  ReleaseDC(nullptr, screen);
}

}  // namespace
