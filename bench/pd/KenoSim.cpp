// keno_sim [--count C | --all] [--stake 1|5|10] [--rounds N] [--seed S]
//
// Plays N rounds for each count and stake through the real Keno server,
// with fresh distinct picks each round, and prints the measured return per
// dollar and win frequency beside the exact ones, then for each count the
// frequency of every number of matches beside the exact one, with z
// scores. The exact values come from the hypergeometric odds (20 of 80
// drawn) and the pay table, not from the server. After every round the
// account must equal its start plus the credits less the debits.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "bench/support/ScriptedServerLink.h"
#include "framework/link/Db.h"
#include "framework/link/ServerRandom.h"
#include "pd/KenoPayTable.h"
#include "pd/KenoServer.h"

namespace {

using namespace pd;

constexpr double kStartBalance = 1e12;

struct Options {
  int firstCount = 3, lastCount = 10;
  std::vector<int> stakes = {1, 5, 10};
  long long rounds = 100000;
  unsigned long long seed = 0;
};

double g_credits = 0, g_debits = 0;
void Ledger(int, double amount) { (amount > 0 ? g_credits : g_debits) += std::fabs(amount); }

double Choose(int n, int k) {
  if (k < 0 || k > n) return 0;
  double c = 1;
  for (int i = 1; i <= k; ++i) c = c * (n - k + i) / i;
  return c;
}
double MatchChance(int count, int k) {
  return Choose(kKenoDrawn, k) * Choose(kKenoNumbers - kKenoDrawn, count - k) /
         Choose(kKenoNumbers, count);
}

int ReadOptions(int argc, char** argv, Options* o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    if (arg == "--all") {
      o->firstCount = 3;
      o->lastCount = 10;
    } else if (arg == "--count" && value) {
      o->firstCount = o->lastCount = std::atoi(value);
      ++i;
    } else if (arg == "--stake" && value) {
      o->stakes = {std::atoi(value)};
      ++i;
    } else if (arg == "--rounds" && value) {
      o->rounds = std::atoll(value);
      ++i;
    } else if (arg == "--seed" && value) {
      o->seed = std::strtoull(value, nullptr, 0);
      ++i;
    } else {
      return 0;
    }
  }
  return o->firstCount >= kKenoMinPicks && o->lastCount <= kKenoMaxPicks &&
         KenoStakeIndex(o->stakes[0]) >= 0 && o->rounds > 0;
}

// Reads the WINLIST: 20 numbers, the win flag, the return. 1 when sound.
int ReadWinList(const char* text, int drawn[kKenoDrawn], int* winFlag, int* returned) {
  const char* at = text;
  for (int i = 0; i < kKenoDrawn + 2; ++i) {
    char* end = nullptr;
    const long value = std::strtol(at, &end, 10);
    if (end == at || (i < kKenoDrawn + 1 && *end != ',')) return 0;
    if (i < kKenoDrawn) drawn[i] = static_cast<int>(value);
    if (i == kKenoDrawn) *winFlag = static_cast<int>(value);
    if (i == kKenoDrawn + 1) *returned = static_cast<int>(value);
    at = end + 1;
  }
  return 1;
}

struct Tally {
  long long rounds = 0, wins = 0;
  double returned = 0;
  std::vector<long long> matches = std::vector<long long>(kKenoMaxPicks + 1, 0);
};

