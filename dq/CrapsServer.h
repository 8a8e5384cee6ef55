// The Craps program's local game server: a 23-state machine stepped once
// per frame with the server link end. It fixes the dice at BEGINPLAY, checks
// the bet list of ROLLDICE, settles it at SENDRESULT and moves the balance
// of the local account.
//
// The record travels as void* because the shell and the restore hold every
// game's hooks in one table; it is always a CrapsServerRecord. Dice come
// from ServerRandomNumber (framework/game/ServerFrame.h).
#pragma once

#include "framework/link/Comm.h"
#include "dq/CrapsServerRecord.h"

namespace dq {

inline constexpr char kCrapsGameCode[] = "DQ";

// Commands and tags of the Craps protocol.
inline constexpr char kRollDice[] = "ROLLDICE";
inline constexpr char kBetAnswer[] = "BETANSWER";
inline constexpr char kSendResult[] = "SENDRESULT";
inline constexpr char kBetData[] = "BETDATA";
inline constexpr char kBetTag[] = "BET";
inline constexpr char kResultTag[] = "RESULT";

// States of GameServerRun.
enum CrapsServerState : int {
  kServerWaitClientInit = 0,
  kServerSendClientInit = 1,
  kServerWaitBeginPlay = 2,
  kServerSendBeginPlay = 3,
  kServerWaitRollOrQuit = 4,
  kServerCheckBets = 5,
  kServerSendBetsOk = 6,
  kServerSendBetsRefused = 7,
  kServerBuildResults = 8,
  kServerSendResults = 9,
  kServerSettle = 10,
  kServerMoney = 11,
  kServerWaitEndPlay = 12,
  kServerSendEndPlay = 13,
  kServerWaitSendResult = 14,
  kServerUnused = 15,
  kServerSendQuit = 16,
  kServerWaitClientExit = 17,
  kServerSendClientExit = 18,
  kServerExitSent = 19,
  kServerSendFailure = 20,
  kServerEnded = 21,
  kServerFailed = 22,
  kCrapsServerStates = 23,
};

// A zeroed record in state 0 with the game code copied when it fits in 16
// bytes with its zero; a longer name shows a "Playback error" box and the
// record comes without a code. Null when out of memory.
void* ServerInit(const char* gameName);
// Frees a record of ServerInit (null is ignored).
void ServerFree(void* record);

// One frame: 0 go on, -1 after CLIENTEXITANSWER went out (for ever), -2
// after a failure answer went out (for ever). userId goes to the account.
int GameServerRun(void* record, CComm& comm, int userId);
// One frame while a saved game is replayed: the packet playback in place of
// GameServerRun. Answers 0.
int GameServerPlayback(CComm& comm, void* record, int userId);
// Replaces the record by the saved "<game>DATA" record: 0, the dbRead code,
// or -1 for a record that is not exactly 1072 bytes or whose state is not
// one of the machine's; each error shows a "Playback error" box and leaves
// the record as it was.
int GameServerLoad(void* record, int userId, const char* game);
// Restore hook for a removed game: nothing is left open in Craps.
void GameServerOnRemove(void* record, int userId);

}  // namespace dq
