#include "bench/gz/SimTable.h"

#include <cstdio>
#include <cstdlib>

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "gz/CaribbeanProtocol.h"
#include "gz/CaribbeanServer.h"
#include "gz/Settlement.h"
#include "tests/support/PokerOracle.h"

namespace gz::sim {

namespace {

// Enough for any run: the balance never limits the ante.
constexpr double kStartBalance = 1e9;

double Account() {
  double balance = 0;
  dbGetBalance(1, &balance);
  return balance;
}

bool SameCents(double a, double b) { return std::fabs(a - b) < 0.005; }

// count comma-separated ints, then (when money is given) one double.
bool ReadNumbers(const char* text, std::int32_t* ints, int count, double* money) {
  if (text == nullptr) return false;
  char* end = nullptr;
  for (int i = 0; i < count; ++i) {
    ints[i] = static_cast<std::int32_t>(std::strtol(text, &end, 10));
    if (end == text) return false;
    text = *end == ',' ? end + 1 : end;
  }
  if (money == nullptr) return *end == '\0';
  *money = std::strtod(text, &end);
  return end != text && *end == '\0';
}

}  // namespace

SimTable::SimTable(const CExactOdds& odds, bool best)
    : odds_(odds),
      best_(best),
      record_(CaribbeanServerShell::New(kCaribbeanGameCode)),
      link_("caribbean_sim", CaribbeanServerShell::RunHook<GameServerRun>, record_) {}

SimTable::~SimTable() { CaribbeanServerShell::Free(record_); }

int SimTable::PlayHand(double ante, double* expectedBalance, double* net, bool* qualified) {
  char packet[96];
  std::snprintf(packet, sizeof(packet), "command=%s&%s=%.2f", kFirstDeal, kAnteTag, ante);
  if (!link_.ExchangeOk("command=BEGINPLAY")) return 0;
  CKeyValueList* first = link_.Exchange(packet);
  std::int32_t cards[kDealtCards];
  double money = 0;
  if (first == nullptr || !ReadNumbers(first->GetValue(kFirstCardsTag), cards, 6, nullptr)) {
    std::fprintf(stderr, "caribbean_sim: unreadable first cards %s\n", link_.LastText().c_str());
    return 0;
  }
  const int category = odds_.Category(cards);
  const bool call =
      !best_ || CallReturn(category, odds_.CountDealerHands(cards, cards[5]), ante) >= kSurrenderReturn;
  CKeyValueList* second = link_.Exchange(call ? "command=PLAYERBET" : "command=PLAYERSUR");
  const bool read = second != nullptr &&
                    (call ? ReadNumbers(second->GetValue(kSecondCardsTag), cards + 6, 5, &money)
                          : ReadNumbers(second->GetValue(kSecondCardsTag), cards + 6, 4, nullptr));
  if (!read) {
    std::fprintf(stderr, "caribbean_sim: unreadable second cards %s\n", link_.LastText().c_str());
    return 0;
  }
  const std::int32_t* dealer = cards + 5;
  *qualified = test::Qualifies(dealer);
  double credit = 0, debit = ante;  // the ante goes first
  if (call) {
    int result = kDealerNotQualifiedResult;
    if (*qualified) {
      const int player = odds_.Strength(cards);
      const int house = odds_.Strength(dealer);
      result = player > house ? category : player < house ? -odds_.Category(dealer) : kTie;
    }
    const CaribbeanSettlement s = SettleCall(result, ante);
    credit += s.credit;
    debit += s.debit;
  }
  *expectedBalance += credit - debit;
  *net = (credit - debit) / ante;
  if (!SameCents(Account(), *expectedBalance) || (call && !SameCents(money, *expectedBalance))) {
    std::printf("balance: account %.2f, server says %.2f, expected %.2f\n", Account(), money,
                *expectedBalance);
    return 0;
  }
  return link_.ExchangeOk("command=ENDPLAY");
}

SimTally SimTable::Play(long long hands, double ante, int (*random)()) {
  SimTally tally;
  dbSetBalance(1, kStartBalance);
  game::SetServerRandomSource(random);
  double expected = kStartBalance;
  if (!link_.ExchangeOk("command=CLIENTINIT")) hands = 0;
  for (long long hand = 0; hand < hands; ++hand) {
    double net = 0;
    bool qualified = false;
    if (!PlayHand(ante, &expected, &net, &qualified)) {
      tally.balanced = false;
      break;
    }
    ++tally.hands;
    tally.sum += net;
    tally.squares += net * net;
    tally.qualified += qualified;
  }
  game::SetServerRandomSource(nullptr);
  return tally;
}

}  // namespace gz::sim
