// The check of a saved Pai Gow server record before a restore installs it.
#pragma once

#include "kw/PaiGowServerRecord.h"

namespace kw {

// 1 when the state is 0..22, the 14 ids are distinct ids 0..52 that agree
// with the rank and suit arrays, and the 2nd-hand positions lie within the
// seven cards (1-based in state 8, 0-based from the split check on).
int IsSoundServerRecord(const PaiGowServerRecord& record);

}  // namespace kw
