// The house edge of four bets, played through the real server over every
// one of the 36 dice outcomes and read from the account, set against the
// closed-form values of the game: exact fractions, no sampling.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <ostream>
#include <string>
#include <vector>

#include "framework/link/Db.h"
#include "tests/dq/ServerHarness.h"

namespace dq {
namespace {

struct Fraction {
  long long num;
  long long den;
};

// A zero denominator (nothing decided) stays as it is and equals nothing.
Fraction Reduced(long long num, long long den) {
  if (den == 0) return {num, 0};
  long long g = std::gcd(num, den);
  if (den < 0) g = -g;
  return {num / g, den / g};
}

Fraction operator+(Fraction a, Fraction b) {
  return Reduced(a.num * b.den + b.num * a.den, a.den * b.den);
}

bool operator==(Fraction a, Fraction b) {
  return a.den != 0 && b.den != 0 && a.num * b.den == b.num * a.den;
}

std::ostream& operator<<(std::ostream& out, Fraction f) { return out << f.num << "/" << f.den; }

struct Roll {
  int die1;
  int die2;
  std::string bets;  // the BET list sent for this roll
};

// Plays the rolls in one fresh session; the account's change over the last
// roll, in tenths of a dollar (the house pays to the tenth).
long long NetOfLastRoll(const std::vector<Roll>& rolls) {
  ServerHarness s(100000);
  s.OpenSession(rolls[0].die1, rolls[0].die2);
  double before = 0;
  for (std::size_t i = 0; i < rolls.size(); ++i) {
    dbGetBalance(s.userId, &before);
    bool last = i + 1 == rolls.size();
    s.PlayRoll(rolls[i].bets, last ? 1 : rolls[i + 1].die1, last ? 1 : rolls[i + 1].die2);
  }
  double after = 0;
  dbGetBalance(s.userId, &after);
  return std::llround((after - before) * 10);
}

// Net per dollar decided: every decision's net over the stakes decided,
// where a roll that leaves the bet standing decides nothing.
Fraction ReturnOfDecisions(const std::vector<long long>& nets, long long stakeTenths) {
  long long sum = 0, decided = 0;
  for (long long net : nets) {
    sum += net;
    decided += net != 0 ? 1 : 0;
  }
  return Reduced(sum, decided * stakeTenths);
}

// A one-roll bet: the 36 outcomes of a come-out roll.
Fraction OneRollReturn(const std::string& bets, long long stakeTenths) {
  std::vector<long long> nets;
  for (int die1 = 1; die1 <= 6; ++die1) {
    for (int die2 = 1; die2 <= 6; ++die2) nets.push_back(NetOfLastRoll({{die1, die2, bets}}));
  }
  return ReturnOfDecisions(nets, stakeTenths);
}

TEST(HouseEdge, FieldIsMinusOneEighteenth) {
  EXPECT_EQ(OneRollReturn("3210.00$#0000", 100), (Fraction{-1, 18}));
}

TEST(HouseEdge, AnySevenIsMinusOneSixth) {
  EXPECT_EQ(OneRollReturn("5710.00$#0000", 100), (Fraction{-1, 6}));
}

// Place 6 at a stake of 6 pays 7 to 6 with nothing truncated: it wins 7 on
// five outcomes and loses 6 on six, whatever the point.
TEST(HouseEdge, PlaceSixAtSixIsMinusOneSixtySixth) {
  for (int die : {2, 3, 4, 5}) {  // points 4, 6, 8, 10
    std::vector<long long> nets;
    for (int die1 = 1; die1 <= 6; ++die1) {
      for (int die2 = 1; die2 <= 6; ++die2) {
        nets.push_back(NetOfLastRoll({{die, die, "#0000"}, {die1, die2, "356.00$#0000"}}));
      }
    }
    EXPECT_EQ(ReturnOfDecisions(nets, 60), (Fraction{-1, 66})) << "point " << 2 * die;
  }
}

// The pass line over its whole life: a natural or craps decides the
// come-out; after a point, each point-phase roll that decides is as likely
// as any other, so the point's worth is the mean net of those rolls.
TEST(HouseEdge, PassLineIsMinusSevenOver495) {
  const std::string pass = "0@10.00$#0000";
  Fraction expected{0, 1};  // net per come-out outcome, in tenths, times 36
  for (int die1 = 1; die1 <= 6; ++die1) {
    for (int die2 = 1; die2 <= 6; ++die2) {
      long long net = NetOfLastRoll({{die1, die2, pass}});
      if (net != 0) {
        expected = expected + Fraction{net, 1};
        continue;
      }
      long long sum = 0, decided = 0;
      for (int next1 = 1; next1 <= 6; ++next1) {
        for (int next2 = 1; next2 <= 6; ++next2) {
          long long point = NetOfLastRoll({{die1, die2, pass}, {next1, next2, pass}});
          sum += point;
          decided += point != 0 ? 1 : 0;
        }
      }
      ASSERT_GT(decided, 0) << "a point of " << die1 + die2 << " is never decided";
      expected = expected + Reduced(sum, decided);
    }
  }
  EXPECT_EQ(Reduced(expected.num, expected.den * 36 * 100), (Fraction{-7, 495}));
}

}  // namespace
}  // namespace dq
