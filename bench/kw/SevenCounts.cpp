#include "bench/kw/SevenCounts.h"

namespace kw::sim {

void AddCounts(const SevenCounts& from, SevenCounts* to) {
  to->hands += from.hands;
  for (int k = 0; k < kPairKinds; ++k) to->kind[k] += from.kind[k];
  for (int c = 0; c < kStraightFlushCodes; ++c) {
    to->code[c] += from.code[c];
    for (int n = 0; n < 8; ++n) {
      to->runLength[c][n] += from.runLength[c][n];
      to->flushCount[c][n] += from.flushCount[c][n];
    }
  }
}

}  // namespace kw::sim
