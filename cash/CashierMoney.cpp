#include "cash/CashierMoney.h"

#include <cmath>
#include <cstdio>

int ReadNumber(const char* text, double* value) {
  double read = 0;
  if (!text || std::sscanf(text, "%lf", &read) != 1 || !std::isfinite(read)) return 0;
  *value = read;
  return 1;
}

int ReadCents(const char* text, std::int64_t* cents) {
  double amount = 0;
  if (!ReadNumber(text, &amount) || std::fabs(amount) > kMaxReadableAmount) return 0;
  *cents = std::llround(amount * 100.0);
  return 1;
}

std::int64_t ToCents(double amount) {
  if (!std::isfinite(amount) || std::fabs(amount) > kMaxReadableAmount) return 0;
  return std::llround(amount * 100.0);
}

double FromCents(std::int64_t cents) { return static_cast<double>(cents) / 100.0; }
