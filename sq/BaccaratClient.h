// The Baccarat game client: a 34-state machine stepped once per frame with
// the client link end. It opens the session, runs each coup (BEGINPLAY, the
// stakes, DEAL, the cards and totals, the payout, ENDPLAY), leaves on the
// player's request and shows fatal protocol errors.
#pragma once

#include "framework/link/Comm.h"
#include "framework/shell/GameHooks.h"
#include "sq/BaccaratClientRecord.h"

namespace sq {

enum BaccaratClientState : int {
  kBuildInit = 0, kSendInit = 1, kWaitInit = 2, kBuildBeginPlay = 3, kSendBeginPlay = 4,
  kWaitBeginPlay = 5, kOpenBetting = 6, kBetting = 7, kBuildDeal = 8, kSendDeal = 9,
  kWaitDeal = 10, kDealCards = 11, kShowTotals = 12, kThirdCards = 13, kShowResult = 14,
  kAskNewGame = 15, kWaitNewGame = 16, kPayout = 17, kClearCards = 18, kAnnounce = 19,
  kBuildQuitEnd = 20, kBuildEndPlay = 21, kSendEndPlay = 22, kWaitEndPlay = 23, kSendQuitEnd = 24,
  kWaitQuitEnd = 25, kBuildExit = 26, kSendExit = 27, kWaitExit = 28, kFatalConfig = 29,
  kFatalBox = 30, kEndConfig = 31, kEndHandBack = 32, kFatalHandBack = 33,
};

// The frames the totals stay up with voice samples off.
inline constexpr int kTotalsPauseFrames = 50;

// The logged events that carry the last Player, Banker and Tie stakes
// (+ 10000) across a restore, for the space-bar rebet.
inline constexpr int kLastBetEvents[] = {10001, 10002, 10003};

// State changes since BEGINPLAY was sent; logged with every press.
extern int gClientStep;
// Set by "Start a new game" or, with that button switched off, any click or key.
extern int gContinueRequest;

using BaccaratClientHooks = CClientHooks<BaccaratClientRecord>;

BaccaratClientRecord* CreateClientRecord();
void DestroyClientRecord(BaccaratClientRecord* record);
// One frame: 0 go on, -1 after CLIENTEXITANSWER was handed back, -2 after a
// fatal error was shown and handed back.
int ClientRun(BaccaratClientRecord* record, CComm& comm, int userId);
// 'D' deal, 'E' exit; other letters do nothing.
void ClientPressKey(BaccaratClientRecord* record, int letter);
void ClientClearKeys(BaccaratClientRecord* record);
// 1 while chips may be placed (state 7).
int BettingOpen();
// Start of a run.
void ResetClientMachine();

}  // namespace sq
