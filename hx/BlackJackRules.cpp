#include "hx/BlackJackRules.h"

namespace hx {
namespace {

enum DealerMode { kNoDraw, kOneCard, kDrawTo17 };

int FirstTotal(const CardList& hand) {
  int first = 0, second = 0;
  HandTotals(hand, &first, &second);
  return first;
}

bool IsBust(const CardList& hand) { return FirstTotal(hand) > 21; }

DealerMode ChooseMode(const BlackJackServerRecord& r) {
  DealerMode mode = kDrawTo17;
  if (r.splitState != kNoSplit) {
    if (IsBust(r.firstHand) && IsBust(r.secondHand)) mode = kNoDraw;
  } else if (IsBust(r.firstHand)) {
    mode = kNoDraw;
  } else if (FirstTotal(r.firstHand) == 21 && IsNatural(r.firstHand)) {
    const int up = r.dealer.cards[0].value;
    mode = up == kAceValue || IsTenValued(up) ? kOneCard : kNoDraw;
  }
  // An insured hand always sees the dealer's second card.
  if (mode == kNoDraw && r.dealer.count == 1 && (r.insurance || r.secondInsurance)) mode = kOneCard;
  return mode;
}

bool TakeDealerCard(BlackJackServerRecord& r) {
  int suit = 0, value = 0;
  return CardListTake(r.deck, &suit, &value) && CardListAdd(r.dealer, suit, value);
}

}  // namespace

int DealerDraw(BlackJackServerRecord& r) {
  const DealerMode mode = ChooseMode(r);
  int drawn = 0;
  if (mode == kOneCard) {
    if (!TakeDealerCard(r)) return -1;
    drawn = 1;
  } else if (mode == kDrawTo17) {
    while (BestTotal(r.dealer) <= 16) {
      if (!TakeDealerCard(r)) return -1;
      ++drawn;
    }
  }
  return drawn;
}

double HandPayoutFactor(const BlackJackServerRecord& r, const CardList& hand) {
  const bool natural = IsNatural(hand) && r.splitState == kNoSplit;
  const bool dealerNatural = IsNatural(r.dealer);
  const int total = BestTotal(hand);
  const int dealer = BestTotal(r.dealer);
  if (IsBust(hand)) return 0;
  if (dealer > 21) return natural ? 2.5 : 2.0;
  if (total == dealer) {
    if (natural) return dealerNatural ? 1.0 : 2.5;
    return dealerNatural ? 0 : 1.0;
  }
  if (total > dealer) return natural ? 2.5 : 2.0;
  return 0;
}

}  // namespace hx
