// The money of a Pai Gow round: the bet check and what the showdown pays.
#pragma once

#include "kw/PaiGowServerRecord.h"

namespace kw {

// The player's win is paid at 95 in 100 (a 5% commission).
inline constexpr double kWinPayoutFactor = 1.95;

enum BetReading : int {
  kBetAccepted = 0,
  kBetUnreadable = 1,   // "Can't get bet data"
  kBetOutOfLimits = 2,  // "Invalid bet amount"
};

// Reads the BET text ("%lf"; -1.0 when it does not parse) and checks it
// against the limits, both accepted. Answers a BetReading.
int ReadBet(const char* text, double minBet, double maxBet, double* bet);

// What the account is credited for a result after the bet was debited:
// bet x 1.95 when the player wins, the bet back on a push, nothing else.
double ShowdownCredit(int result, double bet);

// Splits the dealer's cards by the house way, plays them against the
// player's checked split (0-based secondHand) and settles: sets result,
// won-high, won-low, winCredit, and adds winCredit to money. Answers the
// house-way value 10a + b.
int PlayShowdown(PaiGowServerRecord* record);

}  // namespace kw
