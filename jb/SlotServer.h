// The Slot program's local game server on the shared spin machine
// (framework/game/SpinServer.h): each SPIN checks its BET against the
// balance read at BEGINPLAY, draws a stop for each reel, answers the stops
// and the win in coins and settles the net in dollars as one credit or
// debit of the local account. The stops come from ServerRandomNumber
// (framework/game/ServerFrame.h), modulo 22. No saved games, no playback.
#pragma once

#include <cstddef>

#include "framework/game/ServerShell.h"
#include "framework/link/Comm.h"
#include "framework/link/Db.h"
#include "jb/SlotServerRecord.h"

namespace jb {

inline constexpr char kSlotGameCode[] = "JB";

// Tags of the Slot protocol (the commands are SPIN and SPINANSWER).
inline constexpr char kBetTag[] = "BET";
inline constexpr char kWinListTag[] = "WINLIST";

// The program's own account code beside the shared ones.
inline constexpr DbExtraErrorName kDbGameRunningName{-9, "A game is already running"};

// ServerInit ("JB") and ServerFree of the shared shell; the record is never
// stored, so there is no load and no playback.
using SlotServerShell =
    game::CServerShell<SlotServerRecord, offsetof(SlotServerRecord, gameName)>;

// One frame: 0 go on, -1 after CLIENTEXITANSWER went out (for ever), -2
// after a failure answer went out (for ever). userId goes to the account.
int GameServerRun(SlotServerRecord& record, CComm& comm, int userId);
// Called after the failure answer went out: nothing is left open.
void GameServerOnRemove(SlotServerRecord& record, int userId);

// The account's error names as Slot sends them: the shared names, and -9
// "A game is already running".
const char* DbErrorName(int code);

}  // namespace jb
