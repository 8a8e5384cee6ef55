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

namespace kw {

// The client's reading of the answers. Each answers 1 with every value
// stored, else 0 and nothing stored: the ids index pictures, so each must
// lie in 0..52 and name a different card, and the dealer's positions 0..6
// and differ.
int ParseFirstCards(const char* text, std::int32_t ids[7]);

struct DealerCards {
  std::int32_t ids[7];
  std::int32_t result;   // 0 player, 1 dealer, 2 push (0 after "cardfail")
  std::int32_t low[2];   // b, a: the 0-based positions of his 2-card hand
  std::int32_t wonHigh;
  std::int32_t wonLow;
};
// After "ok" (showdown 1): 12 values; after "cardfail" (showdown 0): 9.
int ParseDealerCards(const char* text, int showdown, DealerCards* cards);

}  // namespace kw
