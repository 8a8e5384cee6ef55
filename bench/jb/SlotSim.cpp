// jb_sim [--coins C] [--coin-value V] [--rounds N] [--seed S] | jb_sim --exact
//
// Plays N spins through the real Slot server, each in a BEGINPLAY, SPIN,
// ENDPLAY round of its own, with C coins of V dollars, and prints for each
// pay rule its measured frequency beside the exact ones, enumerated over
// all 22 x 22 x 22 stops: for the server's draw (a value 0..32767 modulo
// 22, so stops 0..9 come a little more often) and for a fair draw, with the
// z score of the measured frequency against the server's. A return line
// sets the measured return per coin staked beside the exact ones. After
// every spin the win must be the pay table's for the stops, and the account
// must equal its start plus the credits less the debits, and have moved by
// the net of the spin, to the cent. --exact prints the enumeration alone
// for 1, 2 and 3 coins.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "bench/support/ScriptedServerLink.h"
#include "framework/link/Db.h"
#include "framework/link/RandomStream.h"
#include "framework/link/ServerRandom.h"
#include "jb/SlotRules.h"
#include "jb/SlotServer.h"

namespace {

using namespace jb;

constexpr double kStartBalance = 1e9;
// Beyond this |z| a measured value is out of its band; with ten lines a
// sound server leaves one out about once in ten thousand runs.
constexpr double kBand = 4.5;

// The rules that can win, in table order, and the losing spin last.
constexpr int kRuleRows[] = {0, 1, 2, 3, 4, 5, kMixRow, kTwoOfSymbolRow, kOneOfSymbolRow,
                             kNoWinRow};
constexpr int kRules = sizeof(kRuleRows) / sizeof(kRuleRows[0]);
const char* const kRuleNames[kRules] = {"three 6",  "three 5", "three 4",
                                        "three 3",  "three 2", "three 1",
                                        "2/3/4 mix", "two 1",  "one 1",
                                        "no win"};

int RuleOf(int row) {
  for (int rule = 0; rule < kRules; ++rule) {
    if (kRuleRows[rule] == row) return rule;
  }
  return kRules - 1;
}

struct Options {
  int coins = 3;
  double coinValue = 1.0;
  long long rounds = 100000;
  unsigned long long seed = 0;
  int exact = 0;
};

int ReadOptions(int argc, char** argv, Options* o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--exact") {
      o->exact = 1;
      continue;
    }
    if (i + 1 >= argc) return 0;
    const char* value = argv[++i];
    if (arg == "--coins") {
      o->coins = std::atoi(value);
    } else if (arg == "--coin-value") {
      o->coinValue = std::atof(value);
    } else if (arg == "--rounds") {
      o->rounds = std::atoll(value);
    } else if (arg == "--seed") {
      o->seed = std::strtoull(value, nullptr, 0);
    } else {
      return 0;
    }
  }
  return o->rounds > 0 && o->coins >= 1 && o->coins <= 3 && o->coinValue >= kMinCoinValue &&
         o->coinValue <= kMaxCoinValue;
}

// The chance of each rule when every reel stops at stop s with chance[s].
struct RuleChances {
  double rule[kRules] = {};
};

RuleChances Enumerate(const double chance[kReelStops]) {
  RuleChances c;
  for (int a = 0; a < kReelStops; ++a) {
    for (int b = 0; b < kReelStops; ++b) {
      for (int s = 0; s < kReelStops; ++s) {
        const int stops[kReels] = {a, b, s};
        c.rule[RuleOf(SlotWinRow(stops))] += chance[a] * chance[b] * chance[s];
      }
    }
  }
  return c;
}

// The server's draw, a value 0..kRandomMax modulo 22, and a fair one.
void StopChances(double server[kReelStops], double fair[kReelStops]) {
  for (int stop = 0; stop < kReelStops; ++stop) server[stop] = fair[stop] = 0;
  for (int value = 0; value <= kRandomMax; ++value) server[value % kReelStops] += 1;
  for (int stop = 0; stop < kReelStops; ++stop) {
    server[stop] /= kRandomMax + 1.0;
    fair[stop] = 1.0 / kReelStops;
  }
}

// The return per coin staked, and its variance per spin.
double Return(const RuleChances& c, int coins, double* variance) {
  double mean = 0, square = 0;
  for (int rule = 0; rule < kRules; ++rule) {
    const double pays = SlotRowPay(kRuleRows[rule], coins) / static_cast<double>(coins);
    mean += c.rule[rule] * pays;
    square += c.rule[rule] * pays * pays;
  }
  if (variance != nullptr) *variance = square - mean * mean;
  return mean;
}

void PrintExact() {
  double server[kReelStops], fair[kReelStops];
  StopChances(server, fair);
  const RuleChances s = Enumerate(server), f = Enumerate(fair);
  std::printf("exact over all %d stops; server draw (0..%d modulo %d) and fair draw\n",
              kReelStops * kReelStops * kReelStops, kRandomMax, kReelStops);
  std::printf("%-10s %14s %14s   pays for 1, 2, 3 coins\n", "rule", "server", "fair");
  for (int rule = 0; rule < kRules; ++rule) {
    std::printf("%-10s %14.10f %14.10f   %d, %d, %d\n", kRuleNames[rule], s.rule[rule],
                f.rule[rule], SlotRowPay(kRuleRows[rule], 1), SlotRowPay(kRuleRows[rule], 2),
                SlotRowPay(kRuleRows[rule], 3));
  }
  for (int coins = 1; coins <= 3; ++coins) {
    std::printf("return with %d coin(s): server %.10f  fair %.10f\n", coins,
                Return(s, coins, nullptr), Return(f, coins, nullptr));
  }
}

