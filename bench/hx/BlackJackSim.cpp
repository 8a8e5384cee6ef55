// blackjack_sim: plays rounds of one strategy through the Black Jack server
// on a scripted link, checks every answer and the account after every
// round, and sets the measured figures beside the exact ones enumerated
// from the deck by rank. A wrong rule or payout in the server shows as a
// large z.
//
//   blackjack_sim --strategy stand|dealer|double|basic [--rounds N] [--seed S] [--insure]
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "bench/hx/ExactReturn.h"
#include "bench/hx/SimTable.h"
#include "framework/game/ServerFrame.h"
#include "framework/link/ServerRandom.h"
#include "tests/support/CaptureTransport.h"

namespace hx::sim {
namespace {

constexpr double kStartBalance = 1.0e9;
constexpr const char* kStrategyNames[] = {"stand", "dealer", "double", "basic"};
constexpr const char* kClassNames[] = {"17", "18", "19", "20", "21", "natural", "bust"};

struct Options {
  Strategy strategy = kStand;
  long long rounds = 100000;
  unsigned seed = 0;
  int insure = 0;
};

bool ParseOptions(int argc, char** argv, Options* o) {
  o->seed = std::random_device{}();
  bool named = false;
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (std::strcmp(arg, "--insure") == 0) {
      o->insure = 1;
      continue;
    }
    if (i + 1 >= argc) return false;
    const char* value = argv[++i];
    if (std::strcmp(arg, "--strategy") == 0) {
      named = false;
      for (int s = 0; s < 4; ++s) {
        if (std::strcmp(value, kStrategyNames[s]) == 0) {
          o->strategy = static_cast<Strategy>(s);
          named = true;
        }
      }
      if (!named) return false;
    } else if (std::strcmp(arg, "--rounds") == 0) {
      o->rounds = std::atoll(value);
    } else if (std::strcmp(arg, "--seed") == 0) {
      o->seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
    } else {
      return false;
    }
  }
  return o->rounds > 0;
}

struct Mean {
  long long n = 0;
  double sum = 0, squares = 0;

  void Add(double x) {
    ++n;
    sum += x;
    squares += x * x;
  }
  double Value() const { return n > 0 ? sum / n : 0; }
  double Error() const {
    if (n < 2) return 0;
    const double m = Value();
    return std::sqrt((squares / n - m * m) / (n - 1));
  }
};

struct Tally {
  Mean ret, naturals, insurance;
  long long drew[kRanks + 1] = {};
  long long dealer[kRanks + 1][kDealerClasses] = {};
};

double Z(double measured, double exact, double error) {
  return error > 0 ? (measured - exact) / error : 0;
}

void PrintLine(const char* name, const Mean& m, double exact, double scale) {
  std::printf("%-26s %+10.5f%% +- %.5f%%   exact %+10.5f%%   z %+5.2f\n", name,
              scale * m.Value(), scale * m.Error(), scale * exact, Z(m.Value(), exact, m.Error()));
}

// The dealer's final classes per up card beside the exact shares; answers
// the largest |z| of the table.
double PrintDealerTable(const Tally& t, const ExactFigures& exact) {
  std::printf("dealer's final hand when he drew to 17, per up card: measured / exact (z)\n");
  std::printf("%-4s %9s", "up", "rounds");
  for (const char* name : kClassNames) std::printf(" %24s", name);
  std::printf("\n");
  double worst = 0;
  for (int up = 1; up <= kRanks; ++up) {
    const double n = static_cast<double>(t.drew[up]);
    std::printf("%-4s %9lld", up == 1 ? "A" : up == 10 ? "T" : std::to_string(up).c_str(), t.drew[up]);
    for (int c = 0; c < kDealerClasses; ++c) {
      const double p = exact.dealer[up][c];
      const double measured = n > 0 ? t.dealer[up][c] / n : 0;
      const double error = n > 0 ? std::sqrt(p * (1 - p) / n) : 0;
      const double z = Z(measured, p, error);
      worst = std::fmax(worst, std::fabs(z));
      std::printf("  %.5f / %.5f (%+5.2f)", measured, p, z);
    }
    std::printf("\n");
  }
  return worst;
}

int Main(int argc, char** argv) {
  Options o;
  if (!ParseOptions(argc, argv, &o)) {
    std::fprintf(stderr,
                 "usage: blackjack_sim --strategy stand|dealer|double|basic [--rounds N] [--seed S] "
                 "[--insure]\n");
    return 2;
  }
  std::printf("blackjack_sim: strategy %s%s, %lld rounds of %.2f, seed %u\n",
              kStrategyNames[o.strategy], o.insure ? ", insuring every ace up" : "", o.rounds,
              kSimBet, o.seed);
  SeedServerRandom(o.seed);
  game::SetServerRandomSource(nullptr);
  game::SetSavePointSender(DropSavePoint);
  Tally t;
  bool ok = false;
  double seconds = 0;
  {
    CSimTable table(kStartBalance);
    ok = table.Open() != 0;
    const auto start = std::chrono::steady_clock::now();
    RoundOutcome r;
    for (long long round = 0; ok && round < o.rounds; ++round) {
      ok = table.PlayRound(o.strategy, o.insure, &r) != 0;
      if (!ok) {
        std::fprintf(stderr, "blackjack_sim: stopped in round %lld\n", round + 1);
        break;
      }
      t.ret.Add(r.net);
      t.naturals.Add(r.natural ? 1 : 0);
      if (r.insured) t.insurance.Add(r.insuranceNet);
      if (r.dealerClass >= 0) {
        ++t.drew[r.up];
        ++t.dealer[r.up][r.dealerClass];
      }
    }
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ok = ok && table.Quit() != 0;
  }
  game::SetSavePointSender(nullptr);
  // The enumeration plays no split: basic's return is measured alone, its
  // naturals and insurance hang on the deal only.
  const ExactFigures exact = ExactFor(o.strategy == kBasic ? kStand : o.strategy);
  std::printf("rounds played              %lld\n", t.ret.n);
  if (o.strategy == kBasic) {
    std::printf("%-26s %+10.5f%% +- %.5f%%   exact not enumerated (splits)\n", "return per unit bet",
                100 * t.ret.Value(), 100 * t.ret.Error());
  } else {
    PrintLine("return per unit bet", t.ret, exact.ret, 100);
  }
  PrintLine("player naturals", t.naturals, exact.naturals, 100);
  if (o.insure) PrintLine("insurance per unit staked", t.insurance, exact.insurance, 100);
  if (o.strategy == kStand) {
    std::printf("largest |z| of the dealer table: %.2f\n", PrintDealerTable(t, exact));
  }
  std::printf("balance check: %s\n", ok ? "start + wins - losses to the cent after every round"
                                        : "FAILED (see above)");
  if (seconds > 0) std::printf("speed: %.0f rounds per second\n", t.ret.n / seconds);
  return ok ? 0 : 1;
}

}  // namespace
}  // namespace hx::sim

int main(int argc, char** argv) { return hx::sim::Main(argc, argv); }
