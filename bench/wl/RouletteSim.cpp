// wl_sim [--rounds N] [--seed S] [--slot K]
//
// Plays N spins through the real Roulette server, each in a BEGINPLAY,
// SPIN, ENDPLAY round of its own, with $1 on every number slot and $5 on
// every outside slot (or $5 on slot K alone), and prints for each slot its
// kind, the numbers it covers, the spins, the measured return per dollar
// staked and the exact return computed from the covered numbers: for the
// server's draw (a value 0..32767 modulo 38, so 0..11 come a little more
// often) and for a fair 38-pocket wheel, with the z score of the measured
// return against the server's. After every spin the win list must name
// exactly the staked slots that cover the number, and the account must
// equal its start plus the credits less the debits, to the cent.
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
#include "framework/link/RandomStream.h"
#include "framework/link/ServerRandom.h"
#include "wl/RouletteLayout.h"
#include "wl/RouletteServer.h"

namespace {

using namespace wl;

constexpr double kStartBalance = 1e12;
// Beyond this |z| a slot's measured return is out of its band; with 154
// slots a sound server leaves one out about once in a hundred runs.
constexpr double kBand = 4.5;

const char* const kKindNames[kRouletteBetKinds] = {
    "none", "straight", "split", "street", "corner", "six line", "column", "dozen",
    "even chance", "five numbers"};

struct Options {
  long long rounds = 100000;
  unsigned long long seed = 0;
  int slot = 0;  // 0: the whole layout
};

double g_credits = 0, g_debits = 0;
void Ledger(int, double amount) { (amount > 0 ? g_credits : g_debits) += std::fabs(amount); }

int ReadOptions(int argc, char** argv, Options* o) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string arg = argv[i];
    if (arg == "--rounds") {
      o->rounds = std::atoll(argv[i + 1]);
    } else if (arg == "--seed") {
      o->seed = std::strtoull(argv[i + 1], nullptr, 0);
    } else if (arg == "--slot") {
      o->slot = std::atoi(argv[i + 1]);
    } else {
      return 0;
    }
  }
  return argc % 2 == 1 && o->rounds > 0 && (o->slot == 0 || IsBetSlot(o->slot));
}

// The chance of each number under the server's draw: a value 0..kRandomMax
// modulo 38.
std::vector<double> ServerChances() {
  std::vector<double> chance(kRouletteNumbers, 0);
  for (int value = 0; value <= kRandomMax; ++value) chance[value % kRouletteNumbers] += 1;
  for (double& c : chance) c /= kRandomMax + 1.0;
  return chance;
}

struct SlotTally {
  long long spins = 0;
  double returned = 0;  // per dollar staked
};

// One spin; 0 after printing what went wrong.
int PlaySpin(CScriptedServerLink& link, const std::string& packet, const int stakes[kRouletteSlots],
             double staked, std::vector<SlotTally>& tally) {
  if (!link.ExchangeOk("command=BEGINPLAY")) return 0;
  const double netBefore = g_credits - g_debits;
  CKeyValueList* answer = link.Exchange(packet.c_str());
  if (answer == nullptr) return 0;
  const char* list = answer->GetValue(kWinListTag);
  char* end = nullptr;
  const long number = list ? std::strtol(list, &end, 10) : -1;
  if (number < 0 || number >= kRouletteNumbers || *end != ',') {
    std::fprintf(stderr, "wl_sim: unreadable WINLIST %s\n", list ? list : "(none)");
    return 0;
  }
  std::vector<long long> wins(kRouletteSlots, 0);
  double returned = 0;
  for (const char* at = end + 1;;) {
    const long slot = std::strtol(at, &end, 10);
    if (*end != ',') break;
    const long long win = std::strtoll(end + 1, &end, 10);
    if (slot == 0 || win == 0) break;
    if (!IsBetSlot(static_cast<int>(slot)) || *end != ',') break;
    wins[slot] = win;
    returned += static_cast<double>(win + stakes[slot]);
    at = end + 1;
  }
  for (int slot = kFirstBetSlot; slot <= kLastBetSlot; ++slot) {
    if (stakes[slot] == 0) continue;
    const bool covers = (SlotBetOf(slot).numbers >> number) & 1;
    const long long expected =
        covers ? static_cast<long long>(stakes[slot]) * kSlotPayout[slot] : 0;
    if (wins[slot] != expected) {
      std::fprintf(stderr, "wl_sim: %ld drawn, slot %d won %lld, not %lld\n", number, slot,
                   wins[slot], expected);
      return 0;
    }
    ++tally[slot].spins;
    if (covers) tally[slot].returned += kSlotPayout[slot] + 1;
  }
  if (!link.ExchangeOk("command=ENDPLAY")) return 0;
  double balance = 0;
  dbGetBalance(1, &balance);
  const double ledger = kStartBalance + g_credits - g_debits;
  const double moved = g_credits - g_debits - netBefore;
  if (std::fabs(balance - ledger) >= 0.005 || std::fabs(moved - (returned - staked)) >= 0.005) {
    std::fprintf(stderr,
                 "wl_sim: balance %.2f, ledger %.2f, moved %.2f for a return of %.2f on %.2f\n",
                 balance, ledger, moved, returned, staked);
    return 0;
  }
  return 1;
}

