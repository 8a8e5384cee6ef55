// The Baccarat client's record: the coup as received, the three stakes and
// the last ones, the limits, the money, the selected chip, the player's
// requests and the texts of the client machine. It lives for the program
// run and is never stored.
#pragma once

#include <cstdint>

#include "sq/BaccaratWire.h"

namespace sq {

// chipSelection when no chip is selected.
inline constexpr int kNoChip = 6;

struct BaccaratClientRecord {
  std::int32_t state;  // 0..33
  CoupCards coup;
  double bets[3];      // Player, Banker, Tie (BetArea)
  double lastBets[3];  // the stakes of the last DEAL
  std::int32_t dealRequest;
  std::int32_t exitRequest;
  double money;
  double moneyAtBegin;
  double betsOnTable;
  double minBet;
  double maxBet;
  double maxTable;
  std::int32_t chipSelection;  // 0..4, kNoChip
  std::int32_t chipAmount;
  std::int32_t chipRemoveAmount;
  std::int32_t autoPress;  // the client presses a chip button on the player's behalf
  const char* errorText;   // the failed check's text
  char statusText[300];    // the fatal box's text
};

}  // namespace sq
