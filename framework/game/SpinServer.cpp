#include "framework/game/SpinServer.h"

namespace game {

void SpinWaitPlayOrQuit(CComm& comm, int* state, const char* playCommand,
                        const char* playOrQuitText) {
  if (!ServerCanAnswer(comm)) return;
  if (ServerGotCommand(comm, playCommand)) {
    *state = kSpinSpin;  // the packet stays for the play
  } else if (ServerGotCommand(comm, kEndPlay)) {
    AnswerDone(comm, kEndPlayAnswer);
    *state = kSpinSendQuit;
  } else {
    AnswerUnexpected(comm, playOrQuitText);
    *state = kSpinSendFailure;
  }
}

void SpinFrameStep(CComm& comm, int* state) {
  switch (*state) {
    case kSpinSendClientInit: ServerSendAnswer(comm, state, kSpinWaitBeginPlay); break;
    case kSpinSendBeginPlay: ServerSendAnswer(comm, state, kSpinWaitSpinOrQuit); break;
    case kSpinSendSpin: ServerSendAnswer(comm, state, kSpinWaitEndPlay); break;
    case kSpinWaitEndPlay:
      ServerWaitDone(comm, state, kEndPlay, kEndPlayAnswer, kSpinSendEndPlay, kSpinSendFailure);
      break;
    case kSpinSendEndPlay: ServerSendAnswer(comm, state, kSpinWaitBeginPlay); break;
    case kSpinWaitEndPlayQuit:
      ServerWaitDone(comm, state, kEndPlay, kEndPlayAnswer, kSpinSendQuit, kSpinSendFailure);
      break;
    case kSpinSendQuit: ServerSendAnswer(comm, state, kSpinWaitClientExit); break;
    case kSpinWaitClientExit:
      ServerWaitDone(comm, state, kClientExit, kClientExitAnswer, kSpinSendClientExit,
                     kSpinSendFailure);
      break;
    case kSpinSendClientExit: ServerSendAnswer(comm, state, kSpinExitSent); break;
    case kSpinExitSent: *state = kSpinEnded; break;
    default: break;
  }
}

int SpinServerResult(int state) {
  if (state == kSpinEnded) return -1;
  if (state == kSpinFailed) return -2;
  return 0;
}

}  // namespace game
