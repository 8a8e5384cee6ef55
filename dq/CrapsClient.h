// The Craps game client: a state machine stepped once per frame with the
// client link end. It opens the session with the game server, runs each
// round (BEGINPLAY, betting, ROLLDICE, SENDRESULT, the show of the roll,
// ENDPLAY), leaves on the player's request and shows fatal protocol errors.
#pragma once

#include "framework/link/Comm.h"
#include "framework/shell/GameHooks.h"
#include "dq/CrapsClientRecord.h"

namespace dq {

enum CrapsClientState : int {
  kClientBuildInit = 0,
  kClientSendInit = 1,
  kClientWaitInit = 2,
  kClientBuildBeginPlay = 3,
  kClientSendBeginPlay = 4,
  kClientWaitBeginPlay = 5,
  kClientStartBetting = 6,
  kClientBetting = 7,
  kClientBuildRoll = 8,
  kClientSendRoll = 9,
  kClientWaitBetAnswer = 10,
  kClientMovePuck = 11,
  kClientProcessResults = 12,
  kClientWaitResult = 14,
  kClientCallOut = 15,
  kClientMoveComeBet = 16,
  kClientDrawDice = 17,
  kClientMoveDontComeBet = 18,
  kClientMoney = 19,
  kClientThrow1 = 20,
  kClientThrow2 = 21,
  kClientClearRequests = 22,
  kClientPayWinners = 23,
  kClientThrow3 = 24,
  kClientCallBeforeThrow = 25,
  kClientPickup = 26,
  kClientTakeLosers = 27,
  kClientQuitReturn = 28,
  kClientSendResultRequest = 29,
  kClientBuildResultRequest = 30,
  kClientQuitForfeit = 31,
  kClientBuildQuitEnd = 32,
  kClientBuildEndPlay = 33,
  kClientSendEndPlay = 34,
  kClientWaitEndPlay = 35,
  kClientSendQuitEnd = 36,
  kClientWaitQuitEnd = 37,
  kClientBuildExit = 38,
  kClientSendExit = 39,
  kClientWaitExit = 40,
  kClientFatalConfig = 41,
  kClientFatalBox = 42,
  kClientEndConfig = 43,
  kClientEndHandBack = 44,
  kClientFatalHandBack = 45,
};

// State changes since the last BEGINPLAY; recorded with every button press.
extern int gTransitionCounter;
// Set by the Home key; shown once as the credits on the ticker while betting.
extern int gCreditsRequest;

// The client record through the shell's typed hooks.
using CrapsClientHooks = CClientHooks<CrapsClientRecord>;

// A zeroed record with the error text "No error", or null when no memory.
CrapsClientRecord* CreateClientRecord();
void DestroyClientRecord(CrapsClientRecord* record);
// One frame: 0 go on, -1 after CLIENTEXITANSWER was handed back, -2 after a
// fatal error was shown and handed back.
int ClientRun(CrapsClientRecord* record, CComm& comm);
// Roll and quit requests back to 0.
void ClearClientRequests(CrapsClientRecord* record);
// 'E' asks to quit, 'R' to roll; other keys do nothing.
void ClientKeyCommand(CrapsClientRecord* record, int key);
// The text of the last fatal error, "No error" before any.
const char* ClientErrorText();
// Start of a run: the machine's globals and the view, ticker, betting and
// animation state they drive.
void ResetClientMachine();

}  // namespace dq
