// The Roulette program's local game server on the shared spin machine
// (framework/game/SpinServer.h): CLIENTINIT sends the balance and the six
// table limits, each SPIN checks its BETLIST, draws the number, lists the
// wins and settles the net as one credit or debit of the local account.
// The number comes from ServerRandomNumber (framework/game/ServerFrame.h),
// modulo 38. No saved games, no playback.
#pragma once

#include <cstddef>

#include "framework/game/ServerShell.h"
#include "framework/game/SpinServer.h"
#include "framework/link/Comm.h"
#include "wl/RouletteProtocol.h"
#include "wl/RouletteServerRecord.h"

namespace wl {

inline constexpr char kRouletteGameCode[] = "WL";

// ServerInit ("WL") and ServerFree of the shared shell; the record is
// never stored, so there is no load and no playback.
using RouletteServerShell =
    game::CServerShell<RouletteServerRecord, offsetof(RouletteServerRecord, gameName)>;

// One frame: 0 go on, -1 after CLIENTEXITANSWER went out (for ever), -2
// after a failure answer went out (for ever). userId goes to the account.
int GameServerRun(RouletteServerRecord& record, CComm& comm, int userId);
// Called after the failure answer went out: nothing is left open.
void GameServerOnRemove(RouletteServerRecord& record, int userId);

// The account's error names as Roulette sends them: the shared names, and
// -16 "DB_NO_PROPERTY_ERR".
const char* DbErrorName(int code);

}  // namespace wl
