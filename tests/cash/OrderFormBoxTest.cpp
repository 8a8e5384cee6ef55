// A refused form shows its text and caption in a box; a good one shows none.
// A charge template too long to compose shows the error box once.
#include <gtest/gtest.h>

#include <string>

#include "cash/CashierClientRecord.h"
#include "cash/OrderForm.h"
#include "cash/OrderFormBox.h"
#include "cash/OrderTypes.h"
#include "platform/include/plat/headless.h"

namespace {

TEST(ValidateOrderForm, ShowsTheRefusalOnly) {
  plat::headless::ClearMessageBoxes();
  ResetOrderTypes();
  gOrderLimits[kOrderBankDraftWithdraw].minWithdraw = 50;
  CashierClientRecord record{};
  record.accountSum = 300;
  gOrderForm = OrderForm{};
  gOrderForm.orderType = kOrderBankDraftWithdraw;
  CopyField(gOrderForm.amount, "49");
  EXPECT_EQ(ValidateOrderForm(nullptr, record), -1);
  ASSERT_EQ(plat::headless::MessageBoxes().size(), 1u);
  EXPECT_EQ(plat::headless::MessageBoxes()[0].text, "The minimum you can withdraw using Bank Draft is $50");
  EXPECT_EQ(plat::headless::MessageBoxes()[0].caption, "Minimum amount");
  CopyField(gOrderForm.amount, "50");
  EXPECT_EQ(ValidateOrderForm(nullptr, record), 1);
  CopyField(gOrderForm.amount, "0");
  EXPECT_EQ(ValidateOrderForm(nullptr, record), 0);
  EXPECT_EQ(plat::headless::MessageBoxes().size(), 1u);
}

TEST(ComposeOrderTextsShown, ATooLongChargeTemplateIsReportedInABoxAndTheOthersComposed) {
  plat::headless::ClearMessageBoxes();
  ResetOrderTypes();
  gOrderLimits[kOrderCreditCard].depositService = 25;
  // The longest template composes without a box.
  const std::string longest(kChargeTemplateMax, 'x');
  gOrderTypes[kOrderMoneyTransfer].chargeTemplate = longest.c_str();
  EXPECT_EQ(ComposeOrderTextsShown(nullptr, 0), kOrderTextsComposed);
  EXPECT_EQ(std::string(gOrderTypes[kOrderMoneyTransfer].chargeText), longest);
  EXPECT_TRUE(plat::headless::MessageBoxes().empty());

  const std::string tooLong = longest + "x";
  gOrderTypes[kOrderMoneyTransfer].chargeTemplate = tooLong.c_str();
  EXPECT_EQ(ComposeOrderTextsShown(nullptr, 0), kChargeTemplateTooLong);
  ASSERT_EQ(plat::headless::MessageBoxes().size(), 1u);
  EXPECT_EQ(plat::headless::MessageBoxes()[0].text, "String to big");
  EXPECT_EQ(plat::headless::MessageBoxes()[0].caption, "Error");
  EXPECT_STREQ(gOrderTypes[kOrderMoneyTransfer].chargeText, "");
  EXPECT_STREQ(gOrderTypes[kOrderCreditCard].chargeText, "25");
  EXPECT_STREQ(gOrderTypes[kOrderCreditCard].limitText, "There are no minimum or maximum amounts.");
  ResetOrderTypes();
}

}  // namespace
