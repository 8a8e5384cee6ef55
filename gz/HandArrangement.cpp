#include "gz/HandArrangement.h"

#include "gz/HandAnalysis.h"
#include "kw/Cards.h"

namespace gz {
namespace {

// The cards of the given ranks to the front, rank by rank in hand order,
// then the others in their order.
void RanksToFront(std::int32_t hand[kHandCards], const int* ranks, int rankCount) {
  std::int32_t out[kHandCards];
  bool taken[kHandCards] = {};
  int n = 0;
  for (int r = 0; r < rankCount; ++r) {
    for (int i = 0; i < kHandCards; ++i) {
      if (!taken[i] && kw::CardRank(hand[i]) == ranks[r]) {
        out[n++] = hand[i];
        taken[i] = true;
      }
    }
  }
  for (int i = 0; i < kHandCards; ++i) {
    if (!taken[i]) out[n++] = hand[i];
  }
  for (int i = 0; i < kHandCards; ++i) hand[i] = out[i];
}

// The ace of an ace-low straight from the front to the end.
void AceToEnd(std::int32_t hand[kHandCards], int top) {
  if (top != 5) return;
  const std::int32_t ace = hand[0];
  for (int i = 0; i + 1 < kHandCards; ++i) hand[i] = hand[i + 1];
  hand[kHandCards - 1] = ace;
}

// The name of the first category the hand holds, arranging it; kNameNotSet
// when it holds none of these.
int Arrange(std::int32_t hand[kHandCards], const HandInfo& h, bool dealer) {
  if (h.royalFlush) return kRoyalFlushCategory;
  if (h.straightFlush) {
    AceToEnd(hand, h.straightFlushTop);
    return kStraightFlushCategory;
  }
  if (h.fourOfAKind) {
    RanksToFront(hand, &h.fourOfAKindRank, 1);
    return kFourOfAKindCategory;
  }
  if (h.fullHouse) {
    const int ranks[] = {h.fullHouseThreeRank, h.fullHousePairRank};
    RanksToFront(hand, ranks, 2);
    return kFullHouseCategory;
  }
  if (h.flush) return kFlushCategory;
  if (h.straight) {
    AceToEnd(hand, h.straightTop);
    return kStraightCategory;
  }
  if (h.threeOfAKind) {
    RanksToFront(hand, &h.threeOfAKindRank, 1);
    return kThreeOfAKindCategory;
  }
  if (h.twoPair) {
    const int ranks[] = {h.highPairRank, h.lowPairRank};
    RanksToFront(hand, ranks, 2);
    return kTwoPairCategory;
  }
  if (h.pair) {
    RanksToFront(hand, &h.pairRank, 1);
    return kPairCategory;
  }
  if (dealer && h.aceKing) return kNameAceKing;
  return kNameNotSet;
}

}  // namespace

void SortCardsByRank(const std::int32_t ids[kHandCards], std::int32_t out[kHandCards]) {
  int n = 0;
  for (int rank = 14; rank >= 2; --rank) {
    for (int i = 0; i < kHandCards; ++i) {
      if (kw::CardRank(ids[i]) == rank) out[n++] = ids[i];
    }
  }
}

void EvaluateHandName(ArrangedHands& hands) {
  std::int32_t values[kHandCards];
  std::int32_t suits[kHandCards];
  AnalyseHand(hands.player, values, suits, hands.playerInfo);
  hands.playerInfo.aceKing = 0;  // only the dealer qualifies by ace-king
  AnalyseHand(hands.dealer, values, suits, hands.dealerInfo);
  hands.playerName = kNameNotSet;
  hands.dealerName = kNameNotSet;
  hands.dealerNotQualified = DealerNotQualified(hands.dealerInfo);
  if (hands.dealerNotQualified) hands.dealerName = kNameNotQualified;
  if (hands.dealerName == kNameNotSet) hands.dealerName = Arrange(hands.dealer, hands.dealerInfo, true);
  hands.playerName = Arrange(hands.player, hands.playerInfo, false);
  if (hands.dealerName == kNameNotSet) hands.dealerName = kHighCard;
  if (hands.playerName == kNameNotSet) hands.playerName = kHighCard;
}

}  // namespace gz
