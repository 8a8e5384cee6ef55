#include "cash/AccountLogDialog.h"

#include <string>

#include "cash/CashierClientRecord.h"
#include "cash/FormatText.h"
#include "cash/GreyBackground.h"
#include "cash/TransactionLayout.h"
#include "framework/link/Comm.h"
#include "framework/link/Text.h"
#include "framework/shell/HelpPage.h"
#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/gdi.h"

using namespace plat;

namespace {

struct LogColumn {
  const char* title;
  int width;  // -1 ends the table
  const char* tag;
  int money;  // 1: shown in dollars
};

constexpr LogColumn kLogColumns[] = {
    {"Date", 110, "date", 0},     {"Id#", 55, "orderid", 0},    {"Type", 80, "type", 0},
    {"State", 80, "state", 0},    {"Amount", 55, "amount", 1},  {"Charge", 50, "service", 1},
    {"Comment", 150, "comment", 0}, {nullptr, -1, nullptr, 0},
};
constexpr int kOrderIdColumn = 1;

constexpr char kHelpPage[] = "trans.htm";
constexpr int kHeaderShiftX = 10;
constexpr int kHeaderShiftY = 11;
constexpr int kUserGap = 35;
constexpr int kBalanceGap = 97;

const CashierClientRecord* gLogRecord = nullptr;

int ColumnOfTag(const char* tag) {
  for (int i = 0; kLogColumns[i].width != -1; ++i) {
    if (StrICmp(kLogColumns[i].tag, tag) == 0) return i;
  }
  return -1;
}

// "$" before an amount, and the minus before the dollar sign.
std::string MoneyCell(const char* value) {
  if (value[0] == '-') return std::string("-$") + (value + 1);
  return std::string("$") + value;
}

void FillLog(HWND view, CComm& comm) {
  for (int i = 0; kLogColumns[i].width != -1; ++i) {
    ListView_InsertColumn(view, i, kLogColumns[i].title, kLogColumns[i].width, LVCFMT_LEFT);
  }
  bool haveRow = false;
  for (; comm.HasTag(); comm.NextTag()) {
    const int column = ColumnOfTag(comm.TagName());
    if (column < 0) continue;
    const char* value = comm.TagValue() ? comm.TagValue() : "";
    if (column == kOrderIdColumn) {
      ListView_InsertItem(view, 0, "");
      haveRow = true;
    }
    if (!haveRow) continue;  // nothing to put it in before the first order
    ListView_SetItemText(view, 0, column, kLogColumns[column].money ? MoneyCell(value).c_str() : value);
  }
}

RECT HeaderRect(HWND dialog, int id) {
  RECT r{};
  HWND control = GetDlgItem(dialog, id);
  GetClientRect(control, &r);
  MapWindowRect(control, dialog, &r);
  r.left += kHeaderShiftX;
  r.right += kHeaderShiftX;
  r.top += kHeaderShiftY;
  r.bottom += kHeaderShiftY;
  return r;
}

void DrawHeader(HDC hdc, const RECT& at, const char* label, int gap, const std::string& value) {
  HFONT bold = CreateFont(14, 5, FW_BOLD, "Arial");
  HFONT normal = CreateFont(14, 5, FW_NORMAL, "Arial");
  HFONT old = SelectFont(hdc, bold);
  RECT r = at;
  DrawText(hdc, label, -1, &r, DT_LEFT | DT_SINGLELINE);
  SelectFont(hdc, normal);
  r = at;
  r.left += gap;
  DrawText(hdc, value.c_str(), -1, &r, DT_LEFT | DT_SINGLELINE);
  SelectFont(hdc, old);
  DeleteObject(ToObject(bold));
  DeleteObject(ToObject(normal));
}

void Paint(HWND dialog) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(dialog, &ps);
  if (!hdc) return;
  RECT client;
  GetClientRect(dialog, &client);
  FillRect(hdc, &client, GetStockBrush(LTGRAY_BRUSH));
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, RGB(0, 0, 0));
  DrawHeader(hdc, HeaderRect(dialog, kLogUserId), "User: ", kUserGap, gPlayerRecord.GetName());
  const double balance = gLogRecord ? gLogRecord->accountSum : 0;
  DrawHeader(hdc, HeaderRect(dialog, kLogBalanceId), "Current balance: ", kBalanceGap, FormatText("$%.2f", balance));
  EndPaint(dialog, &ps);
}

}  // namespace

INT_PTR AccountLogDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: {
      const auto* source = reinterpret_cast<const AccountLogSource*>(lParam);
      gLogRecord = source ? source->record : nullptr;
      if (source && source->comm) FillLog(GetDlgItem(dialog, kAccountLogListId), *source->comm);
      return TRUE;
    }
    case WM_PAINT:
      Paint(dialog);
      return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORDLG:
      return GreyBackground(reinterpret_cast<HDC>(wParam));
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          EndDialog(dialog, 1);
          return TRUE;
        case IDCANCEL:
          EndDialog(dialog, 0);
          return TRUE;
        case kHelpButtonId:
        case kHelpCommandId:
          OpenHelpPage(kHelpPage);
          return TRUE;
        default:
          return FALSE;
      }
    case WM_DESTROY:
      gLogRecord = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}

INT_PTR RunAccountLogDialog(HWND owner, CComm& comm, const CashierClientRecord& record) {
  AccountLogSource source{&comm, &record};
  return DialogBoxParam(nullptr, kAccountLogDialogId, owner, AccountLogDlgProc, reinterpret_cast<LPARAM>(&source));
}