double g_credits = 0, g_debits = 0;
void Ledger(int, double amount) { (amount > 0 ? g_credits : g_debits) += std::fabs(amount); }

// One spin; its rule, or -1 after printing what went wrong.
int PlaySpin(CScriptedServerLink& link, const std::string& packet, const Options& o,
             long long* won) {
  if (!link.ExchangeOk("command=BEGINPLAY")) return -1;
  const double netBefore = g_credits - g_debits;
  CKeyValueList* answer = link.Exchange(packet.c_str());
  if (answer == nullptr) return -1;
  const char* list = answer->GetValue(kWinListTag);
  int stops[kReels] = {};
  double win = -1;
  int used = 0;
  if (list == nullptr ||
      std::sscanf(list, "%d,%d,%d,%lf%n", &stops[0], &stops[1], &stops[2], &win, &used) != 4 ||
      list[used] != '\0') {
    std::fprintf(stderr, "jb_sim: unreadable WINLIST %s\n", list ? list : "(none)");
    return -1;
  }
  for (int stop : stops) {
    if (stop < 0 || stop >= kReelStops) {
      std::fprintf(stderr, "jb_sim: stop %d in WINLIST %s\n", stop, list);
      return -1;
    }
  }
  const int row = SlotWinRow(stops);
  if (win != SlotRowPay(row, o.coins)) {
    std::fprintf(stderr, "jb_sim: WINLIST %s, the table pays %d\n", list, SlotRowPay(row, o.coins));
    return -1;
  }
  if (!link.ExchangeOk("command=ENDPLAY")) return -1;
  double balance = 0;
  dbGetBalance(1, &balance);
  const double ledger = kStartBalance + g_credits - g_debits;
  const double moved = g_credits - g_debits - netBefore;
  const double net = (win - o.coins) * o.coinValue;
  if (std::fabs(balance - ledger) >= 0.005 || std::fabs(moved - net) >= 0.005) {
    std::fprintf(stderr, "jb_sim: balance %.2f, ledger %.2f, moved %.2f for a net of %.2f\n",
                 balance, ledger, moved, net);
    return -1;
  }
  *won += static_cast<long long>(win);
  return RuleOf(row);
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  o.seed = std::random_device{}();
  if (!ReadOptions(argc, argv, &o)) {
    std::fprintf(stderr,
                 "usage: jb_sim [--coins 1..3] [--coin-value 0.25..5] [--rounds N] [--seed S]\n"
                 "       jb_sim --exact\n");
    return 2;
  }
  if (o.exact) {
    PrintExact();
    return 0;
  }
  std::printf("seed %llu, %lld spins of %d coin(s) at $%.2f\n", o.seed, o.rounds, o.coins,
              o.coinValue);
  char bet[64];
  std::snprintf(bet, sizeof(bet), "%d,%f", o.coins, o.coinValue);
  const std::string packet = std::string("command=SPIN&") + kBetTag + "=" + bet;

  SeedServerRandom(static_cast<std::uint32_t>(o.seed));
  dbSetBalance(1, kStartBalance);
  SetDbMoneyObserver(Ledger);
  SlotServerRecord* record = SlotServerShell::New(kSlotGameCode);
  CScriptedServerLink link("jb_sim", SlotServerShell::RunHook<GameServerRun>, record);
  long long counts[kRules] = {};
  long long won = 0, played = 0;
  int ok = link.ExchangeOk("command=CLIENTINIT");
  const auto start = std::chrono::steady_clock::now();
  while (ok && played < o.rounds) {
    const int rule = PlaySpin(link, packet, o, &won);
    ok = rule >= 0;
    if (ok) {
      ++counts[rule];
      ++played;
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  SetDbMoneyObserver(nullptr);
  SlotServerShell::Free(record);
  if (!ok) {
    std::printf("stopped after %lld spins\n", played);
    return 1;
  }
  double server[kReelStops], fair[kReelStops];
  StopChances(server, fair);
  const RuleChances s = Enumerate(server), f = Enumerate(fair);
  const double n = static_cast<double>(played);
  int outside = 0;
  std::printf("%-10s %10s %12s %12s %12s %7s\n", "rule", "spins", "measured", "server", "fair",
              "z");
  for (int rule = 0; rule < kRules; ++rule) {
    const double measured = counts[rule] / n;
    const double p = s.rule[rule];
    const double z = (measured - p) / std::sqrt(p * (1 - p) / n);
    outside += std::fabs(z) >= kBand;
    std::printf("%-10s %10lld %12.8f %12.8f %12.8f %+7.2f\n", kRuleNames[rule], counts[rule],
                measured, p, f.rule[rule], z);
  }
  double variance = 0;
  const double exact = Return(s, o.coins, &variance);
  const double measured = won / (n * o.coins);
  const double z = (measured - exact) / std::sqrt(variance / n);
  outside += std::fabs(z) >= kBand;
  std::printf("return per coin: measured %.6f  server %.6f  fair %.6f  z %+.2f\n", measured, exact,
              Return(f, o.coins, nullptr), z);
  std::printf("account = start + credits - debits after every spin; net %.2f\n",
              g_credits - g_debits);
  std::printf("%d line(s) outside |z| < %.1f\n", outside, kBand);
  std::printf("%lld spins in %.2f s: %.0f spins a second\n", played, seconds, played / seconds);
  return outside == 0 ? 0 : 1;
}
