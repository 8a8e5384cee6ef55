// A dialog template with every control kind, driven from inside its modal
// loop by posted input and the control helpers.
#include <cstring>
#include <string>
#include <vector>

#include "tests/platform/contract/Contract.h"

namespace {

using namespace plat;

enum : int {
  kPush = 10, kCheck = 20, kRadioA = 30, kRadioB = 31, kRadioC = 32, kRadioX = 40, kRadioY = 41,
  kLimited = 50, kReadOnly = 51, kNumber = 52, kSecret = 53, kLabel = 60, kCombo = 70,
  kDrawnCombo = 71, kList = 80, kView = 90, kTab = 100, kRunTime = 200,
};
constexpr int kTemplateId = 400;
constexpr UINT kStep = WM_USER + 100;

const DLGITEMTEMPLATE kItems[] = {
    {CTL_GROUPBOX, -1, "Choices", 8, 4, 200, 120, 0},
    {CTL_CHECKBOX, kCheck, "Check", 16, 20, 90, 18, CS_GROUP},
    {CTL_RADIOBUTTON, kRadioA, "A", 16, 40, 50, 18, CS_GROUP},
    {CTL_RADIOBUTTON, kRadioB, "B", 16, 60, 50, 18, 0},
    {CTL_RADIOBUTTON, kRadioC, "C", 16, 80, 50, 18, 0},
    {CTL_RADIOBUTTON, kRadioX, "X", 110, 40, 50, 18, CS_GROUP},
    {CTL_RADIOBUTTON, kRadioY, "Y", 110, 60, 50, 18, 0},
    {CTL_EDIT, kLimited, "", 220, 10, 120, 22, CS_GROUP | CS_BORDER},
    {CTL_EDIT, kReadOnly, "ro", 220, 36, 120, 22, CS_READONLY | CS_BORDER},
    {CTL_EDIT, kNumber, "", 220, 62, 120, 22, CS_NUMBER | CS_BORDER},
    {CTL_EDIT, kSecret, "", 220, 88, 120, 22, CS_PASSWORD | CS_BORDER},
    {CTL_STATIC, kLabel, "Label", 350, 10, 100, 20, CS_NOTIFY},
    {CTL_STATICFRAME, -1, nullptr, 350, 36, 100, 40, 0},
    {CTL_COMBOBOX, kCombo, "", 8, 130, 150, 120, CS_GROUP},
    {CTL_COMBOBOX, kDrawnCombo, "", 170, 130, 150, 120, CS_OWNERDRAW},
    {CTL_LISTBOX, kList, "", 8, 160, 150, 70, CS_BORDER},
    {CTL_LISTVIEW, kView, "", 170, 160, 280, 90, CS_BORDER},
    {CTL_TABCONTROL, kTab, "", 8, 256, 300, 80, 0},
    {CTL_PUSHBUTTON, kPush, "Push", 320, 300, 60, 24, 0},
    {CTL_DEFPUSHBUTTON, IDOK, "OK", 320, 270, 60, 24, 0},
    {CTL_PUSHBUTTON, IDCANCEL, "Cancel", 390, 270, 60, 24, 0},
};
const DLGTEMPLATE kTemplate = {"Every control", 460, 340, "Arial", 12, TRUE, kItems,
                               static_cast<int>(sizeof kItems / sizeof kItems[0])};

struct Event {
  UINT msg;
  int id;
  int code;
  int extra;  // WM_NOTIFY: the tab's selection when it arrived; WM_DRAWITEM: item state
};

struct DialogRun {
  std::vector<Event> events;
  int initAt = -1;  // index of WM_INITDIALOG in events
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
  int drawItemFills = 0;
  bool scriptDone = false;  // the last step ran; the dialog ends once the field is drawn
  bool endPosted = false;
  bool Has(UINT msg, int id, int code) const {
    for (const Event& e : events) {
      if (e.msg == msg && e.id == id && e.code == code) return true;
    }
    return false;
  }
};
DialogRun* g_run = nullptr;

std::string Text(HWND dialog, int id) {
  char buffer[64];
  GetDlgItemText(dialog, id, buffer, sizeof buffer);
  return buffer;
}

void Click(HWND dialog, int id) { PostMessage(GetDlgItem(dialog, id), WM_LBUTTONUP, 0, 0); }

void Type(HWND dialog, int id, const char* text) {
  for (const char* p = text; *p; ++p) PostMessage(GetDlgItem(dialog, id), WM_CHAR, static_cast<WPARAM>(*p), 1);
}

WNDPROC g_editProc = nullptr;
LRESULT NoXProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CHAR && wParam == 'x') return 0;  // swallowed
  return CallWindowProc(g_editProc, hwnd, msg, wParam, lParam);
}

