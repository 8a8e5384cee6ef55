#include "jb/SlotClient.h"

#include <cstdio>
#include <cstdlib>

#include "framework/game/ClientEnding.h"
#include "framework/game/ClientFrame.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/CasinoCfg.h"
#include "framework/shell/LagMeter.h"
#include "framework/shell/StatusLine.h"
#include "framework/sound/GameSound.h"
#include "jb/SlotActions.h"
#include "jb/SlotButtons.h"
#include "jb/SlotFiles.h"
#include "jb/SlotMoney.h"
#include "jb/SlotPresentation.h"
#include "framework/game/SpinServer.h"
#include "jb/SlotServer.h"
#include "mz/MachineShell.h"

namespace jb {

double gMachineValue = 1.0;
float gMachineValueCopy = 1.0f;
int gSpinPending = 1;
int gCoinIn = 0;
int gCashOut = 0;
int gCashOutCoins = 0;
int gReelStops[kReels] = {};

namespace {

using R = SlotClientRecord;

constexpr int kSpinDelayFrames = 10;
int gSpinDelay = 0;
int gSpinSound = 0;  // the looping spin sound plays

void StopSpinSound() {
  if (gSpinSound) PlayGameSound(nullptr, 0, kSoundEffect);
  gSpinSound = 0;
}

void Fail(R* r, const char* text) {
  std::snprintf(r->message, sizeof r->message, "%s", text);
  StopSpinSound();
  r->state = kFatalWrite;
}

void WaitInit(R* r, CComm& comm) {
  if (!game::ClientArrived(comm)) return;
  double money = 0;
  if (const char* error = game::ClientReadMoneyAnswer(comm, game::kClientInitMoney, &money)) return Fail(r, error);
  comm.ReleaseReceived();
  ClearSpinRequest(r);
  ShowDenomination(gMachineValue);
  r->money = money;
  r->state = kBuildBeginPlay;
}

void WaitBeginPlay(R* r, CComm& comm) {
  if (!game::ClientArrived(comm)) return;
  double amount = 0;
  if (const char* error = game::ClientReadMoneyAnswer(comm, game::kBeginPlayMoney, &amount)) return Fail(r, error);
  comm.ReleaseReceived();
  r->lastMoneyAmount = amount;
  DrawLagMeter();
  DrawReadouts(r);
  PrintStatusMsg("Insert coins please");
  if (r->credits > 0) {
    EnableBetting(r);
    PrintStatusMsg("Press bet");
  }
  for (int k = 0; k < kMachineValueButtons; ++k) SetSlotButton(kButtonQuarterMachine + k, 1);
  SetSlotButton(kButtonQuit, 1);
  ShowDenomination(gMachineValue);
  ClearSpinRequest(r);
  gSpinPending = 0;
  r->state = kRoundOpen;
}

void WaitSpin(R* r, CComm& comm) {
  if (!game::ClientArrived(comm)) return;
  if (!game::ClientGotCommand(comm, game::kSpinAnswer)) return Fail(r, "WAITSPINANSWER: Invalid answerstring: wanted SPINANSWER");
  if (!game::ClientGotAnswer(comm, game::kAnswerOk)) return Fail(r, "WAITSPINANSWER: Answer != ok");
  const char* list = game::ClientTagValue(comm, kWinListTag);
  if (list == nullptr) return Fail(r, "WAITSPINANSWER: Can't find tag WINLIST");
  double win = 0;
  if (!ReadSlotWinList(list, gReelStops, &win)) return Fail(r, "WAITSPINANSWER: Can't get WINLIST data");
  comm.ReleaseReceived();
  PrintStatusMsg("Spinning, please wait..");
  r->win = win;
  r->credits += win;
  r->state = kSpinning;
}

void StopReelState(R* r, int reel, int next) {
  r->reelSpinning[reel] = 0;
  if (!StopReel(reel, gReelStops[reel])) return;
  gSpinSound = 0;  // the stop sound took its place
  if (reel == kReels - 1) {
    DrawPaidReadout(r->win, gMachineValue);
    DrawCreditReadout(r->credits, gMachineValue);
  }
  r->state = next;
}

constexpr game::ClientLeaveStates kLeave{kBuildQuitEnd, kSendQuitEnd, kWaitQuitEnd, kBuildExit,
                                         kSendExit,     kWaitExit,    kEndWrite};

void Step(R* r, CComm& comm) {
  if (game::RunClientLeave(kLeave, r, comm, Fail)) return;
  switch (r->state) {
    case kBuildInit:
      if (!game::ClientBuild(comm, game::kClientInit)) return;
      DrawUserField();
      r->state = kSendInit;
      return;
    case kSendInit: game::ClientSend(comm, &r->state, kWaitInit); return;
    case kWaitInit: return WaitInit(r, comm);
    case kBuildBeginPlay:
      if (game::ClientBuild(comm, game::kBeginPlay)) r->state = kSendBeginPlay;
      return;
    case kSendBeginPlay:
      if (game::ClientSend(comm, &r->state, kWaitBeginPlay)) StampLinkActivity();
      return;
    case kWaitBeginPlay: return WaitBeginPlay(r, comm);
    case kRoundOpen:
      if (r->quitRequest) {
        r->state = kBuildQuitEnd;
        return;
      }
      if (r->betCoins > 0) {
        DrawPaidReadout(0, gMachineValue);
        PrintStatusMsg("Press spin to start");
      }
      r->state = kWaitSpinRequest;
      return;
    case kWaitSpinRequest:
      if (r->quitRequest) {
        r->state = kBuildQuitEnd;
        return;
      }
      // A request without a coin bet waits for the first bet.
      if (!r->spinRequest || r->betCoins < 1) return;
      ClearSpinRequest(r);
      DisableAllButNeutral();
      for (int k = 0; k < kMachineValueButtons; ++k) SetSlotButton(kButtonQuarterMachine + k, 1);
      RedrawButtons();
      gSpinDelay = 0;
      r->state = kSpinDelay;
      return;
    case kSpinDelay:
      if (++gSpinDelay < kSpinDelayFrames) return;
      if (gCasinoCfg.soundEffects) {
        PlayGameSound(kSoundSpin, kSoundLoop, kSoundEffect);
        gSpinSound = 1;
      }
      for (int& spinning : r->reelSpinning) spinning = 1;
      PrintStatusMsg("Spinning, please wait.");
      r->state = kBuildSpin;
      return;
    case kBuildSpin: {
      if (!game::ClientBuild(comm, game::kSpin)) return;
      char bet[64];
      std::snprintf(bet, sizeof bet, "%lf,%lf", r->betCoins, gMachineValue);
      game::ClientAddTag(comm, kBetTag, bet);
      r->betCoins = 0;
      r->state = kSendSpin;
      return;
    }
    case kSendSpin: game::ClientSend(comm, &r->state, kWaitSpin); return;
    case kWaitSpin: return WaitSpin(r, comm);
    case kSpinning:
      PrintStatusMsg("Spinning, please wait...");
      r->state = kStopFirstReel;
      return;
    case kStopFirstReel: return StopReelState(r, 0, kStopSecondReel);
    case kStopSecondReel: return StopReelState(r, 1, kStopThirdReel);
    case kStopThirdReel: return StopReelState(r, 2, kPayout);
    case kPayout:
      // The tray shows one drop at a time: a cash-out's drop ends first.
      if (r->win == 0 || (!gCashOut && AnimatePayout(static_cast<int>(r->win)))) r->state = kBuildEndPlay;
      return;
    case kBuildEndPlay:
      if (!game::ClientBuild(comm, game::kEndPlay)) return;
      PrintStatusMsg("Press bet");
      r->state = kSendEndPlay;
      return;
    case kSendEndPlay: game::ClientSend(comm, &r->state, kWaitEndPlay); return;
    case kWaitEndPlay:
      return game::WaitPlainRecord(r, comm, game::kEndPlayAnswer,
                                   "WAITENDPLAYANSWER: Invalid answerstring: wanted ENDPLAYANSWER",
                                   "WAITENDPLAYANSWER: Answer != ok", kBuildBeginPlay, Fail);
    default: return;
  }
}

// What runs every frame beside the machine: the lever, the cash-out drop,
// the reels turning freely and the coin insert.
void StepAnimations(R* r) {
  if (r->leverRequest) {
    int frame = -1;
    const int done = AnimateLever(&frame);
    if (frame == kLeverSpinFrame || (done && !gCasinoCfg.showAnimations)) r->spinRequest = 1;
    if (done) r->leverRequest = 0;
  }
  if (gCashOut && (!gCasinoCfg.showAnimations || AnimatePayout(gCashOutCoins))) {
    gCashOut = 0;
    DrawCreditReadout(r->credits, gMachineValue);
  }
  if (gCasinoCfg.showAnimations) {
    for (int reel = 0; reel < kReels; ++reel) {
      if (r->reelSpinning[reel]) SpinReel(reel);
    }
  }
  if (gCoinIn && AnimateCoins()) gCoinIn = 0;
}

constexpr mz::MachineEndStates kEnds{kEndWrite, kEndHandBack, kFatalWrite, kFatalBox, kFatalHandBack};

}  // namespace

R* CreateClientRecord() {
  auto* r = static_cast<R*>(std::calloc(1, sizeof(R)));
  if (r == nullptr) return nullptr;
  r->state = kBuildInit;
  std::snprintf(r->message, sizeof r->message, "No error");
  gSpinPending = 1;
  return r;
}

void DestroyClientRecord(R* r) { std::free(r); }

int ClientRun(R* r, CComm& comm, int) {
  comm.PollTransport();
  int result = 0;
  if (mz::StepMachineEnding(comm, &r->state, r->message, kEnds, &result)) return result;
  Step(r, comm);
  StepAnimations(r);
  return 0;
}

void PostClientCommand(R* r, int code) {
  if (code == 'S') r->spinRequest = 1;
}

void ClearSpinRequest(R* r) { r->spinRequest = 0; }

void ResetClientMachine() {
  gMachineValue = 1.0;
  gMachineValueCopy = 1.0f;
  gSpinPending = 1;
  gCoinIn = gCashOut = gCashOutCoins = 0;
  for (int& s : gReelStops) s = 0;
  gSpinDelay = 0;
  gSpinSound = 0;
}

}  // namespace jb
