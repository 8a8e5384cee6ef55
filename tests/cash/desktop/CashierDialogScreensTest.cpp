// The person check of the cashier's dialogs: every page of both dialogs,
// online and offline, the deposit confirmation and the account log shown on
// the desktop and saved as screenshots for a person to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cash/AccountLogDialog.h"
#include "cash/CashierClientRecord.h"
#include "cash/CashierResources.h"
#include "cash/OrderForm.h"
#include "cash/OrderTypes.h"
#include "cash/TransactionDialog.h"
#include "cash/TransactionLayout.h"
#include "cash/art/CashierDialogArt.h"
#include "framework/link/Comm.h"
#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/plat.h"
#include "tests/platform/contract/Pump.h"
#include "tests/support/CaptureTransport.h"
#include "tests/support/TempFolder.h"

using namespace plat;

namespace {

constexpr UINT kShoot = WM_USER + 300;
constexpr DWORD kSettle = 400;

std::string gShotName;
DLGPROC gInner = nullptr;
int gHeaderInk = -1;  // dark pixels under the account log's two header markers

// The dark pixels the dialog shows from the marker control's top left to
// its bottom right, moved down and right by the header's offset.
int BlackPixelsNear(HWND dialog, int markerId) {
  RECT r{};
  HWND marker = GetDlgItem(dialog, markerId);
  if (!GetClientRect(marker, &r) || !MapWindowRect(marker, dialog, &r)) return 0;
  HDC hdc = GetDC(dialog);
  int black = 0;
  for (int y = r.top; y < r.bottom + 11; ++y) {
    for (int x = r.left; x < r.right + 10; ++x) {
      const COLORREF c = GetPixel(hdc, x, y);
      black += c != CLR_INVALID && GetRValue(c) + GetGValue(c) + GetBValue(c) < 200;
    }
  }
  ReleaseDC(dialog, hdc);
  return black;
}

// The screen area of the dialog saved as a PNG in the build's screen folder.
bool SaveDialog(HWND dialog, const std::string& name) {
  RECT r;
  if (!GetWindowRect(dialog, &r)) return false;
  const std::string path = std::string(CASH_SCREEN_DIR) + "/" + name + ".png";
  const std::string command = "import -window root -crop " + std::to_string(r.right - r.left) + "x" +
                              std::to_string(r.bottom - r.top) + "+" + std::to_string(r.left) + "+" +
                              std::to_string(r.top) + " +repage png:" + path + " 2>/dev/null";
  return std::system(command.c_str()) == 0 && FileExists(path);
}

// Forwards to the dialog's own procedure; on the posted shot it lets the
// display settle, saves the dialog and cancels it.
INT_PTR ShootingProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kShoot) {
    contract::PumpFor(kSettle);
    EXPECT_TRUE(SaveDialog(dialog, gShotName)) << gShotName;
    if (gInner == AccountLogDlgProc)
      gHeaderInk = std::min(BlackPixelsNear(dialog, kLogUserId), BlackPixelsNear(dialog, kLogBalanceId));
    PostMessage(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return TRUE;
  }
  const INT_PTR result = gInner(dialog, msg, wParam, lParam);
  if (msg == WM_INITDIALOG) PostMessage(dialog, kShoot, 0, 0);
  return result;
}

void SelectTab(HWND dialog, int index) {
  HWND tab = GetDlgItem(dialog, kTabControlId);
  NMHDR header{tab, kTabControlId, TCN_SELCHANGING};
  SendMessage(dialog, WM_NOTIFY, kTabControlId, reinterpret_cast<LPARAM>(&header));
  TabCtrl_SetCurSel(tab, index);
  header.code = TCN_SELCHANGE;
  SendMessage(dialog, WM_NOTIFY, kTabControlId, reinterpret_cast<LPARAM>(&header));
}

int gTab = 0;
INT_PTR TabProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  const INT_PTR result = TransactionDlgProc(dialog, msg, wParam, lParam);
  if (msg == WM_INITDIALOG && gTab > 0) SelectTab(dialog, gTab);
  return result;
}

