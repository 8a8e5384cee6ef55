// The CARDS text of DEALANSWER read back by the client: six card ids in
// slot order, their six point values, the result, the win and the winner.
// Logic alone.
#pragma once

#include <cstdint>

#include "sq/BaccaratServerRecord.h"

namespace sq {

struct CoupCards {
  std::int32_t cards[kCoupCards];   // 0..51; kNotDrawn in a third-card slot
  std::int32_t points[kCoupCards];  // 0..9
  std::int32_t result;              // BaccaratResult
  double win;
  std::int32_t winner;              // CoupWinner
};

// 1 when text holds the 15 fields and every one lies in its range (a card
// 0..51, kNotDrawn allowed for the two third cards, points 0..9, result
// 0..3, winner 0..2, a finite win of 0 or more); else 0 and coup untouched.
int ParseCoupCards(const char* text, CoupCards* coup);

}  // namespace sq
