// Dialogs: templates, ending, and the state of each control kind as the
// program sets and reads it while the dialog is open.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/platform/contract/Contract.h"

namespace {

using namespace plat;

enum : int {
  kCheck = 20, kRadioA = 30, kRadioB = 31, kRadioC = 32, kEdit = 50, kCombo = 70, kList = 80,
  kView = 90, kTab = 100,
};
constexpr int kTemplateId = 410;

const DLGITEMTEMPLATE kItems[] = {
    {CTL_CHECKBOX, kCheck, "Check", 16, 20, 90, 18, CS_GROUP},
    {CTL_RADIOBUTTON, kRadioA, "A", 16, 40, 50, 18, CS_GROUP},
    {CTL_RADIOBUTTON, kRadioB, "B", 16, 60, 50, 18, 0},
    {CTL_RADIOBUTTON, kRadioC, "C", 16, 80, 50, 18, 0},
    {CTL_EDIT, kEdit, "start", 220, 10, 120, 22, CS_GROUP | CS_BORDER},
    {CTL_COMBOBOX, kCombo, "", 8, 130, 150, 120, CS_GROUP},
    {CTL_LISTBOX, kList, "", 8, 160, 150, 70, CS_BORDER},
    {CTL_LISTVIEW, kView, "", 170, 160, 280, 90, CS_BORDER},
    {CTL_TABCONTROL, kTab, "", 8, 256, 300, 80, 0},
    {CTL_DEFPUSHBUTTON, IDOK, "OK", 320, 270, 60, 24, 0},
    {CTL_PUSHBUTTON, IDCANCEL, "Cancel", 390, 270, 60, 24, 0},
};
const DLGTEMPLATE kTemplate = {"Contract dialog", 460, 340, "Arial", 12, TRUE, kItems,
                               static_cast<int>(sizeof kItems / sizeof kItems[0])};

class Dialog : public contract::Contract {
 protected:
  void SetUp() override {
    Contract::SetUp();
    RegisterDialogResource(kTemplateId, &kTemplate);
  }
};

std::string Text(HWND dialog, int id) {
  char buffer[64];
  GetDlgItemText(dialog, id, buffer, sizeof buffer);
  return buffer;
}

// What the program read back from its controls while the dialog was open.
struct Readings {
  std::string edit, comboText, viewCell;
  UINT check = 9, radioA = 9, radioB = 9, radioC = 9;
  int comboCount = -9, comboSel = -9, listSel = -9, viewCount = -9, tabSel = -9, comboBad = 0;
  LPARAM comboData = 0;
  bool viewPastEnd = true;
};
Readings g_read;

INT_PTR StateProc(HWND dialog, UINT msg, WPARAM, LPARAM) {
  if (msg != WM_INITDIALOG) return FALSE;
  Readings& r = g_read;
  r.edit = Text(dialog, kEdit);
  SetDlgItemText(dialog, kEdit, "typed");
  r.edit += "," + Text(dialog, kEdit);

  CheckDlgButton(dialog, kCheck, BST_CHECKED);
  r.check = IsDlgButtonChecked(dialog, kCheck);
  CheckRadioButton(dialog, kRadioA, kRadioC, kRadioA);
  CheckRadioButton(dialog, kRadioA, kRadioC, kRadioC);
  r.radioA = IsDlgButtonChecked(dialog, kRadioA);
  r.radioB = IsDlgButtonChecked(dialog, kRadioB);
  r.radioC = IsDlgButtonChecked(dialog, kRadioC);

  HWND combo = GetDlgItem(dialog, kCombo);
  ComboBox_AddString(combo, "VISA");
  const int second = ComboBox_AddString(combo, "MasterCard");
  ComboBox_SetItemData(combo, second, 146);
  r.comboData = ComboBox_GetItemData(combo, second);
  r.comboBad = ComboBox_SetCurSel(combo, 7);
  ComboBox_SetCurSel(combo, second);
  r.comboSel = ComboBox_GetCurSel(combo);
  r.comboCount = ComboBox_GetCount(combo);
  r.comboText = Text(dialog, kCombo);  // a drop-down list reads as its selected item

  HWND list = GetDlgItem(dialog, kList);
  ListBox_AddString(list, "one");
  ListBox_AddString(list, "two");
  ListBox_SetCurSel(list, 1);
  r.listSel = ListBox_GetCurSel(list);

  HWND view = GetDlgItem(dialog, kView);
  ListView_InsertColumn(view, 0, "Date", 100, 0);
  ListView_InsertColumn(view, 1, "Amount", 80, 1);
  const int row = ListView_InsertItem(view, 0, "2024-01-01");
  ListView_SetItemText(view, row, 1, "$20.00");
  r.viewCount = ListView_GetItemCount(view);
  char cell[32] = "";
  ListView_GetItemText(view, row, 1, cell, sizeof cell);
  r.viewCell = cell;
  r.viewPastEnd = ListView_GetItemText(view, 5, 0, cell, sizeof cell) != FALSE;

  HWND tab = GetDlgItem(dialog, kTab);
  TabCtrl_InsertItem(tab, 0, "Deposit");
  TabCtrl_InsertItem(tab, 1, "Withdraw");
  TabCtrl_SetCurSel(tab, 1);
  r.tabSel = TabCtrl_GetCurSel(tab);

  EndDialog(dialog, 5);
  return TRUE;
}

TEST_F(Dialog, ControlStateSetByTheProgramReadsBack) {
  g_read = Readings{};
  EXPECT_EQ(DialogBoxParam(GetModuleInstance(), kTemplateId, nullptr, StateProc, 0), 5);
  const Readings& r = g_read;
  EXPECT_EQ(r.edit, "start,typed");
  EXPECT_EQ(r.check, static_cast<UINT>(BST_CHECKED));
  EXPECT_EQ(r.radioA, static_cast<UINT>(BST_UNCHECKED));
  EXPECT_EQ(r.radioB, static_cast<UINT>(BST_UNCHECKED));
  EXPECT_EQ(r.radioC, static_cast<UINT>(BST_CHECKED));
  EXPECT_EQ(r.comboCount, 2);
  EXPECT_EQ(r.comboData, 146);
  EXPECT_EQ(r.comboBad, -1);  // out of range: no selection
  EXPECT_EQ(r.comboSel, 1);
  EXPECT_EQ(r.comboText, "MasterCard");
  EXPECT_EQ(r.listSel, 1);
  EXPECT_EQ(r.viewCount, 1);
  EXPECT_EQ(r.viewCell, "$20.00");
  EXPECT_FALSE(r.viewPastEnd);
  EXPECT_EQ(r.tabSel, 1);
}

// What the dialog heard and read after input posted to its controls.
struct Heard {
  bool ready = false;
  int checkClicks = 0, editChanges = 0, tabChanges = 0, radioClicks = 0;
  UINT check = 9, radioB = 9;
  std::string edit;
  int tabSel = -9;
};
Heard g_heard;

INT_PTR PostedInputProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  Heard& h = g_heard;
  switch (msg) {
    case WM_INITDIALOG: {
      HWND tab = GetDlgItem(dialog, kTab);
      TabCtrl_InsertItem(tab, 0, "Deposit");
      TabCtrl_InsertItem(tab, 1, "Withdraw");
      TabCtrl_SetCurSel(tab, 0);
      EnableWindow(GetDlgItem(dialog, kRadioB), FALSE);
      HWND check = GetDlgItem(dialog, kCheck);
      PostMessage(check, WM_LBUTTONDOWN, 0, MAKELPARAM(3, 3));
      PostMessage(check, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
      PostMessage(GetDlgItem(dialog, kRadioB), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));  // disabled
      for (char c : {'7', 'a', '\b'}) PostMessage(GetDlgItem(dialog, kEdit), WM_CHAR, static_cast<WPARAM>(c), 0);
      PostMessage(tab, WM_KEYDOWN, VK_RIGHT, 0);
      PostMessage(tab, WM_KEYDOWN, VK_RIGHT, 0);  // already the last tab
      PostMessage(dialog, WM_USER, 0, 0);         // after all the rest
      h.ready = true;
      return TRUE;
    }
    case WM_COMMAND:
      if (!h.ready) return FALSE;
      h.checkClicks += LOWORD(wParam) == kCheck && HIWORD(wParam) == BN_CLICKED;
      h.radioClicks += LOWORD(wParam) == kRadioB;
      h.editChanges += LOWORD(wParam) == kEdit && HIWORD(wParam) == EN_CHANGE;
      return FALSE;
    case WM_NOTIFY:
      if (h.ready && reinterpret_cast<const NMHDR*>(lParam)->code == TCN_SELCHANGE) ++h.tabChanges;
      return FALSE;
    case WM_USER:
      h.check = IsDlgButtonChecked(dialog, kCheck);
      h.radioB = IsDlgButtonChecked(dialog, kRadioB);
      h.edit = Text(dialog, kEdit);
      h.tabSel = TabCtrl_GetCurSel(GetDlgItem(dialog, kTab));
      EndDialog(dialog, 3);
      return TRUE;
    default:
      return FALSE;
  }
}

