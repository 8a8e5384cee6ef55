// The main module the machine programs share (Video Poker, Roulette, Slot):
// the shell's table set for a machine (5-second alive check, a frame gate
// that carries at most 40 ms, idle animations every frame, the lost-link box
// titled "ERROR", start-up errors only stored, the "SERVER FATAL ERROR" box
// once), the multimedia frame timer, the three-box options dialog and the
// client frame's leave (ENDPLAY, CLIENTEXIT) and ending (Casino.cfg, the
// "FATAL ERROR" box, hand back).
#pragma once

#include <atomic>

#include "framework/link/Comm.h"
#include "framework/shell/GameDefinition.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/time.h"
#include "platform/include/plat/types.h"

namespace mz {

// The machine's parameters on a game's table; the game still sets its
// names, files, layout, buttons and hooks. LoopStarting starts the frame
// timer and then calls loopStarting (null: nothing more).
void ApplyMachineShell(GameDefinition& game, void (*loopStarting)());

// The multimedia timer of a machine. Its callback runs on the timer thread
// and touches only the two atomic words; nothing in the program reads the
// fired word (frames are driven by the idle tick).
struct CFrameTimer {
  using Procedure = int (*)();
  // timeGetDevCaps failing: no timer. Else the period (wPeriodMin, 1 below
  // 2, wPeriodMax at or above it) is begun and a periodic event of delay ms
  // started; active when it got an id.
  void Start(plat::UINT delay, Procedure procedure);
  // Kills the event and ends the period when active.
  void Stop();
  ~CFrameTimer() { Stop(); }

  Procedure procedure = nullptr;
  int active = 0;
  plat::UINT timerId = 0;
  plat::UINT period = 0;
  std::atomic<int> fired{0};
  std::atomic<int> inCallback{0};
};
inline constexpr plat::UINT kMachineFramePeriod = 20;
extern CFrameTimer gMachineTimer;

// The options dialog (resource 106) with the three shared boxes under the
// caption "<name> Configuration".
plat::INT_PTR MachineConfigDlgProc(plat::HWND dialog, plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam);
plat::DLGTEMPLATE MachineConfigDialog(const char* caption);
// Registers the dialog under the game's caption (start of a run).
void RegisterMachineConfigDialog(const char* name);
// Runs it over the main window; failure: "Unable to show the config dialog"
// in a box titled name.
void ShowMachineOptions(const char* name);

// The end states of a machine's client, in order: write Casino.cfg, hand
// back with -1; write Casino.cfg, the "FATAL ERROR" box, hand back with -2.
struct MachineEndStates {
  int endWrite, endHandBack, fatalWrite, fatalBox, fatalHandBack;
};
// One frame of the ending when *state is one of them: 1 (handled; *result
// 0 or the hand-back answer -1/-2), 0 when the state is none of them.
int StepMachineEnding(CComm& comm, int* state, const char* message, const MachineEndStates& ends, int* result);

}  // namespace mz
