// The record of the Video Poker game client (never stored).
#pragma once

#include <cstdint>

#include "mz/HandCard.h"

namespace mz {

struct VideoPokerClientRecord {
  HandCard hand[5];
  std::int32_t flipPhase[5];
  std::int32_t state;
  std::int32_t dealRequest;
  std::int32_t holdRequest[5];
  char message[128];
  double money;     // the balance outside the machine
  double credits;   // the money in the machine
  double coinsBet;  // 0..5
  double lastCoinsBet;
  double moneyWon;
  std::int32_t quitRequest;
  std::int32_t handCode;
};

}  // namespace mz
