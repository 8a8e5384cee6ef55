// Money in whole cents, as the main client and the local account keep it,
// and the double it travels in.
#pragma once

#include <cstdint>

// The largest amount taken: ten thousand billion dollars, well inside the
// integers a double holds exactly.
inline constexpr std::int64_t kMaxCents = 1'000'000'000'000'000;

// The amount rounded to the nearest cent. 0 for a value that is not finite
// or lies beyond kMaxCents either way.
int CentsOf(double money, std::int64_t* cents);
// The double nearest to the amount.
double MoneyOf(std::int64_t cents);
