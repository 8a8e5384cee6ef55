// The Video Poker program's local game server: a jacks-or-better draw
// machine stepped once per frame with the server link end. It shuffles a
// deck at BEGINPLAY, deals five cards at FIRSTDEAL, replaces the cards not
// held at FINALDEAL, pays from VideoPokerPayTable by the coins bet and
// settles the net on the local account.
//
// Cards come from ServerRandomNumber (framework/game/ServerFrame.h), whose
// state the BEGINPLAY save point carries.
#pragma once

#include <cstddef>

#include "framework/game/ServerShell.h"
#include "framework/link/Comm.h"
#include "mz/VideoPokerServerRecord.h"

namespace mz {

// States of GameServerRun (8 to 14 and 17 are not used).
enum VideoPokerServerState : int {
  kServerWaitClientInit = 0,
  kServerSendClientInit = 1,
  kServerWaitBeginPlay = 2,
  kServerSendBeginPlay = 3,
  kServerWaitDealOrQuit = 4,
  kServerFirstDeal = 5,
  kServerSendFirstDeal = 6,
  kServerWaitFinalDeal = 7,
  kServerWaitEndPlay = 15,
  kServerSendEndPlay = 16,
  kServerSendQuit = 18,
  kServerWaitClientExit = 19,
  kServerSendClientExit = 20,
  kServerExitSent = 21,
  kServerSendFailure = 22,
  kServerEnded = 23,
  kServerFailed = 24,
  kServerFinalDeal = 25,
  kServerSendFinalDeal = 26,
};

// 1 when a saved record is one the server can run: a state of its machine,
// code "MZ", a deck of 0..52 valid cards, hand cards valid or empty, hold
// flags 0 or 1, a coin value of the machine (0 before the first deal), a
// pending stake of 0 or 1..5 whole coins, and a finite balance.
int IsVideoPokerServerRecord(const VideoPokerServerRecord& record);

// ServerInit, ServerFree, GameServerPlayback and GameServerLoad ("MZDATA",
// exactly kVideoPokerServerRecordSize bytes that IsVideoPokerServerRecord
// accepts) of the shared shell.
using VideoPokerServerShell =
    game::CServerShell<VideoPokerServerRecord, offsetof(VideoPokerServerRecord, gameCode),
                       IsVideoPokerServerRecord>;

// One frame: 0 go on, -1 after CLIENTEXITANSWER went out (for ever), -2
// after a failure answer went out (for ever). userId goes to the account.
int GameServerRun(VideoPokerServerRecord& record, CComm& comm, int userId);
// Restore hook for a removed game, and the end of a failed one: a dealt
// hand not yet settled loses its stake.
void GameServerOnRemove(VideoPokerServerRecord& record, int userId);

// The top card of the deck: 1, or 0 after answering "fail" with "Couldn't
// take card" (as the answer of the deal under way) and entering the
// failure state.
int TakeCardOrFail(CComm& comm, VideoPokerServerRecord& record, int* suit, int* value);
// The received yes/no tag: 1 or 0; -1 after answering FINALDEALANSWER
// "fail" with "Can't find tag " and the name, and entering the failure
// state.
int ReadHoldTag(CComm& comm, VideoPokerServerRecord& record, const char* name);

}  // namespace mz
