// The Roulette game client: a state machine stepped once per frame with
// the client link end. It runs the protocol with the Roulette server and
// the round's presentation: betting, the spin, the wheel and the ball, the
// marker on the number, the lost chips collected, the call-out, the wins
// paid and the wait for the next round.
#pragma once

#include "framework/link/Comm.h"
#include "framework/shell/GameHooks.h"
#include "wl/RouletteClientRecord.h"

namespace wl {

enum RouletteClientState : int {
  kBuildInit = 0, kSendInit = 1, kWaitInit = 2, kBuildBeginPlay = 3, kSendBeginPlay = 4, kWaitBeginPlay = 5,
  kOpenBetting = 6, kBetting = 7, kBuildSpin = 8, kTurnToNumber = 9, kSendSpin = 10, kWaitSpin = 11,
  kSpinWait = 12, kBallRun = 13, kMarkNumber = 14, kCollect = 15, kPushNumber = 16, kClearTable = 17,
  kShowMarker = 18, kPay = 19, kAnnounce = 20, kAskNext = 21, kWaitNext = 22, kSendEndPlay = 23,
  kBuildEndPlay = 24, kBuildQuitEnd = 25, kWaitEndPlay = 26, kSendQuitEnd = 27, kWaitQuitEnd = 28,
  kBuildExit = 29, kSendExit = 30, kWaitExit = 31, kFatalWrite = 32, kFatalBox = 33, kEndWrite = 34,
  kEndHandBack = 35, kFatalHandBack = 36,
};

// The spin request of PostClientCommand.
inline constexpr int kSpinRequest = 83;
// Frames the marker stands before the lost chips are collected.
inline constexpr int kMarkerFrames = 62;

// Program-wide state of a round.
extern int gDrawnNumber;
extern int gSomeSlotWon;
extern int gBettingLocked;  // 1 while betting input is ignored
extern int gRebetKey;       // Space was pressed
extern int gAnyKey;         // a key or mouse button was pressed

using RouletteClientHooks = CClientHooks<RouletteClientRecord>;

RouletteClientRecord* CreateClientRecord();
void DestroyClientRecord(RouletteClientRecord* record);
int ClientRun(RouletteClientRecord* record, CComm& comm, int userId);
void PostClientCommand(RouletteClientRecord* record, int code);
void ClearSpinRequest(RouletteClientRecord* record);
// The last bets again when the money covers them: the table cleared, the
// stakes on it returned, then each slot's last bet placed.
void Rebet(RouletteClientRecord* record);
void ResetClientMachine();

}  // namespace wl
