#include "sq/BaccaratRules.h"

#include "kw/Cards.h"
#include "sq/BankerDrawTable.h"

namespace sq {

namespace {

constexpr int kNaturalTotal = 8;
constexpr int kPlayerStandsFrom = 6;

int Total(int a, int b) { return (a + b) % 10; }

// A negative zero is no stake either.
bool Staked(double stake) { return stake != 0; }

bool WithinLimits(double stake, double minBet, double maxBet) {
  return !Staked(stake) || (stake >= minBet && stake <= maxBet);
}

// The outcome once both totals are final.
void Decide(BaccaratServerRecord& r) {
  r.win = 0;
  r.result = kNoStakeWon;
  if (r.playerTotal > r.bankerTotal) {
    r.winner = kPlayerWins;
    if (Staked(r.betPlayer)) {
      r.win = r.betPlayer * kPlayerPayout;
      r.result = kPlayerStakeWon;
    }
  } else if (r.bankerTotal > r.playerTotal) {
    r.winner = kBankerWins;
    if (Staked(r.betBanker)) {
      r.win = r.betBanker * kBankerPayout;
      r.result = kBankerStakeWon;
    }
  } else {
    r.winner = kTie;
    if (Staked(r.betTie)) {
      r.win = r.betTie * kTiePayout;
      r.result = kTieStakeWon;
    } else {
      r.win = r.betPlayer + r.betBanker;
    }
  }
}

}  // namespace

void DealCards(BaccaratServerRecord& record, gz::DealRandom random) {
  gz::DealCards(record.cards, kCoupCards, random);
  ComputeCardRanks(record.cards, record);
}

void ComputeCardRanks(const std::int32_t* cards, BaccaratServerRecord& record) {
  for (int i = 0; i < kCoupCards; ++i) record.points[i] = kw::CardRank(cards[i]);
}

int PointValue(int rank) {
  if (rank == kw::kAce) return 1;
  return rank >= 10 ? 0 : rank;
}

void PlayCoup(BaccaratServerRecord& r) {
  for (int i = 0; i < kCoupCards; ++i) r.points[i] = PointValue(r.points[i]);
  r.playerTotal = Total(r.points[kPlayerFirst], r.points[kPlayerSecond]);
  r.bankerTotal = Total(r.points[kBankerFirst], r.points[kBankerSecond]);
  if (r.playerTotal >= kNaturalTotal || r.bankerTotal >= kNaturalTotal) {
    r.cards[kPlayerThird] = kNotDrawn;
    r.cards[kBankerThird] = kNotDrawn;
    return Decide(r);
  }
  int column = kPlayerStoodColumn;
  if (r.playerTotal >= kPlayerStandsFrom) {
    r.cards[kPlayerThird] = kNotDrawn;
  } else {
    r.playerTotal = Total(r.playerTotal, r.points[kPlayerThird]);
    column = r.points[kPlayerThird] + 1;
  }
  if (BankerDraws(r.bankerTotal, column)) {
    r.bankerTotal = Total(r.bankerTotal, r.points[kBankerThird]);
  } else {
    r.cards[kBankerThird] = kNotDrawn;
  }
  Decide(r);
}

double CoupCredit(const BaccaratServerRecord& r) {
  if (r.result == kTieStakeWon) return r.win + r.betPlayer + r.betBanker;
  return r.win;
}

double StakeSum(const BaccaratServerRecord& r) { return r.betPlayer + r.betBanker + r.betTie; }

int CheckBets(const BaccaratServerRecord& r) {
  return WithinLimits(r.betPlayer, r.minBet, r.maxBet) &&
         WithinLimits(r.betBanker, r.minBet, r.maxBet) &&
         WithinLimits(r.betTie, r.minBet, r.maxBet) && StakeSum(r) <= r.maxTable;
}

}  // namespace sq
