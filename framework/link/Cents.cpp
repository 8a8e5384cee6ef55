#include "framework/link/Cents.h"

#include <cmath>

int CentsOf(double money, std::int64_t* cents) {
  if (!std::isfinite(money)) return 0;
  const double scaled = std::round(money * 100.0);
  if (std::fabs(scaled) > static_cast<double>(kMaxCents)) return 0;
  *cents = static_cast<std::int64_t>(scaled);
  return 1;
}

double MoneyOf(std::int64_t cents) { return static_cast<double>(cents) / 100.0; }
