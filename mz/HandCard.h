// The five cards of the machine, as both the server and the client keep them.
#pragma once

#include <cstdint>

namespace mz {

inline constexpr int kHandCards = 5;

// One card on the screen: suit 0..3, value 1..13 (ace 1); hold 1 when it
// is held.
struct HandCard {
  std::int32_t suit;
  std::int32_t value;
  std::int32_t hold;
};
static_assert(sizeof(HandCard) == 12, "stored in the saved server record");

}  // namespace mz
