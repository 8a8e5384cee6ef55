// A refused form shows its text and caption in a box; a good one shows none.
#include <gtest/gtest.h>

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

}  // namespace
