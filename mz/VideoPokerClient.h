// The Video Poker game client: a 36-state machine stepped once per frame
// with the client link end. Deal sends FIRSTDEAL, the five cards turn face
// up, the player holds cards, the others turn face down, FINALDEAL brings
// the new ones, the result is shown and the next hand begins.
#pragma once

#include "framework/link/Comm.h"
#include "framework/shell/GameHooks.h"
#include "mz/VideoPokerClientRecord.h"

namespace mz {

enum VideoPokerClientState : int {
  kFlipFirstStart = 0, kFlipFirst = 1, kFlipFinalStart = 2, kFlipFinal = 3, kFlipBackStart = 4, kFlipBack = 5,
  kBuildInit = 6, kSendInit = 7, kWaitInit = 8, kBuildBeginPlay = 9, kSendBeginPlay = 10, kWaitBeginPlay = 11,
  kStartChoose = 12, kChoose = 13, kBuildFirstDeal = 14, kSendFirstDeal = 15, kWaitFirstDeal = 16,
  kStartHold = 17, kHolding = 18, kBuildFinalDeal = 19, kSendFinalDeal = 20, kWaitFinalDeal = 21,
  kBuildEndPlay = 22, kSendEndPlay = 23, kWaitEndPlay = 24, kBuildQuitEnd = 25, kSendQuitEnd = 26,
  kWaitQuitEnd = 27, kBuildExit = 28, kSendExit = 29, kWaitExit = 30, kEndWrite = 31, kEndHandBack = 32,
  kFatalWrite = 33, kFatalBox = 34, kFatalHandBack = 35,
};

// The coin value of the machine (0.25, 1 or 5).
extern double gCoinValue;
// 1 in the "Choose!" state: money may go in and out and bets be made.
extern int gWaiting;
// State changes since BEGINPLAY; logged with every press.
extern int gClientStep;

using VideoPokerClientHooks = CClientHooks<VideoPokerClientRecord>;

VideoPokerClientRecord* CreateClientRecord();
void DestroyClientRecord(VideoPokerClientRecord* record);
int ClientRun(VideoPokerClientRecord* record, CComm& comm, int userId);
// '1'..'5' hold requests, 'D' the deal request; others nothing.
void ClientPressKey(VideoPokerClientRecord* record, int key);
void ClientClearKeys(VideoPokerClientRecord* record);
// A CARDn of the received packet into the hand: 1, or 0 with the message
// set and the fatal state entered. A value must lie in 1..13.
int ReadCardTag(VideoPokerClientRecord* record, CComm& comm, int* suit, int* value, int index);
// An empty hook a test may watch.
void ClientTrace(const char* text);
void ResetClientMachine();

}  // namespace mz
