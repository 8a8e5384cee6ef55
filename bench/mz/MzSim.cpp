// mz_sim --coins C --coin-value V --rounds N --seed S [--strategy optimal|hold-all]
//
// Plays N hands through the real Video Poker server on a scripted link:
// BEGINPLAY, FIRSTDEAL, FINALDEAL holding what mz_optimal's best hold keeps
// (or all five), ENDPLAY. Prints for each hand code its count, its measured
// frequency beside the exact one and its share of the return, then the
// measured return beside the exact one with its z score. Every answer is
// checked against this tool's own scoring and the pay table, and after
// every hand the account must equal its start plus the credits less the
// debits, to the cent.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "bench/mz/DrawOdds.h"
#include "bench/mz/OptimalPlay.h"
#include "bench/support/ScriptedServerLink.h"
#include "framework/link/Db.h"
#include "framework/link/ServerRandom.h"
#include "hx/CardTags.h"
#include "mz/VideoPokerProtocol.h"
#include "mz/VideoPokerServer.h"

namespace {

using namespace mz;
using namespace mz::bench;

constexpr double kStartBalance = 1e9;

struct Options {
  int coins = 5;
  double coinValue = 1.0;
  long long rounds = 100000;
  unsigned long long seed = 0;
  bool holdAll = false;
};

double g_credits = 0, g_debits = 0;
void Ledger(int, double amount) { (amount > 0 ? g_credits : g_debits) += std::fabs(amount); }

int ReadOptions(int argc, char** argv, Options* o) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string arg = argv[i];
    const char* value = argv[i + 1];
    if (arg == "--coins") {
      o->coins = std::atoi(value);
    } else if (arg == "--coin-value") {
      o->coinValue = std::atof(value);
    } else if (arg == "--rounds") {
      o->rounds = std::atoll(value);
    } else if (arg == "--seed") {
      o->seed = std::strtoull(value, nullptr, 0);
    } else if (arg == "--strategy" && (std::strcmp(value, "optimal") == 0 || std::strcmp(value, "hold-all") == 0)) {
      o->holdAll = std::strcmp(value, "hold-all") == 0;
    } else {
      return 0;
    }
  }
  return argc % 2 == 1 && o->coins >= 1 && o->coins <= kMaxCoins && IsCoinValue(o->coinValue) &&
         o->rounds > 0;
}

// The five cards CARD1..CARD5 of an answer as card indexes. 1 when all
// five are there and sound.
int ReadHand(const CKeyValueList& answer, int hand[kHandSize]) {
  for (int i = 0; i < kHandSize; ++i) {
    CKeyValue* at = answer.Find(kCardTags[i], nullptr);
    CKeyValue* type = at != nullptr ? answer.Find(hx::kTypeTag, at) : nullptr;
    CKeyValue* value = at != nullptr ? answer.Find(hx::kValueTag, at) : nullptr;
    if (type == nullptr || value == nullptr || type->value == nullptr || value->value == nullptr) return 0;
    int suit = -1;
    for (int s = 0; s < 4; ++s) {
      if (std::strcmp(type->value, hx::kSuitWords[s]) == 0) suit = s;
    }
    const int v = std::atoi(value->value);
    if (suit < 0 || v < 1 || v > 13) return 0;
    hand[i] = CardIndex(suit, v);
  }
  return 1;
}

double Number(const CKeyValueList& answer, const char* tag) {
  const char* text = answer.GetValue(tag);
  return text != nullptr ? std::atof(text) : std::nan("");
}

struct Tally {
  long long hands = 0;
  long long codes[kHandCodes] = {};
  double paidCoins = 0;
};

int Fault(const char* what) {
  std::fprintf(stderr, "mz_sim: %s\n", what);
  return 0;
}

