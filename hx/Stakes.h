// Stakes are held, not debited: placing one only records it after checking
// that the balance minus every stake already held covers it; the account
// moves only when a stake is won or lost. Each call answers 0 or the
// account's error code.
#pragma once

#include "hx/BlackJackServerRecord.h"

namespace hx {

// The balance minus the four held stakes.
int FreeBalance(const BlackJackServerRecord& record, int userId, double* free);
// 1 when the balance can be read and the free balance covers amount.
int CanAfford(const BlackJackServerRecord& record, int userId, double amount);

// The stake of a hand.
double StakeGet(const BlackJackServerRecord& record, StakeKind kind);
// Holds amount (a hand or the insurance); -8 when it is not covered.
int StakeSet(BlackJackServerRecord& record, int userId, StakeKind kind, double amount);
// Raises a hand's stake to amount; -8 unless the balance covers it beside
// the three other held stakes.
int StakeSetDouble(BlackJackServerRecord& record, int userId, StakeKind kind, double amount);
// A hand credits (factor - 1) x stake; an insurance 2 x stake. The stake is
// cleared once the account took it.
int StakeWin(BlackJackServerRecord& record, int userId, StakeKind kind, double factor);
// Debits the stake (a doubled hand's halved as HandLossAmount tells) and
// clears it once the account took it.
int StakeLose(BlackJackServerRecord& record, int userId, StakeKind kind);
// StakeLose of every stake, first hand to second insurance; the first
// error code, after trying them all.
int ForfeitAllStakes(BlackJackServerRecord& record, int userId);

// What a lost stake costs: a doubled hand (its stake above the round's bet)
// that loses to a natural with a ten-valued card up loses only its bet
// before the double; everything else the whole stake.
double HandLossAmount(const BlackJackServerRecord& record, StakeKind kind);

}  // namespace hx
