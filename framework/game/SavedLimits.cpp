#include "framework/game/SavedLimits.h"

#include <cmath>

#include "framework/link/Db.h"

namespace game {
namespace {

// The built-in table answers every user alike; 0 is no user to it.
constexpr int kAnyUser = 1;

}  // namespace

int AreSavedLimits(const ServerLimitTag* limits, int count, const double* values, int notRead) {
  int allZero = 1, allTable = 1;
  for (int i = 0; i < count; ++i) {
    double table = 0;
    if (GetCasinoLimit(kAnyUser, limits[i].key, &table) != kDbOk || values[i] != table) {
      allTable = 0;
    }
    if (values[i] != 0) allZero = 0;
  }
  return allTable || (notRead && allZero) ? 1 : 0;
}

int IsStakeOrNone(double stake, double low, double high) {
  return stake == 0 || (stake >= low && stake <= high) ? 1 : 0;
}

int IsNonNegativeAmount(double amount) { return std::isfinite(amount) && amount >= 0 ? 1 : 0; }

}  // namespace game
