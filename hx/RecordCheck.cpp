#include <cmath>
#include <cstring>
#include <initializer_list>

#include "hx/BlackJackServerRecord.h"

namespace hx {
namespace {

bool SoundList(const CardList& list) {
  if (list.count < 0 || list.count > kDeckSize) return false;
  for (int i = 0; i < list.count; ++i) {
    if (!IsValidCard(list.cards[i].suit, list.cards[i].value)) return false;
  }
  return true;
}

bool SoundMoney(double amount) { return std::isfinite(amount) && amount >= 0; }

}  // namespace

int IsBlackJackServerRecord(const BlackJackServerRecord& r) {
  if (r.state < 0 || r.state >= kBlackJackServerStates) return 0;
  if (std::memcmp(r.gameCode, kBlackJackGameCode, sizeof(kBlackJackGameCode)) != 0) return 0;
  for (const CardList* list :
       {&r.current, &r.dealer, &r.deck, &r.firstHand, &r.secondHand, &r.pendingHand}) {
    if (!SoundList(*list)) return 0;
  }
  if (!SoundMoney(r.bet)) return 0;
  for (double stake : r.stakes) {
    if (!SoundMoney(stake)) return 0;
  }
  return 1;
}

}  // namespace hx
