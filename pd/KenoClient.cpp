#include "pd/KenoClient.h"

#include <cstdlib>
#include <cstring>

#include "framework/game/ClientEnding.h"
#include "framework/game/ClientFrame.h"
#include "framework/link/PlaybackClient.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/LagMeter.h"
#include "framework/shell/Money.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/StatusLine.h"
#include "framework/sound/GameSound.h"
#include "pd/KenoBoard.h"
#include "pd/KenoButtons.h"
#include "pd/KenoCredit.h"
#include "pd/KenoFiles.h"
#include "pd/KenoInput.h"
#include "pd/KenoOptions.h"
#include "pd/KenoPanel.h"
#include "pd/KenoServer.h"
#include "platform/include/plat/dialog.h"

namespace pd {

using namespace game;

KenoFlags gKenoFlags{};
int gClientStep = 0;

namespace {

constexpr char kNoError[] = "No error";
constexpr char kPlaceBets[] = "Place your bets please and press on Shoot to play.";

void Fail(KenoClientRecord* record, CComm& comm, const char* text) {
  record->statusText = text;
  ClientFatalText(comm, text, record->fatalText, sizeof record->fatalText);
  record->state = kFatalStop;
}

constexpr auto Send = SendRecord<KenoClientRecord>;

void ShowStatus(const char* text) {
  SetStatusText("%s", text);
  PrintStatusMsg(nullptr);
}

// 1 with the balance in the record once the answer has come and passed its
// checks; 0 while it has not come or when it failed (the fatal path).
int TakeMoneyAnswer(KenoClientRecord* record, CComm& comm, const ClientMoneyAnswer& answer) {
  if (!ClientArrived(comm)) return 0;
  double money = 0.0;
  if (const char* error = ClientReadMoneyAnswer(comm, answer, &money)) {
    Fail(record, comm, error);
    return 0;
  }
  comm.ReleaseReceived();
  record->money = money;
  return 1;
}

void WaitInit(KenoClientRecord* record, CComm& comm) {
  if (!TakeMoneyAnswer(record, comm, kClientInitMoney)) return;
  record->shootRequest = 0;
  record->stake = 5;
  DrawStatusPanel();
  if (!gPlaybackClient.IsActive()) DrawWelcomeMarquee();
  ShowStatus(kPlaceBets);
  record->state = kBuildBeginPlay;
}

void BuildBeginPlay(KenoClientRecord* record, CComm& comm) {
  if (!ClientBuild(comm, kBeginPlay)) return;
  gClientStep = 0;
  std::memset(record->board, 0, sizeof record->board);
  record->count = record->winFlag = record->winReturn = 0;
  DrawTotalBet(record->stake);
  DrawPlayerWins(0);
  gKenoFlags.busy = gKenoFlags.shootArmed = gKenoFlags.prompt = 1;
  ClearClientRequests(record);
  EnableOnly({}, 0);
  record->state = kSendBeginPlay;
}

void WaitBeginPlay(KenoClientRecord* record, CComm& comm) {
  if (!TakeMoneyAnswer(record, comm, kBeginPlayMoney)) return;
  const double money = record->money;
  DrawLagMeter();
  DrawMoney(money);
  DrawTotalNumbers(record->count);
  DrawTotalBet(record->stake);
  if (money <= 0.0 && !gPlaybackClient.IsActive()) {
    plat::MessageBox(gMainWindow, "Your credit balance is low.", "Keno", plat::MB_OK | plat::MB_ICONEXCLAMATION);
  }
  record->state = kStartPicking;
}

void StartPicking(KenoClientRecord* record) {
  ClearClientRequests(record);
  EnableOnly({kButtonHelp, kButtonOptions, kButtonQuit, kButtonPaytable, kButtonStake1, kButtonStake5,
              kButtonStake10},
             1);
  gKenoFlags.busy = 0;
  gKenoFlags.rebetAllowed = gKenoFlags.firstGame ? 0 : 1;
  gKenoFlags.firstGame = 0;
  if (record->money > 5.0) {
    PressButton(kButtonStake5, kPressLeft);
    if (record->lastStake == 1) PressButton(kButtonStake1, kPressLeft);
    if (record->lastStake == 10) PressButton(kButtonStake10, kPressLeft);
  } else if (record->money >= 1.0 && record->money < 5.0) {
    PressButton(kButtonStake1, kPressLeft);
  }
  ShowStatus(kPlaceBets);
  record->state = kPicking;
}

void Picking(KenoClientRecord* record) {
  UpdateMarquee();
  if (record->quitRequest) {
    record->state = kBuildQuitEnd;
    return;
  }
  if (record->count >= 3 && gKenoFlags.shootArmed && record->stake > 0) {
    gKenoFlags.shootArmed = 0;
    for (int b : {kButtonShoot, kButtonPaytable, kButtonStake1, kButtonStake5, kButtonStake10}) EnableButton(b);
    RedrawButtons();
  }
  if (record->count < 3 && !gKenoFlags.shootArmed) {
    gKenoFlags.shootArmed = 1;
    EnableOnly({kButtonPaytable, kButtonQuit, kButtonStake1, kButtonStake5, kButtonStake10}, 1);
  }
  if (record->money > 1.0) {
    gKenoFlags.moneyArmed = 1;
  } else if (record->money < 1.0 && gKenoFlags.moneyArmed) {
    gKenoFlags.moneyArmed = 0;
    EnableOnly({kButtonPaytable, kButtonQuit}, 0);
  }
  if (record->shootRequest) {
    ClearClientRequests(record);
    ShowStatus("Shooting, please wait.");
    EnableOnly({}, 0);
    DrawStakeChip(record->stake);
    gKenoFlags.busy = 1;
    record->state = kBuildShoot;
  }
}

void BuildShoot(KenoClientRecord* record, CComm& comm) {
  if (!ClientBuild(comm, kShoot)) return;
  char list[128];
  FormatKenoBetList(record->board, record->count, record->stake, list, sizeof list, record->lastBet);
  ClientAddTag(comm, kBetListTag, list);
  record->state = kSendShoot;
}

void WaitShoot(KenoClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  if (!ClientGotCommand(comm, kShootAnswer)) {
    return Fail(record, comm, "WAITSHOOTANSWER: Invalid answerstring: wanted SHOOTANSWER");
  }
  if (!ClientGotAnswer(comm, kAnswerOk)) return Fail(record, comm, "WAITSHOOTANSWER: Answer != ok");
  const char* list = ClientTagValue(comm, kWinListTag);
  if (list == nullptr) return Fail(record, comm, "WAITSHOOTANSWER: Can't find tag WINLIST");
  if (!ReadKenoWinList(list, record->drawn, &record->winFlag, &record->winReturn)) {
    return Fail(record, comm, "WAITSHOOTANSWER: Can't get WINLIST data");
  }
  comm.ReleaseReceived();
  gKenoBall = 0;
  record->state = kDrawing;
}

void Drawing(KenoClientRecord* record) {
  UpdateMarquee();
  const int number = record->drawn[gKenoBall];
  if (gCasinoCfg.showAnimations) {
    if (AnimateBallRoll() && AnimateBallToCell(record->board, number)) ++gKenoBall;
  } else if (CheckHitAnimation(record->board, number)) {
    ++gKenoBall;
  }
  if (gKenoBall >= kKenoDrawn) record->state = kDrawEnded;
}

void ShowWin(KenoClientRecord* record) {
  DrawTotalBet(record->stake);
  DrawTotalNumbers(record->count);
  record->lastCount = record->count;
  record->lastStake = record->stake;
  if (record->winFlag) {
    PlayGameSound(kSoundWin, 0, kSoundEffect);
    DrawPlayerWins(record->winReturn);
  }
  record->state = kArmNextGame;
}

void WaitNextGame(KenoClientRecord* record) {
  UpdateMarquee();
  if (record->quitRequest) {
    record->state = kEndGame;
    return;
  }
  if (gKenoOptions.newGameButton) {
    if (gKenoFlags.prompt) {
      gKenoFlags.prompt = 0;
      EnableButton(kButtonQuit);
      EnableButton(kButtonNewGame);
      ShowStatus("Press new game to continue or space to bet last bet again");
      RedrawButtons();
    } else if (record->newGameRequest) {
      record->state = kEndGame;
    }
    return;
  }
  if (gKenoFlags.prompt) {
    gKenoFlags.prompt = 0;
    EnableButton(kButtonQuit);
    ShowStatus("Press any key, or space to bet last bet again.");
    RedrawButtons();
  }
  if (gKenoFlags.keyOrClick || record->newGameRequest) {
    if (record->newGameRequest) {
      ClearClientRequests(record);
      EnableOnly({}, 0);
    }
    record->state = kEndGame;
  }
}

void EndGame(KenoClientRecord* record) {
  SetStatusText("%s", "Place your bets please and press on Shoot to start.");
  PrintStatusMsg(nullptr);
  InvalidateBoard();
  DrawStakeChip(0);
  record->stake = 0;
  record->state = kBuildEndPlay;
}

constexpr ClientEndStates kEndStates{
    kBuildEndPlay, kSendEndPlay, kWaitEndPlay, kBuildBeginPlay, kBuildQuitEnd, kSendQuitEnd, kWaitQuitEnd,
    kBuildExit,    kSendExit,    kWaitExit,    kEndStop,        kEndHandBack,  kFatalStop,   kFatalBox,
    kFatalHandBack, nullptr,
};

void Step(KenoClientRecord* record, CComm& comm) {
  switch (record->state) {
    case kBuildInit:
      if (!ClientBuild(comm, kClientInit)) return;
      DrawCredit();
      record->state = kSendInit;
      return;
    case kSendInit: return Send(record, comm, kWaitInit);
    case kWaitInit: return WaitInit(record, comm);
    case kBuildBeginPlay: return BuildBeginPlay(record, comm);
    case kSendBeginPlay:
      if (ClientSend(comm, &record->state, kWaitBeginPlay)) StampLinkActivity();
      return;
    case kWaitBeginPlay: return WaitBeginPlay(record, comm);
    case kStartPicking: return StartPicking(record);
    case kPicking: return Picking(record);
    case kBuildShoot: return BuildShoot(record, comm);
    case kSendShoot: return Send(record, comm, kWaitShoot);
    case kWaitShoot: return WaitShoot(record, comm);
    case kDrawing: return Drawing(record);
    case kDrawEnded:
      DrawStatusPanel();
      DrawResultMarquee(CountBoardMatches(record->board, record->drawn), record->count, record->winFlag,
                        record->winReturn);
      record->state = kResultPause;
      return;
    case kResultPause:
      if (TickDivider()) record->state = kShowWin;
      return;
    case kShowWin: return ShowWin(record);
    case kArmNextGame:
      gKenoFlags.busy = 1;
      gKenoFlags.keyOrClick = gKenoFlags.space = 0;
      record->state = kWaitNextGame;
      return;
    case kWaitNextGame: return WaitNextGame(record);
    case kEndGame: return EndGame(record);
    default: RunClientEnding(kEndStates, record, comm, record->fatalText, Fail); return;
  }
}

// The bowl's ball turns in every frame of the machine.
void StepWithBall(KenoClientRecord* record, CComm& comm) {
  Step(record, comm);
  if (gKenoOptions.bowl) CycleBallSprite();
}

}  // namespace

int gKenoBall = 0;

KenoClientRecord* CreateClientRecord() {
  auto* record = static_cast<KenoClientRecord*>(std::calloc(1, sizeof(KenoClientRecord)));
  if (record != nullptr) record->statusText = kNoError;
  return record;
}

void DestroyClientRecord(KenoClientRecord* record) { std::free(record); }

int ClientRun(KenoClientRecord* record, CComm& comm, int) {
  return RunClientFrame(record, comm, &gClientStep, kEndStates.HandBacks(), StepWithBall);
}

void ClientKeyCommand(KenoClientRecord* record, int letter) {
  if (letter == 'N') record->newGameRequest = 1;
  if (letter == 'S') record->shootRequest = 1;
}

void ClearClientRequests(KenoClientRecord* record) { record->newGameRequest = record->shootRequest = 0; }

void EnableOnly(std::initializer_list<int> buttons, int withCells) {
  for (ButtonEntry& row : gKenoButtons) row.enabled = 0;
  gKenoButtons[kButtonStatusBar].enabled = 1;
  for (int b : buttons) gKenoButtons[b].enabled = 1;
  if (withCells) {
    for (int n = 0; n < kNumbers; ++n) gKenoButtons[kButtonCell1 + n].enabled = 1;
  }
  RedrawButtons();
}

void ResetClientMachine() {
  gKenoFlags = KenoFlags{};
  gKenoFlags.firstGame = 1;
  gKenoFlags.moneyArmed = 1;
  gClientStep = 0;
  gKenoBall = 0;
  ResetBoardAnimations();
  ResetMarquee();
}

}  // namespace pd
