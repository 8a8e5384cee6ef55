#include "bench/hx/SimTable.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "hx/BlackJackServer.h"

namespace hx::sim {
namespace {

constexpr const char* kOwners[] = {"PLAYERCARD", "DEALERCARD", "NEWHAND1CARD", "NEWHAND2CARD"};
constexpr const char* kSuitNames[] = {"DIAMOND", "HEART", "CLUB", "SPADE"};

bool IsOwner(const char* key) {
  for (const char* owner : kOwners) {
    if (std::strcmp(key, owner) == 0) return true;
  }
  return false;
}

int SuitOf(const char* word) {
  for (int suit = 0; suit < 4; ++suit) {
    if (word != nullptr && std::strcmp(word, kSuitNames[suit]) == 0) return suit;
  }
  return -1;
}

double Account() {
  double balance = 0;
  dbGetBalance(1, &balance);
  return balance;
}

const char* WordFor(double net, bool natural) {
  if (net > 0) return natural ? "WIN2.5" : "WIN";
  return net == 0 ? "PUSH" : "LOOSE";
}

// 1 when the drawn cards are what a dealer standing on every 17 takes.
bool DrewToSeventeen(SimHand dealer, const int* ranks, int count) {
  for (int i = 0; i < count; ++i) {
    if (dealer.Best() >= 17) return false;
    dealer.Add(ranks[i]);
  }
  return dealer.Best() >= 17;
}

}  // namespace

CSimTable::CSimTable(double balance)
    : transport_(new CCaptureTransport), record_(BlackJackServerShell::New(kBlackJackGameCode)),
      expected_(balance) {
  comm_.Init("serverout.log", "serverin.log");
  comm_.SetTransport(transport_);
  dbSetBalance(1, balance);
}

CSimTable::~CSimTable() { BlackJackServerShell::Free(record_); }

int CSimTable::Fail(const char* what) {
  std::fprintf(stderr, "blackjack_sim: %s; last answer %s\n", what, transport_->LastText().c_str());
  return 0;
}

const CKeyValueList* CSimTable::Exchange(const char* packet) {
  if (!comm_.OnDataReceived(packet, std::strlen(packet) + 1)) {
    std::fprintf(stderr, "blackjack_sim: the server end refused %s\n", packet);
    return nullptr;
  }
  // Only the answer to this packet is kept: a long run holds no history.
  transport_->sent.clear();
  for (int frame = 0; frame < 10 && transport_->sent.empty(); ++frame) {
    GameServerRun(*record_, comm_, 1);
  }
  if (transport_->sent.empty()) {
    std::fprintf(stderr, "blackjack_sim: no answer to %s\n", packet);
    return nullptr;
  }
  answer_.Clear();
  answer_.Decode(transport_->LastText().c_str());
  const char* result = answer_.GetValue("answer");
  if (result == nullptr || std::strcmp(result, "ok") != 0) {
    std::fprintf(stderr, "blackjack_sim: %s was answered %s\n", packet,
                 transport_->LastText().c_str());
    return nullptr;
  }
  return &answer_;
}

int CSimTable::TakeCards(const char* owner, SimHand* hand, int* ranks) {
  bool mine = false;
  int suit = -1;
  int count = 0;
  for (const CKeyValue* node = answer_.head; node != nullptr; node = node->Next()) {
    if (IsOwner(node->key)) {
      mine = std::strcmp(node->key, owner) == 0;
      suit = -1;
    } else if (mine && std::strcmp(node->key, "TYPE") == 0) {
      suit = SuitOf(node->value);
    } else if (mine && std::strcmp(node->key, "VALUE") == 0) {
      const int value = node->value != nullptr ? std::atoi(node->value) : 0;
      if (suit < 0 || value < 1 || value > 13) return -1;
      const unsigned long long bit = 1ull << (suit * 13 + value - 1);
      if ((seen_ & bit) != 0) return -1;
      seen_ |= bit;
      hand->Add(RankOf(value));
      if (ranks != nullptr) ranks[count] = RankOf(value);
      ++count;
      mine = false;
    }
  }
  return count;
}

int CSimTable::Open() { return Exchange("command=CLIENTINIT") != nullptr; }

int CSimTable::PlayRound(Strategy strategy, int insure, RoundOutcome* outcome) {
  *outcome = RoundOutcome{};
  seen_ = 0;
  char deal[64];
  std::snprintf(deal, sizeof deal, "command=FIRSTDEAL&BET=%.2f", kSimBet);
  if (Exchange("command=BEGINPLAY") == nullptr || Exchange(deal) == nullptr) return 0;
  SimHand player, dealer;
  if (TakeCards("PLAYERCARD", &player, nullptr) != 2 || TakeCards("DEALERCARD", &dealer, nullptr) != 1) {
    return Fail("the deal is not two player cards and a dealer card");
  }
  outcome->up = dealer.hard;
  outcome->natural = player.Natural();
  outcome->insured = insure && outcome->up == 1;
  if (Exchange(outcome->insured ? "command=INSURANCE&INSURANCE1=&INSURANCEFLAG=yes"
                                : "command=INSURANCE&INSURANCE1=&INSURANCEFLAG=no") == nullptr) {
    return 0;
  }
  bool doubled = false;
  for (;;) {
    Action action = Decide(strategy, player);
    if (doubled) action = player.cards == 2 ? kActionHit : kActionStand;
    if (action == kActionStand) {
      if (Exchange("command=PLAYERSTAND") == nullptr) return 0;
      break;
    }
    if (action == kActionDouble) {
      if (Exchange("command=DOUBLE") == nullptr) return 0;
      doubled = true;
      continue;
    }
    if (Exchange("command=PLAYERHIT") == nullptr) return 0;
    if (TakeCards("PLAYERCARD", &player, nullptr) != 1) return Fail("a hit is not one card");
    const bool saysBust = answer_.Find("BUST", nullptr) != nullptr;
    if (saysBust != player.Bust()) return Fail("BUST disagrees with the hand");
    if (player.Bust()) {
      // The dealer's card comes with the bust.
      if (TakeCards("DEALERCARD", &dealer, nullptr) != 1) return Fail("a bust without the dealer's card");
      break;
    }
  }
  if (Exchange("command=WANTDEALERCARDS") == nullptr) return 0;
  int drawn[kDeckSize];
  const int count = TakeCards("DEALERCARD", &dealer, drawn);
  const char* counted = answer_.GetValue("NUMCARDDEALER");
  if (count < 0 || counted == nullptr || std::atoi(counted) != count) {
    return Fail("NUMCARDDEALER disagrees with the dealer's cards");
  }
  SimHand up;
  up.Add(outcome->up);
  const bool oneCard = player.Natural() && (outcome->up == 1 || outcome->up == 10);
  if (player.Bust() || player.Natural()) {
    if (count != (oneCard ? 1 : 0)) return Fail("the dealer drew where he should not");
  } else {
    if (!DrewToSeventeen(up, drawn, count)) return Fail("the dealer did not draw to 17");
    outcome->dealerClass = DealerClassOf(dealer);
  }
  outcome->net = HandNet(player, doubled, dealer, outcome->up);
  const char* word = answer_.GetValue("WINFLAG1");
  if (word == nullptr || std::strcmp(word, WordFor(outcome->net, player.Natural())) != 0) {
    return Fail("WINFLAG1 disagrees with the hands");
  }
  const char* insuranceWord = answer_.GetValue("WININS1FLAG");
  const char* insuranceWanted = !outcome->insured ? "NOPLAY" : dealer.Natural() ? "WIN" : "LOOSE";
  if (insuranceWord == nullptr || std::strcmp(insuranceWord, insuranceWanted) != 0) {
    return Fail("WININS1FLAG disagrees with the dealer's hand");
  }
  if (outcome->insured) outcome->insuranceNet = dealer.Natural() ? 2 : -1;
  expected_ += kSimBet * outcome->net + kSimBet / 2 * outcome->insuranceNet;
  if (std::fabs(Account() - expected_) >= 0.005) {
    std::fprintf(stderr, "blackjack_sim: account %.2f, expected %.2f\n", Account(), expected_);
    return Fail("the account is off");
  }
  return Exchange("command=ENDPLAY") != nullptr;
}

int CSimTable::Quit() {
  if (Exchange("command=BEGINPLAY") == nullptr || Exchange("command=ENDPLAY") == nullptr ||
      Exchange("command=CLIENTEXIT") == nullptr) {
    return 0;
  }
  return GameServerRun(*record_, comm_, 1) == -1;
}

}  // namespace hx::sim
