// The Keno bet, the draw and the settlement: logic alone, with neither
// drawing nor platform headers.
#pragma once

#include <cstdint>

#include "pd/KenoServerRecord.h"

namespace pd {

// CheckKenoBet's answers.
inline constexpr int kKenoBetOk = 0;
inline constexpr int kKenoBetTooFew = 3;
inline constexpr int kKenoBetTooMany = 4;
inline constexpr int kKenoBetTooBig = 7;

// The bet as BETLIST carries it: count, stake and the ten pick slots.
inline constexpr int kKenoBetListValues = 2 + kKenoPickSlots;

// 4 when more than 10 numbers are picked, else 3 when fewer than 3, else 7
// when the stake exceeds the record's money, else 0.
int CheckKenoBet(const KenoServerRecord& record);

// Reads "count,stake,pick1,...,pick10" ("%i" each) into the record's count,
// stake and picks. 1, or 0 when the text does not hold 12 numbers (the
// record is then untouched).
int ReadKenoBetList(const char* text, KenoServerRecord* record);

// 1 when count is 3..10, exactly count slots are not empty, and the numbers
// in them are distinct numbers of the board.
int AreKenoPicksSound(const KenoServerRecord& record);

// Fills drawn with 20 distinct numbers 1..80: each one random() mod 80 + 1,
// drawn again while it repeats an earlier one. random answers 0..32767.
void DrawKenoNumbers(int (*random)(), std::int32_t drawn[kKenoDrawn]);

// How many of the picked numbers were drawn.
int CountKenoMatches(const KenoServerRecord& record);

// 1 when a saved record is one the server can run: a state of the machine,
// a stake and count a bet can have (0 before the first bet), sound picks and
// either no draw yet or 20 distinct numbers of the board.
int IsSoundKenoRecord(const KenoServerRecord& record);

}  // namespace pd
