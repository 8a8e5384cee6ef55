#include "cash/OrderValidation.h"

#include <cctype>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "cash/CardTypes.h"
#include "cash/CashierClientRecord.h"
#include "cash/CashierMoney.h"
#include "cash/OrderForm.h"
#include "cash/OrderTypes.h"
#include "framework/link/Text.h"

namespace {

OrderCheck Answer(int result) {
  OrderCheck check{};
  check.result = result;
  return check;
}

[[gnu::format(printf, 2, 3)]] OrderCheck Refuse(const char* caption, const char* format, ...) {
  OrderCheck check = Answer(kOrderRefused);
  check.caption = caption;
  va_list args;
  va_start(args, format);
  std::vsnprintf(check.text, sizeof check.text, format, args);
  va_end(args);
  return check;
}

int DigitsOfLength(const char* text, std::size_t length) {
  return std::strlen(text) == length && IsDigitsOnly(text, static_cast<int>(length), 0);
}

OrderCheck CheckCard(const OrderForm& form) {
  if (std::strlen(form.expiryDate) != 4)
    return Refuse("Missing date", "The expiery date is missing (mmyy).\n");
  if (std::strlen(form.cardholder) <= 2)
    return Refuse("Malformed cardholder data", "The cardholders name is missing.\n");
  if (std::strlen(form.cardNumber) <= 9)
    return Refuse("Missing credit card nr", "The creditcard number is missing.");
  if (!IsDigitsOnly(form.cardNumber, 30, 0))
    return Refuse("Malformed creditcard nr", "There should be only digits in the creditcard number.");
  for (const CardTypeRow& card : gCardTypes) {
    if (StrICmp(card.protocolName, form.cardType) != 0 || !card.leadingDigit) continue;
    if (form.cardNumber[0] != card.leadingDigit)
      return Refuse("Malformed credit card nr",
                    "The creditcard number doesnt match the specified creditcard type.");
  }
  return Answer(kOrderSend);
}

OrderCheck CheckCreditCard(const OrderForm& form, const CashierClientRecord& record,
                           std::int64_t amount) {
  if (amount > ToCents(record.securityLimit)) {
    if (!form.securityCode[0])
      return Refuse("Maximum amount",
                    "In order to deposit more than $%.0f you must specify your security code.",
                    record.securityLimit);
    if (std::strlen(form.securityCode) != 7)
      return Refuse("Malformed security code", "Please check so the security code is entred correctly.");
  }
  if (form.cardOnFile) return Answer(kOrderSend);
  return CheckCard(form);
}

OrderCheck CheckWireTransfer(const OrderForm& form) {
  if (!form.swift[0]) {
    if (form.routing[0]) {
      if (!DigitsOfLength(form.routing, 9))
        return Refuse("Error", "The ROUTING# is malformed please check so it's entered correctly");
    } else {
      if (!form.aba[0])
        return Refuse("Error", "You must specify a SWIFT-Code (or ROUTING# / ABA# if within USA)");
      if (!DigitsOfLength(form.aba, 9))
        return Refuse("Error", "The ABA# is malformed please check so its entered correctly");
    }
  }
  if (!IsDigitsOnly(form.accountNo, 20, 0))
    return Refuse("Error", "The account number is malformed please check so its entered correctly");
  if (!form.accountNo[0]) return Refuse("Error", "You must specify an account number");
  if (!form.bankName[0] || !form.bankAddress1[0] || !form.bankTown[0] || !form.bankCountry[0])
    return Refuse("Error", "You must specify the bank address");
  return Answer(kOrderSend);
}

}  // namespace

int IsDigitsOnly(const char* text, int maximum, int strict) {
  for (int i = 0; i < maximum; ++i) {
    if (!text[i]) return strict ? 0 : 1;
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return 0;
  }
  return 1;
}

OrderCheck CheckOrderForm(const OrderForm& form, const CashierClientRecord& record) {
  std::int64_t amount = 0;
  if (!ReadCents(form.amount, &amount) || amount == 0) return Answer(kOrderNothingToSend);
  const int type = form.orderType;
  if (type < 0 || type >= kOrderTypeCount) return Answer(kOrderNothingToSend);
  const OrderTypeRow& row = gOrderTypes[type];
  const OrderLimits& limits = gOrderLimits[type];
  if (type == kOrderCreditCard) {
    if (amount < ToCents(limits.minDeposit))
      return Refuse("Minimum amount", "The minimum you can deposit using %s is $%.0f", row.name,
                    limits.minDeposit);
    if (limits.maxDeposit != 0 && amount > ToCents(limits.maxDeposit))
      return Refuse("Maximum amount", "The maximum you can deposit using %s is $%.0f", row.name,
                    limits.maxDeposit);
    return CheckCreditCard(form, record, amount);
  }
  if (type == kOrderBankDraftWithdraw || type == kOrderWireTransfer) {
    if (amount < ToCents(limits.minWithdraw))
      return Refuse("Minimum amount", "The minimum you can withdraw using %s is $%.0f", row.name,
                    limits.minWithdraw);
    if (limits.maxWithdraw != 0 && amount > ToCents(limits.maxWithdraw))
      return Refuse("Maximum amount", "The maximum you can withdraw using %s is $%.0f", row.name,
                    limits.maxWithdraw);
    if (amount > ToCents(record.accountSum))
      return Refuse("Error", "You don't have enough money on your account to withdraw that much");
    return type == kOrderWireTransfer ? CheckWireTransfer(form) : Answer(kOrderSend);
  }
  return Answer(kOrderNothingToSend);
}
