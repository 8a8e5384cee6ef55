// Window state on every device: classes and creation, frames, showing and
// maximising, activation and focus, finding, closing, subclassing, and
// handles that name no window. What only one device can show ends in its name.
#include <cstdint>
#include <string>
#include <vector>

#include "tests/platform/contract/Contract.h"
#if PLAT_CONTRACT_HEADLESS
#include "platform/include/plat/headless.h"
#endif

namespace {

using namespace plat;

class WindowState : public contract::Contract {
 protected:
  // wParam of every msg the window received, in order.
  std::vector<WPARAM> Params(HWND hwnd, UINT msg) const {
    std::vector<WPARAM> out;
    for (const contract::Received& r : log) {
      if (r.hwnd == hwnd && r.msg == msg) out.push_back(r.wParam);
    }
    return out;
  }
  // The limits the state tests ask for: a large minimum and a small maximum.
  void AskForLimits() {
    hook = [](HWND, UINT m, WPARAM, LPARAM l, LRESULT* r) {
      if (m != WM_GETMINMAXINFO) return false;
      auto* mmi = reinterpret_cast<MINMAXINFO*>(l);
      mmi->ptMinTrackSize = POINT{650, 510};
      mmi->ptMaxTrackSize = POINT{400 + 8, 259 + 28};
      *r = 0;
      return true;
    };
  }
};

TEST_F(WindowState, ClassesAreUniqueAndComplete) {
  ASSERT_NE(Register("Game"), 0);
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

TEST_F(WindowState, CreationSendsCreateWithTheParamAndMinusOneRefuses) {
  LRESULT createAnswer = 0;
  hook = [&](HWND, UINT m, WPARAM, LPARAM, LRESULT* r) {
    if (m != WM_CREATE) return false;
    *r = createAnswer;
    return true;
  };
  int token = 0;
  HWND h = Create(WS_POPUP, 0, 0, 100, 50, "Craps", &token);
  ASSERT_NE(h, nullptr);
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[1].lParam, reinterpret_cast<LPARAM>(&token));
  EXPECT_EQ(log.front().msg, WM_GETMINMAXINFO);
  EXPECT_EQ(log[1].msg, WM_CREATE);
  EXPECT_FALSE(IsWindowVisible(h));
  char title[16];
  EXPECT_EQ(GetWindowText(h, title, sizeof title), 5);
  EXPECT_STREQ(title, "Craps");
  EXPECT_EQ(GetWindowText(h, title, 3), 2);
  EXPECT_STREQ(title, "Cr");

  createAnswer = -1;
  log.clear();
  EXPECT_EQ(Create(WS_POPUP, 0, 0, 10, 10, ""), nullptr);
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back().msg, WM_DESTROY);
}

