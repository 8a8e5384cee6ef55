#include "cash/OrderPages.h"

#include <cstddef>
#include <cstring>

#include "cash/CardTypeList.h"
#include "cash/CardTypes.h"
#include "cash/CashierClientRecord.h"
#include "cash/OrderForm.h"
#include "cash/OrderPageText.h"
#include "cash/OrderTypes.h"
#include "cash/TransactionLayout.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/gdi.h"

using namespace plat;

namespace {

enum ControlRole : int {
  kEdit,          // typed by the player
  kAmountEdit,    // kEdit whose text is cut to whole dollars
  kCardEdit,      // the form's card on file, read-only with one or offline
  kSecurityEdit,  // read-only and empty offline
  kPinEdit,       // read-only: the PIN, "OFFLINE" offline
  kCardTypeBox,   // the card-type list, or a read-only edit of the form's card type
  kBankCodeEdit,  // goes to the field of the checked radio button
  kRadio,
  kCheckBox,
};

constexpr std::size_t kNoField = static_cast<std::size_t>(-1);

struct PageControl {
  int orderType;
  int id;
  ControlRole role;
  int fromPage;  // 1: offsets from P, 0: from T
  int x, y, width, height;
  int limit;           // typed characters, 0: none
  std::size_t field;   // offset in OrderForm, kNoField: none
  int readSize;        // bytes read into the field with its zero
};

#define FIELD(name) offsetof(OrderForm, name)

constexpr PageControl kPageControls[] = {
    {kOrderCreditCard, kCardAmountId, kAmountEdit, 0, 264, 48, 64, 20, 0, FIELD(amount), 21},
    {kOrderCreditCard, kCardTypeId, kCardTypeBox, 0, 138, 77, 190, 150, 0, kNoField, 0},
    {kOrderCreditCard, kCardNumberId, kCardEdit, 0, 138, 105, 190, 20, 30, FIELD(cardNumber), 31},
    {kOrderCreditCard, kStartDateId, kCardEdit, 0, 138, 128, 48, 20, 8, FIELD(startDate), 9},
    {kOrderCreditCard, kExpiryDateId, kCardEdit, 0, 280, 128, 48, 20, 8, FIELD(expiryDate), 9},
    {kOrderCreditCard, kCardholderId, kCardEdit, 0, 138, 151, 190, 20, 30, FIELD(cardholder), 31},
    {kOrderCreditCard, kIssueNoId, kCardEdit, 0, 138, 174, 48, 20, 2, FIELD(issueNo), 3},
    {kOrderCreditCard, kBankNameId, kCardEdit, 0, 138, 219, 190, 20, 30, FIELD(bankName), 31},
    {kOrderCreditCard, kBankPhoneId, kCardEdit, 0, 138, 242, 190, 20, 24, FIELD(bankPhone), 25},
    {kOrderCreditCard, kSecurityCodeId, kSecurityEdit, 0, 178, 287, 64, 20, 7, FIELD(securityCode), 8},
    {kOrderBankDraftDeposit, kPinEditId, kPinEdit, 1, 100, 227, 120, 20, 0, kNoField, 0},
    {kOrderMoneyTransfer, kPinEditId, kPinEdit, 1, 100, 265, 120, 20, 0, kNoField, 0},
    {kOrderBankDraftWithdraw, kWithdrawAmountId, kAmountEdit, 1, 245, 70, 64, 20, 0, FIELD(amount), 21},
    {kOrderBankDraftWithdraw, kSecurityCodeId, kSecurityEdit, 0, 178, 125, 64, 20, 7, FIELD(securityCode), 8},
    {kOrderWireTransfer, kWithdrawAmountId, kAmountEdit, 1, 250, 57, 64, 20, 0, FIELD(amount), 21},
    {kOrderWireTransfer, kBankCodeId, kBankCodeEdit, 1, 250, 110, 80, 20, 0, kNoField, 0},
    {kOrderWireTransfer, kSwiftRadioId, kRadio, 1, 33, 112, 13, 13, 0, kNoField, 0},
    {kOrderWireTransfer, kRoutingRadioId, kRadio, 1, 100, 112, 13, 13, 0, kNoField, 0},
    {kOrderWireTransfer, kAbaRadioId, kRadio, 1, 183, 112, 13, 13, 0, kNoField, 0},
    {kOrderWireTransfer, kAccountNoId, kEdit, 1, 76, 157, 80, 20, 20, FIELD(accountNo), 25},
    {kOrderWireTransfer, kAccountNameId, kEdit, 1, 230, 157, 110, 20, 30, FIELD(accountName), 31},
    {kOrderWireTransfer, kBankNameId, kEdit, 1, 76, 205, 95, 20, 30, FIELD(bankName), 31},
    {kOrderWireTransfer, kBankAddress1Id, kEdit, 1, 76, 225, 95, 20, 30, FIELD(bankAddress1), 31},
    {kOrderWireTransfer, kBankAddress2Id, kEdit, 1, 76, 245, 95, 20, 30, FIELD(bankAddress2), 31},
    {kOrderWireTransfer, kBankAddress3Id, kEdit, 1, 76, 265, 95, 20, 30, FIELD(bankAddress3), 31},
    {kOrderWireTransfer, kBankZipCodeId, kEdit, 1, 230, 205, 110, 20, 10, FIELD(bankZipCode), 11},
    {kOrderWireTransfer, kBankTownId, kEdit, 1, 230, 225, 110, 20, 20, FIELD(bankTown), 21},
    {kOrderWireTransfer, kBankStateId, kEdit, 1, 230, 245, 40, 20, 2, FIELD(bankState), 3},
    {kOrderWireTransfer, kBankCountryId, kEdit, 1, 230, 265, 110, 20, 20, FIELD(bankCountry), 21},
    {kOrderWireTransfer, kSecurityCodeId, kSecurityEdit, 0, 178, 304, 64, 20, 7, FIELD(securityCode), 8},
    {kOrderSecurityCode, kRequestCodeId, kCheckBox, 0, 20, 173, 12, 12, 0, kNoField, 0},
};

#undef FIELD

// Where the bank code goes by the checked radio button, with its read size;
// the fields of the other two are cleared so that no code typed earlier
// stays behind.
struct BankCodeTarget {
  int radioId;
  std::size_t field;
  std::size_t size;
  int readSize;
};
constexpr BankCodeTarget kBankCodeTargets[] = {
    {kAbaRadioId, offsetof(OrderForm, aba), sizeof(OrderForm::aba), 11},
    {kRoutingRadioId, offsetof(OrderForm, routing), sizeof(OrderForm::routing), 11},
    {kSwiftRadioId, offsetof(OrderForm, swift), sizeof(OrderForm::swift), 26},
};

constexpr char kPlayForFun[] = "PLAY FOR FUN MODE";
constexpr char kOfflinePin[] = "OFFLINE";
constexpr int kPageFontHeight = 11;

HFONT gPageFont = nullptr;

char* FieldOf(OrderForm* form, std::size_t offset) { return reinterpret_cast<char*>(form) + offset; }

bool Offline() { return gCashierMode == kModeOffline; }

HWND MakeControl(HWND dialog, const char* className, const char* text, DWORD style, const RECT& at,
                 const PageControl& c) {
  const int left = at.left + c.x;
  const int top = at.top + c.y;
  HWND control = CreateWindow(className, text, WS_CHILD | WS_VISIBLE | style, left, top, c.width, c.height,
                              dialog, c.id, nullptr, nullptr);
  if (control && gPageFont) SendMessage(control, WM_SETFONT, reinterpret_cast<WPARAM>(gPageFont), 0);
  return control;
}

HWND MakeEdit(HWND dialog, const RECT& at, const PageControl& c, const char* text, bool readOnly) {
  HWND edit = MakeControl(dialog, "EDIT", text, CS_BORDER | (readOnly ? CS_READONLY : 0), at, c);
  if (edit && c.limit > 0) Edit_LimitText(edit, c.limit);
  return edit;
}

// 1, or 0 when the card-type list could not be filled.
int CreateControl(HWND dialog, const OrderForm& form, const PageControl& c, const RECT& page, const RECT& text) {
  const RECT& at = c.fromPage ? page : text;
  const bool cardOnFile = form.cardOnFile != 0;
  switch (c.role) {
    case kEdit:
      MakeEdit(dialog, at, c, "", false);
      return 1;
    case kAmountEdit:
      MakeEdit(dialog, at, c, c.orderType == kOrderCreditCard ? "20" : "", false);
      return 1;
    case kCardEdit: {
      const char* value = cardOnFile && !Offline() ? FieldOf(const_cast<OrderForm*>(&form), c.field) : "";
      MakeEdit(dialog, at, c, value, cardOnFile || Offline());
      return 1;
    }
    case kSecurityEdit:
      MakeEdit(dialog, at, c, "", Offline());
      return 1;
    case kPinEdit:
      MakeEdit(dialog, at, c, Offline() ? kOfflinePin : gCashierUser.pin, true);
      return 1;
    case kCardTypeBox:
      if (!cardOnFile && !Offline()) {
        HWND list = MakeControl(dialog, "COMBOBOX", "", CS_OWNERDRAW, at, c);
        if (!list) return 1;
        ComboBox_SetDroppedHeight(list, c.height);
        return FillCardTypeList(list);
      } else {
        PageControl edit = c;
        edit.height = 20;
        MakeEdit(dialog, at, edit, Offline() ? kPlayForFun : form.cardType, true);
      }
      return 1;
    case kBankCodeEdit:
      MakeEdit(dialog, at, c, "", false);
      return 1;
    case kRadio: {
      const DWORD group = c.id == kSwiftRadioId ? CS_GROUP : 0;
      MakeControl(dialog, "BUTTON", "", CS_BUTTON_RADIO | group, at, c);
      if (c.id == kSwiftRadioId) CheckRadioButton(dialog, kSwiftRadioId, kAbaRadioId, kSwiftRadioId);
      return 1;
    }
    case kCheckBox: {
      HWND box = MakeControl(dialog, "BUTTON", "", CS_BUTTON_CHECKBOX | CS_GROUP, at, c);
      if (!box) return 1;
      CheckDlgButton(dialog, c.id, form.requestCode ? BST_CHECKED : BST_UNCHECKED);
      if (Offline()) EnableWindow(box, FALSE);
      return 1;
    }
  }
  return 1;
}

void ReadControl(HWND dialog, OrderForm* form, const PageControl& c) {
  switch (c.role) {
    case kCardTypeBox: {
      HWND box = GetDlgItem(dialog, c.id);
      if (ComboBox_GetCount(box) < 0) {  // the read-only edit of a card on file
        char text[sizeof form->cardType];
        GetDlgItemText(dialog, c.id, text, sizeof text);
        CopyField(form->cardType, text);
        return;
      }
      const int row = SelectedCardRow(box);
      CopyField(form->cardType, row < 0 ? "" : gCardTypes[row].protocolName);
      return;
    }
    case kBankCodeEdit: {
      char text[sizeof form->swift];
      const BankCodeTarget* chosen = &kBankCodeTargets[2];
      for (const BankCodeTarget& target : kBankCodeTargets) {
        if (IsDlgButtonChecked(dialog, target.radioId) == BST_CHECKED) {
          chosen = &target;
          break;
        }
      }
      for (const BankCodeTarget& target : kBankCodeTargets) FieldOf(form, target.field)[0] = 0;
      GetDlgItemText(dialog, c.id, text, chosen->readSize);
      CopyField(FieldOf(form, chosen->field), chosen->size, text);
      return;
    }
    case kCheckBox:
      form->requestCode = IsDlgButtonChecked(dialog, c.id) == BST_CHECKED ? 1 : 0;
      return;
    default:
      if (c.field == kNoField) return;
      GetDlgItemText(dialog, c.id, FieldOf(form, c.field), c.readSize);
      return;
  }
}

void PaintPage(HWND dialog, const RECT& text, int orderType, const CashierClientRecord& record) {
  HDC hdc = GetDC(dialog);
  if (!hdc) return;
  DrawOrderPage(hdc, text, orderType, record);
  ReleaseDC(dialog, hdc);
}

void ClearPage(HWND dialog, const RECT& page, const RECT& text) {
  HDC hdc = GetDC(dialog);
  if (!hdc) return;
  const COLORREF colour = GetPixel(hdc, text.left - 1, text.top - 1);
  HBRUSH brush = CreateSolidBrush(colour == CLR_INVALID ? RGB(192, 192, 192) : colour);
  FillRect(hdc, &page, brush);
  DeleteObject(ToObject(brush));
  ReleaseDC(dialog, hdc);
}

}  // namespace

