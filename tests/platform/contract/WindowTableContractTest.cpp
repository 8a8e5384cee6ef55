// The window table: classes in use, children and owners, the order of a
// window's end, items by id, and which windows UpdateWindow and
// InvalidateRect paint.
#include <vector>

#include "tests/platform/contract/Contract.h"

namespace {

using namespace plat;

class WindowTable : public contract::Contract {
 protected:
  void TearDown() override {
    Contract::TearDown();
    seen.clear();
  }
  // Lets the control record what reaches it, then passes it on.
  static void Watch(HWND control) {
    WNDPROC old = SubclassWindow(control, Recorder);
    SetWindowUserData(control, reinterpret_cast<LPARAM>(old));
  }
  static LRESULT Recorder(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    seen.push_back(contract::Received{hwnd, msg, wParam, lParam});
    const auto old = reinterpret_cast<WNDPROC>(GetWindowUserData(hwnd));
    return CallWindowProc(old, hwnd, msg, wParam, lParam);
  }
  static int Seen(HWND hwnd, UINT msg) {
    int n = 0;
    for (const contract::Received& r : seen) n += r.hwnd == hwnd && r.msg == msg;
    return n;
  }
  static inline std::vector<contract::Received> seen;
};

HWND Label(HWND parent, int id) {
  return CreateWindow("STATIC", "Label", WS_CHILD | WS_VISIBLE, 5, 5, 40, 20, parent, id, GetModuleInstance(),
                      nullptr);
}

TEST_F(WindowTable, AClassInUseStaysUntilItsLastWindowGoes) {
  WNDCLASS wc{};
  wc.lpfnWndProc = DefWindowProc;
  wc.lpszClassName = "TableTestClass";
  ASSERT_NE(RegisterClass(&wc), 0);
  HWND hwnd = CreateWindow("TABLETESTCLASS", "", WS_POPUP, 0, 0, 20, 20, nullptr, 0, GetModuleInstance(), nullptr);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_FALSE(UnregisterClass("tabletestclass", nullptr));
  EXPECT_TRUE(DestroyWindow(hwnd));
  EXPECT_TRUE(UnregisterClass("tabletestclass", nullptr));
  EXPECT_EQ(CreateWindow("TableTestClass", "", WS_POPUP, 0, 0, 20, 20, nullptr, 0, GetModuleInstance(), nullptr),
            nullptr);
}

TEST_F(WindowTable, ChildrenAndOwnedWindowsGoWithTheirOwner) {
  HWND watcher = Create(WS_POPUP, 0, 0, 10, 10);
  HWND owner = Create(WS_POPUP, 0, 0, 100, 100);
  HWND owned = CreateWindow("Contract0", "Owned", WS_POPUP, 0, 0, 30, 30, owner, 0, GetModuleInstance(), nullptr);
  HWND label = Label(owner, 3);
  ASSERT_NE(owned, nullptr);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(GetParent(owner), nullptr);
  EXPECT_EQ(GetParent(owned), owner);
  EXPECT_EQ(GetParent(label), owner);
  Watch(label);
  const UINT gone = WM_USER + 40;
  ASSERT_TRUE(WatchWindow(label, watcher, gone));
  ASSERT_TRUE(WatchWindow(owned, watcher, gone));

  // Owned windows end before their owner; the owner hears of its end
  // before its controls do.
  bool ownedEndedFirst = false, labelEndedFirst = true;
  hook = [&](HWND h, UINT msg, WPARAM, LPARAM, LRESULT*) {
    if (h == owner && msg == WM_DESTROY) {
      ownedEndedFirst = !IsWindow(owned);
      labelEndedFirst = Seen(label, WM_DESTROY) > 0;
    }
    return false;
  };
  ASSERT_TRUE(DestroyWindow(owner));
  EXPECT_TRUE(ownedEndedFirst);
  EXPECT_FALSE(labelEndedFirst);
  EXPECT_EQ(Seen(label, WM_DESTROY), 1);
  EXPECT_FALSE(IsWindow(label));
  EXPECT_FALSE(IsWindow(owned));
  EXPECT_EQ(GetParent(label), nullptr);
  EXPECT_FALSE(SetWindowText(label, "x"));
  // The watcher is told of each end.
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, watcher, gone, gone, PM_REMOVE));
  EXPECT_EQ(m.lParam, HandleToLParam(owned));
  ASSERT_TRUE(PeekMessage(&m, watcher, gone, gone, PM_REMOVE));
  EXPECT_EQ(m.lParam, HandleToLParam(label));
}

TEST_F(WindowTable, ItemsAreFoundByIdAtAnyDepth) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 100, 60);
  HWND outer = Label(hwnd, 5);
  HWND inner = Label(outer, 6);
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(GetDlgItem(hwnd, 5), outer);
  EXPECT_EQ(GetDlgItem(hwnd, 6), inner);
  EXPECT_EQ(GetDlgItem(hwnd, 7), nullptr);
  EXPECT_EQ(GetDlgCtrlID(inner), 6);
  EXPECT_EQ(GetDlgCtrlID(hwnd), 0);
  EXPECT_TRUE(SetDlgItemText(hwnd, 6, "Deep"));
  char buffer[8];
  EXPECT_EQ(GetDlgItemText(hwnd, 6, buffer, sizeof buffer), 4u);
  EXPECT_STREQ(buffer, "Deep");
  EXPECT_EQ(GetDlgItemText(hwnd, 7, buffer, sizeof buffer), 0u);
  EXPECT_STREQ(buffer, "");
  EXPECT_FALSE(CheckRadioButton(hwnd, 3, 1, 2));  // an empty range
  DestroyWindow(hwnd);
}

TEST_F(WindowTable, UpdateWindowPaintsOnlyWhatIsShown) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 60, 60);
  InvalidateRect(hwnd, nullptr, FALSE);
  EXPECT_TRUE(UpdateWindow(hwnd));
  EXPECT_EQ(Count(WM_PAINT), 0);
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);
  EXPECT_EQ(Count(WM_PAINT), 1);
  DestroyWindow(hwnd);
  EXPECT_FALSE(UpdateWindow(hwnd));
  EXPECT_FALSE(InvalidateRect(hwnd, nullptr, TRUE));
}

TEST_F(WindowTable, InvalidatingAWindowPaintsItsControlsAgain) {
  HWND hwnd = Create(WS_POPUP | WS_VISIBLE, 0, 0, 100, 60);
  HWND label = Label(hwnd, 4);
  ASSERT_NE(label, nullptr);
  Watch(label);
  UpdateWindow(hwnd);
  UpdateWindow(label);
  const int painted = Seen(label, WM_PAINT);
  UpdateWindow(label);
  EXPECT_EQ(Seen(label, WM_PAINT), painted);  // validated
  InvalidateRect(hwnd, nullptr, FALSE);
  UpdateWindow(label);
  EXPECT_EQ(Seen(label, WM_PAINT), painted + 1);
  DestroyWindow(hwnd);
}

}  // namespace
