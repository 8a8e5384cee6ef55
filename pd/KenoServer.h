// The Keno program's local game server on the shared one-draw-a-round machine
// (framework/game/SpinServer.h), stepped once per frame with the server link
// end. It takes the bet at SHOOT, draws the 20 numbers there, looks the
// return up in KenoPayTable and settles the net as one credit or debit of
// the local account.
//
// The numbers come from ServerRandomNumber (framework/game/ServerFrame.h),
// whose state the BEGINPLAY save point carries, so a restored round draws
// what the interrupted one drew.
#pragma once

#include <cstddef>

#include "framework/game/ServerShell.h"
#include "framework/game/SpinServer.h"
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

// States of GameServerRun: those of the shared one-draw-a-round machine
// (framework/game/SpinServer.h), with SHOOT as its play.
enum KenoServerState : int {
  kServerWaitClientInit = game::kSpinWaitClientInit,
  kServerSendClientInit = game::kSpinSendClientInit,
  kServerWaitBeginPlay = game::kSpinWaitBeginPlay,
  kServerSendBeginPlay = game::kSpinSendBeginPlay,
  kServerWaitShootOrQuit = game::kSpinWaitSpinOrQuit,
  kServerShoot = game::kSpinSpin,
  kServerSendShoot = game::kSpinSendSpin,
  kServerWaitEndPlay = game::kSpinWaitEndPlay,
  kServerSendEndPlay = game::kSpinSendEndPlay,
  kServerWaitEndPlayQuit = game::kSpinWaitEndPlayQuit,
  kServerSendQuit = game::kSpinSendQuit,
  kServerWaitClientExit = game::kSpinWaitClientExit,
  kServerSendClientExit = game::kSpinSendClientExit,
  kServerExitSent = game::kSpinExitSent,
  kServerSendFailure = game::kSpinSendFailure,
  kServerEnded = game::kSpinEnded,
  kServerFailed = game::kSpinFailed,
};
static_assert(game::kSpinServerStates == kKenoServerStates);

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
