#include "kw/Showdown.h"

#include "kw/Cards.h"
#include "kw/HandEval.h"

namespace kw {
namespace {

// The five cards of a side outside its 2-card hand, in dealt order.
void FiveCardHand(const std::int32_t ranks[kHandCards], const std::int32_t suits[kHandCards],
                  int lowA, int lowB, int outRanks[5], int outSuits[5]) {
  int n = 0;
  for (int i = 0; i < kHandCards; ++i) {
    if (i == lowA || i == lowB) continue;
    outRanks[n] = ranks[i];
    outSuits[n] = suits[i];
    ++n;
  }
}

void SortedAsAces(const int ranks[5], int sorted[5]) {
  for (int i = 0; i < 5; ++i) sorted[i] = RankAsAce(ranks[i]);
  SortDescending(5, sorted);
}

}  // namespace

void DecodeCards(const std::int32_t ids[kDealtCards], PaiGowServerRecord* record) {
  for (int i = 0; i < kHandCards; ++i) {
    record->playerRanks[i] = CardRank(ids[i]);
    record->playerSuits[i] = CardSuit(ids[i]);
    record->dealerRanks[i] = CardRank(ids[kHandCards + i]);
    record->dealerSuits[i] = CardSuit(ids[kHandCards + i]);
  }
}

int IsValidSplit(int first, int second, PaiGowServerRecord* record) {
  const int lowA = RankAsAce(record->playerRanks[first]);
  const int lowB = RankAsAce(record->playerRanks[second]);
  const int lowPair = PairValue(lowA, lowB);
  int ranks[5], suits[5], h[5];
  FiveCardHand(record->playerRanks, record->playerSuits, first, second, ranks, suits);
  EvaluateHand5(ranks, suits, &record->eval);
  const int handClass = record->eval.handClass;
  const int rank1 = record->eval.rank1;
  SortedAsAces(ranks, h);
  if (lowPair) return handClass > kOnePair || (handClass == kOnePair && lowPair <= rank1);
  if (handClass > kHighCard) return 1;
  const int top = lowA > lowB ? lowA : lowB;
  const int next = lowA > lowB ? lowB : lowA;
  if (top != h[0]) return top < h[0];
  return next <= h[1];
}

int CompareHighHands(int dealerA, int dealerB, int playerA, int playerB,
                     PaiGowServerRecord* record) {
  int pRanks[5], pSuits[5], dRanks[5], dSuits[5];
  FiveCardHand(record->playerRanks, record->playerSuits, playerA, playerB, pRanks, pSuits);
  FiveCardHand(record->dealerRanks, record->dealerSuits, dealerA, dealerB, dRanks, dSuits);
  EvaluateHand5(pRanks, pSuits, &record->eval);
  const HandValue player = record->eval;
  EvaluateHand5(dRanks, dSuits, &record->eval);
  const HandValue dealer = record->eval;
  if (player.handClass != dealer.handClass) return player.handClass > dealer.handClass;
  if (player.rank1 != dealer.rank1) return player.rank1 > dealer.rank1;
  if (player.rank2 != dealer.rank2) return player.rank2 > dealer.rank2;
  if (player.handClass == kStraight) return 0;
  int p[5], d[5];
  SortedAsAces(pRanks, p);
  SortedAsAces(dRanks, d);
  for (int i = 0; i < 5; ++i) {
    if (p[i] != d[i]) return p[i] > d[i];
  }
  return 0;
}

int CompareLowHands(int dealerA, int dealerB, int playerA, int playerB,
                    const PaiGowServerRecord& record) {
  int d0 = RankAsAce(record.dealerRanks[dealerA]), d1 = RankAsAce(record.dealerRanks[dealerB]);
  int p0 = RankAsAce(record.playerRanks[playerA]), p1 = RankAsAce(record.playerRanks[playerB]);
  const int dealerPair = PairValue(d0, d1);
  const int playerPair = PairValue(p0, p1);
  if (dealerPair || playerPair) return playerPair > dealerPair;
  if (d0 < d1) { int t = d0; d0 = d1; d1 = t; }
  if (p0 < p1) { int t = p0; p0 = p1; p1 = t; }
  if (p0 != d0) return p0 > d0;
  return p1 > d1;
}

int Showdown(int dealerA, int dealerB, int playerA, int playerB, PaiGowServerRecord* record) {
  record->wonHigh = CompareHighHands(dealerA, dealerB, playerA, playerB, record);
  record->wonLow = CompareLowHands(dealerA, dealerB, playerA, playerB, *record);
  if (record->wonHigh && record->wonLow) return kPlayerWins;
  if (!record->wonHigh && !record->wonLow) return kDealerWins;
  return kPush;
}

}  // namespace kw
