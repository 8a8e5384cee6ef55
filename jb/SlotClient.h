// The Slot game client: a state machine stepped once per frame with the
// client link end. A bet and Spin (or the lever) send one SPIN; the reels
// turn until the answer is in, stop one by one on the server's stops, and
// the win is paid into the credits before the next round begins.
#pragma once

#include "framework/link/Comm.h"
#include "framework/shell/GameHooks.h"
#include "jb/SlotClientRecord.h"
#include "jb/SlotRules.h"

namespace jb {

enum SlotClientState : int {
  kBuildInit = 0, kSendInit = 1, kWaitInit = 2, kBuildBeginPlay = 3, kSendBeginPlay = 4, kWaitBeginPlay = 5,
  kRoundOpen = 6, kWaitSpinRequest = 7, kSpinDelay = 8, kBuildSpin = 9, kSendSpin = 10, kWaitSpin = 11,
  kSpinning = 12, kStopFirstReel = 23, kStopSecondReel = 24, kStopThirdReel = 25, kPayout = 26,
  kSendEndPlay = 27, kBuildEndPlay = 28, kBuildQuitEnd = 29, kWaitEndPlay = 30, kSendQuitEnd = 31,
  kWaitQuitEnd = 32, kBuildExit = 33, kSendExit = 34, kWaitExit = 35, kFatalWrite = 36, kFatalBox = 37,
  kEndWrite = 38, kEndHandBack = 39, kFatalHandBack = 40,
};

// The machine value (0.25, 1 or 5) and the float copy Slot.cfg keeps.
extern double gMachineValue;
extern float gMachineValueCopy;
// Set at start and by Spin, Bet 3 coins, Enter and the lever; cleared at
// every BEGINPLAYANSWER. No machine change while it is set.
extern int gSpinPending;
// The coin insert and the cash-out coin drop are running.
extern int gCoinIn;
extern int gCashOut;
extern int gCashOutCoins;
// The stops of the last WINLIST.
extern int gReelStops[kReels];

using SlotClientHooks = CClientHooks<SlotClientRecord>;

SlotClientRecord* CreateClientRecord();
void DestroyClientRecord(SlotClientRecord* record);
int ClientRun(SlotClientRecord* record, CComm& comm, int userId);
// 'S' sets the spin request; other codes nothing.
void PostClientCommand(SlotClientRecord* record, int code);
void ClearSpinRequest(SlotClientRecord* record);
void ResetClientMachine();

}  // namespace jb
