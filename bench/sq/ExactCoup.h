// The exact odds of a coup dealt from a fresh 52-card deck: the six cards
// enumerated by point value with their multiplicities (sixteen of value 0,
// four of each other), played by the dealer's rules in
// tests/support/BaccaratOracle.h, never by the server.
#pragma once

namespace sq::sim {

struct CoupOdds {
  double player = 0;  // Player wins
  double banker = 0;  // Banker wins
  double tie = 0;
};

CoupOdds ExactCoupOdds();

// Net per unit staked on each bet kind, as the table pays: even money on
// Player, 0.95 to 1 on Banker, 8 to 1 on Tie; a tie returns Player and
// Banker stakes.
enum BetKind : int { kBetPlayer = 0, kBetBanker = 1, kBetTie = 2, kBetKinds = 3 };
// The net of one unit on kind when winner (0 Player, 1 Banker, 2 tie) won.
double UnitNet(int kind, int winner);

// The mean and the variance of the net per unit on kind.
struct KindReturn {
  double mean;
  double variance;
};
KindReturn ExactReturn(const CoupOdds& odds, int kind);

}  // namespace sq::sim
