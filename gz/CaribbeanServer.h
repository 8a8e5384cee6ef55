// The Caribbean Poker program's local game server: a 21-state machine
// stepped once per frame with the server link end. It deals at BEGINPLAY,
// debits the ante at FIRSTDEAL and settles the call at PLAYERBET against
// the local account.
//
// Cards come from ServerRandomNumber (framework/game/ServerFrame.h).
#pragma once

#include <cstddef>

#include "framework/game/ServerFrame.h"
#include "framework/game/ServerShell.h"
#include "framework/link/Comm.h"
#include "gz/CaribbeanProtocol.h"
#include "gz/CaribbeanServerRecord.h"

namespace gz {

// States of GameServerRun.
enum CaribbeanServerState : int {
  kServerWaitClientInit = 0,
  kServerSendClientInit = 1,
  kServerWaitBeginPlay = 2,
  kServerSendBeginPlay = 3,
  kServerWaitFirstDeal = 4,
  kServerCheckAnte = 5,
  kServerSendFirstDeal = 6,
  kServerWaitCall = 7,
  kServerSurrender = 8,
  kServerSettle = 9,
  kServerSendSecondCards = 10,
  kServerWaitEndPlay = 11,
  kServerSendEndPlay = 12,
  kServerWaitQuitEndPlay = 13,
  kServerSendQuit = 14,
  kServerWaitClientExit = 15,
  kServerSendClientExit = 16,
  kServerExitSent = 17,
  kServerSendFailure = 18,
  kServerEnded = 19,
  kServerFailed = 20,
  kCaribbeanServerStates = 21,
};

// The table limits read at CLIENTINIT into minAnte and maxAnte.
inline constexpr game::ServerLimitTag kCaribbeanLimits[] = {
    {kMinBetTag, "minBetCaribbeanStud"},
    {kMaxBetTag, "maxBetCaribbeanStud"},
};
inline constexpr int kCaribbeanLimitCount = sizeof(kCaribbeanLimits) / sizeof(kCaribbeanLimits[0]);

// 1 when a saved record can be run: a state of the machine; in the states
// that play the dealt hand (the BEGINPLAY answer to the second cards), ten
// distinct card ids 0..51; the limits the table's (or all 0 where
// CLIENTINIT has not read them), the ante 0 or within them, the call bet 0
// or 2 x ante, and the win and the money finite and not negative.
int IsCaribbeanServerRecord(const CaribbeanServerRecord& record);

// ServerInit, ServerFree, GameServerPlayback and GameServerLoad (exactly
// kCaribbeanServerRecordSize bytes that pass IsCaribbeanServerRecord) of the
// shared shell.
using CaribbeanServerShell =
    game::CServerShell<CaribbeanServerRecord, offsetof(CaribbeanServerRecord, gameCode),
                       IsCaribbeanServerRecord>;

// One frame: 0 go on, -1 after CLIENTEXITANSWER went out (for ever), -2
// after a failure answer went out (for ever). userId goes to the account.
int GameServerRun(CaribbeanServerRecord& record, CComm& comm, int userId);
// Restore hook for a removed game: nothing is left open.
void GameServerOnRemove(CaribbeanServerRecord& record, int userId);

}  // namespace gz
