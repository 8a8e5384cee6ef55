#include "cash/TransactionDialog.h"

#include <cstring>
#include <string>

#include "cash/AmountEdit.h"
#include "cash/CardTypeList.h"
#include "cash/CashierClientRecord.h"
#include "cash/CashierMoney.h"
#include "cash/CashierResources.h"
#include "cash/FormatText.h"
#include "cash/GreyBackground.h"
#include "cash/OrderForm.h"
#include "cash/OrderFormBox.h"
#include "cash/OrderPageText.h"
#include "cash/OrderPages.h"
#include "cash/OrderTypes.h"
#include "cash/TransactionLayout.h"
#include "framework/shell/HelpPage.h"
#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/gdi.h"

using namespace plat;

namespace {

constexpr int kDepositTabs[] = {kOrderCreditCard, kOrderBankDraftDeposit, kOrderMoneyTransfer, kOrderSecurityCode};
constexpr int kWithdrawTabs[] = {kOrderSecurityCode, kOrderBankDraftWithdraw, kOrderWireTransfer};

constexpr char kHelpPage[] = "trans.htm";
constexpr double kOfflineSecurityLimit = 500;
constexpr int kAmountSize = 21;

constexpr char kCodeRequestText[] =
    "IMPORTANT!\n\nBy requesting a new security code your old security code will immediately\n"
    "be invalid. You cannot deposit more than the security limit or withdraw any money until the\n"
    "new code has reached you: it is sent by regular mail and takes 10 to 21 days to arrive.\n\n"
    "Only request a new security code when you have lost the old one or believe that someone\n"
    "else knows it.";
constexpr char kCodeRequestCaption[] = "Security Code Request";

// The open dialog's state: one dialog at a time.
struct TransactionRun {
  CashierClientRecord* record = nullptr;
  int mode = kDepositDialog;
  RECT page{};
  WNDPROC tabProc = nullptr;
  HFONT tabFont = nullptr;
};
TransactionRun gRun;
HFONT gConfirmFont = nullptr;

HWND TabOf(HWND dialog) { return GetDlgItem(dialog, kTabControlId); }

// Draws the part of the background picture that lies under area of the
// client area, the picture stretched over the whole client area.
void PaintBackground(HWND dialog, HDC hdc, const RECT& area) {
  const CDib& picture = gCashierBackground;
  RECT client;
  if (!picture.Info() || !GetClientRect(dialog, &client) || client.right <= 0 || client.bottom <= 0) return;
  const int w = picture.Width();
  const int h = picture.Height();
  const int srcLeft = area.left * w / client.right;
  const int srcTop = area.top * h / client.bottom;
  const int srcWidth = (area.right - area.left) * w / client.right;
  const int srcHeight = (area.bottom - area.top) * h / client.bottom;
  StretchDIBits(hdc, area.left, area.top, area.right - area.left, area.bottom - area.top, srcLeft,
                h - srcTop - srcHeight, srcWidth, srcHeight, picture.Bits(), picture.Info(), DIB_RGB_COLORS,
                SRCCOPY);
}

void DrawInfo(HDC hdc) {
  const int type = gOrderForm.orderType;
  if (type < 0 || type >= kOrderTypeCount || !gRun.record) return;
  DrawOrderInfo(hdc, kInfoPanel, gOrderTypes[type], gPlayerRecord.GetName(), *gRun.record);
}

void RedrawInfoPanel(HWND dialog) {
  HDC hdc = GetDC(dialog);
  if (!hdc) return;
  const RECT area{0, kNameAt.y - 2, kInfoPanel.right, kInfoPanel.bottom};
  PaintBackground(dialog, hdc, area);
  DrawInfo(hdc);
  ReleaseDC(dialog, hdc);
}

// After the tab control's own painting the page texts go over it again.
LRESULT TabPaintProc(HWND tab, UINT msg, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallWindowProc(gRun.tabProc, tab, msg, wParam, lParam);
  if (msg == WM_PAINT && gRun.record) {
    BuildOrderPage(GetParent(tab), &gOrderForm, kPagePaint, gRun.page, gRun.record);
  }
  return result;
}

// Builds the page of the form's order type; a page that cannot be built
// (a card logo missing) ends the dialog as one that could not be shown.
void BuildPage(HWND dialog) {
  if (BuildOrderPage(dialog, &gOrderForm, kPageCreate, gRun.page, gRun.record)) return;
  BuildOrderPage(dialog, &gOrderForm, kPageDestroy, gRun.page, gRun.record);
  EndDialog(dialog, -1);
}

void SetTitle(HWND dialog) {
  const bool deposit = gRun.mode == kDepositDialog;
  const char* title = deposit ? "DEPOSIT" : "WITHDRAW";
  if (gCashierMode == kModeOffline) {
    title = deposit ? "DEPOSIT (You are now playing offline - no real money will be transferred.)"
                    : "WITHDRAW (You are now playing offline - no real money will be transferred.)";
  }
  SetWindowText(dialog, title);
}

INT_PTR OpenDialog(HWND dialog, LPARAM lParam) {
  gRun.record = reinterpret_cast<CashierClientRecord*>(lParam);
  SetForegroundWindow(dialog);
  SetTitle(dialog);
  if (gCashierMode == kModeOffline) gRun.record->securityLimit = kOfflineSecurityLimit;
  HWND tab = TabOf(dialog);
  gRun.tabFont = CreateFont(13, 0, FW_NORMAL, "Arial");
  SendMessage(tab, WM_SETFONT, reinterpret_cast<WPARAM>(gRun.tabFont), 0);
  const bool deposit = gRun.mode == kDepositDialog;
  const int* tabs = deposit ? kDepositTabs : kWithdrawTabs;
  const int count = deposit ? static_cast<int>(std::size(kDepositTabs)) : static_cast<int>(std::size(kWithdrawTabs));
  for (int i = 0; i < count; ++i) TabCtrl_InsertItem(tab, i, gOrderTypes[tabs[i]].name);
  TabCtrl_SetCurSel(tab, 0);
  gOrderForm.orderType = tabs[0];
  TabCtrl_GetDisplayRect(tab, &gRun.page);
  MapWindowRect(tab, dialog, &gRun.page);
  gRun.tabProc = SubclassWindow(tab, TabPaintProc);
  BuildPage(dialog);
  return TRUE;
}

void CloseDialog(HWND dialog, INT_PTR result) {
  BuildOrderPage(dialog, &gOrderForm, kPageDestroy, gRun.page, gRun.record);
  EndDialog(dialog, result);
}

void ChangeTab(HWND dialog, int code) {
  if (code == TCN_SELCHANGING) {
    gOrderForm.orderType = TabToOrderType(dialog);
    BuildOrderPage(dialog, &gOrderForm, kPageDestroy, gRun.page, gRun.record);
    return;
  }
  gOrderForm.orderType = TabToOrderType(dialog);
  RedrawInfoPanel(dialog);
  BuildPage(dialog);
}

void CutAmountEdit(HWND dialog, int id) {
  char text[kAmountSize];
  GetDlgItemText(dialog, id, text, sizeof text);
  if (CutAmountText(text, sizeof text)) SetDlgItemText(dialog, id, text);
}

void ToggleCodeRequest(HWND dialog) {
  // The click has already checked the box; it stays checked only on OK.
  if (IsDlgButtonChecked(dialog, kRequestCodeId) != BST_CHECKED) return;
  const int answer = MessageBox(dialog, kCodeRequestText, kCodeRequestCaption, MB_OKCANCEL | MB_ICONEXCLAMATION);
  if (answer != IDOK) CheckDlgButton(dialog, kRequestCodeId, BST_UNCHECKED);
}

void Confirm(HWND dialog) {
  gOrderForm.orderType = TabToOrderType(dialog);
  BuildOrderPage(dialog, &gOrderForm, kPageRead, gRun.page, gRun.record);
  double amount = 0;
  if (!ReadNumber(gOrderForm.amount, &amount) || amount == 0) {
    CloseDialog(dialog, 0);
    return;
  }
  if (gCashierMode == kModeOffline) {
    const unsigned char first = static_cast<unsigned char>(gOrderForm.amount[0]);
    CloseDialog(dialog, first >= '0' && first <= '9' ? 1 : 0);
    return;
  }
  const int checked = ValidateOrderForm(dialog, *gRun.record);
  if (checked < 0) return;
  if (checked == 1 && gRun.mode == kDepositDialog &&
      DialogBoxParam(nullptr, kDepositConfirmDialogId, dialog, DepositConfirmDlgProc, 0) != 1) {
    return;
  }
  CloseDialog(dialog, checked);
}

void Paint(HWND dialog) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(dialog, &ps);
  if (!hdc) return;
  RECT client;
  GetClientRect(dialog, &client);
  PaintBackground(dialog, hdc, client);
  DrawInfo(hdc);
  EndPaint(dialog, &ps);
}

