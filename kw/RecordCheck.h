// The check of a saved Pai Gow server record before a restore installs it.
#pragma once

#include "kw/PaiGowServerRecord.h"

namespace kw {

// 1 when the state is 0..22, the 14 ids are distinct ids 0..52 that agree
// with the rank and suit arrays, and the 2nd-hand positions lie within the
// seven cards (1-based in state 8, 0-based from the split check on), the
// limits are the table's (or all 0 where CLIENTINIT has not read them), the
// bet 0 or within them, the win credit 0 to 1.95 x bet and the money not
// negative.
int IsSoundServerRecord(const PaiGowServerRecord& record);

}  // namespace kw
