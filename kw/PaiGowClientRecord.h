// The Pai Gow Poker client's record: the cards of both players, the split,
// the bet and the money, the player's requests and the texts of the client
// machine. It lives for the program run and is never stored.
#pragma once

#include <cstdint>

namespace kw {

struct PaiGowClientRecord {
  std::int32_t playerCards[7];  // as dealt
  std::int32_t dealerCards[7];
  std::int32_t result;  // 0 player, 1 dealer, 2 push
  std::int32_t wonHigh;
  std::int32_t wonLow;
  std::int32_t playerHigh[5];
  std::int32_t playerLow[2];
  std::int32_t dealerHigh[5];
  std::int32_t dealerLow[2];
  std::int32_t dealerLowPositions[2];  // b, a as received
  std::int32_t flightIndex;
  std::int32_t flightSteps;
  std::int32_t state;  // 0..51
  double bet;
  double lastBet;  // what the bet area's click places again
  std::int32_t evaluation[3];
  // Requests from the buttons and keys (ClientKeyCommand).
  std::int32_t dealRequest;
  std::int32_t newGameRequest;
  std::int32_t doneRequest;
  std::int32_t exitRequest;
  std::int32_t moveRequest;  // 1..7: that row card to the 2nd hand; 0 none
  std::int32_t backRequest;  // 1, 2: that slot's card back; 0 none
  std::int32_t rowMap[7];
  std::int32_t slots[2];  // the row place (1..7) of each 2nd-hand card, 0 empty
  std::int32_t invalidHand;  // the split was refused ("cardfail")
  double money;
  double moneyAtStart;
  const char* errorText;
  double winShown;
  double minBet;
  double maxBet;
  char statusText[160];  // the fatal box's text
};

}  // namespace kw
