// The deposit and withdraw dialog driven by a scripted player on the
// in-memory backend: pages per tab, the amount edits, confirmation,
// refusals, the security-code request and the card list.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cash/CardTypes.h"
#include "cash/CashierResources.h"
#include "cash/OrderForm.h"
#include "cash/OrderTypes.h"
#include "cash/TransactionDialog.h"
#include "cash/TransactionLayout.h"
#include "platform/include/plat/headless.h"
#include "tests/cash/CashierDialogFixture.h"

using namespace plat;

namespace {

using TransactionDialogTest = CashierDialogFixture;

struct PageCase {
  int mode;
  int tab;
  int orderType;
  std::vector<int> ids;
};

const std::vector<int> kCardPage = {kCardAmountId, kCardTypeId, kCardNumberId, kStartDateId, kExpiryDateId,
                                    kCardholderId, kIssueNoId, kBankNameId, kBankPhoneId, kSecurityCodeId};
const std::vector<int> kWirePage = {kWithdrawAmountId, kBankNameId, kSecurityCodeId, kBankCodeId, kSwiftRadioId,
                                    kRoutingRadioId, kAbaRadioId, kAccountNoId, kAccountNameId,
                                    kBankAddress1Id, kBankAddress2Id, kBankAddress3Id, kBankZipCodeId,
                                    kBankTownId, kBankStateId, kBankCountryId};

std::vector<int> Sorted(std::vector<int> ids) {
  std::sort(ids.begin(), ids.end());
  return ids;
}

const PageCase kPages[] = {
    {kDepositDialog, 0, kOrderCreditCard, kCardPage},
    {kDepositDialog, 1, kOrderBankDraftDeposit, {kPinEditId}},
    {kDepositDialog, 2, kOrderMoneyTransfer, {kPinEditId}},
    {kDepositDialog, 3, kOrderSecurityCode, {kRequestCodeId}},
    {kWithdrawDialog, 0, kOrderSecurityCode, {kRequestCodeId}},
    {kWithdrawDialog, 1, kOrderBankDraftWithdraw, {kWithdrawAmountId, kSecurityCodeId}},
    {kWithdrawDialog, 2, kOrderWireTransfer, kWirePage},
};

TEST_F(TransactionDialogTest, EachTabBuildsItsPageAndDestroysTheOldOne) {
  for (const int mode : {kModeOnline, kModeOffline}) {
    gCashierMode = mode;
    for (const PageCase& page : kPages) {
      SCOPED_TRACE(testing::Message() << "mode " << mode << " dialog " << page.mode << " tab " << page.tab);
      Run(page.mode, [&](HWND dialog) {
        headless::SelectTab(dialog, kTabControlId, page.tab);
        EXPECT_EQ(TabToOrderType(dialog), page.orderType);
        EXPECT_EQ(PageIds(dialog), Sorted(page.ids));
      });
    }
  }
}

TEST_F(TransactionDialogTest, EveryControlAndRowLiesInsideItsPageAndThePanelClearOfTheTabs) {
  const RECT& tabs = kTabControlRect;
  EXPECT_TRUE(kInfoPanel.right <= tabs.left || kInfoPanel.left >= tabs.right || kInfoPanel.bottom <= tabs.top ||
              kInfoPanel.top >= tabs.bottom);
  for (const PageCase& page : kPages) {
    SCOPED_TRACE(testing::Message() << "dialog " << page.mode << " tab " << page.tab);
    Run(page.mode, [&](HWND dialog) {
      headless::SelectTab(dialog, kTabControlId, page.tab);
      RECT inside;
      HWND tab = GetDlgItem(dialog, kTabControlId);
      ASSERT_TRUE(TabCtrl_GetDisplayRect(tab, &inside));
      MapWindowRect(tab, dialog, &inside);
      for (const int id : page.ids) {
        HWND control = GetDlgItem(dialog, id);
        RECT r;
        GetClientRect(control, &r);
        MapWindowRect(control, dialog, &r);
        EXPECT_TRUE(r.left >= inside.left && r.top >= inside.top && r.right <= inside.right &&
                    r.bottom <= inside.bottom)
            << id;
      }
      const int height = inside.bottom - inside.top;
      for (const OrderTextRow* row = gOrderTypes[page.orderType].rows; row->text; ++row) {
        EXPECT_LT(row->y + 8 + 13, height) << row->text;  // a line below the row's top still fits
      }
    });
  }
}

TEST_F(TransactionDialogTest, TheCreditCardPageOnlineTakesTheCardWithItsLimits) {
  Run(kDepositDialog, [&](HWND dialog) {
    EXPECT_EQ(Text(dialog, kCardAmountId), "20");
    EXPECT_EQ(headless::Children(dialog).size(), 4u + kCardPage.size());
    const struct {
      int id;
      int limit;
    } limits[] = {{kCardNumberId, 30}, {kCardholderId, 30}, {kStartDateId, 8}, {kExpiryDateId, 8},
                  {kIssueNoId, 2},     {kBankNameId, 30},   {kBankPhoneId, 24}, {kSecurityCodeId, 7}};
    for (const auto& edit : limits) EXPECT_EQ(LimitOf(dialog, edit.id), edit.limit) << edit.id;
    EXPECT_EQ(ComboBox_GetCount(GetDlgItem(dialog, kCardTypeId)), 4);
  });
}

TEST_F(TransactionDialogTest, ACardOnFileOrOfflineMakesTheCardFieldsReadOnly) {
  gOrderForm.cardOnFile = 1;
  CopyField(gOrderForm.cardType, "VISA");
  CopyField(gOrderForm.cardNumber, "4111111111111111");
  Run(kDepositDialog, [&](HWND dialog) {
    EXPECT_EQ(Text(dialog, kCardTypeId), "VISA");
    EXPECT_EQ(Text(dialog, kCardNumberId), "4111111111111111");
    for (int id : {kCardTypeId, kCardNumberId, kCardholderId, kBankPhoneId}) EXPECT_EQ(IsWritable(dialog, id), 0) << id;
    EXPECT_EQ(IsWritable(dialog, kSecurityCodeId), 1);
  });
  gCashierMode = kModeOffline;
  Run(kDepositDialog, [&](HWND dialog) {
    EXPECT_EQ(Text(dialog, kCardTypeId), "PLAY FOR FUN MODE");
    EXPECT_EQ(Text(dialog, kCardNumberId), "");
    for (int id : {kCardNumberId, kSecurityCodeId}) EXPECT_EQ(IsWritable(dialog, id), 0) << id;
    EXPECT_EQ(IsWritable(dialog, kCardAmountId), 1);
  });
  Run(kDepositDialog, [&](HWND dialog) {
    headless::SelectTab(dialog, kTabControlId, 1);
    EXPECT_EQ(Text(dialog, kPinEditId), "OFFLINE");
  });
}

TEST_F(TransactionDialogTest, TheWirePageLimitsItsFieldsAndChecksSwift) {
  Run(kWithdrawDialog, [&](HWND dialog) {
    headless::SelectTab(dialog, kTabControlId, 2);
    EXPECT_EQ(IsDlgButtonChecked(dialog, kSwiftRadioId), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, kAbaRadioId), BST_UNCHECKED);
    const struct {
      int id;
      int limit;
    } limits[] = {{kAccountNoId, 20}, {kAccountNameId, 30}, {kBankAddress2Id, 30}, {kBankZipCodeId, 10},
                  {kBankTownId, 20},  {kBankStateId, 2},    {kBankCountryId, 20}, {kSecurityCodeId, 7}};
    for (const auto& edit : limits) EXPECT_EQ(LimitOf(dialog, edit.id), edit.limit) << edit.id;
    headless::SelectTab(dialog, kTabControlId, 1);
    EXPECT_EQ(GetDlgItem(dialog, kBankCodeId), nullptr);
    EXPECT_EQ(Text(dialog, kWithdrawAmountId), "");
  });
}

