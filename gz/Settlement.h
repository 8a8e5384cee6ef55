// What a called Caribbean Poker hand pays. The ante was debited at
// FIRSTDEAL; the call bet (twice the ante) is debited only when the dealer
// wins.
#pragma once

namespace gz {

// The outcome sent to the client in SECONDCARDS.
enum CaribbeanOutcome : int {
  kPlayerWins = 0,
  kDealerWins = 1,
  kDealerNotQualified = 2,
  kPush = 3,
};

// The call bet's share of a royal flush is capped here; the ante's share
// comes on top.
inline constexpr double kRoyalBetCap = 50000.0;

struct CaribbeanSettlement {
  double credit;  // to add to the account (0 or more)
  double debit;   // to subtract from it (the call bet, when the dealer wins)
  int outcome;    // CaribbeanOutcome
};

// The call bet of an ante.
double CallBet(double ante);
// The settlement of a CompareHands result for this ante.
CaribbeanSettlement SettleCall(int result, double ante);

}  // namespace gz
