#include "bench/kw/PaiGowGames.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "bench/support/ScriptedServerLink.h"
#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "framework/link/ServerRandom.h"
#include "kw/Cards.h"
#include "kw/HouseWay.h"
#include "kw/PaiGowServer.h"
#include "kw/Showdown.h"

namespace kw {
namespace {

constexpr double kStartBalance = 1.0e9;
constexpr double kBet = 10.0;  // its win credit 19.50 keeps the cents in play
constexpr int kUser = 1;

struct Tally {
  long long games = 0;
  long long wins = 0, pushes = 0, losses = 0, cardFails = 0;
  long long dealerRefused = 0;
  long long jokerDeals = 0;
  long long balanceMisses = 0;
  double net = 0, netSquares = 0;  // per unit bet
};

// The comma-separated whole numbers of a tag value: how many were read
// (at most max); -1 when the text holds anything else.
int ReadNumbers(const char* text, int max, int* out) {
  if (text == nullptr) return -1;
  int n = 0;
  while (*text != '\0') {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || n == max || (*end != ',' && *end != '\0')) return -1;
    out[n++] = static_cast<int>(value);
    text = *end == ',' ? end + 1 : end;
  }
  return n;
}

bool AreCards(const int* ids, int count) {
  for (int i = 0; i < count; ++i) {
    if (ids[i] < 0 || ids[i] >= kDeckWithJoker) return false;
  }
  return true;
}

// The seven cards as a side of a record: both sides hold them, so the house
// way (dealer side) and the split check (player side) read the same hand.
PaiGowServerRecord HandRecord(const int ids[kHandCards]) {
  PaiGowServerRecord r{};
  for (int i = 0; i < kHandCards; ++i) {
    r.cards[i] = ids[i];
    r.cards[kHandCards + i] = ids[i];
  }
  DecodeCards(r.cards, &r);
  return r;
}

bool BalanceIs(double expected) {
  double balance = 0;
  dbGetBalance(kUser, &balance);
  return std::fabs(balance - expected) < 0.005;
}

// One round: BEGINPLAY, FIRSTDEAL, PLAYERDONE split by the house way,
// ENDPLAY. 0 when a packet went wrong.
int PlayGame(CScriptedServerLink& session, Tally* t, double* expected) {
  if (session.Exchange("command=BEGINPLAY") == nullptr) return 0;
  char packet[96];
  std::snprintf(packet, sizeof(packet), "command=FIRSTDEAL&BET=%.2f", kBet);
  const CKeyValueList* dealt = session.Exchange(packet);
  int player[kHandCards];
  if (dealt == nullptr || ReadNumbers(dealt->GetValue(kFirstCardsTag), kHandCards, player) != kHandCards ||
      !AreCards(player, kHandCards)) {
    return 0;
  }
  *expected -= kBet;

  PaiGowServerRecord own = HandRecord(player);
  const int houseWay = DealerHouseWay(&own);
  std::snprintf(packet, sizeof(packet), "command=PLAYERDONE&%s=%i,%i", kSecondCardsTag,
                houseWay / 10 + 1, houseWay % 10 + 1);
  const CKeyValueList* done = session.Exchange(packet, kAnswerCardFail);
  if (done == nullptr) return 0;
  const bool cardFail = std::strcmp(done->GetValue("answer"), kAnswerCardFail) == 0;
  // The dealer's 7 ids, then result, b, a, won-high, won-low; or b, a.
  int dealer[kHandCards + 5];
  const int count = cardFail ? kHandCards + 2 : kHandCards + 5;
  if (ReadNumbers(done->GetValue(kDealerCardsTag), count, dealer) != count ||
      !AreCards(dealer, kHandCards)) {
    std::fprintf(stderr, "paigow_sim: unreadable %s\n", kDealerCardsTag);
    return 0;
  }
  const int* values = dealer + kHandCards;

  // The dealer's 2-card hand at positions b and a, checked as a split.
  const int b = cardFail ? values[0] : values[1];
  const int a = cardFail ? values[1] : values[2];
  PaiGowServerRecord dealerHand = HandRecord(dealer);
  if (a < 0 || a >= kHandCards || b < 0 || b >= kHandCards || a == b ||
      !IsValidSplit(b, a, &dealerHand)) {
    ++t->dealerRefused;
  }
  bool joker = false;
  for (int i = 0; i < kHandCards; ++i) joker = joker || player[i] == kJokerId || dealer[i] == kJokerId;
  if (joker) ++t->jokerDeals;

  double unitNet = -1.0;
  if (cardFail) {
    ++t->cardFails;
    ++t->losses;
  } else if (values[0] == kPlayerWins) {
    ++t->wins;
    *expected += kBet * 1.95;
    unitNet = 0.95;
  } else if (values[0] == kPush) {
    ++t->pushes;
    *expected += kBet;
    unitNet = 0.0;
  } else {
    ++t->losses;
  }
  t->net += unitNet;
  t->netSquares += unitNet * unitNet;
  ++t->games;
  if (session.Exchange("command=ENDPLAY") == nullptr) return 0;
  if (!BalanceIs(*expected)) ++t->balanceMisses;
  return 1;
}

void Print(const Tally& t, unsigned seed, double seconds) {
  const double n = static_cast<double>(t.games);
  const double mean = t.net / n;
  const double variance = t.netSquares / n - mean * mean;
  const double error = std::sqrt(variance / n);
  std::printf("seed                      %u\n", seed);
  std::printf("games                     %lld (bet %.2f each)\n", t.games, kBet);
  std::printf("player wins               %.6f\n", t.wins / n);
  std::printf("pushes                    %.6f\n", t.pushes / n);
  std::printf("dealer wins               %.6f (cardfails included)\n", t.losses / n);
  std::printf("return per unit bet       %+.6f +- %.6f (standard error)\n", mean, error);
  std::printf("player cardfails          %lld\n", t.cardFails);
  std::printf("dealer splits refused     %lld (by IsValidSplit)\n", t.dealerRefused);
  std::printf("joker among the 14 dealt  %.6f (14/53 = %.6f)\n", t.jokerDeals / n, 14.0 / 53.0);
  std::printf("balance check             %s (%lld of %lld games off by a cent or more)\n",
              t.balanceMisses == 0 ? "ok" : "FAILED", t.balanceMisses, t.games);
  std::printf("games per second          %.0f\n", seconds > 0 ? n / seconds : 0.0);
}

}  // namespace

