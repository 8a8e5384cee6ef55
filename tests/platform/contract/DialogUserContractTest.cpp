// A deposit-like dialog worked by a user from inside its modal loop: every
// control kind, the notifications the dialog hears, and a nested dialog.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/platform/contract/Contract.h"
#include "tests/platform/contract/User.h"
#if PLAT_CONTRACT_HEADLESS
#include "platform/include/plat/headless.h"
#endif

namespace {

using namespace plat;

enum : int {
  kOk = IDOK, kCancel = IDCANCEL, kCheck = 110, kRadioA = 120, kRadioB = 121, kRadioC = 122, kRadioD = 123,
  kAmount = 111, kPin = 106, kCards = 108, kList = 109, kView = 1042, kTabs = 1040, kHeader = 1045,
  kLink = 130,
};
constexpr UINT kScript = WM_USER + 7;

const DLGITEMTEMPLATE kItems[] = {
    {CTL_TABCONTROL, kTabs, "", 4, 4, 392, 300, 0},
    {CTL_GROUPBOX, -1, "Transfer", 8, 30, 200, 80, 0},
    {CTL_RADIOBUTTON, kRadioA, "SWIFT", 10, 40, 13, 13, CS_GROUP},
    {CTL_RADIOBUTTON, kRadioB, "ROUTING", 60, 40, 13, 13, 0},
    {CTL_RADIOBUTTON, kRadioC, "ABA", 110, 40, 13, 13, 0},
    {CTL_RADIOBUTTON, kRadioD, "Other group", 160, 40, 13, 13, CS_GROUP},
    {CTL_CHECKBOX, kCheck, "Send me a code", 20, 173, 12, 12, 0},
    {CTL_EDIT, kAmount, "20", 264, 48, 64, 20, CS_NUMBER},
    {CTL_EDIT, kPin, "OFFLINE", 100, 227, 120, 20, CS_READONLY},
    {CTL_COMBOBOX, kCards, "", 138, 77, 190, 150, CS_OWNERDRAW},
    {CTL_LISTBOX, kList, "", 10, 200, 80, 60, 0},
    {CTL_LISTVIEW, kView, "", 10, 10, 300, 200, CS_BORDER},
    {CTL_STATIC, kHeader, "User:", 10, 250, 100, 20, 0},
    {CTL_STATIC, kLink, "Click here", 10, 270, 100, 20, CS_NOTIFY},
    {CTL_STATICFRAME, -1, nullptr, 0, 0, 10, 10, 0},
    {CTL_DEFPUSHBUTTON, kOk, "OK", 200, 320, 60, 24, 0},
    {CTL_PUSHBUTTON, kCancel, "Cancel", 270, 320, 60, 24, 0},
    {CTL_PUSHBUTTON, 9, "Help", 340, 320, 60, 24, CS_DISABLED},
};
const DLGTEMPLATE kDialog = {"DEPOSIT", 400, 350, "Arial", 13, TRUE, kItems, sizeof kItems / sizeof kItems[0]};

const DLGITEMTEMPLATE kConfirmItems[] = {
    {CTL_DEFPUSHBUTTON, kOk, "OK", 10, 40, 60, 24, 0},
    {CTL_PUSHBUTTON, kCancel, "Cancel", 80, 40, 60, 24, 0},
};
const DLGTEMPLATE kConfirm = {"DEPOSIT CONFIRMATION", 200, 80, nullptr, 0, TRUE, kConfirmItems, 2};

// What the dialog procedure saw, for the test to read.
struct Seen {
  std::vector<std::string> events;
  int measured = 0;
  std::vector<int> drawnItems;
  LPARAM initParam = 0;
  HWND created = nullptr;
  std::vector<int> scripted;  // the templates whose script ran
};
Seen* gSeen = nullptr;
// The user's part, run from inside the dialog's modal loop; null: nobody there.
void (*gScript)(HWND dialog) = nullptr;

INT_PTR ConfirmProc(HWND dlg, UINT msg, WPARAM w, LPARAM) {
  if (msg == WM_INITDIALOG && gScript) PostMessage(dlg, kScript, 0, 0);
  if (msg == kScript) {
    gSeen->scripted.push_back(108);
    contract::user::Click(dlg, IDOK);
    return TRUE;
  }
  if (msg == WM_COMMAND && (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL)) {
    EndDialog(dlg, LOWORD(w) == IDOK ? 1 : 2);
    return TRUE;
  }
  return FALSE;
}

INT_PTR DepositProc(HWND dlg, UINT msg, WPARAM w, LPARAM l) {
  Seen& s = *gSeen;
  switch (msg) {
    case WM_MEASUREITEM: {
      auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
      ++s.measured;
      mis->itemHeight = 19;
      return TRUE;
    }
    case WM_INITDIALOG: {
      s.initParam = l;
      HWND tabs = GetDlgItem(dlg, kTabs);
      TabCtrl_InsertItem(tabs, 0, "Credit Card");
      TabCtrl_InsertItem(tabs, 1, "Security Code");
      HWND cards = GetDlgItem(dlg, kCards);
      ComboBox_AddString(cards, "VISA");
      ComboBox_AddString(cards, "MasterCard");
      ComboBox_SetItemData(cards, 1, 146);
      ComboBox_SetCurSel(cards, 0);
      ListBox_AddString(GetDlgItem(dlg, kList), "a");
      ListBox_AddString(GetDlgItem(dlg, kList), "b");
      HWND view = GetDlgItem(dlg, kView);
      ListView_InsertColumn(view, 0, "Date", 80, LVCFMT_LEFT);
      ListView_InsertColumn(view, 1, "Amount", 60, LVCFMT_LEFT);
      ListView_InsertItem(view, 0, "2024-01-02");
      ListView_SetItemText(view, 0, 1, "$20.00");
      ListView_InsertItem(view, 0, "2024-01-01");
      Edit_LimitText(GetDlgItem(dlg, kAmount), 6);
      CheckRadioButton(dlg, kRadioA, kRadioC, kRadioA);
      SetWindowText(dlg, "DEPOSIT (offline)");
      if (gScript) PostMessage(dlg, kScript, 0, 0);
      return TRUE;
    }
    case kScript:
      s.scripted.push_back(107);
      gScript(dlg);
      return TRUE;
    case WM_DRAWITEM: {
      auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(l);
      s.drawnItems.push_back(dis->itemId);
      TextOut(dis->hdc, dis->rcItem.left + 30, dis->rcItem.top, dis->itemId == 1 ? "MasterCard" : "VISA", -1);
      return TRUE;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(dlg, &ps);
      HFONT bold = CreateFont(14, 5, FW_BOLD, "Arial");
      HFONT old = SelectFont(dc, bold);
      TextOut(dc, 64, 77, "Amount:", -1);
      RECT r{0, 0, 200, 40};
      DrawText(dc, "Maximum deposit is set at 500 USD.", -1, &r, DT_WORDBREAK);
      SelectFont(dc, old);
      DeleteObject(ToObject(bold));
      EndPaint(dlg, &ps);
      return TRUE;
    }
    case WM_NOTIFY: {
      const auto* nm = reinterpret_cast<const NMHDR*>(l);
      if (nm->code == TCN_SELCHANGING) s.events.push_back("changing from " + std::to_string(TabCtrl_GetCurSel(nm->hwndFrom)));
      if (nm->code == TCN_SELCHANGE) {
        s.events.push_back("changed to " + std::to_string(TabCtrl_GetCurSel(nm->hwndFrom)));
        // The page's controls are made and unmade at run time.
        if (TabCtrl_GetCurSel(nm->hwndFrom) == 1) {
          RECT page;
          TabCtrl_GetDisplayRect(nm->hwndFrom, &page);
          MapWindowRect(nm->hwndFrom, dlg, &page);
          s.created = CreateWindow("BUTTON", "Yes", WS_CHILD | WS_VISIBLE | CS_BUTTON_CHECKBOX, page.left + 20,
                                   page.top + 173, 12, 12, dlg, 150, nullptr, nullptr);
        } else if (s.created) {
          DestroyWindow(s.created);
        }
      }
      return FALSE;
    }
    case WM_COMMAND: {
      const int id = LOWORD(w);
      const int code = HIWORD(w);
      if (id == kAmount && code == EN_KILLFOCUS) s.events.push_back("amount lost focus");
      if (id == kAmount && code == EN_CHANGE) s.events.push_back("amount changed");
      if (id == kCards && code == CBN_SELCHANGE) s.events.push_back("card " + std::to_string(ComboBox_GetCurSel(GetDlgItem(dlg, kCards))));
      if (id == kLink && code == STN_CLICKED) s.events.push_back("link");
      if (id == kRadioB && code == BN_CLICKED) s.events.push_back("routing");
      if (id == IDOK) {
        if (DialogBoxParam(GetModuleInstance(), 108, dlg, ConfirmProc, 0) == 1) EndDialog(dlg, 1);
        return TRUE;
      }
      if (id == IDCANCEL) {
        EndDialog(dlg, 0);
        return TRUE;
      }
      return FALSE;
    }
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<INT_PTR>(GetStockBrush(LTGRAY_BRUSH));
    default:
      return FALSE;
  }
}

std::string ItemText(HWND dlg, int id) {
  char buf[32];
  GetDlgItemText(dlg, id, buf, sizeof buf);
  return buf;
}

// The user's part: every control kind, ending with OK and the confirmation's OK.
void WorkEveryControl(HWND dlg) {
  Seen& seen = *gSeen;
  namespace user = contract::user;
  EXPECT_EQ(seen.initParam, 77);
  EXPECT_EQ(seen.measured, 1);

  // Check box and radio groups.
  EXPECT_EQ(IsDlgButtonChecked(dlg, kRadioA), BST_CHECKED);
  user::Click(dlg, kCheck);
  EXPECT_EQ(IsDlgButtonChecked(dlg, kCheck), BST_CHECKED);
  user::Click(dlg, kRadioD);
  user::Click(dlg, kRadioB);
  EXPECT_EQ(IsDlgButtonChecked(dlg, kRadioA), BST_UNCHECKED);
  EXPECT_EQ(IsDlgButtonChecked(dlg, kRadioB), BST_CHECKED);
  EXPECT_EQ(IsDlgButtonChecked(dlg, kRadioD), BST_CHECKED);  // another group

  // Edits: limits, digits only, read-only.
  user::Type(dlg, kAmount, "12a34567");
  EXPECT_EQ(ItemText(dlg, kAmount), "123456");
  user::Type(dlg, kPin, "1234");
  EXPECT_EQ(ItemText(dlg, kPin), "OFFLINE");
  Edit_SetReadOnly(GetDlgItem(dlg, kPin), FALSE);
  user::Type(dlg, kPin, "4321");  // the amount edit loses the focus here
  EXPECT_EQ(ItemText(dlg, kPin), "4321");

  // Combo and list boxes.
  HWND cards = GetDlgItem(dlg, kCards);
  EXPECT_EQ(ComboBox_GetCount(cards), 2);
  EXPECT_EQ(ComboBox_GetItemData(cards, 1), 146);
  EXPECT_EQ(ComboBox_GetItemData(cards, 5), -1);
  seen.drawnItems.clear();
  user::Choose(dlg, kCards, 1);
  EXPECT_EQ(ComboBox_GetCurSel(cards), 1);
#if PLAT_CONTRACT_HEADLESS
  EXPECT_EQ(seen.drawnItems, (std::vector<int>{1}));  // the closed field redrawn at once
#endif
  EXPECT_EQ(ItemText(dlg, kCards), "MasterCard");  // a drop-down list reads as its selected item
  user::Choose(dlg, kList, 1);
  EXPECT_EQ(ListBox_GetCurSel(GetDlgItem(dlg, kList)), 1);

  // List view.
  HWND view = GetDlgItem(dlg, kView);
  char buf[32];
  EXPECT_EQ(ListView_GetItemCount(view), 2);
  ListView_GetItemText(view, 0, 0, buf, sizeof buf);
  EXPECT_STREQ(buf, "2024-01-01");
  ListView_GetItemText(view, 1, 1, buf, sizeof buf);
  EXPECT_STREQ(buf, "$20.00");
  EXPECT_FALSE(ListView_GetItemText(view, 2, 0, buf, sizeof buf));

  // Tabs with the notifications, and controls made and unmade on the way.
  user::ChooseTab(dlg, kTabs, 1);
  EXPECT_NE(seen.created, nullptr);
  EXPECT_EQ(GetDlgItem(dlg, 150), seen.created);
  user::Click(dlg, 150);
  EXPECT_EQ(IsDlgButtonChecked(dlg, 150), BST_CHECKED);
  user::ChooseTab(dlg, kTabs, 0);
  EXPECT_EQ(GetDlgItem(dlg, 150), nullptr);

  // Statics answer only with CS_NOTIFY; disabled controls not at all.
  user::Click(dlg, kHeader);
  user::Click(dlg, kLink);
  user::Click(dlg, 9);
  user::Click(dlg, IDOK);  // opens the confirmation, whose OK ends both
}

class DialogUser : public contract::Contract {
 protected:
  void SetUp() override {
    Contract::SetUp();
    RegisterDialogResource(107, &kDialog);
    RegisterDialogResource(108, &kConfirm);
    gSeen = &seen_;
    gScript = nullptr;
  }
  void TearDown() override {
    gScript = nullptr;
    gSeen = nullptr;
    Contract::TearDown();
  }
  // The shown main window the dialogs belong to.
  HWND Main() {
    HWND main = Create(WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, "Cashier");
    ShowWindow(main, SW_SHOW);
    return main;
  }
  Seen seen_;
};

TEST_F(DialogUser, AUserWorksEveryControlKind) {
  HWND main = Main();
  gScript = WorkEveryControl;
  EXPECT_EQ(DialogBoxParam(GetModuleInstance(), 107, main, DepositProc, 77), 1);
  EXPECT_EQ(seen_.scripted, (std::vector<int>{107, 108}));
  EXPECT_EQ(seen_.events,
            (std::vector<std::string>{"routing", "amount changed", "amount lost focus", "card 1", "changing from 0",
                                      "changed to 1", "changing from 1", "changed to 0", "link"}));
}

#if PLAT_CONTRACT_HEADLESS
// What only the headless device shows: the texts painted while the dialog
// was open, its controls, the foreground and the log of dialogs.
void WorkAndLookHeadless(HWND dlg) {
  EXPECT_EQ(headless::ForegroundWindow(), dlg);
  const std::vector<std::string> texts = headless::DrawnTexts(dlg);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Amount:"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Maximum deposit is set at 500 USD."), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "VISA"), texts.end());
  EXPECT_EQ(gSeen->drawnItems.front(), 0);
  EXPECT_EQ(headless::Children(dlg).size(), sizeof kItems / sizeof kItems[0]);
  WorkEveryControl(dlg);
}