// One hand. 0 after printing what went wrong.
int PlayHand(CScriptedServerLink& link, const CDrawTables& tables, const Options& o, Tally* t) {
  if (!link.ExchangeOk("command=BEGINPLAY")) return 0;
  char packet[128];
  std::snprintf(packet, sizeof(packet), "command=FIRSTDEAL&BET=%d&COINVALUE=%f", o.coins, o.coinValue);
  CKeyValueList* answer = link.Exchange(packet);
  int dealt[kHandSize], final[kHandSize];
  if (answer == nullptr) return 0;
  if (!ReadHand(*answer, dealt)) return Fault("unreadable FIRSTDEALANSWER cards");
  if (Number(*answer, kWonNrTag) != ScoreHand(dealt)) return Fault("WONNR of the deal is not its code");
  int mask = kHolds - 1;
  if (!o.holdAll) {
    HoldCounts holds;
    tables.CountHolds(dealt, &holds);
    mask = BestHold(holds, o.coins).mask;
  }
  int at = std::snprintf(packet, sizeof(packet), "command=FINALDEAL");
  for (int i = 0; i < kHandSize; ++i) {
    at += std::snprintf(packet + at, sizeof(packet) - at, "&%s=%s", kHoldTags[i], mask >> i & 1 ? "yes" : "no");
  }
  answer = link.Exchange(packet);
  if (answer == nullptr) return 0;
  if (!ReadHand(*answer, final)) return Fault("unreadable FINALDEALANSWER cards");
  for (int i = 0; i < kHandSize; ++i) {
    if (mask >> i & 1 && final[i] != dealt[i]) return Fault("a held card was replaced");
  }
  const int code = ScoreHand(final);
  if (Number(*answer, kWonNrTag) != code) return Fault("WONNR of the final hand is not its code");
  const double won = PayCoins(o.coins, code) * o.coinValue;
  if (std::fabs(Number(*answer, kMoneyWonTag) - won) > 0.005) return Fault("MONEYWON is not the pay table's");
  ++t->hands;
  ++t->codes[code];
  t->paidCoins += static_cast<double>(PayCoins(o.coins, code));
  double balance = 0;
  dbGetBalance(1, &balance);
  const double ledger = kStartBalance + g_credits - g_debits;
  if (std::llround(balance * 100) != std::llround(ledger * 100)) {
    std::fprintf(stderr, "mz_sim: balance %.2f, ledger %.2f\n", balance, ledger);
    return 0;
  }
  if (std::fabs(Number(*answer, kMoneyLeftTag) - balance) > 0.005) return Fault("MONEYLEFT is not the balance");
  return link.ExchangeOk("command=ENDPLAY");
}

// The exact frequency of each final code under the strategy.
void ExactFrequencies(const CDrawTables& tables, const Options& o, double exact[kHandCodes]) {
  if (o.holdAll) {
    for (int code = 0; code < kHandCodes; ++code) {
      exact[code] = static_cast<double>(tables.DealtCounts()[code]) / static_cast<double>(Choose(kDeckCards, kHandSize));
    }
    return;
  }
  const OptimalPlay play = PlayOptimally(tables);
  for (int code = 0; code < kHandCodes; ++code) {
    exact[code] = static_cast<double>(play.byCoins[o.coins - 1].codeNumerator[code]) /
                  static_cast<double>(FrequencyDenominator());
  }
}

void Report(const Options& o, const Tally& t, const double exact[kHandCodes]) {
  const double n = static_cast<double>(t.hands);
  double exactReturn = 0, second = 0;
  std::printf("code   count        measured   exact      z        return share\n");
  for (int code = kHandCodes - 1; code >= 0; --code) {
    const double perCoin = static_cast<double>(PayCoins(o.coins, code)) / o.coins;
    const double measured = static_cast<double>(t.codes[code]) / n;
    const double sd = std::sqrt(exact[code] * (1 - exact[code]) / n);
    std::printf("%d  %10lld  %.7f  %.7f  %+6.2f  %.6f (exact %.6f)\n", code, t.codes[code], measured,
                exact[code], sd > 0 ? (measured - exact[code]) / sd : 0.0, measured * perCoin,
                exact[code] * perCoin);
    exactReturn += exact[code] * perCoin;
    second += exact[code] * perCoin * perCoin;
  }
  const double measuredReturn = t.paidCoins / o.coins / n;
  const double error = std::sqrt((second - exactReturn * exactReturn) / n);
  std::printf("return %.6f exact %.6f (z %+.2f) over %lld hands of %d coins at $%.2f\n", measuredReturn,
              exactReturn, (measuredReturn - exactReturn) / error, t.hands, o.coins, o.coinValue);
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  o.seed = std::random_device{}();
  if (!ReadOptions(argc, argv, &o)) {
    std::fprintf(stderr,
                 "usage: mz_sim --coins 1..5 --coin-value 0.25|1|5 --rounds N --seed S "
                 "[--strategy optimal|hold-all]\n");
    return 2;
  }
  std::printf("seed %llu, %lld hands of %d coins at $%.2f, strategy %s\n", o.seed, o.rounds, o.coins,
              o.coinValue, o.holdAll ? "hold-all" : "optimal");
  const CDrawTables tables;
  double exact[kHandCodes];
  ExactFrequencies(tables, o, exact);

  SeedServerRandom(static_cast<std::uint32_t>(o.seed));
  dbSetBalance(1, kStartBalance);
  SetDbMoneyObserver(Ledger);
  VideoPokerServerRecord* record = VideoPokerServerShell::New(kVideoPokerGameCode);
  int ok = 1;
  Tally t;
  double seconds = 0;
  {
    CScriptedServerLink link("mz_sim", VideoPokerServerShell::RunHook<GameServerRun>, record);
    ok = link.ExchangeOk("command=CLIENTINIT");
    const auto start = std::chrono::steady_clock::now();
    for (long long r = 0; ok && r < o.rounds; ++r) ok = PlayHand(link, tables, o, &t);
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  if (ok) Report(o, t, exact);
  std::printf("%lld hands in %.1f s: %.0f hands a second\n", t.hands, seconds, t.hands / seconds);
  SetDbMoneyObserver(nullptr);
  VideoPokerServerShell::Free(record);
  return ok ? 0 : 1;
}
