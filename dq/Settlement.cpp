#include "dq/Settlement.h"

#include <cmath>
#include <cstring>

namespace dq {
namespace {

// Payouts are formed in double, one factor at a time with the stake first;
// the tenths variants truncate the last product toward zero.
enum PayForm { kPayTimes, kPayTenths, kPayTenthsPlusStake };

struct Payout {
  PayForm form;
  double first;
  double second;  // 1.0 when the form has one factor
};

constexpr double kTenth = 0.1f;  // the house's tenth is the float 0.1

// Per box 4, 5, 6, 8, 9, 10.
constexpr Payout kOddsPay[6] = {
    {kPayTimes, 3.0f, 1.0}, {kPayTenths, 2.5, 1.0}, {kPayTenths, 2.2, 1.0},
    {kPayTenths, 2.2, 1.0}, {kPayTenths, 2.5, 1.0}, {kPayTimes, 3.0f, 1.0},
};
constexpr Payout kLayOddsPay[6] = {
    {kPayTenthsPlusStake, 0.5, 1.0},     {kPayTenthsPlusStake, 2.0 / 3.0, 1.0},
    {kPayTenthsPlusStake, 5.0 / 6.0, 1.0}, {kPayTenthsPlusStake, 5.0 / 6.0, 1.0},
    {kPayTenthsPlusStake, 2.0 / 3.0, 1.0}, {kPayTenthsPlusStake, 0.5, 1.0},
};
constexpr Payout kPlaceWinPay[6] = {
    {kPayTenths, 2.8, 1.0},                {kPayTenths, 2.4, 1.0},
    {kPayTenthsPlusStake, 7.0 / 6.0, 1.0}, {kPayTenthsPlusStake, 7.0 / 6.0, 1.0},
    {kPayTenths, 2.4, 1.0},                {kPayTenths, 2.8, 1.0},
};
constexpr Payout kPlaceLosePay[6] = {
    {kPayTenthsPlusStake, 5.0 / 11.0, 1.0}, {kPayTenthsPlusStake, 0.625, 1.0},
    {kPayTenthsPlusStake, 0.8, 1.0},        {kPayTenthsPlusStake, 0.8, 1.0},
    {kPayTenthsPlusStake, 0.625, 1.0},      {kPayTenthsPlusStake, 5.0 / 11.0, 1.0},
};
constexpr Payout kBuyPay[6] = {
    {kPayTenthsPlusStake, 0.95, 2.0f}, {kPayTenthsPlusStake, 0.95, 1.5f},
    {kPayTenthsPlusStake, 0.95, 1.2f}, {kPayTenthsPlusStake, 0.95, 1.2f},
    {kPayTenthsPlusStake, 0.95, 1.5f}, {kPayTenthsPlusStake, 0.95, 2.0f},
};
constexpr Payout kLayPay[6] = {
    {kPayTenthsPlusStake, 0.5, 0.95},       {kPayTenthsPlusStake, 2.0 / 3.0, 0.95},
    {kPayTenthsPlusStake, 5.0 / 6.0, 0.95}, {kPayTenthsPlusStake, 5.0 / 6.0, 0.95},
    {kPayTenthsPlusStake, 2.0 / 3.0, 0.95}, {kPayTenthsPlusStake, 0.5, 0.95},
};

float Pay(float stake, const Payout& pay) {
  double product = static_cast<double>(stake) * pay.first * pay.second;
  if (pay.form == kPayTimes) return static_cast<float>(product);
  double paid = std::trunc(product * 10.0) * kTenth;
  if (pay.form == kPayTenthsPlusStake) paid += stake;
  return static_cast<float>(paid);
}

float Times(float stake, float factor) {
  return static_cast<float>(static_cast<double>(stake) * factor);
}

int BoxIndex(int number) {
  for (int i = 0; i < 6; ++i) {
    if (kBoxNumbers[i] == number) return i;
  }
  return -1;
}

bool IsCrapsOrNatural(int total) {
  return total == 2 || total == 3 || total == 7 || total == 11 || total == 12;
}

bool IsCraps(int total) { return total == 2 || total == 3 || total == 12; }

struct Roll {
  int die1;
  int die2;
  int total;
  bool comeOut;
  int point;
};

// The three columns of a bet: pays, loses, otherwise stays.
float Decide(bool wins, float payout, bool loses) {
  if (wins) return payout;
  return loses ? kResultLost : kResultStays;
}

float ResolveBox(const CrapsServerRecord& r, const Roll& roll, int kind, float stake) {
  int n = 0;
  if ((n = BoxOfRun(kind, kComePoint4)) != 0) {
    bool stands = r.comePoints[n - 1] != 0;
    return Decide(stands && roll.total == n, Times(stake, 2.0f), stands && roll.total == 7);
  }
  if ((n = BoxOfRun(kind, kComePointOdds4)) != 0) {
    bool stands = r.comePoints[n - 1] != 0;
    bool working = !roll.comeOut || r.workingComeOdds != 0;
    bool decided = roll.total == n || roll.total == 7;
    if (stands && decided && !working) return kResultReturned;
    if (stands && working && roll.total == n) return Pay(stake, kOddsPay[BoxIndex(n)]);
    return (stands && working && roll.total == 7) ? kResultLost : kResultStays;
  }
  if ((n = BoxOfRun(kind, kDontComePoint4)) != 0) {
    bool stands = r.dontComePoints[n - 1] != 0;
    return Decide(stands && roll.total == 7, Times(stake, 2.0f), stands && roll.total == n);
  }
  if ((n = BoxOfRun(kind, kDontComePointOdds4)) != 0) {
    bool stands = r.dontComePoints[n - 1] != 0;
    if (stands && roll.total == 7) return Pay(stake, kLayOddsPay[BoxIndex(n)]);
    return (stands && roll.total == n) ? kResultLost : kResultStays;
  }
  if ((n = BoxOfRun(kind, kPlaceWin4)) != 0) {
    bool working = !roll.comeOut || r.workingPlace != 0;
    if (working && roll.total == n) return Pay(stake, kPlaceWinPay[BoxIndex(n)]);
    return (working && roll.total == 7) ? kResultLost : kResultStays;
  }
  if ((n = BoxOfRun(kind, kPlaceLose4)) != 0) {
    if (roll.total == 7) return Pay(stake, kPlaceLosePay[BoxIndex(n)]);
    return roll.total == n ? kResultLost : kResultStays;
  }
  if ((n = BoxOfRun(kind, kBuy4)) != 0) {
    bool working = !roll.comeOut || r.workingBuy != 0;
    if (working && roll.total == n) return Pay(stake, kBuyPay[BoxIndex(n)]);
    return (working && roll.total == 7) ? kResultLost : kResultStays;
  }
  if ((n = BoxOfRun(kind, kLay4)) != 0) {
    if (roll.total == 7) return Pay(stake, kLayPay[BoxIndex(n)]);
    return roll.total == n ? kResultLost : kResultStays;
  }
  return 0;
}

float ResolveHardway(const CrapsServerRecord& r, const Roll& roll, int number, float factor,
                     float stake) {
  bool working = !roll.comeOut || r.workingHardways != 0;
  bool hard = roll.die1 == number / 2 && roll.die2 == number / 2;
  if (working && hard) return Times(stake, factor);
  return (working && (roll.total == number || roll.total == 7)) ? kResultLost : kResultStays;
}

bool DiceAre(const Roll& roll, int a, int b) {
  return (roll.die1 == a && roll.die2 == b) || (roll.die1 == b && roll.die2 == a);
}

void MoveComePoints(CrapsServerRecord& r, int number) {
  r.comePoints[number - 1] = r.results[kComeBet] != 0 ? 1 : 0;
  r.dontComePoints[number - 1] = r.bets[kDontComeBet] != 0 ? 1 : 0;
}

}  // namespace

float ResolveBet(const CrapsServerRecord& r, int kind) {
  if (kind < 0 || kind >= kCrapsBetKinds) return 0;
  float stake = r.bets[kind];
  if (stake == 0) return 0;
  Roll roll{r.dice[0], r.dice[1], r.dice[0] + r.dice[1], r.comeOut != 0, r.point};
  int t = roll.total;
  bool co = roll.comeOut;
  switch (kind) {
    case kPassline:
      return Decide((co && (t == 7 || t == 11)) || (!co && t == roll.point), Times(stake, 2.0f),
                    (co && IsCraps(t)) || (!co && t == 7));
    case kPasslineOdds:
      if (!co && t == roll.point && r.bets[kPassline] != 0 && BoxIndex(roll.point) >= 0) {
        return Pay(stake, kOddsPay[BoxIndex(roll.point)]);
      }
      return (!co && t == 7) ? kResultLost : kResultStays;
    case kDontPass:
      return Decide((co && (t == 3 || t == 12)) || (!co && t == 7), Times(stake, 2.0f),
                    (!co && t == roll.point) || (co && (t == 7 || t == 11)));
    case kDontPassOdds:
      if (!co && t == 7 && r.bets[kDontPass] != 0 && BoxIndex(roll.point) >= 0) {
        return Pay(stake, kLayOddsPay[BoxIndex(roll.point)]);
      }
      return (!co && t == roll.point) ? kResultLost : kResultStays;
    case kComeBet:
      return Decide(!co && (t == 7 || t == 11), Times(stake, 2.0f), !co && IsCraps(t));
    case kDontComeBet:
      return Decide(!co && (t == 3 || t == 12), Times(stake, 2.0f), !co && (t == 7 || t == 11));
    case kBig6:
      return Decide(t == 6, Times(stake, 2.0f), t == 7);
    case kBig8:
      return Decide(t == 8, Times(stake, 2.0f), t == 7);
    case kField:
      if (t == 2 || t == 12) return Times(stake, 3.0f);
      return Decide(t == 3 || t == 4 || t == 9 || t == 10 || t == 11, Times(stake, 2.0f), true);
    case kAny7:
      return Decide(t == 7, Times(stake, 5.0f), true);
    case kHardway6:
      return ResolveHardway(r, roll, 6, 10.0f, stake);
    case kHardway8:
      return ResolveHardway(r, roll, 8, 10.0f, stake);
    case kHardway10:
      return ResolveHardway(r, roll, 10, 8.0f, stake);
    case kHardway4:
      return ResolveHardway(r, roll, 4, 8.0f, stake);
    case kHorn2:
      return Decide(DiceAre(roll, 1, 1), Times(stake, 31.0f), true);
    case kHorn12:
      return Decide(DiceAre(roll, 6, 6), Times(stake, 31.0f), true);
    case kHorn3:
      return Decide(DiceAre(roll, 1, 2), Times(stake, 16.0f), true);
    case kHorn11:
      return Decide(DiceAre(roll, 5, 6), Times(stake, 16.0f), true);
    case kAnyCraps:
      return Decide(IsCraps(t), Pay(stake, {kPayTenths, 8.0f, 1.0}), true);
    default:
      return ResolveBox(r, roll, kind, stake);
  }
}

void SettleRoll(CrapsServerRecord& r) {
  std::memset(r.results, 0, sizeof(r.results));
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) {
    if (r.bets[kind] != 0) r.results[kind] = ResolveBet(r, kind);
  }
  std::memcpy(r.previousBets, r.bets, sizeof(r.bets));
  int t = r.dice[0] + r.dice[1];
  if (r.comeOut != 0 && !IsCrapsOrNatural(t)) {
    r.point = t;
    r.comeOut = 0;
  } else if (r.comeOut == 0 && t == r.point) {
    r.point = 0;
    r.comeOut = 1;
    MoveComePoints(r, t);
  } else if (r.comeOut == 0 && !IsCrapsOrNatural(t)) {
    MoveComePoints(r, t);
  }
  if (t == 7) {
    r.point = 0;
    r.comeOut = 1;
    std::memset(r.comePoints, 0, sizeof(r.comePoints));
    std::memset(r.dontComePoints, 0, sizeof(r.dontComePoints));
  }
}

double SettleMoney(CrapsServerRecord& r) {
  r.won = 0;
  r.lost = 0;
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) {
    if (r.results[kind] > 0) r.won += r.results[kind] - r.bets[kind];
    if (r.results[kind] == kResultLost) r.lost += r.bets[kind];
  }
  return static_cast<double>(r.won) - static_cast<double>(r.lost);
}

CrapsQuitForfeit QuitForfeit(const CrapsServerRecord& r) {
  auto standing = [&r](int kind) {
    return r.results[kind] == kResultStays ? static_cast<double>(r.previousBets[kind]) : 0.0;
  };
  double amount = 0;
  if (r.comeOut == 0) amount += standing(kPassline);
  amount += standing(kComeBet);
  for (int i = 0; i < 6; ++i) amount += standing(kComePoint4 + i);
  return {r.quitFlag != 0 || amount == 0 ? 1 : 0, amount};
}

}  // namespace dq