void FillControls(HWND dialog) {
  HWND combo = GetDlgItem(dialog, kCombo);
  for (const char* s : {"One", "Two", "Three"}) ComboBox_AddString(combo, s);
  ComboBox_SetItemData(combo, 1, 1001);
  HWND drawn = GetDlgItem(dialog, kDrawnCombo);
  ComboBox_AddString(drawn, "Visa");
  ComboBox_AddString(drawn, "MasterCard");
  ComboBox_SetItemData(drawn, 0, 11);
  ComboBox_SetCurSel(drawn, 0);
  ComboBox_SetDroppedHeight(drawn, 150);
  HWND list = GetDlgItem(dialog, kList);
  for (const char* s : {"red", "green", "blue"}) ListBox_AddString(list, s);
  HWND view = GetDlgItem(dialog, kView);
  ListView_InsertColumn(view, 0, "Date", 110, LVCFMT_LEFT);
  ListView_InsertColumn(view, 1, "Amount", 55, LVCFMT_LEFT);
  ListView_InsertItem(view, 0, "2024-01-02");
  ListView_SetItemText(view, 0, 1, "$25.00");
  ListView_InsertItem(view, 0, "2024-01-03");
  ListView_SetItemText(view, 0, 1, "-$5.00");
  HWND tab = GetDlgItem(dialog, kTab);
  TabCtrl_InsertItem(tab, 0, "Credit Card");
  TabCtrl_InsertItem(tab, 1, "Bank Draft");
  TabCtrl_InsertItem(tab, 2, "Security Code");
}

// The owner-drawn combo box drew its field with the selected first item.
bool DrewField(const DialogRun& run) {
  for (const Event& e : run.events) {
    if (e.msg == WM_DRAWITEM && e.id == kDrawnCombo && e.code == 0 && (e.extra & ODS_COMBOBOXEDIT)) {
      return true;
    }
  }
  return false;
}

// The field is drawn when the display exposes the dialog, which under load
// can come after the last step: so the dialog ends (Enter on its default
// button) on whichever comes later. A field never drawn ends in the test's
// timeout.
void EndOnceFieldDrawn(HWND dialog) {
  DialogRun& run = *g_run;
  if (!run.scriptDone || run.endPosted || !DrewField(run)) return;
  run.endPosted = true;
  PostMessage(dialog, WM_KEYDOWN, VK_RETURN, 0);
}

