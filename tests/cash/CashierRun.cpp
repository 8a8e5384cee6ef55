#include "tests/cash/CashierRun.h"

#include "cash/CashierClient.h"
#include "cash/CashierLayout.h"
#include "cash/CashierProgram.h"
#include "cash/TransactionDialog.h"
#include "cash/TransactionLayout.h"
#include "cash/art/CashierSheet.h"
#include "framework/shell/GameHooks.h"
#include "platform/include/plat/headless.h"

CashierRun::CashierRun() : CCardTableRun(cash::kCashierGame, cash::art::CashierSheet(), cash::art::kProgram, nullptr) {
  playerText = "OFFLINE";
}

CashierClientRecord* CashierRun::Record() { return CClientHooks<CashierClientRecord>::Current(); }

bool CashierRun::InState(int state) { return Record() != nullptr && Record()->state == state; }

bool CashierRun::InMenu() { return InState(cash::kMenuIdle); }

void CashierRun::ClickButton(int row) { Click(cash::kCashierButtonTable[row]); }

plat::COLORREF CashierRun::PictureColour(int x, int y) { return SheetColour(cash::art::CashierSheet(), x, y); }

bool CashierRun::Drawn(const cash::Area& a) {
  for (int y = a.y; y < a.y + a.height; ++y) {
    for (int x = a.x; x < a.x + a.width; ++x) {
      if (ScreenPixel(x, y) != PictureColour(x, y)) return true;
    }
  }
  return false;
}

bool CashierRun::Shows(const cash::Area& a, cash::Point source) {
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      if (ScreenPixel(a.x + x, a.y + y) != PictureColour(source.x + x, source.y + y)) return false;
    }
  }
  return true;
}

int CashierRun::Boxes(const std::string& text, const char* caption) {
  int n = 0;
  for (const auto& box : plat::headless::MessageBoxes()) {
    n += box.text == text && (caption == nullptr || box.caption == caption) ? 1 : 0;
  }
  return n;
}

void CashierRun::AnswerDialogs(int tab, const char* amount) {
  const std::string text = amount;
  plat::headless::SetDialogHandler([tab, text](int templateId, plat::HWND dialog) {
    if (templateId != kTransactionDialogId) return;
    if (tab >= 0) plat::headless::SelectTab(dialog, kTabControlId, tab);
    const int amountId = tab >= 0 ? kWithdrawAmountId : kCardAmountId;
    plat::headless::TypeText(dialog, amountId, text.c_str());
    plat::headless::ClickControl(dialog, plat::IDOK);
  });
}