TEST_F(TransactionDialogTest, AnAmountLosingTheFocusIsCutToWholeDollars) {
  Run(kDepositDialog, [&](HWND dialog) {
    Enter(dialog, kCardAmountId, "150.75");
    EXPECT_EQ(Text(dialog, kCardAmountId), "150");
    Enter(dialog, kCardAmountId, "1,000");
    EXPECT_EQ(Text(dialog, kCardAmountId), "1");
    Enter(dialog, kCardAmountId, "");
    EXPECT_EQ(Text(dialog, kCardAmountId), "0");
  });
  Run(kWithdrawDialog, [&](HWND dialog) {
    headless::SelectTab(dialog, kTabControlId, 2);
    Enter(dialog, kWithdrawAmountId, "99.99");
    EXPECT_EQ(Text(dialog, kWithdrawAmountId), "99");
  });
}

TEST_F(TransactionDialogTest, AnEmptyOrUnreadableAmountCancels) {
  for (const char* amount : {"", "abc", "nan", "inf", "1e999"}) {
    SCOPED_TRACE(amount);
    const INT_PTR result = Run(kDepositDialog, [&](HWND dialog) {
      headless::TypeText(dialog, kCardAmountId, amount);
      headless::ClickControl(dialog, IDOK);
    });
    EXPECT_EQ(result, 0);
  }
  EXPECT_TRUE(headless::MessageBoxes().empty());
}

