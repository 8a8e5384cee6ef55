// The Caribbean Poker client's record: the ten cards, the arranged hands,
// the ante, the money, the player's requests and the texts of the client
// machine. It lives for the program run and is never stored.
#pragma once

#include <cstdint>

#include "gz/HandArrangement.h"

namespace gz {

struct CaribbeanClientRecord {
  std::int32_t cards[10];  // the player's five, the up card, the dealer's other four
  std::int32_t outcome;    // as sent, or 4 after a surrender
  ArrangedHands hands;
  std::int32_t state;  // 0..41
  const char* errorText;  // the failed check's text
  double ante;
  double rebetAnte;
  std::int32_t dealRequest;
  std::int32_t surrenderRequest;
  std::int32_t callRequest;
  std::int32_t exitRequest;
  double money;
  double minAnte;
  double maxAnte;
  // The chip movement after the hand.
  double anteWin;
  double movedAnte;
  double callWin;
  double callBet;
  std::int32_t playerPaid;
  std::int32_t surrendered;
  double serverMoney;           // the balance in SECONDCARDS
  char statusText[300];         // the fatal box's text
  char nameText[21];            // the player's name, after every prompt
};

}  // namespace gz
