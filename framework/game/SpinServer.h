// The server machine of the games that play one draw a round (Roulette and
// Slot spin, Keno shoots): CLIENTINIT, then rounds of BEGINPLAY, the play
// command and ENDPLAY; an ENDPLAY right after BEGINPLAYANSWER, before any
// play, is the client's leave and leads to CLIENTEXIT. The game gives the
// play itself (state 5) and keeps what it needs of CLIENTINIT and
// BEGINPLAY; the machine does the rest.
#pragma once

#include "framework/game/ServerFrame.h"
#include "framework/link/Comm.h"
#include "framework/link/Db.h"

namespace game {

inline constexpr char kSpin[] = "SPIN";
inline constexpr char kSpinAnswer[] = "SPINANSWER";

// The states of a spin server, kept in the game's record as its state.
enum SpinServerState : int {
  kSpinWaitClientInit = 0,
  kSpinSendClientInit = 1,
  kSpinWaitBeginPlay = 2,
  kSpinSendBeginPlay = 3,
  kSpinWaitSpinOrQuit = 4,
  kSpinSpin = 5,  // the play packet is still held
  kSpinSendSpin = 6,
  kSpinWaitEndPlay = 7,
  kSpinSendEndPlay = 8,
  kSpinWaitEndPlayQuit = 9,  // never entered: as 7, then the quit
  kSpinSendQuit = 10,
  kSpinWaitClientExit = 11,
  kSpinSendClientExit = 12,
  kSpinExitSent = 13,
  kSpinSendFailure = 14,
  kSpinEnded = 15,
  kSpinFailed = 16,
};
inline constexpr int kSpinServerStates = 17;

// The most limits a game reads at CLIENTINIT.
inline constexpr int kMaxSpinLimits = 8;

// What one game adds to the machine, over its record type.
template <typename Record>
struct SpinGame {
  // The play command (kSpin, or Keno's SHOOT) and the error text of any
  // other command than it or ENDPLAY in state 4.
  const char* playCommand;
  const char* playOrQuitText;
  // Read at CLIENTINIT in this order and sent under their tags after
  // MONEYAMOUNT (at most kMaxSpinLimits).
  const ServerLimitTag* limits;
  int limitCount;
  // The program's own account error name beside the shared ones.
  DbExtraErrorName dbExtra;
  // CLIENTINIT answered "ok": the limits as read, in table order; null:
  // nothing kept.
  void (*clientInit)(Record& record, const double* limitValues);
  // BEGINPLAY answered "ok" (not yet sent): a round begins with this
  // balance.
  void (*beginRound)(Record& record, CComm& comm, double balance);
  // State 5, the send side free and the play packet held: answers it ("ok",
  // or "fail" with its errormsg), releases the packet and answers the next
  // state, kSpinSendSpin or kSpinSendFailure.
  int (*spin)(Record& record, CComm& comm, int userId);
  // After the failure answer went out; null: nothing is left open.
  void (*onRemove)(Record& record, int userId);
};

// The parts of one frame that do not touch the game's record.
// State 4.
void SpinWaitPlayOrQuit(CComm& comm, int* state, const char* playCommand,
                        const char* playOrQuitText);
// Every other state but 5 and 14.
void SpinFrameStep(CComm& comm, int* state);
// The frame's result for a state: 0 go on, -1 ended, -2 failed.
int SpinServerResult(int state);

// One frame of the machine over record.state: 0 go on, -1 after
// CLIENTEXITANSWER went out (for ever), -2 after a failure answer went out
// (for ever).
template <typename Record>
int SpinServerRun(const SpinGame<Record>& game, Record& record, CComm& comm, int userId) {
  comm.PollTransport();
  int* state = &record.state;
  switch (*state) {
    case kSpinWaitClientInit: {
      double values[kMaxSpinLimits] = {};
      if (ServerWaitClientInit(comm, state, userId, game.limits, game.limitCount, values,
                               kSpinSendFailure, game.dbExtra)) {
        *state = kSpinSendClientInit;
        if (game.clientInit != nullptr) game.clientInit(record, values);
      }
      break;
    }
    case kSpinWaitBeginPlay: {
      double balance = 0;
      if (ServerWaitBeginPlay(comm, state, userId, &balance, kSpinSendFailure, game.dbExtra)) {
        *state = kSpinSendBeginPlay;
        game.beginRound(record, comm, balance);
      }
      break;
    }
    case kSpinWaitSpinOrQuit:
      SpinWaitPlayOrQuit(comm, state, game.playCommand, game.playOrQuitText);
      break;
    case kSpinSpin:
      if (ServerCanAnswer(comm)) *state = game.spin(record, comm, userId);
      break;
    case kSpinSendFailure:
      if (ServerSendAnswer(comm, state, kSpinFailed) && game.onRemove != nullptr) {
        game.onRemove(record, userId);
      }
      break;
    default: SpinFrameStep(comm, state); break;
  }
  return SpinServerResult(*state);
}

}  // namespace game
