// The client's reading of the Caribbean answers' card tags. Each answers 1
// with every value stored, else 0 and nothing stored: the ids index
// pictures, so each must lie in 0..51.
#pragma once

#include <cstdint>

namespace gz {

// FIRSTCARDS: the player's five ids and the dealer's up card.
int ParseFirstCards(const char* text, std::int32_t ids[6]);

struct SecondCards {
  std::int32_t ids[4];   // the dealer's other four cards
  std::int32_t outcome;  // 0 player, 1 dealer, 2 not qualified, 3 push
  double money;          // the balance after the settlement
};
// SECONDCARDS after a surrender: four ids.
int ParseSurrenderCards(const char* text, SecondCards* cards);
// SECONDCARDS after a call: four ids, the outcome 0..3 and the money.
int ParseCallCards(const char* text, SecondCards* cards);

}  // namespace gz
