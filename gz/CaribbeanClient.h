// The Caribbean Poker game client: a 42-state machine stepped once per
// frame with the client link end. It opens the session, runs each hand
// (BEGINPLAY, the ante, FIRSTDEAL, the surrender or the call, the dealer's
// cards, the payout, ENDPLAY), leaves on the player's request and shows
// fatal protocol errors.
#pragma once

#include "framework/link/Comm.h"
#include "framework/shell/GameHooks.h"
#include "gz/CaribbeanClientRecord.h"

namespace gz {

enum CaribbeanClientState : int {
  kBuildInit = 0, kSendInit = 1, kWaitInit = 2, kBuildBeginPlay = 3, kSendBeginPlay = 4,
  kWaitBeginPlay = 5, kStartAnte = 6, kAnte = 7, kBuildFirstDeal = 8, kSendFirstDeal = 9,
  kWaitFirstDeal = 10, kStartChoice = 11, kChoice = 12, kBuildSurrender = 13, kSendSurrender = 14,
  kWaitSurrender = 15, kBuildCall = 16, kSendCall = 17, kWaitCall = 18, kAnteTooBig = 19,
  kDeal = 20, kAskNewGame = 21, kWaitNewGame = 22, kTurnDealer = 23, kGatherCards = 24,
  kShowHands = 25, kShowResult = 26, kMoveChips = 27, kBuildQuitEnd = 28, kBuildEndPlay = 29,
  kSendEndPlay = 30, kWaitEndPlay = 31, kSendQuitEnd = 32, kWaitQuitEnd = 33, kBuildExit = 34,
  kSendExit = 35, kWaitExit = 36, kFatalConfig = 37, kFatalBox = 38, kEndConfig = 39,
  kEndHandBack = 40, kFatalHandBack = 41,
};

// The outcome after a surrender.
inline constexpr int kOutcomeSurrendered = 4;
// The logged event that carries the rebet ante (+ 10000) across a restore.
inline constexpr int kLastAnteEvent = 10001;
// The logged event that carries the hand's deck look (+ 10000), so a
// restored hand shows the deck it was played with.
inline constexpr int kDeckLookEvent = 10002;

// State changes since BEGINPLAY was sent; logged with every press.
extern int gClientStep;
// Set by "Start a new game" or, with that button switched off, any click or key.
extern int gContinueMark;

using CaribbeanClientHooks = CClientHooks<CaribbeanClientRecord>;

CaribbeanClientRecord* CreateClientRecord();
void DestroyClientRecord(CaribbeanClientRecord* record);
// One frame: 0 go on, -1 after CLIENTEXITANSWER was handed back, -2 after a
// fatal error was shown and handed back.
int ClientRun(CaribbeanClientRecord* record, CComm& comm, int userId);
// Makes the text, a blank and the player's name the status line's default
// text.
void ClientSetMessage(CaribbeanClientRecord* record, const char* text);
// 'B' call, 'D' deal, 'E' exit, 'S' surrender; other letters do nothing.
void ClientKeyCommand(CaribbeanClientRecord* record, int letter);
// Deal, surrender and call back to 0 (not exit).
void ClearClientRequests(CaribbeanClientRecord* record);
// 1 while the ante may change (state 7).
int AntePhaseOpen();
void SetAntePhase(int on);
// Start of a run.
void ResetClientMachine();

}  // namespace gz