TEST_F(TransactionDialogTest, OfflineAWithdrawalStartingWithADigitConfirmsUnchecked) {
  gCashierMode = kModeOffline;
  record.accountSum = 0;  // online this would be refused
  const INT_PTR result = Run(kWithdrawDialog, [&](HWND dialog) {
    headless::SelectTab(dialog, kTabControlId, 1);
    headless::TypeText(dialog, kWithdrawAmountId, "25");
    headless::ClickControl(dialog, IDOK);
  });
  EXPECT_EQ(result, 1);
  EXPECT_STREQ(gOrderForm.amount, "25");
  EXPECT_EQ(gOrderForm.orderType, kOrderBankDraftWithdraw);
  EXPECT_TRUE(headless::MessageBoxes().empty());
  const INT_PTR blank = Run(kWithdrawDialog, [&](HWND dialog) {
    headless::SelectTab(dialog, kTabControlId, 1);
    headless::TypeText(dialog, kWithdrawAmountId, " 25");
    headless::ClickControl(dialog, IDOK);
  });
  EXPECT_EQ(blank, 0);
}

TEST_F(TransactionDialogTest, OnlineARefusedFormShowsItsBoxAndStaysOpen) {
  record.accountSum = 10;
  bool stillOpen = false;
  const INT_PTR result = Run(kWithdrawDialog, [&](HWND dialog) {
    headless::SelectTab(dialog, kTabControlId, 1);
    headless::TypeText(dialog, kWithdrawAmountId, "25");
    headless::ClickControl(dialog, IDOK);
    stillOpen = IsWindow(dialog) && GetDlgItem(dialog, kWithdrawAmountId) != nullptr;
  });
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(result, 0);  // cancelled at the end of the script
  ASSERT_EQ(headless::MessageBoxes().size(), 1u);
  EXPECT_EQ(headless::MessageBoxes()[0].text, "You don't have enough money on your account to withdraw that much");
}