int RunPaiGowGames(long long games, unsigned seed) {
  if (games <= 0) {
    std::fprintf(stderr, "paigow_sim: --games needs a count above 0\n");
    return 1;
  }
  SeedServerRandom(seed);
  game::SetServerRandomSource(nullptr);
  dbSetBalance(kUser, kStartBalance);
  double expected = kStartBalance;
  Tally tally;
  const auto start = std::chrono::steady_clock::now();
  int played = 0;
  PaiGowServerRecord* record = PaiGowServerShell::New(kPaiGowGameCode);
  {
    CScriptedServerLink session("paigow_sim", PaiGowServerShell::RunHook<GameServerRun>, record);
    played = session.Exchange("command=CLIENTINIT") != nullptr;
    for (long long g = 0; played && g < games; ++g) played = PlayGame(session, &tally, &expected);
    played = played && session.Exchange("command=BEGINPLAY") != nullptr &&
             session.Exchange("command=ENDPLAY") != nullptr &&
             session.Exchange("command=CLIENTEXIT") != nullptr &&
             session.Step() == -1;
  }
  PaiGowServerShell::Free(record);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (tally.games > 0) Print(tally, seed, seconds);
  if (!played) std::fprintf(stderr, "paigow_sim: stopped after %lld games\n", tally.games);
  return played && tally.balanceMisses == 0 ? 0 : 1;
}

}  // namespace kw