void RealisePalette(HWND dialog) {
  HPALETTE palette = gScreen.Palette().Handle();
  if (!palette) return;
  HDC hdc = GetDC(dialog);
  if (!hdc) return;
  HPALETTE old = SelectPalette(hdc, palette, FALSE);
  RealizePalette(hdc);
  SelectPalette(hdc, old, FALSE);
  ReleaseDC(dialog, hdc);
}

INT_PTR Command(HWND dialog, WPARAM wParam) {
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  switch (id) {
    case IDOK:
      Confirm(dialog);
      return TRUE;
    case IDCANCEL:
      CloseDialog(dialog, 0);
      return TRUE;
    case kHelpButtonId:
    case kHelpCommandId:
      OpenHelpPage(kHelpPage);
      return TRUE;
    case kRequestCodeId:
      if (code == BN_CLICKED && gOrderForm.orderType == kOrderSecurityCode) ToggleCodeRequest(dialog);
      return TRUE;
    default:
      if (code == EN_KILLFOCUS && IsAmountEdit(gOrderForm.orderType, id)) {
        CutAmountEdit(dialog, id);
        return TRUE;
      }
      return FALSE;
  }
}

}  // namespace

int TabToOrderType(HWND dialog) {
  const int tab = TabCtrl_GetCurSel(TabOf(dialog));
  if (gRun.mode == kDepositDialog) {
    return tab >= 0 && tab < static_cast<int>(std::size(kDepositTabs)) ? kDepositTabs[tab] : kOrderCreditCard;
  }
  return tab >= 0 && tab < static_cast<int>(std::size(kWithdrawTabs)) ? kWithdrawTabs[tab] : kOrderSecurityCode;
}