TEST_F(WindowState, FramedClientAreaAndGeometry) {
  const int fw = GetSystemMetrics(SM_CXFRAME), ch = GetSystemMetrics(SM_CYCAPTION);
  HWND h = Create(WS_OVERLAPPEDWINDOW, 100, 50, 640 + 2 * fw, 480 + 2 * fw + ch);
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

TEST_F(WindowState, ShowMaximiseRestoreAndMinimiseAreReported) {
  AskForLimits();
  HWND h = Create(WS_OVERLAPPEDWINDOW, 0, 0, 300, 200);
  EXPECT_FALSE(ShowWindow(h, SW_SHOWMAXIMIZED));
  EXPECT_TRUE(IsWindowVisible(h));
  EXPECT_TRUE(IsZoomed(h));
  EXPECT_EQ(Params(h, WM_SIZE).back(), static_cast<WPARAM>(SIZE_MAXIMIZED));
  EXPECT_TRUE(ShowWindow(h, SW_RESTORE));
  EXPECT_FALSE(IsZoomed(h));
  ShowWindow(h, SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(h));
  EXPECT_EQ(Params(h, WM_SIZE).back(), static_cast<WPARAM>(SIZE_MINIMIZED));
  ShowWindow(h, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(h));
}

// The maximised size is what maximising gives; it does not bound the
// sizes the window may take otherwise (the tracking size does).
TEST_F(WindowState, TheMaximisedSizeDoesNotLimitOtherSizes) {
  hook = [](HWND, UINT m, WPARAM, LPARAM l, LRESULT* r) {
    if (m != WM_GETMINMAXINFO) return false;
    reinterpret_cast<MINMAXINFO*>(l)->ptMaxSize = POINT{300, 200};
    *r = 0;
    return true;
  };
  HWND h = Create(WS_OVERLAPPEDWINDOW, 0, 0, 200, 150);
  ShowWindow(h, SW_SHOW);
  ASSERT_TRUE(MoveWindow(h, 0, 0, 500, 400, TRUE));
  RECT r;
  GetWindowRect(h, &r);
  EXPECT_EQ(r.right - r.left, 500);
  EXPECT_EQ(r.bottom - r.top, 400);
  ShowWindow(h, SW_SHOWMAXIMIZED);
  GetWindowRect(h, &r);
  EXPECT_EQ(r.right - r.left, 300);
  EXPECT_EQ(r.bottom - r.top, 200);
}

TEST_F(WindowState, ShowingActivatesAndSendsActivateApp) {
  ASSERT_NE(Register("Main Client"), 0);
  HWND other = CreateOf("Main Client", WS_POPUP, 0, 0, 640, 480);
  HWND h = Create(WS_POPUP, 0, 0, 640, 480, "");
  ShowWindow(h, SW_SHOWNORMAL);
  EXPECT_EQ(GetFocus(), h);
  std::vector<WPARAM> activeApp = Params(h, WM_ACTIVATEAPP);
  ASSERT_EQ(activeApp.size(), 1u);
  EXPECT_EQ(activeApp[0], 1u);
  SetForegroundWindow(other);
  activeApp = Params(h, WM_ACTIVATEAPP);
  ASSERT_EQ(activeApp.size(), 2u);
  EXPECT_EQ(activeApp[1], 0u);
}

TEST_F(WindowState, FindWindowByClassAndTitle) {
  ASSERT_NE(Register("Craps"), 0);
  ASSERT_NE(Register("Main Client"), 0);
  HWND a = CreateOf("Craps", WS_POPUP, 0, 0, 640, 480, "Craps");
  HWND b = CreateOf("Main Client", WS_POPUP, 0, 0, 640, 480, "Relay");
  EXPECT_EQ(FindWindow("Craps", nullptr), a);
  EXPECT_EQ(FindWindow("craps", "Craps"), a);
  EXPECT_EQ(FindWindow("Craps", "Other"), nullptr);
  EXPECT_EQ(FindWindow("Main Client", nullptr), b);
  EXPECT_EQ(FindWindow("Nobody", nullptr), nullptr);
  EXPECT_EQ(FindWindow(nullptr, nullptr), nullptr);
  DestroyWindow(a);
  EXPECT_EQ(FindWindow("Craps", nullptr), nullptr);
}

TEST_F(WindowState, CloseDestroysByDefault) {
  HWND h = Create(WS_POPUP, 0, 0, 640, 480);
  SendMessage(h, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(h));
}

WNDPROC g_editProc = nullptr;
int g_painted = 0;

LRESULT CountPaints(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_PAINT) ++g_painted;
  return CallWindowProc(g_editProc, w, m, wp, lp);
}

