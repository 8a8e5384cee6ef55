#include "sq/BaccaratClient.h"

#include <cstdio>
#include <cstdlib>

#include "framework/game/ClientEnding.h"
#include "framework/game/ClientFrame.h"
#include "framework/link/PlaybackClient.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/LagMeter.h"
#include "framework/shell/Money.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/StatusLine.h"
#include "framework/sound/GameSound.h"
#include "kw/CardGameShell.h"
#include "platform/include/plat/dialog.h"
#include "sq/BaccaratBetting.h"
#include "sq/BaccaratButtons.h"
#include "sq/BaccaratFiles.h"
#include "sq/BaccaratInput.h"
#include "sq/BaccaratProtocol.h"
#include "sq/BaccaratTable.h"

namespace sq {

using namespace game;

int gClientStep = 0;
int gContinueRequest = 0;

namespace {

constexpr char kNoError[] = "No error";
constexpr char kTitle[] = "Baccarat";
int gBettingOpen = 0;
int gTotalsPause = 0;
int gChipPressDue = 0;  // the selected chip is still to be pressed for the log

constexpr auto Fail = FailRecord<BaccaratClientRecord, kFatalConfig>;

constexpr auto Send = SendRecord<BaccaratClientRecord>;

void Build(BaccaratClientRecord* record, CComm& comm, const char* command, int next) {
  if (ClientBuild(comm, command)) record->state = next;
}

void CloseBetting() { gBettingOpen = 0; }

constexpr ClientEndStates kEndStates{
    kBuildEndPlay, kSendEndPlay, kWaitEndPlay, kBuildBeginPlay, kBuildQuitEnd, kSendQuitEnd, kWaitQuitEnd,
    kBuildExit,    kSendExit,    kWaitExit,    kEndConfig,      kEndHandBack,  kFatalConfig, kFatalBox,
    kFatalHandBack, CloseBetting,
};

constexpr ClientNumberTag kInitTags[] = {
    {kMoneyAmountTag, "WAITCLIENTINITANSWER: Can't find tag MONEYAMOUNT", "WAITCLIENTINITANSWER: Can't get moneyamount"},
    {kMinBetTag, "WAITCLIENTINITANSWER: Can't find tag MINBET", "WAITCLIENTINITANSWER: Can't get minBet"},
    {kMaxBetTag, "WAITCLIENTINITANSWER: Can't find tag MAXBET", "WAITCLIENTINITANSWER: Can't get maxBet"},
    {kMaxTableTag, "WAITCLIENTINITANSWER: Can't find tag MAXTABLE", "WAITCLIENTINITANSWER: Can't get maxTable"},
};

void WaitInit(BaccaratClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  const char* error = ClientCheckAnswer(comm, kClientInitAnswer,
                                        "CLIENTINITANSWER: Invalid answerstring: wanted CLIENTINITANSWER",
                                        "WAITCLIENTINIT: Answer != ok");
  double values[4] = {};
  if (error == nullptr) error = ClientReadNumbers(comm, kInitTags, 4, values);
  if (error != nullptr) return Fail(record, comm, error);
  comm.ReleaseReceived();
  const int exitRequest = record->exitRequest;
  *record = BaccaratClientRecord{};
  record->errorText = kNoError;
  record->exitRequest = exitRequest;
  record->money = values[0];
  record->minBet = values[1];
  record->maxBet = values[2];
  record->maxTable = values[3];
  record->chipSelection = kNoChip;
  if (record->money >= 5.0) {
    SelectChip(record, 1);
  } else if (record->money >= 1.0) {
    SelectChip(record, 0);
  }
  record->state = kBuildBeginPlay;
}

// The last stakes across a restore: taken from the replayed log when it
// holds them (the newest when a round was logged twice), then logged again
// on the BEGINPLAY packet, the one packet of the coup that goes out before
// its stakes are made.
void CarryLastBets(BaccaratClientRecord* record) {
  for (int area = 0; area < kBetAreas; ++area) {
    int stake = 0;
    while (TakeLoggedValue(kLastBetEvents[area], 0.0, record->maxBet, &stake)) record->lastBets[area] = stake;
    LogValue(kLastBetEvents[area], record->lastBets[area]);
  }
}

void BuildBeginPlay(BaccaratClientRecord* record, CComm& comm) {
  if (!ClientBuild(comm, kBeginPlay)) return;
  gClientStep = 0;
  JitterChipStacks();
  record->bets[0] = record->bets[1] = record->bets[2] = 0.0;
  record->betsOnTable = 0.0;
  record->coup = CoupCards{};
  record->coup.result = kNoStakeWon;
  CarryLastBets(record);
  if (!record->exitRequest) PlayGameSound(kSoundPlaceBets, 0, kSoundVoice);
  record->state = kSendBeginPlay;
}

void WaitBeginPlay(BaccaratClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  DrawLagMeter();
  double money = 0.0;
  if (const char* error = ClientReadMoneyAnswer(comm, kBeginPlayMoney, &money)) return Fail(record, comm, error);
  comm.ReleaseReceived();
  record->money = money;
  if (record->minBet > money && !gPlaybackClient.IsActive()) {
    plat::MessageBox(gMainWindow, "Your credit balance is low.", kTitle, plat::MB_OK | plat::MB_ICONEXCLAMATION);
  }
  record->moneyAtBegin = money;
  DrawMoney(money);
  record->state = kOpenBetting;
}

// The selected chip is pressed for the log so that a replay selects it too.
// The press comes in the first step of the betting, not in the frame that
// opens it: a replay presses it at the step it was logged at, and only then
// are the chip buttons enabled, so it is logged again at the same step and
// the main client knows it as the same press.
void PressSelectedChip(BaccaratClientRecord* record) {
  gChipPressDue = 0;
  if (gPlaybackClient.IsActive() || record->chipSelection >= kChipCount) return;
  const int chip = kButtonChip1 + record->chipSelection;
  const int enabled = gBaccaratButtons[chip].enabled;
  gBaccaratButtons[chip].enabled = 1;
  record->autoPress = 1;
  PressChipForLog(chip);
  record->autoPress = 0;
  gBaccaratButtons[chip].enabled = enabled;
  ShowStakesMoney(record);
}

// The betting opens in the frame state 7 begins in, so a replayed press
// logged there finds it open.
void OpenBetting(BaccaratClientRecord* record) {
  ClientClearKeys(record);
  DisableBetButtons();
  EnableButton(kButtonPlayer);
  EnableButton(kButtonBanker);
  EnableButton(kButtonTie);
  EnableButton(kButtonExit);
  SetStatusText("Place your bets please");
  PrintStatusMsg(nullptr);
  gBettingOpen = 1;
  gChipPressDue = 1;
  ShowStakesMoney(record);
  record->state = kBetting;
}

void Betting(BaccaratClientRecord* record) {
  if (gChipPressDue) PressSelectedChip(record);
  if (record->dealRequest && AreBetsWithinLimits(*record)) {
    gBettingOpen = 0;
    record->dealRequest = 0;
    SetStatusText("%s", "");
    PrintStatusMsg("%s", "");
    DisableBetButtons();
    RedrawButtons();
    EraseChipSelector();
    record->state = kBuildDeal;
  } else if (record->exitRequest) {
    gBettingOpen = 0;
    record->state = kBuildQuitEnd;
  }
}

void BuildDeal(BaccaratClientRecord* record, CComm& comm) {
  if (!ClientBuild(comm, kDeal)) return;
  char bets[128];
  const int n = std::snprintf(bets, sizeof bets, "%lf,%lf,%lf", record->bets[0], record->bets[1], record->bets[2]);
  if (n < 0 || n >= static_cast<int>(sizeof bets)) return Fail(record, comm, "INITDEAL: Can't convert betamount");
  ClientAddTag(comm, kBetsTag, bets);
  for (int area = 0; area < kBetAreas; ++area) record->lastBets[area] = record->bets[area];
  record->state = kSendDeal;
}

void WaitDeal(BaccaratClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  if (!ClientGotCommand(comm, kDealAnswer)) return Fail(record, comm, "WAITDEAL: Invalid answerstring: wanted DEALANSWER");
  if (!ClientGotAnswer(comm, kAnswerOk)) return Fail(record, comm, "WAITDEAL: Answer != ok");
  const char* text = ClientTagValue(comm, kCardsTag);
  if (text == nullptr) return Fail(record, comm, "WAITFIRSTDEAL: Can't find tag CARDS");
  CoupCards coup{};
  if (!ParseCoupCards(text, &coup)) return Fail(record, comm, "WAITDEALANSWER: Can't convert cards and winamount");
  double money = 0.0;
  const ClientTagRead read = ClientReadDouble(comm, kMoneyLeftTag, &money);
  if (read == kTagMissing) return Fail(record, comm, "WAITDEAL: Can't find tag MONEYLEFT");
  if (read == kTagBad) return Fail(record, comm, "WAITDEAL: Can't get MONEYLEFT data");
  comm.ReleaseReceived();
  record->coup = coup;
  record->money = money;
  record->state = kDealCards;
}

void ShowResult(BaccaratClientRecord* record) {
  ShowHandTotals(record->coup, 1);
  static constexpr const char* kCalls[] = {kSoundPlayerWins, kSoundBankerWins, kSoundTieWins};
  PlayGameSound(kCalls[record->coup.winner], 0, kSoundVoice);
  ShowWinMessage(*record);
  DrawMoney(record->money);
  record->state = kAskNewGame;
}

void AskNewGame(BaccaratClientRecord* record) {
  gContinueRequest = 0;
  ClientClearKeys(record);
  EnableButton(kButtonExit);
  if (record->coup.result == kNoStakeWon) {
    if (kw::gCardGameOptions.newGameButton) {
      EnableButton(kButtonNewGame);
      SetStatusText("Press new game to continue");
    } else {
      SetStatusText("Press anywhere to continue");
    }
  }
  RedrawButtons();
  PrintStatusMsg(nullptr);
  record->state = kWaitNewGame;
}

void WaitNewGame(BaccaratClientRecord* record) {
  if (!gContinueRequest && !record->exitRequest) return;
  SetStatusText("%s", "");
  PrintStatusMsg("%s", "");
  gBaccaratButtons[kButtonNewGame].enabled = 0;
  RedrawButtons();
  record->state = kPayout;
}

void Announce(BaccaratClientRecord* record) {
  if (kw::gCardGameOptions.voice) {
    if (!AnnounceTotals(record->coup)) return;
  } else if (++gTotalsPause < kTotalsPauseFrames) {
    return;
  }
  gTotalsPause = 0;
  EraseHandTotals(record->coup, 0);
  record->state = kThirdCards;
}

void Step(BaccaratClientRecord* record, CComm& comm) {
  switch (record->state) {
    case kBuildInit:
      DrawUserField();
      return Build(record, comm, kClientInit, kSendInit);
    case kSendInit: return Send(record, comm, kWaitInit);
    case kWaitInit: return WaitInit(record, comm);
    case kBuildBeginPlay: return BuildBeginPlay(record, comm);
    case kSendBeginPlay:
      if (ClientSend(comm, &record->state, kWaitBeginPlay)) StampLinkActivity();
      return;
    case kWaitBeginPlay: return WaitBeginPlay(record, comm);
    case kOpenBetting: return OpenBetting(record);
    case kBetting: return Betting(record);
    case kBuildDeal: return BuildDeal(record, comm);
    case kSendDeal: return Send(record, comm, kWaitDeal);
    case kWaitDeal: return WaitDeal(record, comm);
    case kDealCards:
      if (AnimateDeal(record->coup)) record->state = kShowTotals;
      return;
    case kShowTotals:
      ShowHandTotals(record->coup, 0);
      record->state = kAnnounce;
      return;
    case kAnnounce: return Announce(record);
    case kThirdCards:
      if (AnimateThirdCards(record->coup)) record->state = kShowResult;
      return;
    case kShowResult: return ShowResult(record);
    case kAskNewGame: return AskNewGame(record);
    case kWaitNewGame: return WaitNewGame(record);
    case kPayout:
      if (!AnimatePayout(*record)) return;
      EraseHandTotals(record->coup, 1);
      record->state = kClearCards;
      return;
    case kClearCards:
      if (AnimateClearCards(record->coup)) record->state = kBuildEndPlay;
      return;
    default: RunClientEnding(kEndStates, record, comm, record->statusText, Fail); return;
  }
}

}  // namespace

BaccaratClientRecord* CreateClientRecord() {
  auto* record = static_cast<BaccaratClientRecord*>(std::calloc(1, sizeof(BaccaratClientRecord)));
  if (record == nullptr) return nullptr;
  record->errorText = kNoError;
  record->chipSelection = kNoChip;
  JitterChipStacks();
  return record;
}

void DestroyClientRecord(BaccaratClientRecord* record) { std::free(record); }

int ClientRun(BaccaratClientRecord* record, CComm& comm, int) {
  return RunClientFrame(record, comm, &gClientStep, kEndStates.HandBacks(), Step);
}

void ClientPressKey(BaccaratClientRecord* record, int letter) {
  if (letter == 'D') record->dealRequest = 1;
  if (letter == 'E') record->exitRequest = 1;
}

void ClientClearKeys(BaccaratClientRecord* record) { record->dealRequest = 0; }

int BettingOpen() { return gBettingOpen; }

void ResetClientMachine() {
  gClientStep = 0;
  gContinueRequest = 0;
  gBettingOpen = 0;
  gTotalsPause = 0;
  gChipPressDue = 0;
  ResetBaccaratTable();
}

}  // namespace sq
