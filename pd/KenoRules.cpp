#include "pd/KenoRules.h"

#include <cmath>

#include "framework/link/WholeNumbers.h"
#include "pd/KenoPayTable.h"

namespace pd {
namespace {

bool IsBoardNumber(int n) { return n >= 1 && n <= kKenoNumbers; }

// 1 when the non-zero numbers lie on the board and none repeats; counts them.
bool DistinctOnBoard(const std::int32_t* numbers, int size, int* nonZero) {
  bool seen[kKenoNumbers + 1] = {};
  *nonZero = 0;
  for (int i = 0; i < size; ++i) {
    if (numbers[i] == 0) continue;
    if (!IsBoardNumber(numbers[i]) || seen[numbers[i]]) return false;
    seen[numbers[i]] = true;
    ++*nonZero;
  }
  return true;
}

}  // namespace

int CheckKenoBet(const KenoServerRecord& r) {
  if (r.count > kKenoMaxPicks) return kKenoBetTooMany;
  if (r.count < kKenoMinPicks) return kKenoBetTooFew;
  if (r.stake > r.money) return kKenoBetTooBig;
  return kKenoBetOk;
}

int ReadKenoBetList(const char* text, KenoServerRecord* record) {
  std::int32_t values[kKenoBetListValues];
  if (!ReadWholeNumberList(&text, 0, values, kKenoBetListValues)) return 0;
  record->count = values[0];
  record->stake = values[1];
  for (int i = 0; i < kKenoPickSlots; ++i) record->picks[i] = values[2 + i];
  return 1;
}

int AreKenoPicksSound(const KenoServerRecord& r) {
  if (r.count < kKenoMinPicks || r.count > kKenoMaxPicks) return 0;
  int nonZero = 0;
  return DistinctOnBoard(r.picks, kKenoPickSlots, &nonZero) && nonZero == r.count ? 1 : 0;
}

void DrawKenoNumbers(int (*random)(), std::int32_t drawn[kKenoDrawn]) {
  bool seen[kKenoNumbers + 1] = {};
  for (int i = 0; i < kKenoDrawn; ++i) {
    int n = 0;
    do {
      n = random() % kKenoNumbers + 1;
    } while (seen[n]);
    seen[n] = true;
    drawn[i] = n;
  }
}

int CountKenoMatches(const KenoServerRecord& r) {
  int matches = 0;
  for (int d = 0; d < kKenoDrawn; ++d) {
    for (int p = 0; p < kKenoPickSlots; ++p) {
      if (r.picks[p] == r.drawn[d]) ++matches;
    }
  }
  return matches;
}

int IsSoundKenoRecord(const KenoServerRecord& r) {
  if (r.state < 0 || r.state >= kKenoServerStates) return 0;
  if (r.stake != 0 && KenoStakeIndex(r.stake) < 0) return 0;
  if (r.count != 0 && (r.count < kKenoMinPicks || r.count > kKenoMaxPicks)) return 0;
  if (r.winFlag != 0 && r.winFlag != 1) return 0;
  if (!std::isfinite(r.money)) return 0;
  int picked = 0;
  if (!DistinctOnBoard(r.picks, kKenoPickSlots, &picked)) return 0;
  if (r.count != 0 && picked != r.count) return 0;
  int drawn = 0;
  if (!DistinctOnBoard(r.drawn, kKenoDrawn, &drawn)) return 0;
  return drawn == 0 || drawn == kKenoDrawn ? 1 : 0;
}

}  // namespace pd
