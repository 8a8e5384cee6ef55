#include "bench/sq/SimTable.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "sq/BaccaratProtocol.h"
#include "sq/BaccaratServer.h"
#include "tests/support/BaccaratOracle.h"

namespace sq::sim {

namespace {

// The account is a double: at a balance of 1e9 the rounding of each half
// cent of Banker commission adds up to a cent within 100000 coups. So every
// session of kSessionCoups starts afresh at kStartBalance (a new player
// record from the main client), which no session can lose whole.
constexpr double kStartBalance = 1e7;
constexpr long long kSessionCoups = 100000;
constexpr int kNotDrawnMark = 100;

// What the server moved in the account, as the account saw it.
double g_credits = 0;
double g_debits = 0;
void Ledger(int, double amount) { (amount > 0 ? g_credits : g_debits) += std::fabs(amount); }

double Account() {
  double balance = 0;
  dbGetBalance(1, &balance);
  return balance;
}

bool SameCents(double a, double b) { return std::fabs(a - b) < 0.005; }

// The CARDS text: six ids, six points, result, win, winner.
struct CoupReport {
  int ids[6];
  int points[6];
  int result;
  double win;
  int winner;
};

bool ReadReport(const char* text, CoupReport* out) {
  if (text == nullptr) return false;
  char* end = nullptr;
  int ints[13];
  for (int& value : ints) {
    value = static_cast<int>(std::strtol(text, &end, 10));
    if (end == text || *end != ',') return false;
    text = end + 1;
  }
  out->win = std::strtod(text, &end);
  if (end == text || *end != ',') return false;
  text = end + 1;
  out->winner = static_cast<int>(std::strtol(text, &end, 10));
  if (end == text || *end != '\0') return false;
  for (int i = 0; i < 6; ++i) {
    out->ids[i] = ints[i];
    out->points[i] = ints[6 + i];
  }
  out->result = ints[12];
  return true;
}

// The point value of a card id: rank = id mod 13 + 2, tens and faces 0,
// the ace (14) 1.
int PointOfId(int id) {
  const int rank = id % 13 + 2;
  return rank == 14 ? 1 : rank >= 10 ? 0 : rank;
}

// The result and win the table owes on this winner.
void Owed(const double stakes[kBetKinds], int winner, int* result, double* win) {
  const double staked = stakes[winner];
  const double payout[kBetKinds] = {2.0, 1.95, 9.0};
  *result = staked != 0 ? winner : 3;
  *win = staked != 0 ? staked * payout[winner] : 0;
  if (winner == 2 && staked == 0) *win = stakes[kBetPlayer] + stakes[kBetBanker];
}

// "" when the report is the coup the rules play, else what differs.
const char* CheckReport(const CoupReport& r, const double stakes[kBetKinds]) {
  bool seen[52] = {};
  for (int i = 0; i < 6; ++i) {
    const int id = r.ids[i];
    if (i >= 4 && id == kNotDrawnMark) continue;
    if (id < 0 || id > 51 || seen[id]) return "card ids";
    seen[id] = true;
    if (PointOfId(id) != r.points[i]) return "point values";
  }
  const test::RuleCoup c = test::PlayByRule(r.points);
  if ((r.ids[4] != kNotDrawnMark) != c.playerDraws) return "the Player's third card";
  if ((r.ids[5] != kNotDrawnMark) != c.bankerDraws) return "the Banker's third card";
  const int winner = c.playerTotal > c.bankerTotal ? 0 : c.bankerTotal > c.playerTotal ? 1 : 2;
  if (r.winner != winner) return "the winner";
  int result = 0;
  double win = 0;
  Owed(stakes, winner, &result, &win);
  if (r.result != result || !SameCents(r.win, win)) return "result or win";
  return "";
}

}  // namespace

SimTable::SimTable()
    : record_(BaccaratServerShell::New(kBaccaratGameCode)),
      link_("baccarat_sim", BaccaratServerShell::RunHook<GameServerRun>, record_) {}

SimTable::~SimTable() { BaccaratServerShell::Free(record_); }

int SimTable::PlayCoup(const double stakes[kBetKinds], double* expectedBalance, int* winner) {
  char packet[128];
  std::snprintf(packet, sizeof(packet), "command=%s&%s=%.2f,%.2f,%.2f", kDeal, kBetsTag,
                stakes[0], stakes[1], stakes[2]);
  if (!link_.ExchangeOk("command=BEGINPLAY")) return 0;
  const CKeyValueList* answer = link_.Exchange(packet);
  CoupReport report;
  if (answer == nullptr || !ReadReport(answer->GetValue(kCardsTag), &report)) {
    std::fprintf(stderr, "baccarat_sim: unreadable coup %s\n", link_.LastText().c_str());
    return 0;
  }
  const char* wrong = CheckReport(report, stakes);
  if (*wrong != '\0') {
    std::printf("coup: %s differ from the rules in %s\n", wrong, link_.LastText().c_str());
    return 0;
  }
  *winner = report.winner;
  for (int kind = 0; kind < kBetKinds; ++kind) {
    *expectedBalance += stakes[kind] * UnitNet(kind, report.winner);
  }
  const char* moneyText = answer->GetValue(kMoneyLeftTag);
  const double moneyLeft = moneyText != nullptr ? std::strtod(moneyText, nullptr) : -1;
  const double account = Account();
  if (!SameCents(account, *expectedBalance) || !SameCents(moneyLeft, account) ||
      !SameCents(account, kStartBalance + g_credits - g_debits)) {
    std::printf("balance: account %.6f, MONEYLEFT %.6f, expected %.6f, ledger %.6f\n", account,
                moneyLeft, *expectedBalance, kStartBalance + g_credits - g_debits);
    return 0;
  }
  return link_.ExchangeOk("command=ENDPLAY");
}

SimTally SimTable::Play(long long coups, const double stakes[kBetKinds], int (*random)()) {
  SimTally tally;
  SetDbMoneyObserver(Ledger);
  game::SetServerRandomSource(random);
  double expected = 0;
  if (!link_.ExchangeOk("command=CLIENTINIT")) coups = 0;
  for (long long coup = 0; coup < coups; ++coup) {
    if (coup % kSessionCoups == 0) {
      dbSetBalance(1, kStartBalance);
      g_credits = g_debits = 0;
      expected = kStartBalance;
    }
    int winner = 0;
    if (!PlayCoup(stakes, &expected, &winner)) {
      tally.sound = false;
      break;
    }
    ++tally.coups;
    ++tally.wins[winner];
    for (int kind = 0; kind < kBetKinds; ++kind) tally.net[kind] += UnitNet(kind, winner);
  }
  game::SetServerRandomSource(nullptr);
  SetDbMoneyObserver(nullptr);
  return tally;
}

}  // namespace sq::sim
