// The Craps program's local game server: a 23-state machine stepped once
// per frame with the server link end. It fixes the dice at BEGINPLAY, checks
// the bet list of ROLLDICE, settles it at SENDRESULT and moves the balance
// of the local account.
//
// Dice come from ServerRandomNumber (framework/game/ServerFrame.h).
#pragma once

#include <cstddef>

#include "framework/game/ServerShell.h"
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

// 1 when a saved record holds a state of the machine and dice, point, come
// points and amounts a played round can hold.
int IsCrapsServerRecord(const CrapsServerRecord& record);

// ServerInit, ServerFree, GameServerPlayback and GameServerLoad (exactly
// kCrapsServerRecordSize bytes, a state of the machine) of the shared shell,
// over the Craps layout: the state first, the game code at offset 4.
using CrapsServerShell =
    game::CServerShell<CrapsServerRecord, offsetof(CrapsServerRecord, gameCode), IsCrapsServerRecord>;

// One frame: 0 go on, -1 after CLIENTEXITANSWER went out (for ever), -2
// after a failure answer went out (for ever). userId goes to the account.
int GameServerRun(CrapsServerRecord& record, CComm& comm, int userId);
// Restore hook for a removed game: nothing is left open in Craps.
void GameServerOnRemove(CrapsServerRecord& record, int userId);

}  // namespace dq