TEST_F(Dialog, PostedClicksKeysAndCharactersActAsTheUsersWould) {
  g_heard = Heard{};
  EXPECT_EQ(DialogBoxParam(GetModuleInstance(), kTemplateId, nullptr, PostedInputProc, 0), 3);
  const Heard& h = g_heard;
  EXPECT_EQ(h.check, static_cast<UINT>(BST_CHECKED));
  EXPECT_EQ(h.checkClicks, 1);
  EXPECT_EQ(h.radioB, static_cast<UINT>(BST_UNCHECKED));
  EXPECT_EQ(h.radioClicks, 0);
  EXPECT_EQ(h.edit, "start7");
  EXPECT_EQ(h.editChanges, 3);
  EXPECT_EQ(h.tabSel, 1);
  EXPECT_EQ(h.tabChanges, 1);
}

INT_PTR EscapeProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_INITDIALOG) {
    PostMessage(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
    return TRUE;
  }
  if (msg == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    EndDialog(dialog, 9);
    return TRUE;
  }
  return FALSE;
}

TEST_F(Dialog, EscapeCancelsAndBadTemplatesFail) {
  EXPECT_EQ(DialogBoxParam(GetModuleInstance(), kTemplateId, nullptr, EscapeProc, 0), 9);
  EXPECT_EQ(DialogBoxParam(GetModuleInstance(), 9999, nullptr, EscapeProc, 0), -1);
  EXPECT_EQ(DialogBoxParam(GetModuleInstance(), kTemplateId, nullptr, nullptr, 0), -1);
  EXPECT_FALSE(EndDialog(nullptr, 1));
  EXPECT_EQ(GetDlgItem(nullptr, 1), nullptr);
  EXPECT_FALSE(SetDlgItemText(nullptr, 1, "x"));
  EXPECT_EQ(ComboBox_AddString(nullptr, "x"), -1);
  EXPECT_EQ(ListView_GetItemCount(nullptr), 0);
  EXPECT_EQ(TabCtrl_GetCurSel(nullptr), -1);
}

