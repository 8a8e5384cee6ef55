// baccarat_sim: coups of Baccarat played through the real server beside
// the exact odds.
//
//   baccarat_sim [--bet player|banker|tie|all] [--amount A] [--rounds N] [--seed S]
//
// Each coup stakes A on the chosen kind (on all three with "all"). After
// every coup the server's cards must be the coup the dealer's rules play,
// its result and win what the table owes, and the account the start plus
// credits less debits to the cent, equal to the sum of each stake's net by
// the pay table (the account starts afresh every 100000 coups). Printed: the measured frequencies of Player wins, Banker
// wins and ties and the measured return per unit on each kind staked,
// beside the exact values from enumerating the six cards by point value,
// with z scores; the exit code is 1 when a check failed or a |z| exceeds 3.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "bench/sq/ExactCoup.h"
#include "bench/sq/SimTable.h"

namespace sq::sim {
namespace {

constexpr double kMaxZ = 3.0;
const char* const kKindNames[kBetKinds] = {"player", "banker", "tie"};

struct Options {
  int kind = -1;  // -1: all three
  double amount = 10;
  long long rounds = 1000000;
  unsigned seed = 0;
};

bool ParseOptions(int argc, char** argv, Options* o) {
  o->seed = std::random_device{}();
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    const char* value = i + 1 < argc ? argv[++i] : nullptr;
    if (value == nullptr) return false;
    if (std::strcmp(arg, "--bet") == 0) {
      o->kind = -2;
      for (int kind = 0; kind < kBetKinds; ++kind) {
        if (std::strcmp(value, kKindNames[kind]) == 0) o->kind = kind;
      }
      if (std::strcmp(value, "all") == 0) o->kind = -1;
      if (o->kind == -2) return false;
    } else if (std::strcmp(arg, "--amount") == 0) {
      o->amount = std::atof(value);
    } else if (std::strcmp(arg, "--rounds") == 0) {
      o->rounds = std::atoll(value);
    } else if (std::strcmp(arg, "--seed") == 0) {
      o->seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
    } else {
      return false;
    }
  }
  // Within the table's limits: 5..500 a stake, 500 together.
  const double together = o->kind < 0 ? 3 * o->amount : o->amount;
  return o->rounds > 0 && o->amount >= 5 && o->amount <= 500 && together <= 500;
}

std::mt19937 g_deal;
int DrawCard() { return static_cast<int>(g_deal() % 32768u); }

double Z(double measured, double exact, double variance, long long n) {
  const double error = std::sqrt(variance / n);
  return error > 0 ? (measured - exact) / error : 0;
}

int Main(int argc, char** argv) {
  Options o;
  if (!ParseOptions(argc, argv, &o)) {
    std::fprintf(stderr,
                 "usage: baccarat_sim [--bet player|banker|tie|all] [--amount A] [--rounds N] "
                 "[--seed S]\n  (A within 5..500, three times A at most 500 with all)\n");
    return 2;
  }
  std::printf("baccarat_sim: seed %u, %lld coups, %.2f on %s\n", o.seed, o.rounds, o.amount,
              o.kind < 0 ? "each of player, banker and tie" : kKindNames[o.kind]);
  const CoupOdds odds = ExactCoupOdds();
  double stakes[kBetKinds] = {};
  for (int kind = 0; kind < kBetKinds; ++kind) {
    if (o.kind < 0 || o.kind == kind) stakes[kind] = o.amount;
  }
  g_deal.seed(o.seed);
  SimTable table;
  const auto start = std::chrono::steady_clock::now();
  const SimTally tally = table.Play(o.rounds, stakes, DrawCard);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const long long n = tally.coups;
  bool within = n > 0;
  const char* const winnerNames[3] = {"Player wins", "Banker wins", "ties"};
  const double exact[3] = {odds.player, odds.banker, odds.tie};
  for (int w = 0; w < 3 && n > 0; ++w) {
    const double z = Z(tally.Frequency(w), exact[w], exact[w] * (1 - exact[w]), n);
    within = within && std::fabs(z) <= kMaxZ;
    std::printf("%-12s measured %.6f  exact %.6f  z %+.2f\n", winnerNames[w], tally.Frequency(w),
                exact[w], z);
  }
  for (int kind = 0; kind < kBetKinds && n > 0; ++kind) {
    if (stakes[kind] == 0) continue;
    const KindReturn r = ExactReturn(odds, kind);
    const double z = Z(tally.Mean(kind), r.mean, r.variance, n);
    within = within && std::fabs(z) <= kMaxZ;
    std::printf("return on %-6s measured %+.6f  exact %+.6f  z %+.2f\n", kKindNames[kind],
                tally.Mean(kind), r.mean, z);
  }
  std::printf("coups: every one the rules' coup, the account start + credits - debits to the "
              "cent: %s\n",
              tally.sound && n == o.rounds ? "yes" : "NO");
  std::printf("every |z| within %.0f: %s\n", kMaxZ, within ? "yes" : "NO");
  if (seconds > 0) std::printf("speed: %.0f coups per second\n", n / seconds);
  return tally.sound && n == o.rounds && within ? 0 : 1;
}

}  // namespace
}  // namespace sq::sim

int main(int argc, char** argv) { return sq::sim::Main(argc, argv); }
