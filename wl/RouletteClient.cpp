#include "wl/RouletteClient.h"

#include <cstdlib>
#include <cstring>

#include "framework/game/ClientEnding.h"
#include "framework/game/ClientFrame.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/LagMeter.h"
#include "framework/shell/Money.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/StatusLine.h"
#include "framework/sound/GameSound.h"
#include "mz/MachineShell.h"
#include "pd/KenoCredit.h"
#include "platform/include/plat/window.h"
#include "wl/BetList.h"
#include "wl/RouletteButtons.h"
#include "wl/RouletteFiles.h"
#include "wl/RouletteProtocol.h"
#include "wl/RouletteTable.h"
#include "wl/RouletteWheel.h"
#include "wl/WinList.h"

namespace wl {

int gDrawnNumber = 0;
int gSomeSlotWon = 0;
int gBettingLocked = 1;
int gRebetKey = 0;
int gAnyKey = 0;

namespace {

using R = RouletteClientRecord;

constexpr char kPlaceBets[] = "Place your bets please and press on wheel to spin.";
constexpr char kSpinning[] = "Spinning, please wait.";

int gMarkerFrames = 0;

void Fail(R* r, const char* text) {
  r->message = text;
  r->state = kFatalWrite;
}

void ShowStatus(const char* text) {
  SetStatusText("%s", text);
  PrintStatusMsg("%s", text);
}

void ClearSlots(int slots[kRouletteSlots]) { std::memset(slots, 0, sizeof(int) * kRouletteSlots); }

// Spin, Quit and the rows after them off.
void DisableRoundButtons() {
  for (int b = kButtonSpin; b < kRouletteButtonCount; ++b) gRouletteButtons[b].enabled = 0;
}

void WaitInit(R* r, CComm& comm) {
  if (!game::ClientArrived(comm)) return;
  double money = 0;
  if (const char* error = game::ClientReadMoneyAnswer(comm, game::kClientInitMoney, &money)) return Fail(r, error);
  static constexpr const char* kLimitTags[] = {kMinTableTag, kMaxTableTag, kMinNrTag,
                                               kMaxNrTag,    kMinExternTag, kMaxExternTag};
  double limits[6] = {};
  for (int k = 0; k < 6; ++k) {
    if (game::ClientReadDouble(comm, kLimitTags[k], &limits[k]) != game::kTagRead) {
      return Fail(r, "WAITCLIENTINITANSWER: Can't get one of the max/min amounts");
    }
  }
  comm.ReleaseReceived();
  r->money = money;
  r->limits = RouletteLimits{limits[0], limits[1], limits[2], limits[3], limits[4], limits[5]};
  ClearSlots(r->bets);
  ClearSlots(r->lastBets);
  r->spinRequested = 0;
  ShowStatus(kPlaceBets);
  SelectChip(0);
  r->state = kBuildBeginPlay;
}

void WaitBeginPlay(R* r, CComm& comm) {
  if (!game::ClientArrived(comm)) return;
  double money = 0;
  if (const char* error = game::ClientReadMoneyAnswer(comm, game::kBeginPlayMoney, &money)) return Fail(r, error);
  comm.ReleaseReceived();
  r->money = money;
  DrawLagMeter();
  DrawMoney(r->money);
  DrawTotalBet(r->totalBet);
  if (r->money <= 0) {
    plat::MessageBox(gMainWindow, "Your credit balance is low.", kGameName, plat::MB_OK | plat::MB_ICONEXCLAMATION);
  }
  r->state = kOpenBetting;
}

void OpenBetting(R* r) {
  r->spinRequested = 0;
  DisableRoundButtons();
  gRouletteButtons[kButtonSpin].enabled = 1;
  gRouletteButtons[kButtonQuit].enabled = 1;
  gBettingLocked = 0;
  if (gRebetKey && r->lastTotalBet <= r->money) Rebet(r);
  gRebetKey = 0;
  DrawMoney(r->money);
  r->state = kBetting;
}

void Betting(R* r) {
  if (r->quitRequested) {
    gBettingLocked = 1;
    r->state = kBuildQuitEnd;
    return;
  }
  if (!r->spinRequested) return;
  r->spinRequested = 0;
  r->spinning = 1;
  gBettingLocked = 1;
  ShowStatus(kSpinning);
  DisableRoundButtons();
  DrawMoney(r->money);
  r->state = kBuildSpin;
}

void BuildSpin(R* r, CComm& comm) {
  char list[kBetListTextSize];
  if (!WriteBetList(r->bets, list, sizeof list)) return Fail(r, "SPIN: Can't build bet list");
  if (!game::ClientBuild(comm, game::kSpin)) return;
  game::ClientAddTag(comm, kBetListTag, list);
  std::memcpy(r->lastBets, r->bets, sizeof r->lastBets);
  r->lastTotalBet = r->totalBet;
  ClearSlots(r->wins);
  r->state = kSendSpin;
}

void WaitSpin(R* r, CComm& comm) {
  if (!game::ClientArrived(comm)) return;
  if (!game::ClientGotCommand(comm, game::kSpinAnswer)) return Fail(r, "WAITSPINANSWER: Invalid answerstring: wanted SPINANSWER");
  if (!game::ClientGotAnswer(comm, game::kAnswerOk)) return Fail(r, "WAITSPINANSWER: Answer != ok");
  const char* list = game::ClientTagValue(comm, kWinListTag);
  if (list == nullptr) return Fail(r, "WAITSPINANSWER: Can't find tag WINLIST");
  int number = 0, won = 0;
  if (!ReadWinList(list, &number, r->wins, &won)) return Fail(r, "WAITSPINANSWER: Can't get WINLIST data");
  comm.ReleaseReceived();
  gDrawnNumber = number;
  gSomeSlotWon = won;
  ShowStatus("Spinning, please wait..");
  r->state = kSpinWait;
}

constexpr game::ClientLeaveStates kLeave{kBuildQuitEnd, kSendQuitEnd, kWaitQuitEnd, kBuildExit,
                                         kSendExit,     kWaitExit,    kEndWrite};

void Step(R* r, CComm& comm) {
  if (game::RunClientLeave(kLeave, r, comm, Fail)) return;
  const int animated = gCasinoCfg.showAnimations != 0;
  switch (r->state) {
    case kBuildInit:
      if (!game::ClientBuild(comm, game::kClientInit)) return;
      pd::DrawCredit();
      r->state = kSendInit;
      return;
    case kSendInit: game::ClientSend(comm, &r->state, kWaitInit); return;
    case kWaitInit: WaitInit(r, comm); return;
    case kBuildBeginPlay:
      if (!game::ClientBuild(comm, game::kBeginPlay)) return;
      ClearSlots(r->bets);
      r->state = kSendBeginPlay;
      return;
    case kSendBeginPlay:
      if (game::ClientSend(comm, &r->state, kWaitBeginPlay)) StampLinkActivity();
      return;
    case kWaitBeginPlay: WaitBeginPlay(r, comm); return;
    case kOpenBetting: OpenBetting(r); return;
    case kBetting: Betting(r); return;
    case kBuildSpin: BuildSpin(r, comm); return;
    case kSendSpin: game::ClientSend(comm, &r->state, kWaitSpin); return;
    case kWaitSpin: WaitSpin(r, comm); return;
    case kSpinWait:
      ShowStatus("Spinning, please wait...");
      r->state = kTurnToNumber;
      return;
    case kTurnToNumber:
      r->spinning = 0;
      if (!animated) {
        r->state = kPushNumber;
      } else if (WheelSpinStep(gDrawnNumber)) {
        PlayGameSound(kSoundRoll, kSoundLoop, kSoundEffect);  // until another sound replaces it
        r->state = kBallRun;
      }
      return;
    case kBallRun:
      if (BallRunStep()) r->state = kPushNumber;
      return;
    case kPushNumber:
      PushLastNumber(gDrawnNumber);
      r->state = kMarkNumber;
      return;
    case kMarkNumber:
      DrawSlotChipsMarked(r->bets, MarkerSlot(gDrawnNumber), gDrawnNumber, 0);
      gMarkerFrames = 0;
      r->state = kShowMarker;
      return;
    case kShowMarker:
      if (++gMarkerFrames >= kMarkerFrames) r->state = kCollect;
      return;
    case kCollect:
      if (CollectLostChips(r->bets, r->wins, gDrawnNumber)) r->state = kAnnounce;
      return;
    case kAnnounce:
      RedrawInfoArea();
      DrawTotalBet(r->totalBet);
      DrawNumberName(gDrawnNumber);
      DrawPlayerWins(0);
      AnnounceNumber(gDrawnNumber);
      if (gSomeSlotWon) PlayGameSound(kSoundPlayerWins, 0, kSoundEffect);
      r->state = kPay;
      return;
    case kPay:
      PayWinners(r->wins, &r->money);
      gRouletteButtons[kButtonQuit].enabled = 1;
      RedrawButtons();
      r->state = kAskNext;
      return;
    case kAskNext:
      gAnyKey = 0;
      gRebetKey = 0;
      ShowStatus("Press any key, or spacebar to bet last bet again.");
      r->state = kWaitNext;
      return;
    case kWaitNext:
      if (r->quitRequested || gAnyKey) r->state = kClearTable;
      return;
    case kClearTable:
      ShowStatus(kPlaceBets);
      RedrawTableAreas(r->bets, MarkerSlot(gDrawnNumber));
      RedrawInfoArea();
      r->totalBet = 0;
      r->state = kBuildEndPlay;
      return;
    case kBuildEndPlay:
      if (game::ClientBuild(comm, game::kEndPlay)) r->state = kSendEndPlay;
      return;
    case kSendEndPlay: game::ClientSend(comm, &r->state, kWaitEndPlay); return;
    case kWaitEndPlay:
      return game::WaitPlainRecord(r, comm, game::kEndPlayAnswer,
                                   "WAITENDPLAYANSWER: Invalid answerstring: wanted ENDPLAYANSWER",
                                   "WAITENDPLAYANSWER: Answer != ok", kBuildBeginPlay, Fail);
    default: return;
  }
}

constexpr mz::MachineEndStates kEnds{kEndWrite, kEndHandBack, kFatalWrite, kFatalBox, kFatalHandBack};

}  // namespace

R* CreateClientRecord() {
  auto* r = static_cast<R*>(std::calloc(1, sizeof(R)));
  if (r == nullptr) return nullptr;
  r->state = kBuildInit;
  r->message = "No error";
  gBettingLocked = 1;
  return r;
}

void DestroyClientRecord(R* r) { std::free(r); }

int ClientRun(R* r, CComm& comm, int) {
  comm.PollTransport();
  int result = 0;
  if (mz::StepMachineEnding(comm, &r->state, r->message, kEnds, &result)) return result;
  Step(r, comm);
  if (r->spinning && gCasinoCfg.showAnimations != 0) WheelIdleStep();
  return 0;
}

void PostClientCommand(R* r, int code) {
  if (code == kSpinRequest) r->spinRequested = 1;
}

void ClearSpinRequest(R* r) { r->spinRequested = 0; }

void Rebet(R* r) {
  if (r->lastTotalBet > r->money) return;
  r->money += r->totalBet;
  r->totalBet = 0;
  for (int slot = kFirstBetSlot; slot <= kLastBetSlot; ++slot) {
    r->bets[slot] = r->lastBets[slot];
    r->money -= r->bets[slot];
    r->totalBet += r->bets[slot];
  }
  DrawAllChips(r->bets);
  DrawMoney(r->money);
  DrawTotalBet(r->totalBet);
}

void ResetClientMachine() {
  gDrawnNumber = 0;
  gSomeSlotWon = 0;
  gBettingLocked = 1;
  gRebetKey = 0;
  gAnyKey = 0;
  gMarkerFrames = 0;
}

}  // namespace wl