TEST_F(TransactionDialogTest, TheDepositConfirmationShowsTheAmountAndItsCancelKeepsTheDialog) {
  int confirmations = 0;
  std::string shown;
  bool stillOpen = false;
  const INT_PTR result = Run(
      kDepositDialog,
      [&](HWND dialog) {
        headless::TypeText(dialog, kCardNumberId, "5500000000000004");
        headless::TypeText(dialog, kExpiryDateId, "1229");
        headless::TypeText(dialog, kCardholderId, "Ada Player");
        headless::SelectItem(dialog, kCardTypeId, 1);
        headless::TypeText(dialog, kCardAmountId, "75");
        headless::ClickControl(dialog, IDOK);
        stillOpen = GetDlgItem(dialog, kCardAmountId) != nullptr;
        headless::ClickControl(dialog, IDOK);
      },
      [&](HWND confirm) {
        shown = Text(confirm, kConfirmTextId);
        headless::ClickControl(confirm, ++confirmations == 1 ? IDCANCEL : IDOK);
      });
  EXPECT_EQ(shown, "The amount of $75 will be deposited to your Kestrup account.");
  EXPECT_EQ(confirmations, 2);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(result, 1);
  EXPECT_STREQ(gOrderForm.cardType, "MasterCard");
  EXPECT_STREQ(gOrderForm.cardNumber, "5500000000000004");
  EXPECT_STREQ(gOrderForm.amount, "75");
  EXPECT_EQ(gOrderForm.orderType, kOrderCreditCard);
}

TEST_F(TransactionDialogTest, TheSecurityCodeRequestChecksOnlyOnOk) {
  int answer = IDCANCEL;
  headless::SetMessageBoxHandler([&](const headless::MessageBoxRecord&) { return answer; });
  const INT_PTR result = Run(kWithdrawDialog, [&](HWND dialog) {
    headless::ClickControl(dialog, kRequestCodeId);
    EXPECT_EQ(IsDlgButtonChecked(dialog, kRequestCodeId), BST_UNCHECKED);
    answer = IDOK;
    headless::ClickControl(dialog, kRequestCodeId);
    EXPECT_EQ(IsDlgButtonChecked(dialog, kRequestCodeId), BST_CHECKED);
    headless::ClickControl(dialog, IDOK);
  });
  ASSERT_EQ(headless::MessageBoxes().size(), 2u);
  EXPECT_EQ(headless::MessageBoxes()[0].caption, "Security Code Request");
  EXPECT_EQ(headless::MessageBoxes()[0].text.rfind("IMPORTANT!\n\nBy requesting a new security code your old "
                                                   "security code will immediately\nbe invalid.", 0),
            0u);
  EXPECT_EQ(result, 0);  // nothing to send, but the request stands
  EXPECT_EQ(gOrderForm.requestCode, 1);
  gCashierMode = kModeOffline;
  Run(kWithdrawDialog, [&](HWND dialog) { EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kRequestCodeId))); });
  EXPECT_EQ(record.securityLimit, 500);
}

TEST_F(TransactionDialogTest, TheCardListHoldsOnlyTheAcceptedCards) {
  for (CardTypeRow& card : gCardTypes) card.accepted = 0;
  gCardTypes[1].accepted = 1;
  record.securityLimit = 1000;
  const INT_PTR result = Run(kDepositDialog, [&](HWND dialog) {
    HWND list = GetDlgItem(dialog, kCardTypeId);
    EXPECT_EQ(ComboBox_GetCount(list), 1);
    headless::SelectItem(dialog, kCardTypeId, 0);
    headless::TypeText(dialog, kCardNumberId, "5500000000000004");
    headless::TypeText(dialog, kExpiryDateId, "1229");
    headless::TypeText(dialog, kCardholderId, "Ada Player");
    headless::ClickControl(dialog, IDOK);
  });
  EXPECT_EQ(result, 1);
  EXPECT_STREQ(gOrderForm.cardType, "MasterCard");
  EXPECT_EQ(gCardTypes[1].listIndex, 0);
}

TEST_F(TransactionDialogTest, WithNoAcceptedCardTheListIsEmptyAndTheTypeToo) {
  for (CardTypeRow& card : gCardTypes) card.accepted = 0;
  CopyField(gOrderForm.cardType, "VISA");
  Run(kDepositDialog, [&](HWND dialog) {
    EXPECT_EQ(ComboBox_GetCount(GetDlgItem(dialog, kCardTypeId)), 0);
    headless::TypeText(dialog, kCardNumberId, "4111111111111111");
    headless::TypeText(dialog, kExpiryDateId, "1229");
    headless::TypeText(dialog, kCardholderId, "Ada Player");
    headless::ClickControl(dialog, IDOK);
  });
  EXPECT_STREQ(gOrderForm.cardType, "");
}

