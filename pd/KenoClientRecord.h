// The Keno client's record: the board, the last bet, the draw, the stake and
// the money, the player's requests and the texts of the client machine. It
// lives for the program run and is never stored.
#pragma once

#include <cstdint>

#include "pd/KenoWire.h"

namespace pd {

struct KenoClientRecord {
  std::int32_t state;        // 0..31
  std::int32_t quitRequest;  // the player confirmed "Return to main menu?"
  std::int32_t lastBet[kLastBetEntries];  // the board as SHOOT was sent (space-bar rebet)
  std::int32_t count;                     // numbers marked now
  std::int32_t drawn[kKenoDrawn];         // the last WINLIST, in drawing order
  std::int32_t board[kBoardEntries];      // by button id - 31
  std::int32_t winFlag;
  std::int32_t stake;  // dollars: 0, 1, 5 or 10
  std::int32_t lastStake;
  std::int32_t lastCount;
  std::int32_t newGameRequest;  // 'N'
  std::int32_t shootRequest;    // 'S'
  std::int32_t winReturn;       // dollars of the last WINLIST
  double money;
  const char* statusText;
  char fatalText[200];  // the fatal box's text
};

}  // namespace pd