INT_PTR TransactionDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      return OpenDialog(dialog, lParam);
    case WM_PAINT:
      Paint(dialog);
      return TRUE;
    case WM_NOTIFY: {
      const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
      if (!header || header->idFrom != kTabControlId) return FALSE;
      if (header->code == TCN_SELCHANGING || header->code == TCN_SELCHANGE) ChangeTab(dialog, header->code);
      return TRUE;
    }
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (item->controlId != kCardTypeId) return FALSE;
      if (item->itemHeight < kCardItemHeight) item->itemHeight = kCardItemHeight;
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->controlId != kCardTypeId) return FALSE;
      DrawCardTypeItem(*item);
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORDLG:
      return GreyBackground(reinterpret_cast<HDC>(wParam));
    case WM_QUERYNEWPALETTE:
    case WM_PALETTECHANGED:
      RealisePalette(dialog);
      return TRUE;
    case WM_COMMAND:
      return Command(dialog, wParam);
    case WM_DESTROY:
      if (gRun.tabFont) DeleteObject(ToObject(gRun.tabFont));
      gRun.tabFont = nullptr;
      gRun.record = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}

INT_PTR DepositConfirmDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG: {
      double amount = 0;
      if (!ReadNumber(gOrderForm.amount, &amount) || amount == 0) {
        EndDialog(dialog, 1);
        return TRUE;
      }
      const std::string text =
          FormatText("The amount of $%.0f will be deposited to your Kestrup account.", amount);
      RECT client;
      GetClientRect(dialog, &client);
      HWND label = CreateWindow("STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | CS_CENTER, 0,
                                GetSystemMetrics(SM_CYCAPTION) + 29, client.right, 20, dialog, kConfirmTextId,
                                nullptr, nullptr);
      gConfirmFont = CreateFont(13, 0, FW_NORMAL, "Arial");
      if (label) SendMessage(label, WM_SETFONT, reinterpret_cast<WPARAM>(gConfirmFont), 0);
      return TRUE;
    }
    case WM_DESTROY:
      if (gConfirmFont) DeleteObject(ToObject(gConfirmFont));
      gConfirmFont = nullptr;
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) EndDialog(dialog, 1);
      if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 2);
      return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORDLG:
      return GreyBackground(reinterpret_cast<HDC>(wParam));
    default:
      return FALSE;
  }
}

void SetTransactionMode(int mode) { gRun.mode = mode == kWithdrawDialog ? kWithdrawDialog : kDepositDialog; }

INT_PTR RunTransactionDialog(HWND owner, int mode, CashierClientRecord* record) {
  SetTransactionMode(mode);
  gOrderForm.requestCode = 0;
  return DialogBoxParam(nullptr, kTransactionDialogId, owner, TransactionDlgProc, reinterpret_cast<LPARAM>(record));
}
