// The Black Jack client's record: its own copy of the cards, the bet and the
// piles on the table, the player's input flags and the texts of the client
// machine. It lives for the program run and is never stored.
#pragma once

#include <cstdint>

#include "hx/BlackJackLayout.h"
#include "hx/CardList.h"

namespace hx {

struct BlackJackClientRecord {
  CardList current;  // the hand being played
  CardList dealer;
  CardList firstHand;    // as finished
  CardList secondHand;   // as finished, after a split
  CardList pendingHand;  // the second hand while the first is played
  std::int32_t state;    // 0..86
  double bet;            // this game's stake (doubled by a double)
  double lastBet;        // what "Bet old sum again" places
  // Input flags of PostClientCommand, cleared together.
  std::int32_t dealFlag;
  std::int32_t standFlag;
  std::int32_t hitFlag;
  std::int32_t doubleFlag;
  std::int32_t splitFlag;
  std::int32_t exitFlag;
  double money;  // the free balance last reported
  double moneyAtStart;
  const char* errorText;
  std::int32_t splitState;  // 0 none, 1 first hand in play, 2 second
  std::int32_t doubleState;  // 0, 1 card owed, 2 card taken
  std::int32_t splitAces;
  double lostPiles[2];  // the first hand's stake and double, gone at its bust
  double piles[kPiles];
  double wins[2];  // hand 1 and hand 2 after the settlement
  double minBet;
  double maxBet;
  std::int32_t splitPhase;  // the hand pointer: 0 none, 1 first, 2 second
  char statusText[160];
  char* statusPrompt;  // heap, composed by PrintStatusPrompt
};

}  // namespace hx
