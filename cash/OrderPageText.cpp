#include "cash/OrderPageText.h"

#include <string>

#include "cash/CashierClientRecord.h"
#include "cash/FormatText.h"
#include "cash/OrderTypes.h"
#include "cash/TransactionLayout.h"

using namespace plat;

namespace {

constexpr int kPageFontHeight = 11;
constexpr int kPanelFontHeight = 14;
constexpr int kPanelFontWidth = 5;
constexpr int kAddressLineHeight = 15;
constexpr COLORREF kPageInk = RGB(0, 0, 0);
constexpr COLORREF kPanelInk = RGB(255, 255, 255);

// The operator's postal address and payee, drawn in bold beside the rows.
struct OperatorBlock {
  int orderType;
  int x, y;
  const char* text;
};
constexpr OperatorBlock kOperatorBlocks[] = {
    {kOrderBankDraftDeposit, 120, 98, "Casino Cashier\nPO Box 1180\nHarbour Road 7\nPort Amsel"},
    {kOrderMoneyTransfer, 120, 148, "Casino Cashier\nHarbour Road 7\nPort Amsel"},
};

// A font selected into a device for the life of the object.
class CSelectedFont {
 public:
  CSelectedFont(HDC hdc, int height, int width, int weight)
      : m_hdc(hdc), m_font(CreateFont(height, width, weight, "Arial")), m_old(SelectFont(hdc, m_font)) {}
  ~CSelectedFont() {
    SelectFont(m_hdc, m_old);
    DeleteObject(ToObject(m_font));
  }
  CSelectedFont(const CSelectedFont&) = delete;
  CSelectedFont& operator=(const CSelectedFont&) = delete;

 private:
  HDC m_hdc;
  HFONT m_font;
  HFONT m_old;
};

// Word-wrapped text from (x, y) of rect to its right and bottom edges;
// answers the height drawn.
int DrawWrapped(HDC hdc, const RECT& rect, int x, int y, const char* text) {
  RECT box{rect.left + x, rect.top + y, rect.right, rect.bottom};
  if (box.left >= box.right || box.top >= box.bottom) return 0;
  return DrawText(hdc, text, -1, &box, DT_LEFT | DT_WORDBREAK);
}

void DrawLines(HDC hdc, const RECT& rect, int x, int y, const char* const* lines, int count) {
  for (int i = 0; i < count; ++i) {
    if (lines[i][0] == 0) continue;
    DrawWrapped(hdc, rect, x, y, lines[i]);
    y += kAddressLineHeight;
  }
}

// The user's address as the account holds it, one line each; the second and
// third address lines and the state only when given.
void DrawUserAddress(HDC hdc, const RECT& rect, int x, int y) {
  const CashierUserRecord& u = gCashierUser;
  const char* lines[] = {u.name, u.address1, u.address2, u.address3, u.zipcode, u.town, u.state, u.country};
  DrawLines(hdc, rect, x, y, lines, static_cast<int>(sizeof lines / sizeof lines[0]));
}

void DrawPageExtras(HDC hdc, const RECT& rect, int orderType, const CashierClientRecord& record) {
  const bool offline = gCashierMode == kModeOffline;
  switch (orderType) {
    case kOrderCreditCard: {
      const std::string line =
          record.currentSecurityLimit == 0
              ? std::string("4. For security reasons, please enter your Security Code")
              : FormatText("4. You can deposit an additional %.0f USD without a Security Code.",
                           record.currentSecurityLimit);
      DrawWrapped(hdc, rect, 0, 268, line.c_str());
      break;
    }
    case kOrderBankDraftWithdraw:
      if (offline) {
        const char* lines[] = {"You are playing offline.", "The amount will only be withdrawn from",
                               "your local Play For Fun account."};
        DrawLines(hdc, rect, 110, 180, lines, 3);
      } else {
        DrawUserAddress(hdc, rect, 100, 175);
      }
      break;
    case kOrderSecurityCode: {
      const double limit = record.securityLimit;
      const std::string text = FormatText(
          "In order to maintain a secure transaction system, you are asked to enter your Security "
          "Code every time you request a withdrawal or deposit more than %.0f USD using a credit "
          "card. This means that you can start playing immediately and deposit up to %.0f USD "
          "without a Security Code. Once you have reached %.0f USD, however, you need a Security "
          "Code to deposit additional funds into your Kestrup account.",
          limit, limit, limit);
      DrawWrapped(hdc, rect, 0, 16, text.c_str());
      if (!offline) DrawUserAddress(hdc, rect, 100, 191);
      break;
    }
    default:
      break;
  }
  CSelectedFont bold(hdc, kPageFontHeight, 0, FW_BOLD);
  for (const OperatorBlock& block : kOperatorBlocks) {
    if (block.orderType == orderType) DrawWrapped(hdc, rect, block.x, block.y, block.text);
  }
}

// A bold label and its text below it in the panel; answers the next free y.
int DrawPanelEntry(HDC hdc, const RECT& panel, int y, const char* label, const char* text) {
  {
    CSelectedFont bold(hdc, kPanelFontHeight, kPanelFontWidth, FW_BOLD);
    y += DrawWrapped(hdc, panel, 4, y, label);
  }
  CSelectedFont normal(hdc, kPanelFontHeight, kPanelFontWidth, FW_NORMAL);
  return y + DrawWrapped(hdc, panel, 4, y, text) + 6;
}

}  // namespace

