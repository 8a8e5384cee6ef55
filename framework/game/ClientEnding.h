// The endings every client machine shares, in the machine's own state
// numbers: ENDPLAY after a round (then the next BEGINPLAY), ENDPLAY and
// CLIENTEXIT when the player leaves, the settings written before the hand
// back, and the fatal path (settings, the "FATAL ERROR" box, hand back).
// A machine routes these states here from its step; a state it handles
// itself (a build with more to do) simply comes first in its own switch.
#pragma once

#include "framework/game/ClientFrame.h"
#include "framework/link/Comm.h"

namespace game {

struct ClientEndStates {
  int buildEndPlay, sendEndPlay, waitEndPlay, nextGame;  // nextGame: where ENDPLAYANSWER leads
  int buildQuitEnd, sendQuitEnd, waitQuitEnd;
  int buildExit, sendExit, waitExit;
  int endSettings, endHandBack;  // -1 once handed back
  int fatalSettings, fatalBox, fatalHandBack;  // -2 once handed back
  // Closes what the machine keeps open (a betting phase) on the fatal path;
  // null: nothing.
  void (*onFatal)();

  ClientEnds HandBacks() const { return {endHandBack, fatalHandBack}; }
};

// The leave alone, for a machine with endings of its own: ENDPLAY, then
// CLIENTEXIT, each built, sent and its answer checked, then afterExit.
struct ClientLeaveStates {
  int buildQuitEnd, sendQuitEnd, waitQuitEnd;
  int buildExit, sendExit, waitExit;
  int afterExit;
};

// One frame of *state when it is one of the leave's: answers 1 (with
// *error the failed check's text, the packet left unread for the fatal
// box; else null), or 0 for any other state, which is left alone.
int ClientLeaveStep(const ClientLeaveStates& s, int* state, CComm& comm, const char** error);

// The same for a record with a state and the machine's failure step: 1
// when the state was one of the leave's.
template <typename Record>
int RunClientLeave(const ClientLeaveStates& s, Record* record, CComm& comm, void (*fail)(Record*, const char*)) {
  const char* error = nullptr;
  if (!ClientLeaveStep(s, &record->state, comm, &error)) return 0;
  if (error != nullptr) fail(record, error);
  return 1;
}

// One frame of *state when it is one of the endings: answers 1 (with
// *error the failed check's text, else null), or 0 for any other state,
// which is left alone. boxText: the fatal box's text.
int ClientEndingStep(const ClientEndStates& s, int* state, CComm& comm, const char* boxText, const char** error);

// The failure step of a card table's client: the failed check's text kept,
// the fatal box's text made from it and the answer, then the fatal path
// from fatal, its first state.
template <typename Record, int fatal>
void FailRecord(Record* record, CComm& comm, const char* text) {
  record->errorText = text;
  ClientFatalText(comm, text, record->statusText, sizeof record->statusText);
  record->state = fatal;
}

// The same for a record with a state and the machine's failure step.
template <typename Record>
int RunClientEnding(const ClientEndStates& s, Record* record, CComm& comm, const char* boxText,
                    void (*fail)(Record*, CComm&, const char*)) {
  const char* error = nullptr;
  if (!ClientEndingStep(s, &record->state, comm, boxText, &error)) return 0;
  if (error != nullptr) fail(record, comm, error);
  return 1;
}

}  // namespace game
