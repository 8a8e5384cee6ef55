// The order form's checks: each refusal from a form worked by hand, and the
// edges of the limits.
#include <gtest/gtest.h>

#include <string>

#include "cash/CardTypes.h"
#include "cash/CashierClientRecord.h"
#include "cash/OrderForm.h"
#include "cash/OrderTypes.h"
#include "cash/OrderValidation.h"

namespace {

class OrderValidationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetOrderTypes();
    ResetCardTypes();
    record = CashierClientRecord{};
    record.accountSum = 300;
    record.securityLimit = 500;
    form = OrderForm{};
  }

  // A credit-card deposit that passes every check.
  void GoodDeposit(const char* amount) {
    form = OrderForm{};
    form.orderType = kOrderCreditCard;
    CopyField(form.amount, amount);
    CopyField(form.securityCode, "1234567");
    CopyField(form.expiryDate, "1299");
    CopyField(form.cardholder, "Ann");
    CopyField(form.cardNumber, "4111111111");
    CopyField(form.cardType, "VISA");
    gOrderLimits[kOrderCreditCard].minDeposit = 20;
    gOrderLimits[kOrderCreditCard].maxDeposit = 1000;
  }

  // A wire transfer that passes every check.
  void GoodWire(const char* amount) {
    form = OrderForm{};
    form.orderType = kOrderWireTransfer;
    CopyField(form.amount, amount);
    CopyField(form.swift, "DEUTDEFF");
    CopyField(form.accountNo, "12345");
    CopyField(form.bankName, "Harbour Bank");
    CopyField(form.bankAddress1, "Quay 1");
    CopyField(form.bankTown, "Port Amsel");
    CopyField(form.bankCountry, "Norland");
    gOrderLimits[kOrderWireTransfer].minWithdraw = 50;
    gOrderLimits[kOrderWireTransfer].maxWithdraw = 1000;
  }

  void ExpectRefused(const std::string& caption, const std::string& text) {
    const OrderCheck check = CheckOrderForm(form, record);
    EXPECT_EQ(check.result, kOrderRefused);
    if (check.result != kOrderRefused) return;
    EXPECT_EQ(check.caption, caption);
    EXPECT_EQ(check.text, text);
  }
  int Result() { return CheckOrderForm(form, record).result; }

  CashierClientRecord record{};
  OrderForm form{};
};

TEST_F(OrderValidationTest, UnreadableOrZeroAmountsHaveNothingToSend) {
  for (const char* amount : {"", "0", "abc", "nan", "-nan", "inf", "1e999", "0.001"}) {
    GoodDeposit(amount);
    EXPECT_EQ(Result(), kOrderNothingToSend) << amount;
  }
}

TEST_F(OrderValidationTest, DepositLimitsAreInclusiveAndZeroMaximumMeansNone) {
  GoodDeposit("19.99");
  ExpectRefused("Minimum amount", "The minimum you can deposit using Credit Card is $20");
  GoodDeposit("20");
  EXPECT_EQ(Result(), kOrderSend);
  GoodDeposit("1000");
  EXPECT_EQ(Result(), kOrderSend);
  GoodDeposit("1000.01");
  ExpectRefused("Maximum amount", "The maximum you can deposit using Credit Card is $1000");
  GoodDeposit("1000000");
  gOrderLimits[kOrderCreditCard] = OrderLimits{};
  EXPECT_EQ(Result(), kOrderSend);
}

TEST_F(OrderValidationTest, SecurityCodeIsNeededOneCentAboveTheSecurityLimit) {
  GoodDeposit("500");
  form.securityCode[0] = 0;
  EXPECT_EQ(Result(), kOrderSend);
  GoodDeposit("500.01");
  form.securityCode[0] = 0;
  ExpectRefused("Maximum amount", "In order to deposit more than $500 you must specify your security code.");
  GoodDeposit("500.01");
  CopyField(form.securityCode, "123456");
  ExpectRefused("Malformed security code", "Please check so the security code is entred correctly.");
  GoodDeposit("500.01");
  EXPECT_EQ(Result(), kOrderSend);
}

TEST_F(OrderValidationTest, CardFieldsAreCheckedInOrder) {
  GoodDeposit("100");
  CopyField(form.expiryDate, "12299");
  ExpectRefused("Missing date", "The expiery date is missing (mmyy).\n");
  GoodDeposit("100");
  CopyField(form.cardholder, "Al");
  ExpectRefused("Malformed cardholder data", "The cardholders name is missing.\n");
  GoodDeposit("100");
  CopyField(form.cardNumber, "411111111");
  ExpectRefused("Missing credit card nr", "The creditcard number is missing.");
  GoodDeposit("100");
  CopyField(form.cardNumber, "4111 1111 11");
  ExpectRefused("Malformed creditcard nr", "There should be only digits in the creditcard number.");
  GoodDeposit("100");
  CopyField(form.cardNumber, "41111111111");
  CopyField(form.cardType, "MasterCard");
  ExpectRefused("Malformed credit card nr", "The creditcard number doesnt match the specified creditcard type.");
  // The type is matched without regard to case.
  CopyField(form.cardType, "mastercard");
  ExpectRefused("Malformed credit card nr", "The creditcard number doesnt match the specified creditcard type.");
}

