// The exact return of the simulated player's game: every table the player
// can meet is a state, each of the 36 dice outcomes settled by the
// simulator's own payout table (SimRules.h, not the server's settlement)
// leads to the next, and the long-run share of each state gives the net
// per dollar decided.
#pragma once

#include "bench/dq/SimPlayer.h"

namespace dq::sim {

// Net per dollar decided when the player studies kind with this amount.
double ExactReturn(int kind, float amount);

}  // namespace dq::sim
