// caribbean_sim: the exact odds of Caribbean Poker beside hands played
// through the real server.
//
//   caribbean_sim --exact
//   caribbean_sim --rounds N --ante A --strategy call|best --seed S
//
// --exact counts every hand's category by the engine and by the oracle, the
// dealer's qualification, and the return per unit of ante for always
// calling and for the best decision on the player's five cards and the
// dealer's up card, at an ante below the royal's cap and at 500.
// --rounds plays N hands through the server and sets the measured return
// and qualification rate beside the exact ones; after every hand the
// account must equal the start plus credits less debits, to the cent.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "bench/gz/ExactOdds.h"
#include "bench/gz/SimTable.h"
#include "gz/HandAnalysis.h"
#include "tests/support/PokerOracle.h"

namespace gz::sim {
namespace {

constexpr int kThreads = 4;

struct Options {
  bool exact = false;
  long long rounds = 0;
  double ante = 10;
  bool best = true;
  unsigned seed = 0;
};

bool ParseOptions(int argc, char** argv, Options* o) {
  o->seed = std::random_device{}();
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (std::strcmp(arg, "--exact") == 0) {
      o->exact = true;
      continue;
    }
    const char* value = i + 1 < argc ? argv[++i] : nullptr;
    if (value == nullptr) return false;
    if (std::strcmp(arg, "--rounds") == 0) {
      o->rounds = std::atoll(value);
    } else if (std::strcmp(arg, "--ante") == 0) {
      o->ante = std::atof(value);
    } else if (std::strcmp(arg, "--strategy") == 0) {
      if (std::strcmp(value, "call") != 0 && std::strcmp(value, "best") != 0) return false;
      o->best = std::strcmp(value, "best") == 0;
    } else if (std::strcmp(arg, "--seed") == 0) {
      o->seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
    } else {
      return false;
    }
  }
  return (o->exact || o->rounds > 0) && o->ante > 0;
}

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

const char* const kCategoryNames[] = {"",          "high card",      "",
                                      "pair",      "two pair",       "three of a kind",
                                      "straight",  "flush",          "full house",
                                      "four of a kind", "straight flush", "royal flush"};

// The category counts of every hand by the engine and by the oracle.
bool PrintCategoryCounts() {
  long long engine[kRoyalFlushCategory + 1] = {};
  long long oracle[kRoyalFlushCategory + 1] = {};
  std::int32_t ids[5];
  for (ids[0] = 0; ids[0] < 52; ++ids[0])
    for (ids[1] = ids[0] + 1; ids[1] < 52; ++ids[1])
      for (ids[2] = ids[1] + 1; ids[2] < 52; ++ids[2])
        for (ids[3] = ids[2] + 1; ids[3] < 52; ++ids[3])
          for (ids[4] = ids[3] + 1; ids[4] < 52; ++ids[4]) {
            std::int32_t values[5], suits[5];
            HandInfo info;
            AnalyseHand(ids, values, suits, info);
            ++engine[HandCategory(info)];
            ++oracle[test::RankHand(ids).category];
          }
  bool same = true;
  std::printf("category           engine     oracle\n");
  for (int c = kRoyalFlushCategory; c >= kHighCard; --c) {
    if (c == kDealerNotQualifiedResult) continue;
    std::printf("%-16s %8lld   %8lld%s\n", kCategoryNames[c], engine[c], oracle[c],
                engine[c] == oracle[c] ? "" : "  DIFFERENT");
    same = same && engine[c] == oracle[c];
  }
  return same;
}

int Exact() {
  const auto start = std::chrono::steady_clock::now();
  const bool same = PrintCategoryCounts();
  const CExactOdds odds;
  const long long qualifying = odds.QualifyingHands();
  std::printf("dealer qualifies: %lld of %d hands, rate %.6f\n", qualifying, kAllHands,
              static_cast<double>(qualifying) / kAllHands);
  const std::vector<double> antes = {10, 500};
  const std::vector<ExactReturns> returns = ExactReturnsAt(odds, antes, kThreads);
  std::printf("return per unit of ante   always call    best decision\n");
  for (std::size_t a = 0; a < antes.size(); ++a) {
    std::printf("ante %-6.2f %s   %+.6f      %+.6f\n", antes[a],
                antes[a] <= 125 ? "(to 125)" : "(capped)", returns[a].call, returns[a].best);
  }
  std::printf("exact: %.1f s on %d threads\n", Seconds(start), kThreads);
  return same ? 0 : 1;
}

std::mt19937 g_deal;
int DrawCard() { return static_cast<int>(g_deal() % 32768u); }

int Rounds(const Options& o) {
  std::printf("caribbean_sim: seed %u, %lld hands, ante %.2f, strategy %s\n", o.seed, o.rounds,
              o.ante, o.best ? "best" : "call");
  const CExactOdds odds;
  const ExactReturns exact = ExactReturnsAt(odds, {o.ante}, kThreads)[0];
  const double exactReturn = o.best ? exact.best : exact.call;
  const double exactRate = static_cast<double>(odds.QualifyingHands()) / kAllHands;
  g_deal.seed(o.seed);
  SimTable table(odds, o.best);
  const auto start = std::chrono::steady_clock::now();
  const SimTally tally = table.Play(o.rounds, o.ante, DrawCard);
  const double seconds = Seconds(start);
  const double error = tally.StandardError();
  const double rateError = std::sqrt(exactRate * (1 - exactRate) / tally.hands);
  std::printf("return per ante:  measured %+.5f +- %.5f  exact %+.5f  z %+.2f\n", tally.Mean(),
              error, exactReturn, error > 0 ? (tally.Mean() - exactReturn) / error : 0);
  std::printf("dealer qualifies: measured %.5f  exact %.5f  z %+.2f\n", tally.QualifyingRate(),
              exactRate, rateError > 0 ? (tally.QualifyingRate() - exactRate) / rateError : 0);
  std::printf("balance: %s start + credits - debits to the cent after every hand\n",
              tally.balanced ? "equal to" : "NOT equal to");
  if (seconds > 0) std::printf("speed: %.0f hands per second\n", tally.hands / seconds);
  return tally.balanced && tally.hands == o.rounds ? 0 : 1;
}

}  // namespace

int Main(int argc, char** argv) {
  Options o;
  if (!ParseOptions(argc, argv, &o)) {
    std::fprintf(stderr,
                 "usage: caribbean_sim --exact | --rounds N [--ante A] "
                 "[--strategy call|best] [--seed S]\n");
    return 2;
  }
  if (o.exact) return Exact();
  return Rounds(o);
}

}  // namespace gz::sim

int main(int argc, char** argv) { return gz::sim::Main(argc, argv); }
