// Amounts as the cashier reads them: one number, never nan or infinite, and
// compared in whole cents so that sums of cents compare exactly.
#pragma once

#include <cstdint>

// The largest amount, in either sign, that is taken: beyond it a cent count
// no longer holds every cent exactly.
inline constexpr double kMaxReadableAmount = 9.0e13;

// 1 when text reads as one finite number with "%lf" (leading blanks and
// trailing text as sscanf takes them); else 0 and value untouched.
int ReadNumber(const char* text, double* value);
// As ReadNumber, also refusing magnitudes above kMaxReadableAmount; the
// amount rounded to whole cents.
int ReadCents(const char* text, std::int64_t* cents);
// A finite amount within kMaxReadableAmount rounded to cents; anything else
// (a balance a main client set to nan, say) counts as 0.
std::int64_t ToCents(double amount);
double FromCents(std::int64_t cents);