class CashierDialogScreens : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder.Path().empty());
    ASSERT_EQ(cash::art::WriteCashierDialogArt(folder.Path(), "cashier"), 1);
    ASSERT_EQ(folder.Enter("games/cashier"), 1);
    ASSERT_EQ(gCashierBackground.LoadFile(kBackgroundPictureFile), 1);
    RegisterCashierResources();
    gPlayerRecord.SetName("Ada");
    CopyField(gCashierUser.pin, sizeof gCashierUser.pin, "123456");
    CopyField(gCashierUser.name, sizeof gCashierUser.name, "Ada Player");
    CopyField(gCashierUser.address1, sizeof gCashierUser.address1, "Mill Lane 4");
    CopyField(gCashierUser.zipcode, sizeof gCashierUser.zipcode, "12345");
    CopyField(gCashierUser.town, sizeof gCashierUser.town, "Brookfield");
    CopyField(gCashierUser.country, sizeof gCashierUser.country, "Freeland");
    gOrderLimits[kOrderCreditCard] = OrderLimits{0, 20, 2000, 0, 0, 0};
    gOrderLimits[kOrderWireTransfer] = OrderLimits{0, 0, 0, 25, 100, 5000};
    gOrderLimits[kOrderBankDraftWithdraw] = OrderLimits{0, 0, 0, 10, 50, 2000};
    record.accountSum = 1234.5;
    record.securityLimit = 100;
    record.currentSecurityLimit = 80;
    record.max24HourCardDeposit = 2500;
    record.max24HourCardDepositCount = 3;
  }
  void TearDown() override { gCashierBackground.Free(); }

  void ShootPage(int mode, int tab, const std::string& name) {
    ASSERT_EQ(ComposeOrderTexts(gCashierMode == kModeOffline), 1);
    SetTransactionMode(mode);
    gTab = tab;
    gInner = TabProc;
    gShotName = name;
    EXPECT_EQ(DialogBoxParam(nullptr, kTransactionDialogId, nullptr, ShootingProc, reinterpret_cast<LPARAM>(&record)),
              0);
  }

  CashierClientRecord record{};
  TempFolder folder;
};

TEST_F(CashierDialogScreens, EveryPageOnlineAndOffline) {
  for (const int mode : {kModeOnline, kModeOffline}) {
    gCashierMode = mode;
    const std::string where = mode == kModeOnline ? "online" : "offline";
    for (int tab = 0; tab < 4; ++tab) ShootPage(kDepositDialog, tab, "deposit-" + where + "-" + std::to_string(tab));
    for (int tab = 0; tab < 3; ++tab) ShootPage(kWithdrawDialog, tab, "withdraw-" + where + "-" + std::to_string(tab));
  }
}

TEST_F(CashierDialogScreens, TheConfirmationAndTheAccountLog) {
  CopyField(gOrderForm.amount, "75");
  gInner = DepositConfirmDlgProc;
  gShotName = "confirmation";
  EXPECT_EQ(DialogBoxParam(nullptr, kDepositConfirmDialogId, nullptr, ShootingProc, 0), 2);
  CComm comm;
  comm.Init("clientout.log", "clientin.log");
  comm.SetTransport(new CCaptureTransport);
  const char answer[] =
      "command=GETORDERLOG&answer=ok&orderid=7&date=2024-03-01&type=creditcard&state=done&"
      "amount=25.00&service=0&comment=first&orderid=8&date=2024-03-02&type=bankdraft&state=pending&"
      "amount=-25.00&service=-1.50&comment=second";
  comm.OnDataReceived(answer, sizeof answer);
  comm.RewindReceived();
  AccountLogSource source{&comm, &record};
  gInner = AccountLogDlgProc;
  gShotName = "account-log";
  EXPECT_EQ(DialogBoxParam(nullptr, kAccountLogDialogId, nullptr, ShootingProc, reinterpret_cast<LPARAM>(&source)),
            0);
  // "User:" and the balance are drawn, not left to the grey background.
  EXPECT_GT(gHeaderInk, 20);
}

}  // namespace
