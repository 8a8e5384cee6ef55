// The account log filled from a GETORDERLOG answer, and the WITHDRAW
// request's order tags.
#include <gtest/gtest.h>

#include <string>

#include "cash/AccountLogDialog.h"
#include "cash/OrderForm.h"
#include "cash/OrderTypes.h"
#include "cash/TransactionDialog.h"
#include "framework/link/Comm.h"
#include "platform/include/plat/headless.h"
#include "tests/cash/CashierDialogFixture.h"
#include "tests/cash/CashierPackets.h"
#include "tests/support/CaptureTransport.h"

using namespace plat;

namespace {

class AccountLogDialogTest : public CashierDialogFixture {
 protected:
  void SetUp() override {
    CashierDialogFixture::SetUp();
    comm.Init("clientout.log", "clientin.log");
    comm.SetTransport(transport);
  }
  // The log's rows as "cell|cell|..." top first, after showing the answer.
  std::vector<std::string> Rows(const char* answer) {
    Arrive(comm, answer);
    std::vector<std::string> rows;
    headless::SetDialogHandler([&](int, HWND dialog) {
      HWND view = GetDlgItem(dialog, kAccountLogListId);
      for (int row = 0; row < ListView_GetItemCount(view); ++row) {
        std::string line;
        for (int column = 0; column < 7; ++column) {
          char cell[64];
          ListView_GetItemText(view, row, column, cell, sizeof cell);
          line += (column ? "|" : "") + std::string(cell);
        }
        rows.push_back(line);
      }
      headless::ClickControl(dialog, IDOK);
    });
    EXPECT_EQ(RunAccountLogDialog(nullptr, comm, record), 1);
    return rows;
  }

  CComm comm;
  CCaptureTransport* transport = new CCaptureTransport;
};

TEST_F(AccountLogDialogTest, OrdersAreListedNewestFirstWithSignedDollars) {
  const std::vector<std::string> rows = Rows(
      "command=GETORDERLOG&answer=ok&amount=99&orderid=7&date=2024-03-01&type=creditcard&state=done&"
      "amount=25.00&service=0&comment=first&orderid=8&date=2024-03-02&type=bankdraft&state=pending&"
      "amount=-25.00&service=-1.50&comment=second&unknown=x");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], "2024-03-02|8|bankdraft|pending|-$25.00|-$1.50|second");
  EXPECT_EQ(rows[1], "2024-03-01|7|creditcard|done|$25.00|$0|first");
}

TEST_F(AccountLogDialogTest, AnAnswerWithoutOrdersLeavesTheListEmpty) {
  EXPECT_TRUE(Rows("command=GETORDERLOG&answer=ok&amount=10&comment=none").empty());
}

TEST_F(AccountLogDialogTest, AValueOfAnyLengthFitsItsCell) {
  const std::string amount(600, '9');
  const std::string answer = "command=GETORDERLOG&answer=ok&orderid=1&amount=-" + amount;
  const std::vector<std::string> rows = Rows(answer.c_str());
  ASSERT_EQ(rows.size(), 1u);  // cells read back through a 64-byte buffer
  EXPECT_EQ(rows[0].substr(0, 10), "|1|||-$999");
}

TEST_F(AccountLogDialogTest, TheHeaderShowsUserAndBalance) {
  record.accountSum = -3.5;
  Arrive(comm, "command=GETORDERLOG&answer=ok");
  headless::SetDialogHandler([](int, HWND dialog) { headless::ClickControl(dialog, IDCANCEL); });
  EXPECT_EQ(RunAccountLogDialog(nullptr, comm, record), 0);
}

TEST_F(AccountLogDialogTest, WithdrawTagsComeInTheirOrder) {
  OrderForm form{};
  form.orderType = kOrderWireTransfer;
  CopyField(form.amount, "100");
  CopyField(form.securityCode, "1234567");
  CopyField(form.swift, "DEUTDEFF");
  CopyField(form.bankCountry, "Freeland");
  ASSERT_EQ(comm.BeginPacket(), 1);
  comm.AddCommand("WITHDRAW");
  AddOrderTags(comm, form);
  ASSERT_EQ(comm.SendPacket(), 1);
  EXPECT_EQ(transport->LastText(),
            "command=WITHDRAW&type=wiretransfer&amount=100&securitycode=1234567&cardtype=&cardno=&expdate=&"
            "swift=DEUTDEFF&routing=&aba=&accountno=&accountname=&bankname=&bankaddress1=&bankaddress2=&"
            "bankaddress3=&bankzipcode=&banktown=&bankstate=&bankcountry=Freeland");
}

}  // namespace
