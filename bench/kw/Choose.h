// Binomial coefficients, 0 outside the triangle.
#pragma once

namespace kw::sim {

constexpr long long Choose(int n, int k) {
  if (k < 0 || n < 0 || k > n) return 0;
  long long c = 1;
  for (int i = 1; i <= k; ++i) c = c * (n - k + i) / i;
  return c;
}

}  // namespace kw::sim
