#include "gz/Showdown.h"

#include "gz/HandAnalysis.h"
#include "kw/Cards.h"

namespace gz {

namespace {

// The player's win as +code, the dealer's as -code.
int Signed(int code, int playerWins) { return playerWins ? code : -code; }

int KickerResult(CaribbeanServerRecord& r, int code) {
  r.kicker = CompareKickers(r.playerValues, r.dealerValues);
  if (r.kicker == kFirstHigher) return code;
  if (r.kicker == kSecondHigher) return -code;
  return kTie;
}

// One category: the hand that alone holds it wins; when both do, tieBreak
// decides (and answers 1) or leaves the cascade going (and answers 0).
template <typename TieBreak>
void CompareCategory(CaribbeanServerRecord& r, int code, std::int32_t HandInfo::*flag,
                     TieBreak tieBreak) {
  if (r.decided) return;
  const int player = r.player.*flag;
  const int dealer = r.dealer.*flag;
  if (player && dealer) {
    int result = kTie;
    r.decided = tieBreak(&result);
    if (r.decided) r.comparison = result;
  } else if (player || dealer) {
    r.comparison = Signed(code, player);
    r.decided = 1;
  }
}

// Higher rank wins; equal ranks leave the cascade going.
auto HigherRank(const CaribbeanServerRecord& r, std::int32_t HandInfo::*rank, int code) {
  return [&r, rank, code](int* result) {
    if (r.player.*rank == r.dealer.*rank) return 0;
    *result = Signed(code, r.player.*rank > r.dealer.*rank);
    return 1;
  };
}

// Higher rank wins; equal ranks go to the kickers.
auto HigherRankThenKickers(CaribbeanServerRecord& r, std::int32_t HandInfo::*rank, int code) {
  return [&r, rank, code](int* result) {
    *result = r.player.*rank != r.dealer.*rank ? Signed(code, r.player.*rank > r.dealer.*rank)
                                               : KickerResult(r, code);
    return 1;
  };
}

void SplitCards(CaribbeanServerRecord& r) {
  for (int i = 0; i < kHandCards; ++i) {
    r.scratchCard = r.cards[i];
    r.playerValues[i] = kw::CardRank(r.scratchCard);
    r.playerSuits[i] = kw::CardSuit(r.scratchCard);
  }
  for (int i = 0; i < kHandCards; ++i) {
    r.scratchCard = r.cards[kHandCards + i];
    r.dealerValues[i] = kw::CardRank(r.scratchCard);
    r.dealerSuits[i] = kw::CardSuit(r.scratchCard);
  }
}

void AnalyseHands(CaribbeanServerRecord& r) {
  FindAceKing(r.dealerValues, r.dealer);
  FindPairs(r.playerValues, r.player);
  FindPairs(r.dealerValues, r.dealer);
  FindTripsAndQuads(r.playerValues, r.player);
  FindTripsAndQuads(r.dealerValues, r.dealer);
  FindFlush(r.playerSuits, r.player);
  FindFlush(r.dealerSuits, r.dealer);
  FindStraight(r.playerValues, r.player);
  FindStraight(r.dealerValues, r.dealer);
  FindFullHouse(r.player);
  FindFullHouse(r.dealer);
  FindStraightFlush(r.player);
  FindStraightFlush(r.dealer);
  FindRoyalFlush(r.player);
  FindRoyalFlush(r.dealer);
}

}  // namespace

int CompareKickers(const std::int32_t* first, const std::int32_t* second) {
  for (int i = kHandCards - 1; i >= 0; --i) {
    if (first[i] > second[i]) return kFirstHigher;
    if (first[i] < second[i]) return kSecondHigher;
  }
  return kKickersEqual;
}

int CompareHands(CaribbeanServerRecord& r) {
  r.decided = 0;
  r.comparison = kTie;
  r.dealerNotQualified = 0;
  SplitCards(r);
  ClearHandInfo(r.player);
  ClearHandInfo(r.dealer);
  AnalyseHands(r);
  if (DealerNotQualified(r.dealer)) {
    r.dealerNotQualified = 1;
    r.comparison = kDealerNotQualifiedResult;
    return r.comparison;
  }
  CompareCategory(r, kRoyalFlushCategory, &HandInfo::royalFlush, [](int* result) {
    *result = kTie;
    return 1;
  });
  CompareCategory(r, kStraightFlushCategory, &HandInfo::straightFlush, [&r](int* result) {
    const int player = r.player.straightFlushTop;
    const int dealer = r.dealer.straightFlushTop;
    *result = player == dealer ? kTie : Signed(kStraightFlushCategory, player > dealer);
    return 1;
  });
  CompareCategory(r, kFourOfAKindCategory, &HandInfo::fourOfAKind,
                  HigherRank(r, &HandInfo::fourOfAKindRank, kFourOfAKindCategory));
  CompareCategory(r, kFullHouseCategory, &HandInfo::fullHouse,
                  HigherRank(r, &HandInfo::fullHouseThreeRank, kFullHouseCategory));
  CompareCategory(r, kFlushCategory, &HandInfo::flush, [&r](int* result) {
    *result = KickerResult(r, kFlushCategory);
    return 1;
  });
  CompareCategory(r, kStraightCategory, &HandInfo::straight,
                  HigherRankThenKickers(r, &HandInfo::straightTop, kStraightCategory));
  CompareCategory(r, kThreeOfAKindCategory, &HandInfo::threeOfAKind,
                  HigherRank(r, &HandInfo::threeOfAKindRank, kThreeOfAKindCategory));
  CompareCategory(r, kTwoPairCategory, &HandInfo::twoPair, [&r](int* result) {
    if (r.player.highPairRank != r.dealer.highPairRank) {
      *result = Signed(kTwoPairCategory, r.player.highPairRank > r.dealer.highPairRank);
    } else if (r.player.lowPairRank != r.dealer.lowPairRank) {
      *result = Signed(kTwoPairCategory, r.player.lowPairRank > r.dealer.lowPairRank);
    } else {
      *result = KickerResult(r, kTwoPairCategory);
    }
    return 1;
  });
  CompareCategory(r, kPairCategory, &HandInfo::pair,
                  HigherRankThenKickers(r, &HandInfo::pairRank, kPairCategory));
  if (!r.decided) {
    r.comparison = KickerResult(r, kHighCard);
    r.decided = 1;
  }
  return r.comparison;
}

}  // namespace gz
