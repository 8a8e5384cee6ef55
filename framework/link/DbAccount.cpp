#include <cstdint>
#include <cstring>

#include "framework/link/Cents.h"
#include "framework/link/Db.h"

namespace {

struct LimitRow {
  const char* key;
  double value;
};

constexpr LimitRow kLimits[] = {
    {"minBetBlackJack", 5.0},     {"maxBetBlackJack", 500.0},
    {"minTableRoulette", 5.0},    {"maxTableRoulette", 500.0},
    {"minNrRoulette", 1.0},       {"maxNrRoulette", 100.0},
    {"minExternRoulette", 5.0},   {"maxExternRoulette", 500.0},
    {"minBetCaribbeanStud", 5.0}, {"maxBetCaribbeanStud", 500.0},
    {"minBetPaiGowPoker", 5.0},   {"maxBetPaiGowPoker", 500.0},
    {"minBetCraps", 5.0},         {"minBetPropCraps", 1.0},
    {"maxBetCraps", 500.0},       {"maxOddsCraps", 3.0},
    {"maxTableCraps", 500.0},     {"minBetBaccarat", 5.0},
    {"maxBetBaccarat", 500.0},    {"maxTableBaccarat", 500.0},
};
static_assert(sizeof kLimits / sizeof kLimits[0] == 20);

// Indexed by -code, for the codes -1..-8.
constexpr const char* kErrorNames[] = {
    "DB_INVALID_DATA_ERR",     "DB_NOT_UNIQUE_ERR",   "DB_CUSTOMER_NOT_FOUND_ERR",
    "DB_INVALID_CONTENT_ERR",  "DB_NO_CREDITCARD_ERR", "DB_ACCOUNT_NOT_ZERO_ERR",
    "DB_INVALID_CARD_ERR",     "DB_NOT_ENOUGH_MONEY_ERR",
};
constexpr int kNamedErrors = sizeof kErrorNames / sizeof kErrorNames[0];
static_assert(kNamedErrors == -kDbNotEnoughMoney);

double gBalance = 3000.0;
DbMoneyObserver gMoneyObserver = nullptr;

// Moves the balance by sign times the amount, both to the cent, as the
// main client books it: a sum of doubles drifts off the cent (16.65 + 12.35
// gives 28.999999999999996), and a stake of the whole balance would then be
// refused. A debit (sign -1) that would leave less than 0 is refused. The
// observer is told what moved.
int MoveBalance(int userId, double amount, int sign) {
  std::int64_t balance = 0;
  std::int64_t moved = 0;
  if (!CentsOf(gBalance, &balance) || !CentsOf(amount, &moved)) return kDbInvalidData;
  moved *= sign;
  if (sign < 0 && balance + moved < 0) return kDbNotEnoughMoney;
  gBalance = MoneyOf(balance + moved);
  if (gMoneyObserver) gMoneyObserver(userId, MoneyOf(moved));
  return kDbOk;
}

}  // namespace

int GetCasinoLimit(int userId, const char* key, double* value) {
  if (userId == 0 || !key || !value) return kDbInvalidData;
  for (const LimitRow& row : kLimits) {
    if (std::strcmp(row.key, key) == 0) {
      *value = row.value;
      return kDbOk;
    }
  }
  return kDbNoSuchLimit;
}

int dbGetBalance(int, double* balance) {
  if (!balance) return kDbInvalidData;
  *balance = gBalance;
  return kDbOk;
}

int dbSetBalance(int, double balance) {
  gBalance = balance;
  return kDbOk;
}

void SetDbMoneyObserver(DbMoneyObserver observer) { gMoneyObserver = observer; }

int dbAddMoney(int userId, double amount) { return MoveBalance(userId, amount, 1); }

int dbSubtractMoney(int userId, double amount) { return MoveBalance(userId, amount, -1); }

const char* DbErrorName(int code) {
  if (code < 0 && code >= -kNamedErrors) return kErrorNames[-code - 1];
  return "UNKNOWN DB ERROR";
}

const char* DbErrorName(int code, const DbExtraErrorName& extra) {
  if (extra.name != nullptr && code == extra.code) return extra.name;
  return DbErrorName(code);
}
