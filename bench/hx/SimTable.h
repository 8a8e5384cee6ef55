// The real Black Jack server on a scripted link: the simulation plays the
// client's side packet by packet and checks every answer against its own
// arithmetic (SimHand.h): the cards, the dealer's draws, the result word
// and the account to the cent after every round.
#pragma once

#include "bench/hx/SimHand.h"
#include "bench/support/ScriptedServerLink.h"
#include "framework/link/KeyValueList.h"
#include "hx/BlackJackServerRecord.h"

namespace hx::sim {

inline constexpr double kSimBet = 10;

struct RoundOutcome {
  double net = 0;           // the hands, per unit of the bet
  double insuranceNet = 0;  // per unit of the insurance stake
  bool insured = false;
  bool natural = false;     // the player was dealt one
  int up = 0;               // the dealer's up rank
  int dealerClass = -1;     // where he ended when he drew to 17, else -1
};

class CSimTable {
 public:
  explicit CSimTable(double balance);
  ~CSimTable();
  CSimTable(const CSimTable&) = delete;
  CSimTable& operator=(const CSimTable&) = delete;

  // CLIENTINIT; 1 when answered "ok".
  int Open();
  // One round from BEGINPLAY to ENDPLAY: 1 with the outcome, 0 after
  // printing what the server did wrong.
  int PlayRound(Strategy strategy, int insure, RoundOutcome* outcome);
  // BEGINPLAY, ENDPLAY, CLIENTEXIT; 1 when the server then ended.
  int Quit();

 private:
  const CKeyValueList* Exchange(const char* packet);
  // Plays one hand to its stand or bust; locked after splitting aces.
  // dealerCardAtBust: a bust brings the dealer's card. 1, or 0 after
  // printing what went wrong.
  int PlayHand(Strategy strategy, int up, bool locked, bool dealerCardAtBust, SimHand* hand,
               bool* doubled, SimHand* dealer);
  // Adds the cards named by owner in the last answer to hand (their ranks
  // to ranks when not null) and answers how many; -1 for a card
  // that is malformed or dealt twice this round.
  int TakeCards(const char* owner, SimHand* hand, int* ranks);
  int Fail(const char* what);

  BlackJackServerRecord* record_;
  CScriptedServerLink link_;
  double expected_;
  unsigned long long seen_ = 0;  // cards dealt this round, bit suit*13+value-1
};

}  // namespace hx::sim
