#include "framework/game/ClientEnding.h"

namespace game {
namespace {

// One packet of the endings: its build, send and wait states, the texts of
// its answer's checks and where a good answer leads.
struct Exchange {
  int build, send, wait;
  const char* command;
  const char* answer;
  const char* badCommand;
  const char* notOk;
  int next;
};

// 1 when state is one of the exchange's; *error as ClientEndingStep.
int StepExchange(const Exchange& e, int* state, CComm& comm, const char** error) {
  if (*state == e.build) {
    if (ClientBuild(comm, e.command)) *state = e.send;
  } else if (*state == e.send) {
    ClientSend(comm, state, e.wait);
  } else if (*state == e.wait) {
    if (!ClientArrived(comm)) return 1;
    *error = ClientCheckAnswer(comm, e.answer, e.badCommand, e.notOk);
    if (*error != nullptr) return 1;
    comm.ReleaseReceived();
    *state = e.next;
  } else {
    return 0;
  }
  return 1;
}

}  // namespace

int ClientLeaveStep(const ClientLeaveStates& s, int* state, CComm& comm, const char** error) {
  *error = nullptr;
  const Exchange exchanges[] = {
      {s.buildQuitEnd, s.sendQuitEnd, s.waitQuitEnd, kEndPlay, kEndPlayAnswer,
       "WAITENDPLAYQUITANSWER: Invalid answerstring: wanted ENDPLAYANSWER", "WAITENDPLAYQUITANSWER: Answer != ok",
       s.buildExit},
      {s.buildExit, s.sendExit, s.waitExit, kClientExit, kClientExitAnswer,
       "WAITCLIENTEXITANSWER: Invalid answerstring: wanted CLIENTEXITANSWER", "WAITCLIENTEXITANSWER: Answer != ok",
       s.afterExit},
  };
  for (const Exchange& e : exchanges) {
    if (StepExchange(e, state, comm, error)) return 1;
  }
  return 0;
}

int ClientEndingStep(const ClientEndStates& s, int* state, CComm& comm, const char* boxText, const char** error) {
  *error = nullptr;
  const Exchange endPlay{s.buildEndPlay, s.sendEndPlay, s.waitEndPlay, kEndPlay, kEndPlayAnswer,
                         "WAITENDPLAYANSWER: Invalid answerstring: wanted ENDPLAYANSWER",
                         "WAITENDPLAYANSWER: Answer != ok", s.nextGame};
  if (StepExchange(endPlay, state, comm, error)) return 1;
  const ClientLeaveStates leave{s.buildQuitEnd, s.sendQuitEnd, s.waitQuitEnd, s.buildExit,
                                s.sendExit,     s.waitExit,    s.endSettings};
  if (ClientLeaveStep(leave, state, comm, error)) return 1;
  if (*state == s.endSettings) {
    ClientWriteSettings();
    *state = s.endHandBack;
  } else if (*state == s.fatalSettings) {
    if (s.onFatal != nullptr) s.onFatal();
    ClientWriteSettings();
    *state = s.fatalBox;
  } else if (*state == s.fatalBox) {
    ShowClientFatalBox(boxText);
    if (comm.recvAllocated == kRecvWaiting) comm.ReleaseReceived();
    *state = s.fatalHandBack;
  } else {
    return 0;
  }
  return 1;
}

}  // namespace game