TEST_F(TransactionDialogTest, AReplacedBankCodeLeavesNoOtherCodeBehind) {
  record.accountSum = 1000;
  const INT_PTR result = Run(kWithdrawDialog, [&](HWND dialog) {
    headless::SelectTab(dialog, kTabControlId, 2);
    headless::TypeText(dialog, kWithdrawAmountId, "100");
    headless::TypeText(dialog, kBankCodeId, "DEUTDEFF");
    headless::ClickControl(dialog, IDOK);  // refused: no account number
    EXPECT_STREQ(gOrderForm.swift, "DEUTDEFF");
    headless::ClickControl(dialog, kRoutingRadioId);
    headless::TypeText(dialog, kBankCodeId, "021000021");
    for (const auto& [id, text] : std::vector<std::pair<int, const char*>>{
             {kAccountNoId, "12345678"}, {kAccountNameId, "Ada Player"}, {kBankNameId, "First Bank"},
             {kBankAddress1Id, "Main Street 1"}, {kBankTownId, "Brookfield"}, {kBankCountryId, "Freeland"}}) {
      headless::TypeText(dialog, id, text);
    }
    headless::ClickControl(dialog, IDOK);
  });
  EXPECT_EQ(result, 1);
  EXPECT_STREQ(gOrderForm.swift, "");
  EXPECT_STREQ(gOrderForm.routing, "021000021");
  EXPECT_STREQ(gOrderForm.aba, "");
  EXPECT_STREQ(gOrderForm.accountNo, "12345678");
  ASSERT_EQ(headless::MessageBoxes().size(), 1u);
  EXPECT_EQ(headless::MessageBoxes()[0].text, "You must specify an account number");
}

TEST_F(TransactionDialogTest, PagesAndPanelPaintTheirTexts) {
  gOrderLimits[kOrderCreditCard] = OrderLimits{25, 20, 0, 0, 0, 0};
  ASSERT_EQ(ComposeOrderTexts(0), 1);
  record.currentSecurityLimit = 80;
  record.max24HourCardDepositCount = 3;
  record.max24HourCardDeposit = 2500;
  Run(kDepositDialog, [&](HWND dialog) {
    EXPECT_TRUE(Drew(dialog, "Credit Card"));
    EXPECT_TRUE(Drew(dialog, "1. Enter deposit amount (in US dollars)"));
    EXPECT_TRUE(Drew(dialog, "4. You can deposit an additional 80 USD without a Security Code."));
    EXPECT_TRUE(Drew(dialog, "The minimum amount is 20 USD. No maximum amount is set."));
    EXPECT_TRUE(Drew(dialog, "2-3 minutes, usually about 30 seconds."));
    EXPECT_TRUE(Drew(dialog, "25"));
    EXPECT_TRUE(Drew(dialog, "Important:"));
    EXPECT_TRUE(Drew(dialog, "Maximum number of transactions is set at 3 per 24 hours."));
    EXPECT_TRUE(Drew(dialog, "Maximum deposit is set at 2500 USD per transaction and 24 hours."));
    EXPECT_TRUE(Drew(dialog, "Ada"));
    EXPECT_TRUE(Drew(dialog, "$1000.00"));
    headless::SelectTab(dialog, kTabControlId, 3);
    EXPECT_TRUE(Drew(dialog, "In order to maintain a secure transaction system, you are asked to enter your "
                             "Security Code every time you request a withdrawal or deposit more than 100 USD "
                             "using a credit card. This means that you can start playing immediately and deposit "
                             "up to 100 USD without a Security Code. Once you have reached 100 USD, however, you "
                             "need a Security Code to deposit additional funds into your Kestrup account."));
    EXPECT_TRUE(Drew(dialog, "Mill Lane 4"));
  });
  record.currentSecurityLimit = 0;
  gCashierMode = kModeOffline;
  ASSERT_EQ(ComposeOrderTexts(1), 1);
  Run(kDepositDialog, [&](HWND dialog) {
    EXPECT_TRUE(Drew(dialog, "4. For security reasons, please enter your Security Code"));
    EXPECT_FALSE(Drew(dialog, "Important:"));
  });
  Run(kWithdrawDialog, [&](HWND dialog) {
    headless::SelectTab(dialog, kTabControlId, 1);
    EXPECT_TRUE(Drew(dialog, "You are playing offline."));
    EXPECT_TRUE(Drew(dialog, "None."));
  });
}

