// Real input from the X server (made with xdotool): pointer positions in a
// scaled window come back in picture coordinates and buttons become their
// messages. The order of real keys in the queue and the program's activation
// are tested with the queue and the window state.
#include <cstdlib>
#include <string>

#include "tests/platform/contract/Contract.h"
#include "tests/platform/contract/Pump.h"
#include "tests/platform/contract/RealInput.h"

namespace {

using namespace plat;
using contract::PumpFor;
using contract::PumpUntil;
using contract::Xdotool;

class RealInput : public contract::Contract {
 protected:
  void SetUp() override {
    Contract::SetUp();
    ASSERT_EQ(std::system("command -v xdotool >/dev/null"), 0) << "scripts/setup installs xdotool";
  }
  const contract::Received* Last(UINT msg) const {
    for (auto it = log.rbegin(); it != log.rend(); ++it) {
      if (it->msg == msg) return &*it;
    }
    return nullptr;
  }
};

TEST_F(RealInput, PointerAndButtonsArriveInPictureCoordinatesOnDesktop) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 320, 240);
  ASSERT_NE(hwnd, nullptr);
  ShowWindow(hwnd, SW_SHOWMAXIMIZED);
  PumpFor(300);
  POINT p{100, 50};
  ASSERT_TRUE(ClientToScreen(hwnd, &p));
  Xdotool("mousemove " + std::to_string(p.x) + " " + std::to_string(p.y) + " click 1 click 3");
  ASSERT_TRUE(PumpUntil([&] { return Has(WM_RBUTTONUP); }));
  const auto* move = Last(WM_MOUSEMOVE);
  const auto* down = Last(WM_LBUTTONDOWN);
  ASSERT_NE(move, nullptr);
  ASSERT_NE(down, nullptr);
  EXPECT_NEAR(GET_X_LPARAM(move->lParam), 100, 1);
  EXPECT_NEAR(GET_Y_LPARAM(move->lParam), 50, 1);
  EXPECT_NEAR(GET_X_LPARAM(down->lParam), 100, 1);
  EXPECT_NEAR(GET_Y_LPARAM(down->lParam), 50, 1);
  EXPECT_TRUE(down->wParam & MK_LBUTTON);
  EXPECT_TRUE(Has(WM_LBUTTONUP));
  EXPECT_TRUE(Has(WM_RBUTTONDOWN));
  EXPECT_TRUE(Has(WM_SETCURSOR));
  POINT cursor;
  ASSERT_TRUE(GetCursorPos(&cursor));
  ASSERT_TRUE(ScreenToClient(hwnd, &cursor));
  EXPECT_NEAR(cursor.x, 100, 1);
  EXPECT_NEAR(cursor.y, 50, 1);
}

// A dialog driven by real input: typing into a subclassed edit (its
// procedure sees the keys first and may swallow them) and clicking a button.
constexpr int kEdit = 11;
constexpr int kButton = 12;
constexpr UINT kCheckTyping = WM_USER + 1;
const DLGITEMTEMPLATE kInputItems[] = {
    {CTL_EDIT, kEdit, "", 10, 10, 200, 24, CS_BORDER},
    {CTL_PUSHBUTTON, kButton, "Press", 10, 50, 100, 28, 0},
};
const DLGTEMPLATE kInputDialog = {"Real input", 240, 100, nullptr, 0, TRUE, kInputItems, 2};

WNDPROC g_editProc = nullptr;
int g_swallowed = 0;
DWORD g_typedAt = 0;  // when xdotool had sent the keys; 0 before
std::string g_typed;

LRESULT NoXEdit(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CHAR && wParam == 'x') {
    ++g_swallowed;
    return 0;
  }
  return CallWindowProc(g_editProc, hwnd, msg, wParam, lParam);
}

INT_PTR InputProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      g_editProc = SubclassWindow(GetDlgItem(dialog, kEdit), NoXEdit);
      SetFocus(GetDlgItem(dialog, kEdit));
      PostMessage(dialog, kCheckTyping, 0, 0);
      return FALSE;
    case kCheckTyping: {
      if (g_typedAt == 0) {
        // Without a window manager the keyboard follows the pointer, which an
        // earlier test may have left anywhere: put it on the edit first.
        RECT edit;
        GetWindowRect(GetDlgItem(dialog, kEdit), &edit);
        Xdotool("mousemove " + std::to_string((edit.left + edit.right) / 2) + " " +
                std::to_string((edit.top + edit.bottom) / 2));
        Xdotool("type xaxy");
        g_typedAt = timeGetTime();
      }
      char text[32];
      GetDlgItemText(dialog, kEdit, text, sizeof text);
      g_typed = text;
      // The keys come back through the X server: wait for them by the clock,
      // generously, as a loaded machine may be slow to deliver.
      if (g_typed != "ay" && timeGetTime() - g_typedAt < 20000) {
        Sleep(10);
        PostMessage(dialog, kCheckTyping, 0, 0);
        return TRUE;
      }
      RECT r;
      GetWindowRect(GetDlgItem(dialog, kButton), &r);
      Xdotool("mousemove " + std::to_string((r.left + r.right) / 2) + " " +
              std::to_string((r.top + r.bottom) / 2) + " click 1");
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kButton && HIWORD(wParam) == BN_CLICKED) EndDialog(dialog, kButton);
      return TRUE;
    default:
      return FALSE;
  }
}

TEST_F(RealInput, ADialogTakesRealTypingAndClicksOnDesktop) {
  RegisterDialogResource(500, &kInputDialog);
  EXPECT_EQ(DialogBoxParam(GetModuleInstance(), 500, nullptr, InputProc, 0), kButton);
  EXPECT_EQ(g_typed, "ay");
  EXPECT_EQ(g_swallowed, 2);
}

}  // namespace
