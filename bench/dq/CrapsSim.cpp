// craps_sim: plays rounds of a bet kind through the Craps server and prints
// the measured return per dollar decided beside the exact return of the
// same game, worked from a payout table of its own, checking the account
// after every round. A wrong payout in the server shows as a large z.
//
//   craps_sim [--kind K | --all] [--rounds N] [--amount A] [--seed S] [--balance B]
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "dq/BetModel.h"
#include "framework/link/Db.h"
#include "framework/game/ServerFrame.h"
#include "bench/dq/SimChain.h"
#include "bench/dq/SimPlayer.h"
#include "bench/dq/SimSession.h"

namespace dq::sim {
namespace {

struct Options {
  int firstKind = kPassline;
  int lastKind = kPassline;
  long long rounds = 100000;
  float amount = 10;
  unsigned seed = 0;
  double balance = 1000000;
};

std::mt19937 g_dice;

int DrawDice() { return static_cast<int>(g_dice() % 32768u); }

bool ParseOptions(int argc, char** argv, Options* o) {
  o->seed = std::random_device{}();
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    if (std::strcmp(arg, "--all") == 0) {
      o->firstKind = 0;
      o->lastKind = kCrapsBetKinds - 1;
      continue;
    }
    if (value == nullptr) return false;
    ++i;
    if (std::strcmp(arg, "--kind") == 0) {
      o->firstKind = o->lastKind = std::atoi(value);
    } else if (std::strcmp(arg, "--rounds") == 0) {
      o->rounds = std::atoll(value);
    } else if (std::strcmp(arg, "--amount") == 0) {
      o->amount = static_cast<float>(std::atof(value));
    } else if (std::strcmp(arg, "--seed") == 0) {
      o->seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
    } else if (std::strcmp(arg, "--balance") == 0) {
      o->balance = std::atof(value);
    } else {
      return false;
    }
  }
  return o->firstKind >= 0 && o->lastKind < kCrapsBetKinds && o->rounds > 0 && o->amount > 0;
}

double Account() {
  double balance = 0;
  dbGetBalance(1, &balance);
  return balance;
}

// What a quit with consent forfeits: the contract stakes left standing.
double ContractStakes(const float* lastBets, const CrapsRollOutcome& last) {
  float standing[kCrapsBetSlots];
  KeepStandingBets(lastBets, last.results, last.dice[0] + last.dice[1], standing);
  double sum = last.comeOut == 0 ? standing[kPassline] : 0;
  for (int i = 0; i < 6; ++i) sum += standing[kComePoint4 + i];
  return sum;
}

struct KindRun {
  SimTally tally;
  double seconds = 0;
  bool ok = false;
};

// Plays the rounds; after each one the account must equal the start plus
// every win less every lost stake read from the results, to the cent.
KindRun PlayKind(int kind, const Options& o) {
  KindRun run;
  dbSetBalance(1, o.balance);
  SimSession session;
  if (!session.Open()) return run;
  float bets[kCrapsBetSlots];
  float lastBets[kCrapsBetSlots] = {};
  CrapsRollOutcome last{};
  last.comeOut = 1;
  double credits = 0, debits = 0;
  auto start = std::chrono::steady_clock::now();
  for (long long round = 0; round < o.rounds; ++round) {
    NextBets(kind, o.amount, lastBets, last.results, last.dice[0] + last.dice[1], last.comeOut,
             bets);
    if (!session.Roll(bets, &last)) return run;
    CountDecisions(kind, bets, last.results, &run.tally);
    float won = 0, lost = 0;
    for (int k = 0; k < kCrapsBetKinds; ++k) {
      if (last.results[k] > 0) won += last.results[k] - bets[k];
      if (last.results[k] == kResultLost) lost += bets[k];
    }
    credits += won;
    debits += lost;
    if (std::fabs(Account() - (o.balance + credits - debits)) >= 0.005) {
      std::printf("balance: round %lld of %s: account %.2f, expected %.2f\n", round + 1,
                  BetName(kind), Account(), o.balance + credits - debits);
      return run;
    }
    std::memcpy(lastBets, bets, sizeof(bets));
  }
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  double forfeit = ContractStakes(lastBets, last);
  if (!session.Quit()) return run;
  if (std::fabs(Account() - (o.balance + credits - debits - forfeit)) >= 0.005) {
    std::printf("balance: the quit of %s left %.2f, expected %.2f\n", BetName(kind), Account(),
                o.balance + credits - debits - forfeit);
    return run;
  }
  run.ok = true;
  return run;
}

int Main(int argc, char** argv) {
  Options o;
  if (!ParseOptions(argc, argv, &o)) {
    std::fprintf(stderr,
                 "usage: craps_sim [--kind K | --all] [--rounds N] [--amount A] [--seed S] "
                 "[--balance B]\n");
    return 2;
  }
  std::printf("craps_sim: seed %u, %lld rounds per kind, amount %.2f, start balance %.2f\n",
              o.seed, o.rounds, o.amount, o.balance);
  std::printf("kind name                       decisions   measured      exact   z\n");
  g_dice.seed(o.seed);
  game::SetServerRandomSource(DrawDice);
  long long rounds = 0;
  double seconds = 0;
  bool ok = true;
  for (int kind = o.firstKind; kind <= o.lastKind; ++kind) {
    KindRun run = PlayKind(kind, o);
    double exact = ExactReturn(kind, o.amount);
    double error = run.tally.StandardError();
    double z = error > 0 ? (run.tally.Return() - exact) / error : 0;
    std::printf("%4d %-24s %11lld %+9.4f%% %+9.4f%% %+5.1f%s\n", kind, BetName(kind),
                run.tally.decisions, 100 * run.tally.Return(), 100 * exact, z,
                run.ok ? "" : "  FAILED");
    ok = ok && run.ok;
    rounds += o.rounds;
    seconds += run.seconds;
  }
  std::printf("balance: %s start + credits - debits to the cent after every round and quit\n",
              ok ? "equal to" : "NOT equal to");
  if (seconds > 0) std::printf("speed: %.0f rounds per second\n", rounds / seconds);
  return ok ? 0 : 1;
}

}  // namespace
}  // namespace dq::sim

int main(int argc, char** argv) { return dq::sim::Main(argc, argv); }
