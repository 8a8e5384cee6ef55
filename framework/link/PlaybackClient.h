// The client side of the saved-game log: presses queued for the next client
// packet, and replayed presses waiting for their client step.
#pragma once

#include "framework/link/BtnLog.h"
#include "framework/link/Comm.h"
#include "framework/link/PtrList.h"

// Presses accepted by the game's button handler since the last client packet.
class CBtnLogClient {
 public:
  ~CBtnLogClient();
  // Queues {button, state, value}: value kBtnValueRight for a right-button
  // release. 1, or 0 when no memory.
  int Add(int button, int state, float value = kBtnValueLeft);
  // Appends each queued entry as BTN/STE/VAL tags in queue order to the
  // packet being built, then empties the queue. 1, or 0 when a tag could not
  // be added (the rest stays queued for the next attempt).
  int FlushToPacket(CComm& comm);
  void Clear();

  CPtrList list;
};

// Grace after a playback ends: calls of IsActive that still answer 1.
inline constexpr int kPlaybackGraceCalls = 151;

class CPlaybackClient {
 public:
  ~CPlaybackClient();
  // After-receive hook of the client end: seenPacket = 1, queues every
  // BTN/STE/VAL triple, and a tag named exactly "PLAYBACK" ("PLAYBACKDONE")
  // sets playing to 1 (0) and changed. Leaves the cursor on the first tag.
  // Answers 1 when the triples were read, 0 when an append failed.
  int OnReceive(CComm& comm);
  // Once per client frame with the client step: presses, in queue order, each
  // entry whose state is at most clientStep, through the shell's press hook
  // (a right release for the value kBtnValueRight, else a left one);
  // the walk stops at the first such entry whose button is disabled. Later
  // steps stay queued. A press may re-enter the queue safely.
  void Step(int clientStep);
  // 1 while playing, before the first packet, while entries wait, or during
  // the grace after a change (each such call counts against the grace).
  // While it answers 1 the user's presses are dropped.
  int IsActive();
  // 1 once a playback has ended and its grace has run out (changed is then
  // reset), and in every later call; 0 before the first packet and while a
  // playback is running.
  int Finished();
  // Deletes the queue; playing = 0.
  void Clear();

  CPtrList list;  // btnLog entries
  int playing = 0;
  int seenPacket = 0;
  int changed = 0;
  int graceCount = 0;  // never reset: one restore per process
};

// The first btnLog entry of list for button: taken out and freed, the cursor
// back on the head, and its state answered (events above 10000 carry a
// value there). 0 when none.
int FindButtonEvent(CPtrList& list, int button);

// Values a client carries across a restore (the last bet, the deck's look)
// travel in the button log as events above 10000, the value + 10000 their
// state.
inline constexpr int kLoggedValueBase = 10000;
// The value the replayed log holds under event (taken out): 1 and *value
// when one is there and lies in low..high (a value no game could log is
// not taken), else 0.
int TakeLoggedValue(int event, double low, double high, int* value);
// Logs value (a whole number) under event, for the next restore; a value
// the log's int state cannot hold (a hostile limit's rebet) is not logged.
void LogValue(int event, double value);

extern CBtnLogClient gBtnLogClient;
extern CPlaybackClient gPlaybackClient;