INT_PTR InitEndsProc(HWND dialog, UINT msg, WPARAM, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    EndDialog(dialog, lParam);
    return TRUE;
  }
  return FALSE;
}

TEST_F(Dialog, EndingInInitDialogAnswersAtOnceWithTheParam) {
  EXPECT_EQ(DialogBoxParam(GetModuleInstance(), kTemplateId, nullptr, InitEndsProc, 17), 17);
}

// Read-only edits look like statics: they ask the dialog for their
// background with WM_CTLCOLORSTATIC when painted; writable ones do not.
enum : int { kReadOnlyEdit = 60, kWritableEdit = 61 };
constexpr int kEditsTemplateId = 411;
const DLGITEMTEMPLATE kEditItems[] = {
    {CTL_EDIT, kWritableEdit, "typed", 10, 10, 120, 22, CS_BORDER},
    {CTL_EDIT, kReadOnlyEdit, "shown", 10, 40, 120, 22, CS_BORDER | CS_READONLY},
    {CTL_PUSHBUTTON, IDCANCEL, "Cancel", 10, 70, 60, 24, 0},
};
const DLGTEMPLATE kEditsTemplate = {"Edits", 200, 100, "Arial", 12, TRUE, kEditItems,
                                    static_cast<int>(sizeof kEditItems / sizeof kEditItems[0])};
std::vector<int> g_asked;

INT_PTR EditColourProc(HWND dialog, UINT msg, WPARAM, LPARAM lParam) {
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg != WM_CTLCOLORSTATIC) return FALSE;
  const int id = GetDlgCtrlID(LParamToHandle(lParam));
  g_asked.push_back(id);
  if (id == kReadOnlyEdit) EndDialog(dialog, 1);
  return reinterpret_cast<INT_PTR>(GetStockBrush(LTGRAY_BRUSH));
}

TEST_F(Dialog, AReadOnlyEditAsksForTheStaticBackground) {
  RegisterDialogResource(kEditsTemplateId, &kEditsTemplate);
  g_asked.clear();
  EXPECT_EQ(DialogBoxParam(GetModuleInstance(), kEditsTemplateId, nullptr, EditColourProc, 0), 1);
  EXPECT_NE(std::find(g_asked.begin(), g_asked.end(), kReadOnlyEdit), g_asked.end());
  EXPECT_EQ(std::find(g_asked.begin(), g_asked.end(), kWritableEdit), g_asked.end());
}

}  // namespace