void DrawPageText(HDC hdc, const OrderTextRow* rows, const RECT& rect) {
  for (const OrderTextRow* row = rows; row->text; ++row) {
    CSelectedFont font(hdc, kPageFontHeight, 0, row->font == 2 ? FW_BOLD : FW_NORMAL);
    DrawWrapped(hdc, rect, row->x, row->y, row->text);
  }
}

void DrawOrderPage(HDC hdc, const RECT& rect, int orderType, const CashierClientRecord& record) {
  if (orderType < 0 || orderType >= kOrderTypeCount) return;
  const OrderTypeRow& type = gOrderTypes[orderType];
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, kPageInk);
  {
    CSelectedFont bold(hdc, kPageFontHeight, 0, FW_BOLD);
    RECT title{rect.left, rect.top, rect.right, rect.top + kPageFontHeight + 2};
    DrawText(hdc, type.title, -1, &title, DT_CENTER | DT_SINGLELINE);
  }
  DrawPageText(hdc, type.rows, rect);
  CSelectedFont normal(hdc, kPageFontHeight, 0, FW_NORMAL);
  DrawPageExtras(hdc, rect, orderType, record);
}

void DrawOrderInfo(HDC hdc, const RECT& panel, const OrderTypeRow& row, const char* name,
                   const CashierClientRecord& record) {
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, kPanelInk);
  {
    CSelectedFont normal(hdc, kPanelFontHeight, kPanelFontWidth, FW_NORMAL);
    const std::string nameText = name ? name : "";
    TextOut(hdc, kNameAt.x, kNameAt.y, nameText.c_str(), static_cast<int>(nameText.size()));
    const std::string balance = FormatText("$%.2f", record.accountSum);
    TextOut(hdc, kBalanceAt.x, kBalanceAt.y, balance.c_str(), static_cast<int>(balance.size()));
  }
  int y = 6;
  y = DrawPanelEntry(hdc, panel, y, "Amount:", row.limitText);
  y = DrawPanelEntry(hdc, panel, y, "Time:", row.timeText);
  y = DrawPanelEntry(hdc, panel, y, "Service Charge:", row.chargeText);
  if (gCashierMode == kModeOnline && &row == &gOrderTypes[kOrderCreditCard]) {
    const std::string count = FormatText("Maximum number of transactions is set at %ld per 24 hours.",
                                         static_cast<long>(record.max24HourCardDepositCount));
    y = DrawPanelEntry(hdc, panel, y, "Important:", count.c_str()) - 6;
    const std::string deposit =
        FormatText("Maximum deposit is set at %.0f USD per transaction and 24 hours.", record.max24HourCardDeposit);
    CSelectedFont normal(hdc, kPanelFontHeight, kPanelFontWidth, FW_NORMAL);
    DrawWrapped(hdc, panel, 4, y, deposit.c_str());
  }
}
