#include "mz/MachineShell.h"

#include <string>

#include "framework/game/ClientFrame.h"
#include "framework/shell/OptionsDialog.h"
#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/resource.h"
#include "platform/include/plat/window.h"

namespace mz {

CFrameTimer gMachineTimer;

namespace {

void (*gLoopStarting)() = nullptr;

int IdleTickProcedure() { return 0; }

void TimerCallback(plat::UINT, plat::UINT, std::uintptr_t user, std::uintptr_t, std::uintptr_t) {
  auto* timer = reinterpret_cast<CFrameTimer*>(user);
  if (timer->inCallback.exchange(1)) return;
  // The procedure is only looked at: frames run on the window thread.
  [[maybe_unused]] CFrameTimer::Procedure procedure = timer->procedure;
  timer->inCallback.store(0);
  timer->fired.store(1);
}

void StartMachineLoop() {
  gMachineTimer.Start(kMachineFramePeriod, IdleTickProcedure);
  if (gLoopStarting) gLoopStarting();
}

constexpr plat::DLGITEMTEMPLATE kItems[] = {
    {plat::CTL_STATICFRAME, -1, nullptr, 10, 10, 160, 98, 0},
    {plat::CTL_CHECKBOX, kControlAnimations, "Show &animations", 20, 20, 145, 22, plat::CS_GROUP},
    {plat::CTL_CHECKBOX, kControlSoundEffects, "Play &sound effects", 20, 46, 145, 22, 0},
    {plat::CTL_CHECKBOX, kControlMusic, "Play &midi music", 20, 72, 145, 22, 0},
    {plat::CTL_DEFPUSHBUTTON, plat::IDOK, "&Ok", 180, 20, 70, 28, plat::CS_GROUP},
    {plat::CTL_PUSHBUTTON, plat::IDCANCEL, "&Cancel", 180, 56, 70, 28, 0},
};

void NoGameBoxes(plat::HWND) {}
constexpr OptionsDialogHooks kHooks{NoGameBoxes, NoGameBoxes};

std::string gCaption;
plat::DLGTEMPLATE gDialog{};

}  // namespace

void ApplyMachineShell(GameDefinition& game, void (*loopStarting)()) {
  game.alivePeriod = 5000;
  game.idleSleep = 6;
  game.catchUpLateFrames = 1;
  game.errorReport = kErrorStoreText;
  game.linkLostTitle = "ERROR";
  game.serverFatalTitle = "INFO";
  gLoopStarting = loopStarting;
  game.LoopStarting = StartMachineLoop;
}

void CFrameTimer::Start(plat::UINT delay, Procedure proc) {
  Stop();
  plat::TIMECAPS caps{};
  if (plat::timeGetDevCaps(&caps, sizeof caps) != plat::TIMERR_NOERROR) return;
  period = caps.wPeriodMin < 2 ? 1 : caps.wPeriodMin;
  if (period >= caps.wPeriodMax) period = caps.wPeriodMax;
  plat::timeBeginPeriod(period);
  procedure = proc;
  fired.store(0);
  timerId = plat::timeSetEvent(delay, period, TimerCallback, reinterpret_cast<std::uintptr_t>(this),
                               plat::TIME_PERIODIC);
  if (timerId != 0) {
    active = 1;
  } else {
    plat::timeEndPeriod(period);
  }
}

void CFrameTimer::Stop() {
  if (!active) return;
  plat::timeKillEvent(timerId);
  plat::timeEndPeriod(period);
  active = 0;
  timerId = 0;
  procedure = nullptr;
}

plat::INT_PTR MachineConfigDlgProc(plat::HWND dialog, plat::UINT message, plat::WPARAM wParam, plat::LPARAM) {
  return OptionsDialogStep(kHooks, dialog, message, wParam);
}

plat::DLGTEMPLATE MachineConfigDialog(const char* caption) {
  return {caption, 260, 118, nullptr, 0, plat::FALSE, kItems, static_cast<int>(sizeof kItems / sizeof kItems[0])};
}

void RegisterMachineConfigDialog(const char* name) {
  gCaption = std::string(name) + " Configuration";
  gDialog = MachineConfigDialog(gCaption.c_str());
  plat::RegisterDialogResource(kOptionsDialogResource, &gDialog);
}

void ShowMachineOptions(const char* name) {
  if (plat::DialogBoxParam(gInstance, kOptionsDialogResource, gMainWindow, MachineConfigDlgProc, 0) == -1) {
    plat::MessageBox(gMainWindow, "Unable to show the config dialog", name, plat::MB_OK | plat::MB_ICONSTOP);
  }
}

int StepMachineEnding(CComm& comm, int* state, const char* message, const MachineEndStates& ends, int* result) {
  *result = 0;
  if (*state == ends.endWrite || *state == ends.fatalWrite) {
    game::ClientWriteSettings();
    ++*state;
  } else if (*state == ends.fatalBox) {
    char text[512];
    game::ClientFatalText(comm, message, text, sizeof text);
    comm.ReleaseReceived();
    game::ShowClientFatalBox(text);
    *state = ends.fatalHandBack;
  } else if (*state == ends.endHandBack) {
    *result = game::ClientHandBack(comm, -1);
  } else if (*state == ends.fatalHandBack) {
    *result = game::ClientHandBack(comm, -2);
  } else {
    return 0;
  }
  return 1;
}

}  // namespace mz
