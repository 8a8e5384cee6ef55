#include "tests/cash/CashierRun.h"

#include <memory>

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

int CashierRun::Boxes(const std::string& text, const char* caption) {
  int n = 0;
  for (const auto& box : plat::headless::MessageBoxes()) {
    n += box.text == text && (caption == nullptr || box.caption == caption) ? 1 : 0;
  }
  return n;
}

std::function<bool()> CashierRun::AfterFrames(int frames) {
  auto start = std::make_shared<plat::DWORD>(0);
  auto started = std::make_shared<bool>(false);
  return [=] {
    if (!*started) {
      *started = true;
      *start = plat::headless::Now();
    }
    return plat::headless::Now() - *start >= static_cast<plat::DWORD>(20 * frames + 2);
  };
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
