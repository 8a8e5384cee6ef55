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
    : record_(BlackJackServerShell::New(kBlackJackGameCode)),
      link_("blackjack_sim", BlackJackServerShell::RunHook<GameServerRun>, record_),
      expected_(balance) {
  dbSetBalance(1, balance);
}

CSimTable::~CSimTable() { BlackJackServerShell::Free(record_); }

int CSimTable::Fail(const char* what) {
  std::fprintf(stderr, "blackjack_sim: %s; last answer %s\n", what, link_.LastText().c_str());
  return 0;
}

const CKeyValueList* CSimTable::Exchange(const char* packet) { return link_.Exchange(packet); }

int CSimTable::TakeCards(const char* owner, SimHand* hand, int* ranks) {
  bool mine = false;
  int suit = -1;
  int count = 0;
  for (const CKeyValue* node = link_.Answer().head; node != nullptr; node = node->Next()) {
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

int CSimTable::PlayHand(Strategy strategy, int up, bool locked, bool dealerCardAtBust,
                        SimHand* hand, bool* doubled, SimHand* dealer) {
  for (;;) {
    Action action = locked ? kActionStand : Decide(strategy, *hand, up, false);
    if (*doubled) action = hand->cards == 2 ? kActionHit : kActionStand;
    if (action == kActionStand) return Exchange("command=PLAYERSTAND") != nullptr;
    if (action == kActionDouble) {
      if (Exchange("command=DOUBLE") == nullptr) return 0;
      *doubled = true;
      continue;
    }
    if (Exchange("command=PLAYERHIT") == nullptr) return 0;
    if (TakeCards("PLAYERCARD", hand, nullptr) != 1) return Fail("a hit is not one card");
    const bool saysBust = link_.Answer().Find("BUST", nullptr) != nullptr;
    if (saysBust != hand->Bust()) return Fail("BUST disagrees with the hand");
    if (hand->Bust()) {
      if (TakeCards("DEALERCARD", dealer, nullptr) != (dealerCardAtBust ? 1 : 0)) {
        return Fail("the dealer's card at the bust is wrong");
      }
      return 1;
    }
  }
}

int CSimTable::PlayRound(Strategy strategy, int insure, RoundOutcome* outcome) {
  *outcome = RoundOutcome{};
  seen_ = 0;
  char deal[64];
  std::snprintf(deal, sizeof deal, "command=FIRSTDEAL&BET=%.2f", kSimBet);
  if (Exchange("command=BEGINPLAY") == nullptr || Exchange(deal) == nullptr) return 0;
  SimHand hands[2], dealer;
  int dealt[2];
  if (TakeCards("PLAYERCARD", &hands[0], dealt) != 2 || TakeCards("DEALERCARD", &dealer, nullptr) != 1) {
    return Fail("the deal is not two player cards and a dealer card");
  }
  outcome->up = dealer.hard;
  outcome->natural = hands[0].Natural();
  outcome->insured = insure && outcome->up == 1;
  if (Exchange(outcome->insured ? "command=INSURANCE&INSURANCE1=&INSURANCEFLAG=yes"
                                : "command=INSURANCE&INSURANCE1=&INSURANCEFLAG=no") == nullptr) {
    return 0;
  }
  int count = 1;
  if (Decide(strategy, hands[0], outcome->up, true) == kActionSplit) {
    if (Exchange("command=SPLIT") == nullptr) return 0;
    count = 2;
    for (int h = 0; h < 2; ++h) {
      hands[h] = SimHand{};
      hands[h].split = true;
      hands[h].Add(dealt[h]);
    }
    if (TakeCards("NEWHAND1CARD", &hands[0], nullptr) != 1 ||
        TakeCards("NEWHAND2CARD", &hands[1], nullptr) != 1) {
      return Fail("a split is not one new card per hand");
    }
  }
  const bool locked = count == 2 && dealt[0] == 1;
  bool doubled[2] = {false, false};
  for (int h = 0; h < count; ++h) {
    const bool atBust = count == 1 || (h == 1 && hands[0].Bust());
    if (!PlayHand(strategy, outcome->up, locked, atBust, &hands[h], &doubled[h], &dealer)) return 0;
  }
  if (Exchange("command=WANTDEALERCARDS") == nullptr) return 0;
  int drawn[kDeckSize];
  const int drew = TakeCards("DEALERCARD", &dealer, drawn);
  const char* counted = link_.Answer().GetValue("NUMCARDDEALER");
  if (drew < 0 || counted == nullptr || std::atoi(counted) != drew) {
    return Fail("NUMCARDDEALER disagrees with the dealer's cards");
  }
  SimHand up;
  up.Add(outcome->up);
  const bool allBust = hands[0].Bust() && (count == 1 || hands[1].Bust());
  const bool natural = count == 1 && hands[0].Natural();
  const bool oneCard = natural && (outcome->up == 1 || outcome->up == 10);
  if (allBust || natural) {
    if (drew != (oneCard ? 1 : 0)) return Fail("the dealer drew where he should not");
  } else {
    if (!DrewToSeventeen(up, drawn, drew)) return Fail("the dealer did not draw to 17");
    outcome->dealerClass = DealerClassOf(dealer);
  }
  const char* flags[2] = {"WINFLAG1", "WINFLAG2"};
  for (int h = 0; h < 2; ++h) {
    const double net = h < count ? HandNet(hands[h], doubled[h], dealer, outcome->up) : 0;
    const char* wanted = h < count ? WordFor(net, hands[h].Natural()) : "NOPLAY";
    const char* word = link_.Answer().GetValue(flags[h]);
    if (word == nullptr || std::strcmp(word, wanted) != 0) return Fail("a result word disagrees with the hands");
    outcome->net += net;
  }
  const char* insuranceWord = link_.Answer().GetValue("WININS1FLAG");
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
  return link_.Step() == -1;
}

}  // namespace hx::sim
