// The Keno game client: a 32-state machine stepped once per frame with the
// client link end. The player marks 3 to 10 numbers and a stake, SHOOT sends
// the bet list, the 20 drawn balls are shown one by one, the win and the
// marquee follow, and the next game waits for a key, a click or New Game.
#pragma once

#include <initializer_list>

#include "framework/link/Comm.h"
#include "framework/shell/GameHooks.h"
#include "pd/KenoClientRecord.h"

namespace pd {

enum KenoClientState : int {
  kBuildInit = 0, kSendInit = 1, kWaitInit = 2, kBuildBeginPlay = 3, kSendBeginPlay = 4,
  kWaitBeginPlay = 5, kStartPicking = 6, kPicking = 7, kSendShoot = 8, kWaitShoot = 9,
  kDrawing = 10, kDrawEnded = 11, kResultPause = 12, kBuildShoot = 13, kEndGame = 14,
  kShowWin = 15, kArmNextGame = 16, kWaitNextGame = 17, kSendEndPlay = 18, kBuildEndPlay = 19,
  kBuildQuitEnd = 20, kWaitEndPlay = 21, kSendQuitEnd = 22, kWaitQuitEnd = 23, kBuildExit = 24,
  kSendExit = 25, kWaitExit = 26, kFatalStop = 27, kFatalBox = 28, kEndStop = 29,
  kEndHandBack = 30, kFatalHandBack = 31,
};

// The program-wide flags of the client.
struct KenoFlags {
  int busy;          // number cells and the space bar are ignored
  int paytableShown;
  int shootArmed;
  int rebetAllowed;
  int firstGame;
  int moneyArmed;
  int keyOrClick;    // a key or click since the draw ended
  int space;         // the space bar since the draw ended
  int prompt;        // the New Game prompt is still to be shown
};
extern KenoFlags gKenoFlags;
// State changes since BEGINPLAY was sent; logged with every press.
extern int gClientStep;
// The marquee's text (the shell's ticker scrolls it).
extern char gMarqueeText[];
// The ball being shown, 0..20: the index of the drawn number.
extern int gKenoBall;

using KenoClientHooks = CClientHooks<KenoClientRecord>;

KenoClientRecord* CreateClientRecord();
void DestroyClientRecord(KenoClientRecord* record);
// One frame: 0 go on, -1 after CLIENTEXITANSWER was handed back, -2 after a
// fatal error was shown and handed back.
int ClientRun(KenoClientRecord* record, CComm& comm, int userId);
// 'N' new game, 'S' shoot; other letters do nothing.
void ClientKeyCommand(KenoClientRecord* record, int letter);
void ClearClientRequests(KenoClientRecord* record);
// Disables every button, then enables the ones listed; redraws.
void EnableOnly(std::initializer_list<int> buttons, int withCells);
// Start of a run.
void ResetClientMachine();

}  // namespace pd
