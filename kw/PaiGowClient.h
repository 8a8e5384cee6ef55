// The Pai Gow Poker game client: a state machine stepped once per frame with
// the client link end. It opens the session, runs each round (BEGINPLAY,
// the bet, FIRSTDEAL, the split, PLAYERDONE, the showdown, ENDPLAY), leaves
// on the player's request and shows fatal protocol errors.
#pragma once

#include "framework/link/Comm.h"
#include "framework/shell/GameHooks.h"
#include "kw/PaiGowClientRecord.h"

namespace kw {

enum PaiGowClientState : int {
  kBuildInit = 0, kSendInit = 1, kWaitInit = 2, kBuildBeginPlay = 3, kSendBeginPlay = 4,
  kWaitBeginPlay = 5, kStartBetting = 6, kBetting = 7, kBuildFirstDeal = 8, kSendFirstDeal = 9,
  kWaitFirstDeal = 10, kStartArranging = 11, kArranging = 12, kBuildDone = 13, kSendDone = 14,
  kWaitDone = 15, kSecondHandFull = 16, kReadyForDone = 17, kPayout = 18, kSwapDeck = 19,
  kDeal = 20, kAskNewGame = 21, kWaitNewGame = 22, kTurnDealer = 23, kSweep = 24,
  kShowResult = 26, kTurnPlayer = 27, kMoveFirst = 28, /* .. 34 */ kBackSlot1 = 35, kBackSlot2 = 36,
  kOrderHands = 37, kBuildQuitEnd = 38, kBuildEndPlay = 39, kSendEndPlay = 40, kWaitEndPlay = 41,
  kSendQuitEnd = 42, kWaitQuitEnd = 43, kBuildExit = 44, kSendExit = 45, kWaitExit = 46,
  kFatalConfig = 47, kFatalBox = 48, kEndConfig = 49, kEndHandBack = 50, kFatalHandBack = 51,
};

// Requests of ClientKeyCommand.
inline constexpr int kRequestDeal = 68;
inline constexpr int kRequestExit = 69;
inline constexpr int kRequestDone = 78;
inline constexpr int kRequestNewGame = 83;
inline constexpr int kRequestMoveFirst = 17201;  // .. 17207
inline constexpr int kRequestBackSlot1 = 21297;
inline constexpr int kRequestBackSlot2 = 21298;
// The logged event that carries the last bet (+ 10000) across a restore.
inline constexpr int kLastBetEvent = 10001;
// The logged event that carries the round's deck design (+ 10000), so a
// restored round shows the deck it was played with.
inline constexpr int kDeckDesignEvent = 10002;

// State changes since BEGINPLAY was sent; logged with every press.
extern int gClientStep;
// Set by "Start a new game" or, with that button switched off, any click or key.
extern int gNewGameMark;

using PaiGowClientHooks = CClientHooks<PaiGowClientRecord>;

PaiGowClientRecord* CreateClientRecord();
void DestroyClientRecord(PaiGowClientRecord* record);
// One frame: 0 go on, -1 after CLIENTEXITANSWER was handed back, -2 after a
// fatal error was shown and handed back.
int ClientRun(PaiGowClientRecord* record, CComm& comm, int userId);
void ClientKeyCommand(PaiGowClientRecord* record, int code);
// Every request but the exit request back to 0.
void ClearClientRequests(PaiGowClientRecord* record);
// 1 while the bet may change (state 7).
int BettingOpen();
// Start of a run.
void ResetClientMachine();

}  // namespace kw