TEST_F(DialogUser, TheScriptedUserSeesPaintingAndLeavesALogHeadless) {
  HWND main = Main();
  std::vector<int> handled;
  headless::SetDialogHandler([&](int id, HWND dlg) {
    handled.push_back(id);
    if (id == 108) {
      headless::ClickControl(dlg, IDOK);
      return;
    }
    WorkAndLookHeadless(dlg);
  });
  EXPECT_EQ(DialogBoxParam(GetModuleInstance(), 107, main, DepositProc, 77), 1);
  EXPECT_EQ(handled, (std::vector<int>{107, 108}));
  EXPECT_EQ(seen_.events,
            (std::vector<std::string>{"routing", "amount changed", "amount lost focus", "card 1", "changing from 0",
                                      "changed to 1", "changing from 1", "changed to 0", "link"}));
  const auto& log = headless::Dialogs();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].templateId, 108);
  EXPECT_EQ(log[0].result, 1);
  EXPECT_EQ(log[1].title, "DEPOSIT (offline)");
  EXPECT_EQ(log[1].result, 1);
  EXPECT_EQ(headless::ForegroundWindow(), main);
}

TEST_F(DialogUser, WithoutAUserADialogIsCancelledHeadless) {
  EXPECT_EQ(DialogBoxParam(GetModuleInstance(), 107, nullptr, DepositProc, 0), 0);
  ASSERT_EQ(headless::Dialogs().size(), 1u);
  EXPECT_EQ(headless::Dialogs()[0].result, 0);
  EXPECT_EQ(DialogBoxParam(GetModuleInstance(), 999, nullptr, DepositProc, 0), -1);
  EXPECT_EQ(DialogBoxParam(GetModuleInstance(), 107, nullptr, nullptr, 0), -1);
}

