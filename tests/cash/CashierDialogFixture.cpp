#include "tests/cash/CashierDialogFixture.h"

#include <algorithm>

#include "cash/CardTypes.h"
#include "cash/CashierResources.h"
#include "cash/OrderForm.h"
#include "cash/OrderTypes.h"
#include "cash/TransactionDialog.h"
#include "cash/TransactionLayout.h"
#include "cash/art/CashierDialogArt.h"
#include "framework/link/Text.h"
#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/headless.h"

using namespace plat;

namespace {

constexpr char kProgram[] = "cashier";

}  // namespace

void CashierDialogFixture::SetUp() {
  headless::Reset();
  headless::ClearMessageBoxes();
  headless::ClearDialogs();
  ResetCardTypes();
  ResetOrderTypes();
  ASSERT_EQ(ComposeOrderTexts(0), 1);
  gOrderForm = OrderForm{};
  gCashierMode = kModeOnline;
  gCashierUser = CashierUserRecord{};
  CopyField(gCashierUser.pin, sizeof gCashierUser.pin, "123456");
  CopyField(gCashierUser.name, sizeof gCashierUser.name, "Ada Player");
  CopyField(gCashierUser.address1, sizeof gCashierUser.address1, "Mill Lane 4");
  CopyField(gCashierUser.town, sizeof gCashierUser.town, "Brookfield");
  CopyField(gCashierUser.country, sizeof gCashierUser.country, "Freeland");
  gPlayerRecord.SetName("Ada");
  record = CashierClientRecord{};
  record.accountSum = 1000;
  record.securityLimit = 100;
  ASSERT_FALSE(folder.Path().empty());
  ASSERT_EQ(cash::art::WriteCashierDialogArt(folder.Path(), kProgram), 1);
  ASSERT_EQ(folder.Enter(std::string("games/") + kProgram), 1);
  ASSERT_EQ(gCashierBackground.LoadFile(kBackgroundPictureFile), 1);
  RegisterCashierResources();
}

void CashierDialogFixture::TearDown() {
  headless::SetDialogHandler(nullptr);
  headless::SetMessageBoxHandler(nullptr);
  gCashierBackground.Free();
}

INT_PTR CashierDialogFixture::Run(int mode, const std::function<void(HWND)>& script,
                                  const std::function<void(HWND)>& confirm) {
  headless::SetDialogHandler([&](int id, HWND dialog) {
    if (id == kTransactionDialogId) script(dialog);
    if (id == kDepositConfirmDialogId) {
      if (confirm) {
        confirm(dialog);
      } else {
        headless::ClickControl(dialog, IDOK);
      }
    }
  });
  return RunTransactionDialog(nullptr, mode, &record);
}

std::string CashierDialogFixture::Text(HWND dialog, int id) {
  char text[256];
  GetDlgItemText(dialog, id, text, sizeof text);
  return text;
}

void CashierDialogFixture::Enter(HWND dialog, int id, const char* text) {
  headless::TypeText(dialog, id, text);
  headless::FocusControl(dialog, IDCANCEL);
}

std::vector<int> CashierDialogFixture::PageIds(HWND dialog) {
  std::vector<int> ids;
  for (HWND child : headless::Children(dialog)) {
    const int id = GetDlgCtrlID(child);
    if (id >= 100 && id < 200) ids.push_back(id);
  }
  std::sort(ids.begin(), ids.end());
  return ids;
}

int CashierDialogFixture::IsWritable(HWND dialog, int id) {
  const std::string before = Text(dialog, id);
  headless::TypeText(dialog, id, "x");
  const std::string after = Text(dialog, id);
  if (after != before) SetDlgItemText(dialog, id, before.c_str());
  return after != before;
}

int CashierDialogFixture::LimitOf(HWND dialog, int id) {
  const std::string before = Text(dialog, id);
  headless::TypeText(dialog, id, std::string(100, '7').c_str());
  const int taken = static_cast<int>(Text(dialog, id).size());
  SetDlgItemText(dialog, id, before.c_str());
  return taken;
}

bool CashierDialogFixture::Drew(HWND dialog, const std::string& text) {
  for (const std::string& drawn : headless::DrawnTexts(dialog)) {
    if (drawn == text) return true;
  }
  return false;
}