TEST_F(OrderValidationTest, UnknownCardTypesAndCardsOnFilePassTheCardChecks) {
  GoodDeposit("100");
  CopyField(form.cardNumber, "9111111111");
  CopyField(form.cardType, "Diners");
  EXPECT_EQ(Result(), kOrderSend);
  GoodDeposit("100");
  CopyField(form.cardNumber, "");
  CopyField(form.expiryDate, "");
  CopyField(form.cardholder, "");
  form.cardOnFile = 1;
  EXPECT_EQ(Result(), kOrderSend);
  // JCB and American Express both begin with 3.
  GoodDeposit("100");
  CopyField(form.cardNumber, "3111111111");
  CopyField(form.cardType, "JCB");
  EXPECT_EQ(Result(), kOrderSend);
}

TEST_F(OrderValidationTest, WithdrawalsStopAtTheLimitsAndTheBalance) {
  GoodWire("49");
  ExpectRefused("Minimum amount", "The minimum you can withdraw using Wire Transfer is $50");
  GoodWire("50");
  EXPECT_EQ(Result(), kOrderSend);
  GoodWire("300");
  EXPECT_EQ(Result(), kOrderSend);
  GoodWire("300.01");
  ExpectRefused("Error", "You don't have enough money on your account to withdraw that much");
  record.accountSum = 5000;
  GoodWire("1000.01");
  ExpectRefused("Maximum amount", "The maximum you can withdraw using Wire Transfer is $1000");
  // A bank draft needs no more than the amount.
  form = OrderForm{};
  form.orderType = kOrderBankDraftWithdraw;
  CopyField(form.amount, "1000.01");
  gOrderLimits[kOrderBankDraftWithdraw].minWithdraw = 50;
  EXPECT_EQ(Result(), kOrderSend);
}

TEST_F(OrderValidationTest, BalanceOfSummedCentsCoversTheirSum) {
  record.accountSum = 0.01 + 0.06;  // 0.069999... as a double
  GoodWire("0.07");
  gOrderLimits[kOrderWireTransfer] = OrderLimits{};
  EXPECT_EQ(Result(), kOrderSend);
}

TEST_F(OrderValidationTest, WireTransferBankFields) {
  GoodWire("100");
  form.swift[0] = 0;
  ExpectRefused("Error", "You must specify a SWIFT-Code (or ROUTING# / ABA# if within USA)");
  CopyField(form.aba, "12345678");
  ExpectRefused("Error", "The ABA# is malformed please check so its entered correctly");
  CopyField(form.aba, "123456789");
  EXPECT_EQ(Result(), kOrderSend);
  // A bad ROUTING number is refused even with a good ABA number.
  CopyField(form.routing, "12345678A");
  ExpectRefused("Error", "The ROUTING# is malformed please check so it's entered correctly");
  CopyField(form.routing, "1234567890");
  ExpectRefused("Error", "The ROUTING# is malformed please check so it's entered correctly");
  CopyField(form.routing, "123456789");
  form.aba[0] = 0;
  EXPECT_EQ(Result(), kOrderSend);

  GoodWire("100");
  CopyField(form.accountNo, "12A45");
  ExpectRefused("Error", "The account number is malformed please check so its entered correctly");
  CopyField(form.accountNo, "");
  ExpectRefused("Error", "You must specify an account number");
  // Only the first 20 characters are looked at.
  CopyField(form.accountNo, "12345678901234567890X");
  EXPECT_EQ(Result(), kOrderSend);
  for (char* field : {form.bankName, form.bankAddress1, form.bankTown, form.bankCountry}) {
    GoodWire("100");
    field[0] = 0;
    ExpectRefused("Error", "You must specify the bank address");
  }
}

TEST_F(OrderValidationTest, PageOnlyOrderTypesHaveNothingToSend) {
  for (int type : {kOrderBankDraftDeposit, kOrderMoneyTransfer, kOrderSecurityCode}) {
    form = OrderForm{};
    form.orderType = type;
    CopyField(form.amount, "100");
    EXPECT_EQ(Result(), kOrderNothingToSend) << type;
  }
}

TEST(IsDigitsOnly, StopsAtTheMaximumAndStrictRefusesAShortText) {
  EXPECT_EQ(IsDigitsOnly("123", 30, 0), 1);
  EXPECT_EQ(IsDigitsOnly("", 30, 0), 1);
  EXPECT_EQ(IsDigitsOnly("12 3", 30, 0), 0);
  EXPECT_EQ(IsDigitsOnly("123x", 3, 0), 1);
  EXPECT_EQ(IsDigitsOnly("123", 3, 1), 1);
  EXPECT_EQ(IsDigitsOnly("12", 3, 1), 0);
}

}  // namespace