// Each step checks what the previous one's posted input did, then posts more.
void RunStep(HWND dialog, int step) {
  DialogRun& run = *g_run;
  switch (step) {
    case 1:
      Click(dialog, kCheck);
      break;
    case 2:
      EXPECT_EQ(IsDlgButtonChecked(dialog, kCheck), BST_CHECKED);
      EXPECT_TRUE(run.Has(WM_COMMAND, kCheck, BN_CLICKED));
      Click(dialog, kRadioB);
      Click(dialog, kRadioC);
      Click(dialog, kRadioY);
      break;
    case 3:
      EXPECT_EQ(IsDlgButtonChecked(dialog, kRadioB), BST_UNCHECKED);
      EXPECT_EQ(IsDlgButtonChecked(dialog, kRadioC), BST_CHECKED);
      EXPECT_EQ(IsDlgButtonChecked(dialog, kRadioY), BST_CHECKED);  // its own group
      EXPECT_TRUE(CheckRadioButton(dialog, kRadioA, kRadioC, kRadioA));
      EXPECT_EQ(IsDlgButtonChecked(dialog, kRadioA), BST_CHECKED);
      EXPECT_EQ(IsDlgButtonChecked(dialog, kRadioC), BST_UNCHECKED);
      EXPECT_EQ(IsDlgButtonChecked(dialog, kRadioY), BST_CHECKED);
      Edit_LimitText(GetDlgItem(dialog, kLimited), 2);
      Type(dialog, kLimited, "abc");
      Type(dialog, kReadOnly, "x");
      Type(dialog, kNumber, "5q7");
      g_editProc = SubclassWindow(GetDlgItem(dialog, kSecret), NoXProc);
      Type(dialog, kSecret, "xyx");
      break;
    case 4:
      EXPECT_EQ(Text(dialog, kLimited), "ab");
      EXPECT_TRUE(run.Has(WM_COMMAND, kLimited, EN_CHANGE));
      EXPECT_EQ(Text(dialog, kReadOnly), "ro");
      EXPECT_EQ(Text(dialog, kNumber), "57");
      EXPECT_EQ(Text(dialog, kSecret), "y");
      Edit_SetReadOnly(GetDlgItem(dialog, kReadOnly), FALSE);
      Type(dialog, kReadOnly, "w");
      break;
    case 5: {
      EXPECT_EQ(Text(dialog, kReadOnly), "row");
      HWND combo = GetDlgItem(dialog, kCombo);
      EXPECT_EQ(ComboBox_GetCount(combo), 3);
      EXPECT_EQ(ComboBox_GetCurSel(combo), -1);
      EXPECT_EQ(ComboBox_SetCurSel(combo, 1), 1);
      EXPECT_EQ(ComboBox_GetCurSel(combo), 1);
      EXPECT_EQ(ComboBox_GetItemData(combo, 1), 1001);
      EXPECT_EQ(ComboBox_GetItemData(combo, 5), -1);
      EXPECT_EQ(Text(dialog, kCombo), "Two");
      EXPECT_FALSE(run.Has(WM_COMMAND, kCombo, CBN_SELCHANGE));  // the program's own change
      EXPECT_EQ(ComboBox_ResetContent(combo), 0);
      EXPECT_EQ(ComboBox_GetCount(combo), 0);
      HWND list = GetDlgItem(dialog, kList);
      EXPECT_EQ(ListBox_SetCurSel(list, 2), 2);
      EXPECT_EQ(ListBox_GetCurSel(list), 2);
      EXPECT_EQ(ListBox_SetCurSel(list, 9), -1);
      HWND view = GetDlgItem(dialog, kView);
      char cell[32];
      EXPECT_EQ(ListView_GetItemCount(view), 2);
      ASSERT_TRUE(ListView_GetItemText(view, 0, 1, cell, sizeof cell));
      EXPECT_STREQ(cell, "-$5.00");  // the later row went on top
      ListView_InsertColumn(view, 1, "Id#", 55, LVCFMT_LEFT);
      ASSERT_TRUE(ListView_GetItemText(view, 1, 2, cell, sizeof cell));
      EXPECT_STREQ(cell, "$25.00");  // moved right with its column
      ASSERT_TRUE(ListView_GetItemText(view, 1, 1, cell, sizeof cell));
      EXPECT_STREQ(cell, "");
      EXPECT_FALSE(ListView_GetItemText(view, 5, 0, cell, sizeof cell));
      HWND tab = GetDlgItem(dialog, kTab);
      EXPECT_EQ(TabCtrl_GetCurSel(tab), 0);
      EXPECT_EQ(TabCtrl_SetCurSel(tab, 2), 0);
      EXPECT_EQ(TabCtrl_GetCurSel(tab), 2);
      RECT page;
      ASSERT_TRUE(TabCtrl_GetDisplayRect(tab, &page));
      EXPECT_GT(page.top, 0);
      EXPECT_LT(page.bottom, 80);
      EXPECT_GT(page.right - page.left, 200);
      SetFocus(tab);
      PostMessage(tab, WM_KEYDOWN, VK_LEFT, 1);
      break;
    }
    case 6: {
      // The user's tab change: told before (old selection) and after (new one).
      std::vector<Event> notes;
      for (const Event& e : run.events) {
        if (e.msg == WM_NOTIFY) notes.push_back(e);
      }
      ASSERT_EQ(notes.size(), 2u);
      EXPECT_EQ(notes[0].code, TCN_SELCHANGING);
      EXPECT_EQ(notes[0].extra, 2);
      EXPECT_EQ(notes[1].code, TCN_SELCHANGE);
      EXPECT_EQ(notes[1].extra, 1);
      HWND made = CreateWindow("BUTTON", "Made at run time", WS_CHILD | WS_VISIBLE | CS_BUTTON_CHECKBOX,
                               220, 114, 120, 18, dialog, kRunTime, GetModuleInstance(), nullptr);
      ASSERT_NE(made, nullptr);
      EXPECT_EQ(GetDlgItem(dialog, kRunTime), made);
      EXPECT_EQ(GetDlgCtrlID(made), kRunTime);
      Click(dialog, kRunTime);
      Click(dialog, kLabel);
      break;
    }
    case 7: {
      EXPECT_EQ(IsDlgButtonChecked(dialog, kRunTime), BST_CHECKED);
      HWND made = GetDlgItem(dialog, kRunTime);
      EXPECT_TRUE(DestroyWindow(made));
      EXPECT_EQ(GetDlgItem(dialog, kRunTime), nullptr);
      EXPECT_FALSE(IsWindow(made));
      EXPECT_TRUE(run.Has(WM_COMMAND, kLabel, STN_CLICKED));
      // The dialog paints its own background and a blue block; the label its red brush.
      InvalidateRect(dialog, nullptr, TRUE);
      UpdateWindow(dialog);
      UpdateWindow(GetDlgItem(dialog, kLabel));
      HDC dc = GetDC(dialog);
      EXPECT_EQ(GetPixel(dc, 455, 335), RGB(0, 255, 0));  // WM_CTLCOLORDLG's brush
      EXPECT_EQ(GetPixel(dc, 360, 90), RGB(0, 0, 255));   // painted in WM_PAINT
      EXPECT_EQ(GetPixel(dc, 448, 28), RGB(255, 0, 0));   // WM_CTLCOLORSTATIC's brush
      ReleaseDC(dialog, dc);
      SetDlgItemText(dialog, kPush, "Pushed");
      EXPECT_EQ(Text(dialog, kPush), "Pushed");
      Click(dialog, kPush);
      break;
    }
    case 8:
      EXPECT_TRUE(run.Has(WM_COMMAND, kPush, BN_CLICKED));
      run.scriptDone = true;
      EndOnceFieldDrawn(dialog);
      return;
    default:
      return;
  }
  PostMessage(dialog, kStep, static_cast<WPARAM>(step + 1), 0);
}