TEST_F(DialogUser, ADialogThatIgnoresCancelStillEndsHeadless) {
  EXPECT_EQ(DialogBoxParam(GetModuleInstance(), 108, nullptr, [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0),
            IDCANCEL);
}

// The main client's packets arrive as sends while a box or a dialog is open.
TEST_F(DialogUser, SentMessagesAreHandledWhileModalHeadless) {
  std::vector<std::string> got;
  HWND game = MakeWindow();
  hook = [&](HWND, UINT m, WPARAM w, LPARAM, LRESULT* result) {
    if (m != WM_USER) return false;
    got.push_back("packet " + std::to_string(w));
    *result = 1;
    return true;
  };
  PostMessage(game, WM_USER + 1, 0, 0);  // posted: waits until the loop runs again
  headless::SetMessageBoxHandler([&](const headless::MessageBoxRecord& r) {
    EXPECT_EQ(SendMessage(game, WM_USER, 1, 0), 1);
    return r.type & MB_YESNO ? IDNO : IDOK;
  });
  headless::SetDialogHandler([&](int, HWND dlg) {
    EXPECT_EQ(SendMessage(game, WM_USER, 2, 0), 1);
    headless::ClickControl(dlg, IDCANCEL);
  });
  EXPECT_EQ(MessageBox(game, "Quit?", "Craps", MB_YESNO | MB_ICONQUESTION), IDNO);
  EXPECT_EQ(DialogBoxParam(GetModuleInstance(), 108, game, ConfirmProc, 0), 2);
  EXPECT_EQ(got, (std::vector<std::string>{"packet 1", "packet 2"}));
  MSG m;
  ASSERT_TRUE(PeekMessage(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_USER + 1);
}

TEST_F(DialogUser, MessageBoxesAnswerTheirDefaultButtonAndAreLoggedHeadless) {
  EXPECT_EQ(MessageBox(nullptr, "Failed to setup buffers!", "Craps", MB_OK | MB_ICONSTOP), IDOK);
  EXPECT_EQ(MessageBox(nullptr, "Sure?", "Q", MB_YESNO), IDYES);
  EXPECT_EQ(MessageBox(nullptr, "Sure?", "Q", MB_YESNO | MB_DEFBUTTON2), IDNO);
  EXPECT_EQ(MessageBox(nullptr, "Go?", "Q", MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL);
  const auto& log = headless::MessageBoxes();
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[0].text, "Failed to setup buffers!");
  EXPECT_EQ(log[0].caption, "Craps");
  EXPECT_EQ(log[0].type, MB_OK | MB_ICONSTOP);
  EXPECT_EQ(log[2].answer, IDNO);
  headless::ClearMessageBoxes();
  EXPECT_TRUE(headless::MessageBoxes().empty());
}
#endif

TEST_F(DialogUser, ControlCallsOnWrongHandlesFail) {
  HWND bogus = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0xBEEF0));
  char buf[8] = "x";
  EXPECT_EQ(ComboBox_AddString(bogus, "a"), -1);
  EXPECT_EQ(ComboBox_GetCurSel(nullptr), -1);
  EXPECT_EQ(ComboBox_GetCount(bogus), -1);
  EXPECT_EQ(ListBox_AddString(nullptr, "a"), -1);
  EXPECT_EQ(ListView_InsertColumn(bogus, 0, "a", 10, 0), -1);
  EXPECT_EQ(ListView_InsertItem(bogus, 0, "a"), -1);
  EXPECT_FALSE(ListView_SetItemText(bogus, 0, 0, "a"));
  EXPECT_EQ(ListView_GetItemCount(bogus), 0);
  EXPECT_EQ(TabCtrl_InsertItem(bogus, 0, "a"), -1);
  EXPECT_EQ(TabCtrl_GetCurSel(bogus), -1);
  RECT r{};
  EXPECT_FALSE(TabCtrl_GetDisplayRect(bogus, &r));
  EXPECT_FALSE(MapWindowRect(bogus, nullptr, &r));
  EXPECT_FALSE(CheckDlgButton(bogus, 1, BST_CHECKED));
  EXPECT_EQ(IsDlgButtonChecked(bogus, 1), BST_UNCHECKED);
  EXPECT_FALSE(CheckRadioButton(bogus, 1, 2, 1));
  EXPECT_FALSE(EndDialog(bogus, 1));
  EXPECT_EQ(GetDlgItemText(bogus, 1, buf, sizeof buf), 0u);
  EXPECT_STREQ(buf, "");
  EXPECT_FALSE(SetDlgItemText(bogus, 1, "a"));
  Edit_LimitText(bogus, 3);
  Edit_SetReadOnly(nullptr, TRUE);
  ComboBox_SetDroppedHeight(bogus, 150);
  contract::user::Click(bogus, 1);
  contract::user::Type(bogus, 1, "a");
  contract::user::Choose(nullptr, 1, 0);
  contract::user::ChooseTab(bogus, 1, 0);
#if PLAT_CONTRACT_HEADLESS
  headless::FocusControl(bogus, 1);
  EXPECT_TRUE(headless::Children(bogus).empty());
  EXPECT_TRUE(headless::DrawnTexts(bogus).empty());
#endif
  // A control kind's calls refuse another kind.
  HWND game = MakeWindow();
  HWND edit = CreateWindow("EDIT", "", WS_CHILD, 0, 0, 10, 10, game, 3, nullptr, nullptr);
  EXPECT_EQ(ComboBox_AddString(edit, "a"), -1);
  EXPECT_EQ(TabCtrl_SetCurSel(edit, 0), -1);
  EXPECT_EQ(CreateWindow("BUTTON", "", WS_POPUP, 0, 0, 10, 10, nullptr, 0, nullptr, nullptr), nullptr);
}

}  // namespace
