// A modal dialog's or message box's start and end as its owner and the rest of the program
// see them: where it appears, and where activation, focus and the owner's
// input go meanwhile and after.
#include "tests/platform/contract/Contract.h"
#include "tests/platform/contract/User.h"

namespace {

using namespace plat;

constexpr int kTemplateId = 420;
const DLGITEMTEMPLATE kItems[] = {{CTL_DEFPUSHBUTTON, IDOK, "OK", 10, 10, 60, 24, 0}};
const DLGTEMPLATE kTemplate = {"Modal", 200, 80, nullptr, 0, FALSE, kItems, 1};

// What the dialog saw while it ran.
struct Seen {
  BOOL ownerEnabled = 2;
  RECT frame{-1, -1, -1, -1};
};
Seen g_seen;
HWND g_owner = nullptr;

// Ends on a message it posted to itself, so that it has been shown and active.
INT_PTR EndsOnceRunning(HWND dialog, UINT msg, WPARAM, LPARAM) {
  if (msg == WM_INITDIALOG) {
    PostMessage(dialog, WM_USER, 0, 0);
    return TRUE;
  }
  if (msg != WM_USER) return FALSE;
  g_seen.ownerEnabled = IsWindowEnabled(g_owner);
  GetWindowRect(dialog, &g_seen.frame);
  EndDialog(dialog, IDOK);
  return TRUE;
}

class ModalDialog : public contract::Contract {
 protected:
  void SetUp() override {
    Contract::SetUp();
    RegisterDialogResource(kTemplateId, &kTemplate);
    g_seen = Seen{};
  }
  INT_PTR Run(HWND owner) {
    g_owner = owner;
    return DialogBoxParam(GetModuleInstance(), kTemplateId, owner, EndsOnceRunning, 0);
  }
  // The last WM_ACTIVATE the window heard said it is active.
  bool LastActivationOn(HWND hwnd) const {
    for (auto r = log.rbegin(); r != log.rend(); ++r) {
      if (r->hwnd == hwnd && r->msg == WM_ACTIVATE) return LOWORD(r->wParam) != 0;
    }
    return false;
  }
};

TEST_F(ModalDialog, TheOwnerIsDisabledMeanwhileThenActiveAgainWithItsFocusWhereItWas) {
  HWND owner = Create(WS_POPUP | WS_CAPTION | WS_VISIBLE, 40, 40, 320, 240);
  ASSERT_NE(owner, nullptr);
  HWND edit = CreateWindow("EDIT", "", WS_CHILD | WS_VISIBLE, 10, 10, 100, 20, owner, 5, nullptr, nullptr);
  ASSERT_NE(edit, nullptr);
  SetFocus(edit);
  log.clear();
  EXPECT_EQ(Run(owner), IDOK);
  EXPECT_EQ(g_seen.ownerEnabled, FALSE);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_TRUE(LastActivationOn(owner));
}

TEST_F(ModalDialog, OneTheProgramDisabledItselfStaysDisabled) {
  HWND owner = Create(WS_POPUP | WS_CAPTION | WS_VISIBLE, 40, 40, 320, 240);
  ASSERT_NE(owner, nullptr);
  EnableWindow(owner, FALSE);
  EXPECT_EQ(Run(owner), IDOK);
  EXPECT_FALSE(IsWindowEnabled(owner));
  contract::user::AnswerNextMessageBox([] { return IDOK; });
  EXPECT_EQ(MessageBox(owner, "Done.", "Box", MB_OK), IDOK);
  EXPECT_FALSE(IsWindowEnabled(owner));
}

// A message box keeps its owner as a modal dialog does.
TEST_F(ModalDialog, AMessageBoxDisablesItsOwnerMeanwhileThenLeavesItActiveWithItsFocusWhereItWas) {
  HWND owner = Create(WS_POPUP | WS_CAPTION | WS_VISIBLE, 40, 40, 320, 240);
  ASSERT_NE(owner, nullptr);
  HWND edit = CreateWindow("EDIT", "", WS_CHILD | WS_VISIBLE, 10, 10, 100, 20, owner, 5, nullptr, nullptr);
  ASSERT_NE(edit, nullptr);
  SetFocus(edit);
  BOOL ownerEnabled = 2;
  contract::user::AnswerNextMessageBox([&] {
    ownerEnabled = IsWindowEnabled(owner);
    return IDNO;
  });
  EXPECT_EQ(MessageBox(edit, "Quit?", "Box", MB_YESNO | MB_ICONQUESTION), IDNO);
  EXPECT_EQ(ownerEnabled, FALSE);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_TRUE(LastActivationOn(owner));
}

// Its frame's corner, as a template's position counts from there.
TEST_F(ModalDialog, WithoutCentringItOpensAtItsOwnersClientOrigin) {
  HWND owner = Create(WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 60, 500, 400);
  ASSERT_NE(owner, nullptr);
  POINT origin{0, 0};
  ClientToScreen(owner, &origin);
  EXPECT_EQ(Run(owner), IDOK);
  EXPECT_EQ(g_seen.frame.left, origin.x);
  EXPECT_EQ(g_seen.frame.top, origin.y);
}

// An ownerless dialog belongs to the program that was active: opening it is
// no switch to another program, and at its end that window is active again.
TEST_F(ModalDialog, AnOwnerlessOneCountsAsTheProgramThatWasActive) {
  HWND window = Create(WS_POPUP | WS_CAPTION | WS_VISIBLE, 40, 40, 320, 240);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(LastActivationOn(window));
  log.clear();
  EXPECT_EQ(Run(nullptr), IDOK);
  for (const contract::Received& r : log) {
    EXPECT_FALSE(r.hwnd == window && r.msg == WM_ACTIVATEAPP && r.wParam == 0) << "the program was left";
  }
  EXPECT_TRUE(LastActivationOn(window));
}

}  // namespace