TEST_F(WindowState, SubclassingAndUserData) {
  HWND h = Create(WS_POPUP, 0, 0, 640, 480);
  HWND edit = CreateWindow("EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, h, 5, nullptr, nullptr);
  ASSERT_NE(edit, nullptr);
  g_painted = 0;
  g_editProc = SubclassWindow(edit, CountPaints);
  ASSERT_NE(g_editProc, nullptr);
  InvalidateRect(edit, nullptr, TRUE);
  UpdateWindow(edit);
  EXPECT_EQ(g_painted, 1);
  SetWindowText(edit, "typed");  // still reaches the control's own procedure
  char buf[16];
  GetWindowText(edit, buf, sizeof buf);
  EXPECT_STREQ(buf, "typed");
  SetWindowUserData(h, 1234);
  EXPECT_EQ(GetWindowUserData(h), 1234);
}

TEST_F(WindowState, NullAndUnknownHandlesFail) {
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
    EXPECT_EQ(GetDlgItem(h, 1), nullptr);
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

#if PLAT_CONTRACT_HEADLESS
// Without scaling, a maximised window's client area grows to the limit.
TEST_F(WindowState, AMaximisedClientAreaGrowsToTheLimitHeadless) {
  AskForLimits();
  HWND h = Create(WS_OVERLAPPEDWINDOW, 0, 0, 300, 200);
  ShowWindow(h, SW_SHOWMAXIMIZED);
  RECT r;
  GetClientRect(h, &r);
  EXPECT_EQ(r.right, 400);  // limited by the maximum tracking size
  EXPECT_EQ(r.bottom, 259);
  ShowWindow(h, SW_RESTORE);
  GetWindowRect(h, &r);
  EXPECT_EQ(r.right - r.left, 300);
}

TEST_F(WindowState, TheScriptedUserActivatesHeadless) {
  ASSERT_NE(Register("Main Client"), 0);
  HWND other = CreateOf("Main Client", WS_POPUP, 0, 0, 640, 480);
  HWND h = Create(WS_POPUP, 0, 0, 640, 480, "");
  ShowWindow(h, SW_SHOWNORMAL);
  EXPECT_EQ(headless::ForegroundWindow(), h);
  SetForegroundWindow(other);
  EXPECT_EQ(headless::ForegroundWindow(), other);
  headless::SetAppActive(TRUE);
  EXPECT_EQ(Params(h, WM_ACTIVATEAPP).back(), 1u);
  headless::SetAppActive(FALSE);
  EXPECT_EQ(Params(h, WM_ACTIVATEAPP).back(), 0u);
}

// Only the in-memory device makes child windows of a program's classes.
TEST_F(WindowState, DestroySendsDestroyToTheWindowAndItsChildrenHeadless) {
  ASSERT_NE(Register("Child"), 0);
  HWND h = Create(WS_POPUP, 0, 0, 640, 480);
  HWND c = CreateWindow("Child", "", WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, h, 7, nullptr, nullptr);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(GetParent(c), h);
  EXPECT_EQ(GetDlgItem(h, 7), c);
  EXPECT_EQ(GetDlgCtrlID(c), 7);
  EXPECT_TRUE(DestroyWindow(h));
  EXPECT_FALSE(IsWindow(h));
  EXPECT_FALSE(IsWindow(c));
  std::vector<std::string> order;
  for (const contract::Received& r : log) {
    if (r.msg == WM_DESTROY) order.push_back(r.hwnd == h ? "parent" : r.hwnd == c ? "child" : "other");
  }
  EXPECT_EQ(order, (std::vector<std::string>{"parent", "child"}));
  EXPECT_FALSE(DestroyWindow(h));
}

// A message box for a window that is none would wait for a real user.
TEST_F(WindowState, UnknownHandlesHaveNoPictureAndNoMessageBoxHeadless) {
  HWND bogus = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0xDEAD0));
  for (HWND h : {static_cast<HWND>(nullptr), bogus}) {
    EXPECT_EQ(headless::Pixel(h, 0, 0), CLR_INVALID);
    EXPECT_FALSE(headless::SavePng(h, "/tmp/never.png"));
    EXPECT_EQ(MessageBox(bogus, "x", "y", MB_OK), 0);
  }
}

const ACCEL kAccel[] = {{FVIRTKEY, static_cast<WORD>(VK_F1), 104}, {FVIRTKEY | FCONTROL, 'Q', 105}, {0, 'x', 106}};

TEST_F(WindowState, AcceleratorsOfScriptedKeysSendCommandsHeadless) {
  RegisterAcceleratorResource(103, kAccel, 3);
  HWND h = Create(WS_POPUP, 0, 0, 640, 480);
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
  EXPECT_EQ(Params(h, WM_COMMAND), (std::vector<WPARAM>{MAKEWPARAM(104, 1), MAKEWPARAM(105, 1), MAKEWPARAM(106, 1)}));
  EXPECT_TRUE(DestroyAcceleratorTable(acc));
  EXPECT_EQ(TranslateAccelerator(h, acc, &m), 0);
}

TEST_F(WindowState, TheCursorSetIsTheOneShownHeadless) {
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

TEST_F(WindowState, ScreenMetricsFollowTheScriptedScreenHeadless) {
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
#endif

#if PLAT_CONTRACT_DESKTOP
// The program hears from the display server that it lost the keyboard.
TEST_F(WindowState, ActivationIsReportedBothWaysOnDesktop) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 320, 240);
  ASSERT_NE(hwnd, nullptr);
  ShowWindow(hwnd, SW_SHOWMAXIMIZED);
  contract::PumpFor(300);
  auto lastActiveApp = [&] {
    const std::vector<WPARAM> all = Params(hwnd, WM_ACTIVATEAPP);
    return all.empty() ? WPARAM{2} : all.back();
  };
  ShowWindow(hwnd, SW_HIDE);
  ASSERT_TRUE(contract::PumpUntil([&] { return lastActiveApp() == 0; }));
  ShowWindow(hwnd, SW_SHOWNORMAL);
  ASSERT_TRUE(contract::PumpUntil([&] { return lastActiveApp() == 1; }));
}
#endif

}  // namespace