// Figures far wider than any line: each sentence and the balance are
// painted whole, however many digits they take.
TEST_F(TransactionDialogTest, FiguresOfAnyLengthArePaintedWhole) {
  ASSERT_EQ(ComposeOrderTexts(0), 1);
  record.currentSecurityLimit = 1e200;
  record.max24HourCardDeposit = 1e200;
  record.accountSum = -1e200;
  char digits[256];
  std::snprintf(digits, sizeof digits, "%.0f", 1e200);
  const std::string figure = digits;
  ASSERT_GT(figure.size(), 199u);
  Run(kDepositDialog, [&](HWND dialog) {
    EXPECT_TRUE(Drew(dialog, "4. You can deposit an additional " + figure + " USD without a Security Code."));
    EXPECT_TRUE(Drew(dialog, "Maximum deposit is set at " + figure + " USD per transaction and 24 hours."));
    EXPECT_TRUE(Drew(dialog, "$-" + figure + ".00"));
  });
}

TEST_F(TransactionDialogTest, TheArtworkHoldsTheBackgroundAndMaskedLogos) {
  EXPECT_EQ(gCashierBackground.Width(), kDialogWidth);
  EXPECT_EQ(gCashierBackground.Height(), kDialogHeight);
  for (const CardTypeRow& card : gCardTypes) {
    HBITMAP logo = LoadBitmap(nullptr, card.logoBitmap);
    ASSERT_NE(logo, nullptr) << card.displayName;
    SIZE size{};
    EXPECT_TRUE(GetBitmapSize(logo, &size));
    EXPECT_EQ(size.cx, kCardLogoWidth);
    EXPECT_EQ(size.cy, kCardLogoHeight);
    DeleteObject(ToObject(logo));
  }
}

TEST_F(TransactionDialogTest, AMissingCardLogoEndsTheDialogAsNotShown) {
  RegisterBitmapResource(146, "res/NoSuchLogo.bmp");
  EXPECT_EQ(Run(kDepositDialog, [](HWND) {}), -1);
  EXPECT_EQ(Run(kWithdrawDialog, [](HWND) {}), 0);  // its first page has no card list
}

TEST_F(TransactionDialogTest, HelpOpensTheTransferPageAndKeepsTheDialog) {
  Run(kWithdrawDialog, [](HWND dialog) {
    headless::ClickControl(dialog, kHelpButtonId);
    EXPECT_NE(GetDlgItem(dialog, kRequestCodeId), nullptr);
  });
  ASSERT_EQ(headless::ShellOpens().size(), 1u);
  EXPECT_NE(headless::ShellOpens()[0].find("trans.htm"), std::string::npos);
}

TEST_F(TransactionDialogTest, TheTitleTellsTheModeAndOffline) {
  Run(kWithdrawDialog, [](HWND) {});
  gCashierMode = kModeOffline;
  Run(kDepositDialog, [](HWND) {});
  const auto& dialogs = headless::Dialogs();
  ASSERT_EQ(dialogs.size(), 2u);
  EXPECT_EQ(dialogs[0].title, "WITHDRAW");
  EXPECT_EQ(dialogs[1].title, "DEPOSIT (You are now playing offline - no real money will be transferred.)");
}

}  // namespace
