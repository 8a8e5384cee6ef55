#include "hx/Stakes.h"

#include "framework/link/Db.h"

namespace hx {
namespace {

double HeldStakes(const BlackJackServerRecord& r) {
  double held = 0;
  for (double stake : r.stakes) held += stake;
  return held;
}

bool IsHand(StakeKind kind) { return kind == kStakeFirstHand || kind == kStakeSecondHand; }

}  // namespace

int FreeBalance(const BlackJackServerRecord& r, int userId, double* free) {
  double balance = 0;
  const int code = dbGetBalance(userId, &balance);
  if (code != kDbOk) return code;
  *free = balance - HeldStakes(r);
  return kDbOk;
}

int CanAfford(const BlackJackServerRecord& r, int userId, double amount) {
  double free = 0;
  return FreeBalance(r, userId, &free) == kDbOk && free - amount >= 0;
}

double StakeGet(const BlackJackServerRecord& r, StakeKind kind) { return r.stakes[kind]; }

int StakeSet(BlackJackServerRecord& r, int userId, StakeKind kind, double amount) {
  if (!CanAfford(r, userId, amount)) return kDbNotEnoughMoney;
  r.stakes[kind] = amount;
  return kDbOk;
}

int StakeSetDouble(BlackJackServerRecord& r, int userId, StakeKind kind, double amount) {
  double free = 0;
  const int code = FreeBalance(r, userId, &free);
  if (code != kDbOk) return code;
  if (free + r.stakes[kind] - amount < 0) return kDbNotEnoughMoney;
  r.stakes[kind] = amount;
  return kDbOk;
}

int StakeWin(BlackJackServerRecord& r, int userId, StakeKind kind, double factor) {
  const double credit = IsHand(kind) ? (factor - 1) * r.stakes[kind] : 2 * r.stakes[kind];
  const int code = dbAddMoney(userId, credit);
  if (code == kDbOk) r.stakes[kind] = 0;
  return code;
}

int StakeLose(BlackJackServerRecord& r, int userId, StakeKind kind) {
  const int code = dbSubtractMoney(userId, HandLossAmount(r, kind));
  if (code == kDbOk) r.stakes[kind] = 0;
  return code;
}

int ForfeitAllStakes(BlackJackServerRecord& r, int userId) {
  int first = kDbOk;
  for (int kind = kStakeFirstHand; kind < kStakeKinds; ++kind) {
    const int code = StakeLose(r, userId, static_cast<StakeKind>(kind));
    if (first == kDbOk) first = code;
  }
  return first;
}

double HandLossAmount(const BlackJackServerRecord& r, StakeKind kind) {
  const double stake = r.stakes[kind];
  const bool doubled = IsHand(kind) && stake > r.bet;
  const bool tenUpNatural = r.dealer.count > 0 && IsTenValued(r.dealer.cards[0].value) &&
                            IsNatural(r.dealer);
  return doubled && tenUpNatural ? stake / 2 : stake;
}

}  // namespace hx
