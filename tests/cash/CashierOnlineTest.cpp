// The whole cashier online on the headless backend against the stand-in
// main client's core in the same process: the start-up requests, credit
// card deposits with a new card and with the card on file, a refused
// deposit, a wire transfer, a new security code and the account log.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "cash/AccountLogDialog.h"
#include "cash/CashierClient.h"
#include "cash/CashierLayout.h"
#include "cash/CashierProgram.h"
#include "cash/OrderTypes.h"
#include "cash/TransactionDialog.h"
#include "cash/TransactionLayout.h"
#include "cash/art/CashierSheet.h"
#include "framework/link/Comm.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/ShellGlobals.h"
#include "mainclient/MainClient.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/cash/CashierRun.h"
#include "tests/support/MainClientSession.h"
#include "tests/support/TempFolder.h"

namespace {

using R = CashierRun;
using plat::HWND;
namespace headless = plat::headless;

std::vector<std::string> gSent;  // the client end's packets, as sent

void LogSent(CComm& comm, int code) {
  if (code != 1) return;
  char* text = comm.sendList.Encode();
  if (text != nullptr) gSent.emplace_back(text);
  std::free(text);
}

std::vector<std::string> SentCommands() {
  std::vector<std::string> commands;
  for (const std::string& p : gSent) commands.push_back(p.substr(0, p.find('&')));
  return commands;
}

std::vector<std::string> Commands(std::initializer_list<const char*> names) {
  std::vector<std::string> out;
  for (const char* n : names) out.push_back(std::string("command=") + n);
  return out;
}

const std::string* SentPacket(const char* command, int nth = 0) {
  for (const std::string& p : gSent) {
    if (p.rfind(std::string("command=") + command, 0) == 0 && nth-- == 0) return &p;
  }
  return nullptr;
}

void Close() { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); }
bool Acknowledging() { return R::InState(cash::kWaitAcknowledge) || R::InState(cash::kInfoAcknowledge); }

class CashierOnlineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gSent.clear();
    session.online = 1;
    // The packets are logged from the first moment the program idles.
    session.When([] { return gMainWindow != nullptr; }, [] { SetWaitCallback(gClientComm, LogSent); });
  }
  // The transaction dialog acts as script; the deposit confirmation says OK.
  static void Dialogs(std::function<void(HWND)> script) {
    headless::SetDialogHandler([script](int id, HWND dialog) {
      if (id == kTransactionDialogId) script(dialog);
      if (id == kDepositConfirmDialogId) headless::ClickControl(dialog, plat::IDOK);
    });
  }
  static void NewCardDeposit(HWND dialog, const char* amount, const char* code) {
    headless::TypeText(dialog, kCardNumberId, "4111111111111111");
    headless::TypeText(dialog, kExpiryDateId, "1229");
    headless::TypeText(dialog, kCardholderId, "Ada Player");
    headless::SelectItem(dialog, kCardTypeId, 0);
    headless::TypeText(dialog, kCardAmountId, amount);
    headless::TypeText(dialog, kSecurityCodeId, code);
    headless::ClickControl(dialog, plat::IDOK);
  }
  // A deposit from the menu to its acknowledged box.
  void Deposit(std::function<void(HWND)> script) {
    session.When(R::InMenu, [script] {
      Dialogs(script);
      R::ClickButton(cash::kButtonConfirm);
    });
    session.When(Acknowledging, [] { R::ClickButton(cash::kButtonAcknowledge); });
  }

  TempFolder root;
  CMainClientSession session{root.Path(), cash::kCashierGame, cash::art::kProgram, cash::art::CashierSheet()};
};

TEST_F(CashierOnlineTest, TheStartUpAsksForUserCardsFiguresOrderTypesAndTheCardOnFile) {
  double balance = -1;
  std::string name;
  int viewLog = 0;
  session.When(R::InMenu, [&] {
    balance = R::Record()->accountSum;
    name = gCashierUser.name;
    viewLog = IsButtonEnabled(cash::kButtonViewLog);
    Close();
  });
  EXPECT_EQ(session.Run(0), 0);
  EXPECT_EQ(SentCommands(), Commands({"GETUSER", "GETVALIDCARDS", "GETACCOUNTINFO", "GETORDERTYPEINFO",
                                      "GETCREDITCARDINFO", "ENDMODULE"}));
  EXPECT_EQ(balance, 1000.0);
  EXPECT_EQ(name, "Player");
  EXPECT_EQ(viewLog, 1);
}