INT_PTR EveryControlProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  DialogRun& run = *g_run;
  switch (msg) {
    case WM_INITDIALOG:
      run.initAt = static_cast<int>(run.events.size());
      run.events.push_back({msg, 0, 0, 0});
      FillControls(dialog);
      PostMessage(dialog, kStep, 1, 0);
      return TRUE;
    case WM_MEASUREITEM: {
      auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      mis->itemHeight = 24;
      run.events.push_back({msg, mis->controlId, 0, 0});
      return TRUE;
    }
    case WM_DRAWITEM: {
      auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      run.events.push_back({msg, dis->controlId, dis->itemId, static_cast<int>(dis->itemState)});
      if (FillRect(dis->hdc, &dis->rcItem, run.red) == 1) ++run.drawItemFills;
      SetBkMode(dis->hdc, TRANSPARENT);
      const char* name = dis->itemData == 11 ? "Visa" : "?";
      TextOut(dis->hdc, dis->rcItem.left + 2, dis->rcItem.top + 2, name, static_cast<int>(std::strlen(name)));
      EndOnceFieldDrawn(dialog);
      return TRUE;
    }
    case WM_CTLCOLORDLG:
      return reinterpret_cast<INT_PTR>(run.green);
    case WM_CTLCOLORSTATIC:
      if (GetDlgCtrlID(LParamToHandle(lParam)) != kLabel) return FALSE;
      SetTextColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<INT_PTR>(run.red);
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(dialog, &ps);
      const RECT block{350, 80, 450, 100};
      HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
      FillRect(dc, &block, blue);
      DeleteObject(ToObject(blue));
      EndPaint(dialog, &ps);
      return TRUE;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      run.events.push_back({msg, header->idFrom, header->code, TabCtrl_GetCurSel(header->hwndFrom)});
      return TRUE;
    }
    case WM_COMMAND:
      run.events.push_back({msg, LOWORD(wParam), HIWORD(wParam), 0});
      if (LOWORD(wParam) == IDOK) EndDialog(dialog, 42);
      if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, -5);
      return TRUE;
    case kStep:
      RunStep(dialog, static_cast<int>(wParam));
      return TRUE;
    case WM_DESTROY:
      run.events.push_back({msg, 0, 0, 0});
      return FALSE;
    default:
      return FALSE;
  }
}

class DialogDriven : public contract::Contract {};

TEST_F(DialogDriven, EveryControlKindOpensAndIsDriven) {
  RegisterDialogResource(kTemplateId, &kTemplate);
  DialogRun run;
  g_run = &run;
  EXPECT_EQ(DialogBoxParam(GetModuleInstance(), kTemplateId, nullptr, EveryControlProc, 0), 42);
  g_run = nullptr;
  ASSERT_GE(run.initAt, 0);
  // The owner-drawn combo box asked for its item height before WM_INITDIALOG.
  bool measuredFirst = false;
  for (int i = 0; i < run.initAt; ++i) {
    measuredFirst = measuredFirst || (run.events[static_cast<std::size_t>(i)].msg == WM_MEASUREITEM &&
                                      run.events[static_cast<std::size_t>(i)].id == kDrawnCombo);
  }
  EXPECT_TRUE(measuredFirst);
  EXPECT_TRUE(DrewField(run));
  EXPECT_GT(run.drawItemFills, 0);
  EXPECT_TRUE(run.Has(WM_COMMAND, IDOK, BN_CLICKED));
  EXPECT_EQ(run.events.back().msg, static_cast<UINT>(WM_DESTROY));
  DeleteObject(ToObject(run.red));
  DeleteObject(ToObject(run.green));
}

}  // namespace