std::string CoveredText(std::uint64_t numbers) {
  std::string text;
  for (int n = 0; n < kRouletteNumbers; ++n) {
    if (!((numbers >> n) & 1)) continue;
    if (!text.empty()) text += ',';
    text += n == kDoubleZero ? "00" : std::to_string(n);
  }
  return text;
}

// The slot's line; answers its |z|.
double PrintSlot(int slot, const SlotTally& t, const std::vector<double>& server) {
  const SlotBet bet = SlotBetOf(slot);
  const double pays = kSlotPayout[slot] + 1;
  double serverWin = 0;
  int count = 0;
  for (int n = 0; n < kRouletteNumbers; ++n) {
    if ((bet.numbers >> n) & 1) {
      serverWin += server[n];
      ++count;
    }
  }
  const double exact = serverWin * pays;
  const double fair = count * pays / kRouletteNumbers;
  const double n = static_cast<double>(t.spins);
  const double measured = t.returned / n;
  const double error = pays * std::sqrt(serverWin * (1 - serverWin) / n);
  const double z = (measured - exact) / error;
  std::printf("%3d %-12s %-52s %9lld  %.5f  server %.5f  fair %.5f  z %+5.2f\n", slot,
              kKindNames[bet.kind], CoveredText(bet.numbers).c_str(), t.spins, measured, exact,
              fair, z);
  return std::fabs(z);
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  o.seed = std::random_device{}();
  if (!ReadOptions(argc, argv, &o)) {
    std::fprintf(stderr, "usage: wl_sim [--rounds N] [--seed S] [--slot 32..185]\n");
    return 2;
  }
  std::printf("seed %llu, %lld spins, %s\n", o.seed, o.rounds,
              o.slot ? "$5 on one slot" : "$1 on every number slot, $5 on every outside slot");
  int stakes[kRouletteSlots] = {};
  double staked = 0;
  std::string packet = "command=SPIN&BETLIST=";
  for (int slot = kFirstBetSlot; slot <= kLastBetSlot; ++slot) {
    if (o.slot != 0 && slot != o.slot) continue;
    stakes[slot] = o.slot != 0 || IsOutsideSlot(slot) ? 5 : 1;
    staked += stakes[slot];
    packet += std::to_string(slot) + "," + std::to_string(stakes[slot]) + ",";
  }
  packet += "0,0";

  SeedServerRandom(static_cast<std::uint32_t>(o.seed));
  dbSetBalance(1, kStartBalance);
  SetDbMoneyObserver(Ledger);
  RouletteServerRecord* record = RouletteServerShell::New(kRouletteGameCode);
  CScriptedServerLink link("wl_sim", RouletteServerShell::RunHook<GameServerRun>, record);
  std::vector<SlotTally> tally(kRouletteSlots);
  int ok = link.ExchangeOk("command=CLIENTINIT");
  const auto start = std::chrono::steady_clock::now();
  long long played = 0;
  while (ok && played < o.rounds) {
    ok = PlaySpin(link, packet, stakes, staked, tally);
    played += ok;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  SetDbMoneyObserver(nullptr);
  RouletteServerShell::Free(record);
  if (!ok) {
    std::printf("stopped after %lld spins\n", played);
    return 1;
  }
  const std::vector<double> server = ServerChances();
  double worst = 0;
  int outside = 0;
  for (int slot = kFirstBetSlot; slot <= kLastBetSlot; ++slot) {
    if (tally[slot].spins == 0) continue;
    const double z = PrintSlot(slot, tally[slot], server);
    worst = std::max(worst, z);
    outside += z >= kBand;
  }
  std::printf("largest |z| %.2f; %d slot(s) outside |z| < %.1f\n", worst, outside, kBand);
  std::printf("account = start + credits - debits after every spin; net %.2f\n",
              g_credits - g_debits);
  std::printf("%lld spins in %.1f s: %.0f spins a second\n", played, seconds, played / seconds);
  return outside == 0 ? 0 : 1;
}
