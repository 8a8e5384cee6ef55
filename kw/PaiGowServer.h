// The Pai Gow Poker program's local game server: a 23-state machine stepped
// once per frame with the server link end. It deals the 14 cards at
// BEGINPLAY, takes the bet at FIRSTDEAL, checks the player's split at
// PLAYERDONE, sets the dealer's hands by the house way and settles.
//
// Cards come from ServerRandomNumber (framework/game/ServerFrame.h), so a
// restored round deals what the interrupted one dealt.
#pragma once

#include <cstddef>

#include "framework/game/ServerFrame.h"
#include "framework/game/ServerShell.h"
#include "framework/link/Comm.h"
#include "kw/PaiGowProtocol.h"
#include "kw/PaiGowServerRecord.h"
#include "kw/RecordCheck.h"

namespace kw {

// States of GameServerRun.
enum PaiGowServerState : int {
  kServerWaitClientInit = 0,
  kServerSendClientInit = 1,
  kServerWaitBeginPlay = 2,
  kServerSendBeginPlay = 3,
  kServerWaitDealOrQuit = 4,
  kServerTakeBet = 5,
  kServerSendFirstCards = 6,
  kServerWaitPlayerDone = 7,
  kServerCheckSplit = 8,
  kServerShowdown = 9,
  kServerSendShowdown = 10,
  kServerCardFail = 11,
  kServerSendCardFail = 12,
  kServerWaitEndPlay = 13,
  kServerSendEndPlay = 14,
  kServerWaitEndPlayQuit = 15,  // never entered: as 13, then the quit
  kServerSendQuit = 16,
  kServerWaitClientExit = 17,
  kServerSendClientExit = 18,
  kServerExitSent = 19,
  kServerSendFailure = 20,
  kServerEnded = 21,
  kServerFailed = 22,
};
static_assert(kServerFailed + 1 == kPaiGowServerStates);

// The table limits read at CLIENTINIT into minBet and maxBet.
inline constexpr game::ServerLimitTag kPaiGowLimits[] = {
    {kMinBetTag, "minBetPaiGowPoker"},
    {kMaxBetTag, "maxBetPaiGowPoker"},
};
inline constexpr int kPaiGowLimitCount = sizeof(kPaiGowLimits) / sizeof(kPaiGowLimits[0]);

// ServerInit, ServerFree, GameServerPlayback and GameServerLoad (exactly
// kPaiGowServerRecordSize bytes that IsSoundServerRecord accepts) of the
// shared shell, over the Pai Gow layout: the game name first.
using PaiGowServerShell =
    game::CServerShell<PaiGowServerRecord, offsetof(PaiGowServerRecord, gameName), IsSoundServerRecord>;

// One frame: 0 go on, -1 after CLIENTEXITANSWER went out (for ever), -2
// after a failure answer went out (for ever). userId goes to the account.
int GameServerRun(PaiGowServerRecord& record, CComm& comm, int userId);
// Restore hook for a removed game, also called at the fatal end: nothing is
// left open in Pai Gow.
void GameServerOnRemove(PaiGowServerRecord& record, int userId);

}  // namespace kw
