#include "bench/dq/SimRules.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

namespace dq::sim {
namespace {

// The payout table's factors for the bets on a box number. The house keeps
// some as doubles and some as floats; the difference shows in the tenths.
struct BoxPays {
  int number;
  double odds;       // Passline and Come Point odds: x for 4 and 10, else t()
  double layOdds;    // Don't Pass and Don't Come Point odds: t() + stake
  double placeWin;   // t(), + stake for 6 and 8
  double placeLose;  // t() + stake
  double buy;        // t(0.95 x buy) + stake
  double lay;        // t(lay x 0.95) + stake
};

constexpr BoxPays kBoxPays[6] = {
    {4, 3.0f, 0.5, 2.8, 5.0 / 11.0, 2.0f, 0.5},
    {5, 2.5, 2.0 / 3.0, 2.4, 0.625, 1.5f, 2.0 / 3.0},
    {6, 2.2, 5.0 / 6.0, 7.0 / 6.0, 0.8, 1.2f, 5.0 / 6.0},
    {8, 2.2, 5.0 / 6.0, 7.0 / 6.0, 0.8, 1.2f, 5.0 / 6.0},
    {9, 2.5, 2.0 / 3.0, 2.4, 0.625, 1.5f, 2.0 / 3.0},
    {10, 3.0f, 0.5, 2.8, 5.0 / 11.0, 2.0f, 0.5},
};

constexpr double kTenth = 0.1f;  // the house's tenth is the float 0.1

// "x f": stake times f.
float Times(float stake, double f) { return static_cast<float>(static_cast<double>(stake) * f); }

// "t(f g)": the product in double, stake first, truncated to tenths.
double Tenths(float stake, double f, double g) {
  double product = static_cast<double>(stake) * f;
  product *= g;
  return std::trunc(product * 10.0) * kTenth;
}

float TenthsOnly(float stake, double f, double g = 1.0) {
  return static_cast<float>(Tenths(stake, f, g));
}

float TenthsAndStake(float stake, double f, double g = 1.0) {
  return static_cast<float>(Tenths(stake, f, g) + stake);
}

float PayOrNot(bool pays, float paid, bool loses) {
  if (pays) return paid;
  return loses ? kResultLost : kResultStays;
}

bool Craps(int total) { return total == 2 || total == 3 || total == 12; }

bool Pair(int die1, int die2, int a, int b) {
  return (die1 == a && die2 == b) || (die1 == b && die2 == a);
}

// The bets of the runs of six, for box row b of the run starting at first.
float ResolveBoxBet(const SimTable& t, int first, const BoxPays& b, float stake, int total) {
  int n = b.number;
  bool comeOut = t.point == 0;
  bool hit = total == n;
  bool seven = total == 7;
  switch (first) {
    case kComePoint4:
      return PayOrNot(t.comePoints[n] && hit, Times(stake, 2.0), t.comePoints[n] && seven);
    case kComePointOdds4: {
      if (!t.comePoints[n]) return kResultStays;
      if (comeOut) return hit || seven ? kResultReturned : kResultStays;
      float paid = n == 4 || n == 10 ? Times(stake, b.odds) : TenthsOnly(stake, b.odds);
      return PayOrNot(hit, paid, seven);
    }
    case kDontComePoint4:
      return PayOrNot(t.dontComePoints[n] && seven, Times(stake, 2.0), t.dontComePoints[n] && hit);
    case kDontComePointOdds4:
      return PayOrNot(t.dontComePoints[n] && seven, TenthsAndStake(stake, b.layOdds),
                      t.dontComePoints[n] && hit);
    case kPlaceWin4: {
      float paid = n == 6 || n == 8 ? TenthsAndStake(stake, b.placeWin)
                                    : TenthsOnly(stake, b.placeWin);
      return PayOrNot(!comeOut && hit, paid, !comeOut && seven);
    }
    case kPlaceLose4:
      return PayOrNot(seven, TenthsAndStake(stake, b.placeLose), hit);
    case kBuy4:
      return PayOrNot(!comeOut && hit, TenthsAndStake(stake, 0.95, b.buy), !comeOut && seven);
    case kLay4:
      return PayOrNot(seven, TenthsAndStake(stake, b.lay, 0.95), hit);
  }
  return 0;
}

const BoxPays& PaysOn(int number) {
  for (const BoxPays& b : kBoxPays) {
    if (b.number == number) return b;
  }
  return kBoxPays[0];  // never: a point is always a box number
}

float Resolve(const SimTable& t, int die1, int die2, int kind) {
  float stake = t.bets[kind];
  if (stake == 0) return 0;
  int total = die1 + die2;
  bool comeOut = t.point == 0;
  bool seven = total == 7;
  bool point = !comeOut && total == t.point;
  auto hardway = [&](int n, double f) {
    bool hard = die1 == n / 2 && die2 == n / 2;
    return PayOrNot(!comeOut && hard, Times(stake, f), !comeOut && (total == n || seven));
  };
  switch (kind) {
    case kPassline:
      return PayOrNot(comeOut ? seven || total == 11 : point, Times(stake, 2.0),
                      comeOut ? Craps(total) : seven);
    case kPasslineOdds: {
      if (comeOut) return kResultStays;
      const BoxPays& b = PaysOn(t.point);
      float paid = t.point == 4 || t.point == 10 ? Times(stake, b.odds) : TenthsOnly(stake, b.odds);
      return PayOrNot(point && t.bets[kPassline] != 0, paid, seven);
    }
    case kDontPass:
      return PayOrNot(comeOut ? total == 3 || total == 12 : seven, Times(stake, 2.0),
                      comeOut ? seven || total == 11 : point);
    case kDontPassOdds:
      if (comeOut) return kResultStays;
      return PayOrNot(seven && t.bets[kDontPass] != 0,
                      TenthsAndStake(stake, PaysOn(t.point).layOdds), point);
    case kComeBet:
      return PayOrNot(!comeOut && (seven || total == 11), Times(stake, 2.0),
                      !comeOut && Craps(total));
    case kDontComeBet:
      return PayOrNot(!comeOut && (total == 3 || total == 12), Times(stake, 2.0),
                      !comeOut && (seven || total == 11));
    case kBig6:
      return PayOrNot(total == 6, Times(stake, 2.0), seven);
    case kBig8:
      return PayOrNot(total == 8, Times(stake, 2.0), seven);
    case kField:
      if (total == 2 || total == 12) return Times(stake, 3.0);
      return PayOrNot(total == 3 || total == 4 || total >= 9, Times(stake, 2.0), true);
    case kAny7:
      return PayOrNot(seven, Times(stake, 5.0), true);
    case kHardway6:
      return hardway(6, 10.0);
    case kHardway8:
      return hardway(8, 10.0);
    case kHardway10:
      return hardway(10, 8.0);
    case kHardway4:
      return hardway(4, 8.0);
    case kHorn2:
      return PayOrNot(Pair(die1, die2, 1, 1), Times(stake, 31.0), true);
    case kHorn12:
      return PayOrNot(Pair(die1, die2, 6, 6), Times(stake, 31.0), true);
    case kHorn3:
      return PayOrNot(Pair(die1, die2, 1, 2), Times(stake, 16.0), true);
    case kHorn11:
      return PayOrNot(Pair(die1, die2, 5, 6), Times(stake, 16.0), true);
    case kAnyCraps:
      return PayOrNot(Craps(total), TenthsOnly(stake, 8.0), true);
  }
  for (int first : {kComePoint4, kComePointOdds4, kDontComePoint4, kDontComePointOdds4,
                    kPlaceWin4, kPlaceLose4, kBuy4, kLay4}) {
    if (kind >= first && kind < first + 6) {
      return ResolveBoxBet(t, first, kBoxPays[kind - first], stake, total);
    }
  }
  return 0;
}

}  // namespace

void SettleOnTable(SimTable& t, int die1, int die2, float* results) {
  std::memset(results, 0, sizeof(float) * kCrapsBetSlots);
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) results[kind] = Resolve(t, die1, die2, kind);
  int total = die1 + die2;
  bool decidesComeOut = Craps(total) || total == 7 || total == 11;
  // A Come or Don't Come Bet in play moves onto the number rolled.
  auto moveComePoints = [&] {
    t.comePoints[total] = t.bets[kComeBet] != 0;
    t.dontComePoints[total] = t.bets[kDontComeBet] != 0;
  };
  if (t.point == 0) {
    if (!decidesComeOut) t.point = total;
  } else if (total == t.point) {
    t.point = 0;
    moveComePoints();
  } else if (!decidesComeOut) {
    moveComePoints();
  }
  if (total == 7) {
    t.point = 0;
    std::memset(t.comePoints, 0, sizeof(t.comePoints));
    std::memset(t.dontComePoints, 0, sizeof(t.dontComePoints));
  }
}

}  // namespace dq::sim
