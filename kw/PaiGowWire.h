// The tag values of the Pai Gow commands: FIRSTCARDS, SECONDCARDS and
// DEALERCARDS.
#pragma once

#include <cstddef>

#include "kw/PaiGowServerRecord.h"

namespace kw {

inline constexpr std::size_t kCardsTextSize = 128;

// The player's 7 ids: "%i,%i,%i,%i,%i,%i,%i".
void FormatFirstCards(const PaiGowServerRecord& record, char out[kCardsTextSize]);
// After "ok": the dealer's 7 ids, the result, b, a (houseWay mod 10, div 10),
// won-high, won-low: 12 values.
void FormatDealerCardsShowdown(const PaiGowServerRecord& record, int houseWay,
                               char out[kCardsTextSize]);
// After "cardfail": the dealer's 7 ids, b, a: 9 values.
void FormatDealerCardsCardFail(const PaiGowServerRecord& record, int houseWay,
                               char out[kCardsTextSize]);
// Reads "%i,%i": two different 1-based positions 1..7. 1 and both stored
// as read; else 0 and nothing stored.
int ParseSecondCards(const char* text, std::int32_t* first, std::int32_t* second);

}  // namespace kw
