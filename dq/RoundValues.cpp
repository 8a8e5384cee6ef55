#include "dq/RoundValues.h"

#include <cmath>

#include "dq/BetModel.h"

namespace dq {

int AreRoundFlags(const std::int32_t* values, int count) {
  for (int i = 0; i < count; ++i) {
    if (values[i] != 0 && values[i] != 1) return 0;
  }
  return 1;
}

int IsPoint(int value) {
  return value == 0 || value == 4 || value == 5 || value == 6 || value == 8 || value == 9 || value == 10;
}

int IsDieOrNone(std::int32_t value) { return value >= 0 && value <= 6 ? 1 : 0; }

int AreFiniteAmounts(const float* amounts, int count) {
  for (int i = 0; i < count; ++i) {
    if (!std::isfinite(amounts[i])) return 0;
  }
  return 1;
}

int IsRoundAmount(double value, double low) {
  return std::isfinite(value) && value >= low && value <= kMaxRoundAmount ? 1 : 0;
}

int AreRoundStakes(const float* amounts, int whole) {
  for (int kind = 0; kind < kCrapsBetSlots; ++kind) {
    if (IsRoundAmount(amounts[kind], 0.0) == 0) return 0;
    if (whole != 0 && amounts[kind] != std::trunc(amounts[kind])) return 0;
  }
  return 1;
}

int AreRoundResults(const float* results) {
  for (int kind = 0; kind < kCrapsBetSlots; ++kind) {
    if (IsRoundAmount(results[kind], -kMaxRoundAmount) == 0) return 0;
  }
  return 1;
}

}  // namespace dq