int IsAmountEdit(int orderType, int id) {
  for (const PageControl& c : kPageControls) {
    if (c.orderType == orderType && c.id == id) return c.role == kAmountEdit;
  }
  return 0;
}

RECT PageTextRect(const RECT& page) {
  return RECT{page.left + kTextShiftX, page.top + kTextShiftY, page.right - kTextCutRight,
              page.bottom - kTextCutBottom};
}

int BuildOrderPage(HWND dialog, OrderForm* form, int mode, const RECT& page, CashierClientRecord* record) {
  const int type = form->orderType;
  const RECT text = PageTextRect(page);
  switch (mode) {
    case kPageCreate:
      if (!gPageFont) gPageFont = CreateFont(kPageFontHeight, 0, FW_NORMAL, "Arial");
      for (const PageControl& c : kPageControls) {
        if (c.orderType == type && !CreateControl(dialog, *form, c, page, text)) return 0;
      }
      PaintPage(dialog, text, type, *record);
      return 1;
    case kPageDestroy:
      for (const PageControl& c : kPageControls) {
        if (c.orderType == type) DestroyWindow(GetDlgItem(dialog, c.id));
      }
      if (type == kOrderCreditCard) FreeCardTypeBitmaps();
      if (gPageFont) DeleteObject(ToObject(gPageFont));
      gPageFont = nullptr;
      ClearPage(dialog, page, text);
      return 1;
    case kPageRead:
      for (const PageControl& c : kPageControls) {
        if (c.orderType == type) ReadControl(dialog, form, c);
      }
      return 1;
    case kPagePaint:
      PaintPage(dialog, text, type, *record);
      return 1;
    default:
      return 0;
  }
}