// The order types arrive with a charge template too long to compose: its
// box shows once and the menu comes up as ever.
TEST_F(CashierOnlineTest, ATooLongChargeTemplateShowsOneBoxAndTheMenuFollows) {
  const std::string tooLong(kChargeTemplateMax + 1, 'x');
  session.When([] { return gMainWindow != nullptr; },
               [&] { gOrderTypes[kOrderMoneyTransfer].chargeTemplate = tooLong.c_str(); });
  int boxes = -1;
  session.When(R::InMenu, [&] {
    boxes = R::Boxes(kChargeTemplateTooLongText, kChargeTemplateTooLongCaption);
    Close();
  });
  EXPECT_EQ(session.Run(0), 0);
  ResetOrderTypes();
  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(SentCommands(), Commands({"GETUSER", "GETVALIDCARDS", "GETACCOUNTINFO", "GETORDERTYPEINFO",
                                      "GETCREDITCARDINFO", "ENDMODULE"}));
}

// $100 with a new card (its tags sent and kept by the main client), then
// $50 with the card on file (no card tags): $1150.
TEST_F(CashierOnlineTest, ACardDepositWithANewCardThenWithTheCardOnFile) {
  Deposit([](HWND dialog) { NewCardDeposit(dialog, "100", ""); });
  Deposit([](HWND dialog) {
    headless::TypeText(dialog, kCardAmountId, "50");
    headless::ClickControl(dialog, plat::IDOK);
  });
  double balance = -1;
  session.When(R::InMenu, [&] {
    balance = R::Record()->accountSum;
    Close();
  });
  EXPECT_EQ(session.Run(0), 0);
  const std::string* first = SentPacket("DEPOSIT", 0);
  const std::string* second = SentPacket("DEPOSIT", 1);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first->find("&cardtype=VISA&number=4111111111111111&expdate=1229&name=Ada+Player"), std::string::npos)
      << *first;
  EXPECT_EQ(second->find("cardtype"), std::string::npos) << *second;
  EXPECT_EQ(second->find("number="), std::string::npos) << *second;
  EXPECT_EQ(balance, 1150.0);
  EXPECT_EQ(session.finalBalance, 1150.0);
}

// $600 is above the $500 that goes without the code; a wrong code is
// refused by the main client: INFO, the acknowledgement, and the menu
// without the figures.
TEST_F(CashierOnlineTest, ARefusedDepositShowsInfoAndReturnsWithoutTheFigures) {
  session.When(R::InMenu, [] {
    Dialogs([](HWND dialog) { NewCardDeposit(dialog, "600", "WRONG12"); });
    R::ClickButton(cash::kButtonConfirm);
  });
  bool infoShown = false;
  session.When([] { return R::InState(cash::kInfoAcknowledge); }, [&] {
    infoShown = R::Drawn(cash::kInfoBox);
    R::ClickButton(cash::kButtonAcknowledge);
  });
  double balance = -1;
  session.When(R::InMenu, [&] {
    balance = R::Record()->accountSum;
    Close();
  });
  EXPECT_EQ(session.Run(0), 0);
  const std::vector<std::string> commands = SentCommands();
  ASSERT_GE(commands.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(commands.end() - 3, commands.end()),
            Commands({"GETCREDITCARDINFO", "DEPOSIT", "ENDMODULE"}));
  EXPECT_EQ(balance, 1000.0);
  EXPECT_TRUE(infoShown);
}

