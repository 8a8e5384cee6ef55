// The checks an order form passes before the client sends it online. They
// answer the refusal's text and caption; OrderFormBox shows it.
#pragma once

#include <cstddef>

struct CashierClientRecord;
struct OrderForm;

inline constexpr int kOrderSend = 1;
inline constexpr int kOrderNothingToSend = 0;
inline constexpr int kOrderRefused = -1;
inline constexpr std::size_t kOrderCheckTextSize = 160;

struct OrderCheck {
  int result;  // kOrderSend, kOrderNothingToSend or kOrderRefused
  const char* caption;  // refused only
  char text[kOrderCheckTextSize];
};

// The form's order type and fields against gOrderLimits, the record's
// accountSum and securityLimit and gCardTypes.
OrderCheck CheckOrderForm(const OrderForm& form, const CashierClientRecord& record);
// 1 when every character up to the terminating zero, or up to maximum
// characters, is a decimal digit; 0 at the first other one. strict: a
// terminating zero within maximum also fails.
int IsDigitsOnly(const char* text, int maximum, int strict);