// One round: BEGINPLAY, SHOOT with fresh picks, ENDPLAY. 0 after printing
// what went wrong.
int PlayRound(CScriptedServerLink& link, std::mt19937_64& engine, int count, int stake,
              Tally* tally) {
  int board[kKenoNumbers];
  for (int i = 0; i < kKenoNumbers; ++i) board[i] = i + 1;
  for (int i = 0; i < count; ++i) {
    std::uniform_int_distribution<int> pick(i, kKenoNumbers - 1);
    std::swap(board[i], board[pick(engine)]);
  }
  char packet[128];
  int at = std::snprintf(packet, sizeof(packet), "command=SHOOT&BETLIST=%i,%i", count, stake);
  for (int i = 0; i < kKenoPickSlots; ++i) {
    at += std::snprintf(packet + at, sizeof(packet) - at, ",%i", i < count ? board[i] : 0);
  }
  if (!link.ExchangeOk("command=BEGINPLAY")) return 0;
  CKeyValueList* answer = link.Exchange(packet);
  if (answer == nullptr) return 0;
  const char* winList = answer->GetValue(kWinListTag);
  int drawn[kKenoDrawn], winFlag = 0, returned = 0;
  if (winList == nullptr || !ReadWinList(winList, drawn, &winFlag, &returned)) {
    std::fprintf(stderr, "keno_sim: unreadable WINLIST\n");
    return 0;
  }
  int matches = 0;
  for (int d = 0; d < kKenoDrawn; ++d) {
    for (int i = 0; i < count; ++i) matches += drawn[d] == board[i];
  }
  if (returned != KenoReturn(stake, count, matches) || winFlag != (returned != 0)) {
    std::fprintf(stderr, "keno_sim: %s returned %i for %i matches\n", packet, returned, matches);
    return 0;
  }
  ++tally->rounds;
  tally->returned += returned;
  tally->wins += returned != 0;
  ++tally->matches[matches];
  if (!link.ExchangeOk("command=ENDPLAY")) return 0;
  double balance = 0;
  dbGetBalance(1, &balance);
  if (balance != kStartBalance + g_credits - g_debits) {
    std::fprintf(stderr, "keno_sim: balance %.2f, ledger %.2f\n", balance,
                 kStartBalance + g_credits - g_debits);
    return 0;
  }
  return 1;
}

void PrintReturn(int count, int stake, const Tally& t) {
  double exact = 0, winChance = 0, second = 0;
  for (int k = 0; k <= count; ++k) {
    const double p = MatchChance(count, k);
    const double perDollar = static_cast<double>(KenoReturn(stake, count, k)) / stake;
    exact += p * perDollar;
    second += p * perDollar * perDollar;
    if (KenoReturn(stake, count, k) != 0) winChance += p;
  }
  const double n = static_cast<double>(t.rounds);
  const double measured = t.returned / stake / n;
  const double error = std::sqrt((second - exact * exact) / n);
  const double wins = static_cast<double>(t.wins) / n;
  std::printf("%2d numbers $%-2d  return %.5f exact %.5f (z %+6.2f)   wins %.5f exact %.5f (z %+6.2f)\n",
              count, stake, measured, exact, (measured - exact) / error, wins, winChance,
              (wins - winChance) / std::sqrt(winChance * (1 - winChance) / n));
}

void PrintMatches(int count, const Tally& t) {
  const double n = static_cast<double>(t.rounds);
  for (int k = 0; k <= count; ++k) {
    const double p = MatchChance(count, k);
    const double measured = static_cast<double>(t.matches[k]) / n;
    std::printf("   %2d of %2d  %.7f exact %.7f (z %+6.2f)\n", k, count, measured, p,
                (measured - p) / std::sqrt(p * (1 - p) / n));
  }
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  o.seed = std::random_device{}();
  if (!ReadOptions(argc, argv, &o)) {
    std::fprintf(stderr,
                 "usage: keno_sim [--count C | --all] [--stake 1|5|10] [--rounds N] [--seed S]\n");
    return 2;
  }
  std::printf("seed %llu, %lld rounds a count and stake\n", o.seed, o.rounds);
  std::mt19937_64 engine(o.seed);
  SeedServerRandom(static_cast<std::uint32_t>(o.seed));
  dbSetBalance(1, kStartBalance);
  SetDbMoneyObserver(Ledger);
  KenoServerRecord* record = KenoServerShell::New(kKenoGameCode);
  CScriptedServerLink link("keno_sim", KenoServerShell::RunHook<GameServerRun>, record);
  int ok = link.ExchangeOk("command=CLIENTINIT");
  long long played = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int count = o.firstCount; ok && count <= o.lastCount; ++count) {
    Tally all;
    for (int stake : o.stakes) {
      Tally t;
      for (long long r = 0; ok && r < o.rounds; ++r) ok = PlayRound(link, engine, count, stake, &t);
      if (!ok) break;
      PrintReturn(count, stake, t);
      played += t.rounds;
      all.rounds += t.rounds;
      for (int k = 0; k <= kKenoMaxPicks; ++k) all.matches[k] += t.matches[k];
    }
    if (ok) PrintMatches(count, all);
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%lld rounds in %.1f s: %.0f rounds a second\n", played, seconds, played / seconds);
  SetDbMoneyObserver(nullptr);
  KenoServerShell::Free(record);
  return ok ? 0 : 1;
}
