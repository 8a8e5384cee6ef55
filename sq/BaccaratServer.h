// The Baccarat program's local game server: a 21-state machine stepped once
// per frame with the server link end. It deals the coup at BEGINPLAY (the
// save point), and at DEAL checks the three stakes, plays the coup and
// settles its net against the local account in one move.
//
// Cards come from ServerRandomNumber (framework/game/ServerFrame.h).
#pragma once

#include <cstddef>

#include "framework/game/ServerFrame.h"
#include "framework/game/ServerShell.h"
#include "framework/link/Comm.h"
#include "sq/BaccaratProtocol.h"
#include "sq/BaccaratRules.h"
#include "sq/BaccaratServerRecord.h"

namespace sq {

// States of GameServerRun; 7..10 and 13 are never entered.
enum BaccaratServerState : int {
  kServerWaitClientInit = 0,
  kServerSendClientInit = 1,
  kServerWaitBeginPlay = 2,
  kServerSendBeginPlay = 3,
  kServerWaitDeal = 4,
  kServerSettle = 5,
  kServerSendDeal = 6,
  kServerWaitEndPlay = 11,
  kServerSendEndPlay = 12,
  kServerSendQuit = 14,
  kServerWaitClientExit = 15,
  kServerSendClientExit = 16,
  kServerExitSent = 17,
  kServerSendFailure = 18,
  kServerEnded = 19,
  kServerFailed = 20,
};
static_assert(kServerFailed + 1 == kBaccaratServerStates);

// The table limits read at CLIENTINIT into minBet, maxBet and maxTable.
inline constexpr game::ServerLimitTag kBaccaratLimits[] = {
    {kMinBetTag, "minBetBaccarat"},
    {kMaxBetTag, "maxBetBaccarat"},
    {kMaxTableTag, "maxTableBaccarat"},
};
inline constexpr int kBaccaratLimitCount = sizeof(kBaccaratLimits) / sizeof(kBaccaratLimits[0]);

// 1 when a saved record can be run: a state 0..20, card ids 0..51 and
// kNotDrawn only in the two third-card slots, points 0..14, a finite win
// and money, the limits the table's (or all 0 where CLIENTINIT has not read
// them) and stakes that CheckBets takes under them.
int IsBaccaratServerRecord(const BaccaratServerRecord& record);

// ServerInit, ServerFree, GameServerPlayback and GameServerLoad ("SQDATA",
// exactly kBaccaratServerRecordSize bytes that IsBaccaratServerRecord
// accepts) of the shared shell.
using BaccaratServerShell =
    game::CServerShell<BaccaratServerRecord, offsetof(BaccaratServerRecord, gameCode),
                       IsBaccaratServerRecord>;

// One frame: 0 go on, -1 after CLIENTEXITANSWER went out (for ever), -2
// after a failure answer went out (for ever). userId goes to the account.
int GameServerRun(BaccaratServerRecord& record, CComm& comm, int userId);
// Restore hook for a removed game, also called at the fatal end: a coup is
// settled whole or not at all, so nothing is left open.
void GameServerOnRemove(BaccaratServerRecord& record, int userId);

}  // namespace sq