// $250 by wire transfer with the account's code: $750 left.
TEST_F(CashierOnlineTest, AWireTransferWithdrawal) {
  session.When(R::InMenu, [] {
    Dialogs([](HWND dialog) {
      headless::SelectTab(dialog, kTabControlId, 2);
      headless::TypeText(dialog, kWithdrawAmountId, "250");
      headless::TypeText(dialog, kBankCodeId, "DEUTDEFF");
      headless::TypeText(dialog, kAccountNoId, "12345678");
      headless::TypeText(dialog, kAccountNameId, "Ada Player");
      headless::TypeText(dialog, kBankNameId, "Harbour Bank");
      headless::TypeText(dialog, kBankAddress1Id, "1 Quay");
      headless::TypeText(dialog, kBankTownId, "Lakeside");
      headless::TypeText(dialog, kBankCountryId, "USA");
      headless::TypeText(dialog, kSecurityCodeId, "K7Q2M9X");
      headless::ClickControl(dialog, plat::IDOK);
    });
    R::ClickButton(cash::kButtonWithdraw);
    R::ClickButton(cash::kButtonConfirm);
  });
  std::vector<std::string> beforeAcknowledge;
  session.When(Acknowledging, [&] {
    beforeAcknowledge = SentCommands();
    R::ClickButton(cash::kButtonAcknowledge);
  });
  double balance = -1;
  session.When(R::InMenu, [&] {
    balance = R::Record()->accountSum;
    Close();
  });
  EXPECT_EQ(session.Run(0), 0);
  ASSERT_GE(beforeAcknowledge.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(beforeAcknowledge.end() - 3, beforeAcknowledge.end()),
            Commands({"GETCREDITCARDINFO", "WITHDRAW", "GETACCOUNTINFO"}));
  const std::string* withdraw = SentPacket("WITHDRAW");
  ASSERT_NE(withdraw, nullptr);
  EXPECT_EQ(withdraw->rfind("command=WITHDRAW&type=wiretransfer&amount=250&securitycode=K7Q2M9X", 0), 0u) << *withdraw;
  EXPECT_EQ(balance, 750.0);
}

// The security code page's request: REQUESTSECURITYCODE and the main
// client's message in a "Message" box; the code it made is the account's.
TEST_F(CashierOnlineTest, ANewSecurityCodeIsRequestedAndItsMessageShown) {
  std::string before;
  session.When(R::InMenu, [&] {
    before = CMainClientSession::MainClient()->OnlineFigures().securityCode;
    Dialogs([](HWND dialog) {
      headless::SelectTab(dialog, kTabControlId, 3);
      headless::ClickControl(dialog, kRequestCodeId);
      headless::ClickControl(dialog, plat::IDOK);
    });
    R::ClickButton(cash::kButtonConfirm);
  });
  std::string after;
  session.When([] { return R::Boxes("A new security code has been made; your old code is no longer valid.", "Message") == 1; },
               [&] { after = CMainClientSession::MainClient()->OnlineFigures().securityCode; });
  session.When(R::InMenu, Close);
  EXPECT_EQ(session.Run(0), 0);
  EXPECT_EQ(SentCommands().end()[-2], "command=REQUESTSECURITYCODE");
  EXPECT_EQ(before, "K7Q2M9X");
  EXPECT_EQ(after.size(), 7u);
  EXPECT_NE(after, before);
}

// Two deposits, then View log: the newest order first.
TEST_F(CashierOnlineTest, TheAccountLogListsTheNewestOrderFirst) {
  Deposit([](HWND dialog) { NewCardDeposit(dialog, "100", ""); });
  Deposit([](HWND dialog) {
    headless::TypeText(dialog, kCardAmountId, "40");
    headless::ClickControl(dialog, plat::IDOK);
  });
  std::vector<std::string> ids, amounts;
  session.When(R::InMenu, [&] {
    headless::SetDialogHandler([&](int id, HWND dialog) {
      if (id != kAccountLogDialogId) return;
      HWND list = plat::GetDlgItem(dialog, kAccountLogListId);
      char text[64];
      for (int row = 0; row < plat::ListView_GetItemCount(list); ++row) {
        plat::ListView_GetItemText(list, row, 1, text, sizeof text);
        ids.push_back(text);
        plat::ListView_GetItemText(list, row, 4, text, sizeof text);
        amounts.push_back(text);
      }
      headless::ClickControl(dialog, plat::IDOK);
    });
    R::ClickButton(cash::kButtonViewLog);
  });
  session.When([&] { return !ids.empty() && R::InMenu(); }, Close);
  EXPECT_EQ(session.Run(0), 0);
  EXPECT_EQ(ids, (std::vector<std::string>{"2", "1"}));
  EXPECT_EQ(amounts, (std::vector<std::string>{"$40.00", "$100.00"}));
}

}  // namespace
