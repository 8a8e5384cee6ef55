// The Black Jack game client: a state machine stepped once per frame with
// the client link end. It opens the session, runs each game (BEGINPLAY, the
// bet, FIRSTDEAL, insurance, hits, stands, doubles and a split, the dealer's
// cards and the settlement, ENDPLAY), leaves on the player's request and
// shows fatal protocol errors.
#pragma once

#include "framework/link/Comm.h"
#include "framework/shell/GameHooks.h"
#include "hx/BlackJackClientRecord.h"

namespace hx {

enum BlackJackClientState : int {
  kBuildInit = 0, kSendInit = 1, kWaitInit = 2, kBuildBeginPlay = 3, kSendBeginPlay = 4, kWaitBeginPlay = 5,
  kStartBetting = 6, kBetting = 7, kBuildFirstDeal = 8, kBuildQuitEnd = 9, kSendFirstDeal = 10,
  kWaitFirstDeal = 11, kStartDeal = 12, kDealFirst = 13, kTurnSetUp = 14, kDecide = 15, kBuildStand = 16,
  kBuildHit = 17, kSendStand = 18, kWaitStand = 19, kBuildEndPlay = 22, kSendHit = 23, kWaitHit = 24,
  kWaitBust = 25, kStartHitFlight = 26, kHitFlight = 28, kSendEndPlay = 29, kWaitEndPlay = 30,
  kSendQuitEnd = 31, kWaitQuitEnd = 32, kBuildExit = 33, kSendExit = 34, kWaitExit = 35, kFatalConfig = 36,
  kFatalBox = 37, kEndConfig = 38, kEndHandBack = 39, kFatalHandBack = 40, kSplitChips = 41,
  kWaitSplitChips = 42, kGather = 43, kWaitGather = 44, kAskContinue = 45, kWaitContinue = 46,
  kStartNextHand = 47, kNextHandFlight = 48, kStartDealerTurn = 49, kDealerTurnFlight = 50,
  kSendInsurance = 51, kWaitInsurance = 52, kBuildWantDealer = 53, kSendWantDealer = 54,
  kWaitWantDealer = 55, kStartDealerCards = 56, kDealerCards = 57, kBuildInsurance = 58,
  kStartBustFlight = 59, kBustFlight = 60, kBuildDouble = 61, kSendDouble = 62, kWaitDouble = 63,
  kBuildSplit = 64, kSendSplit = 65, kWaitSplit = 66, kStartSplit = 67, kSplitFlight = 68,
  kStartFirstSplitCard = 69, kFirstSplitCard = 70, kStartSecondSplitCard = 71, kSecondSplitCard = 72,
  kStartDealerSweep = 73, kDealerSweep = 74, kBackToDiscard = 75, kWaitBackToDiscard = 76,
  kStartFirstSweep = 77, kFirstSweep = 78, kStartSecondSweep = 79, kSecondSweep = 80, kStartHandSweep = 81,
  kHandSweep = 82, kSettleChips = 83, kWaitSettleChips = 84, kStartDealerBack = 85, kDealerBack = 86,
};

// The logged event that carries the insurance answer (+ 10000) across a
// restore, beside the last bet's (kw/CardGameShell.h).
inline constexpr int kInsuranceEvent = 10002;

// State changes since BEGINPLAY was sent; logged with every press.
extern int gClientStep;
// Set by "Start a new game" or, with that button switched off, any click or key.
extern int gContinueFlag;

using BlackJackClientHooks = CClientHooks<BlackJackClientRecord>;

BlackJackClientRecord* CreateClientRecord();
void DestroyClientRecord(BlackJackClientRecord* record);
int ClientRun(BlackJackClientRecord* record, CComm& comm, int userId);
// 'D' deal, 'E' exit, 'H' hit, 'O' double, 'P' split, 'S' stand.
void PostClientCommand(BlackJackClientRecord* record, int code);
void ClearInputFlags(BlackJackClientRecord* record);
// The client's copy of the server's change of hand: the dealer's turn, or
// the second split hand into play.
int NextSplitHandClient(BlackJackClientRecord* record);
// 1 while the bet may change (state 7).
int BettingOpen();
void ResetClientMachine();

}  // namespace hx
