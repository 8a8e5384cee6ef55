// The Keno program's local game server: a 17-state machine stepped once per
// frame with the server link end. It takes the bet at SHOOT, draws the 20
// numbers there, looks the return up in KenoPayTable and settles the net as
// one credit or debit of the local account.
//
// The numbers come from ServerRandomNumber (framework/game/ServerFrame.h),
// whose state the BEGINPLAY save point carries, so a restored round draws
// what the interrupted one drew.
#pragma once

#include <cstddef>

#include "framework/game/ServerShell.h"
#include "framework/link/Comm.h"
#include "pd/KenoRules.h"
#include "pd/KenoServerRecord.h"

namespace pd {

inline constexpr char kKenoGameCode[] = "PD";

// Commands and tags of the Keno protocol.
inline constexpr char kShoot[] = "SHOOT";
inline constexpr char kShootAnswer[] = "SHOOTANSWER";
inline constexpr char kBetListTag[] = "BETLIST";
inline constexpr char kWinListTag[] = "WINLIST";

// States of GameServerRun.
enum KenoServerState : int {
  kServerWaitClientInit = 0,
  kServerSendClientInit = 1,
  kServerWaitBeginPlay = 2,
  kServerSendBeginPlay = 3,
  kServerWaitShootOrQuit = 4,
  kServerShoot = 5,
  kServerSendShoot = 6,
  kServerWaitEndPlay = 7,
  kServerSendEndPlay = 8,
  kServerWaitEndPlayQuit = 9,  // never entered: as 7, then the quit
  kServerSendQuit = 10,
  kServerWaitClientExit = 11,
  kServerSendClientExit = 12,
  kServerExitSent = 13,
  kServerSendFailure = 14,
  kServerEnded = 15,
  kServerFailed = 16,
};
static_assert(kServerFailed + 1 == kKenoServerStates);

// ServerInit, ServerFree, GameServerPlayback and GameServerLoad ("PDDATA",
// exactly kKenoServerRecordSize bytes that IsSoundKenoRecord accepts) of the
// shared shell, over the Keno layout: the state first, the code at offset 4.
using KenoServerShell =
    game::CServerShell<KenoServerRecord, offsetof(KenoServerRecord, gameCode), IsSoundKenoRecord>;

// One frame: 0 go on, -1 after CLIENTEXITANSWER went out (for ever), -2
// after a failure answer went out (for ever). userId goes to the account.
int GameServerRun(KenoServerRecord& record, CComm& comm, int userId);
// Restore hook for a removed game, also called at the fatal end: nothing is
// left open in Keno.
void GameServerOnRemove(KenoServerRecord& record, int userId);

// The account's error names as Keno sends them: the shared names, and -16
// "DB_NO_PROPERTY_ERR".
const char* DbErrorName(int code);

}  // namespace pd
