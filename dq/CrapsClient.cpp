#include "dq/CrapsClient.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "dq/BetWire.h"
#include "framework/game/ClientFrame.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/CasinoCfg.h"
#include "dq/CrapsAnimations.h"
#include "dq/CrapsBetting.h"
#include "dq/CrapsButtons.h"
#include "dq/CrapsInput.h"
#include "dq/CrapsOptions.h"
#include "dq/CrapsReplay.h"
#include "dq/CrapsSnapshot.h"
#include "dq/CrapsStartup.h"
#include "dq/CrapsTableView.h"
#include "dq/CrapsTicker.h"
#include "dq/RoundValues.h"
#include "framework/shell/LagMeter.h"
#include "framework/shell/Money.h"
#include "framework/link/PlaybackClient.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/StatusLine.h"
#include "dq/TableRules.h"
#include "platform/include/plat/dialog.h"

namespace dq {

using namespace game;

int gTransitionCounter = 0;
int gCreditsRequest = 0;
int gReplayingRound = 0;

namespace {

constexpr char kNoError[] = "No error";
const char* gErrorText = kNoError;

constexpr char kCrapsTitle[] = "Craps";

// Stores the error and builds the box text while the packet that caused it
// may still carry the server's own error text.
void Fail(CrapsClientRecord* record, CComm& comm, const char* text) {
  gErrorText = text;
  ClientFatalText(comm, text, record->text, sizeof record->text);
  record->state = kClientFatalConfig;
}

constexpr auto Send = SendRecord<CrapsClientRecord>;

// ---- Waiting states ----

constexpr ClientNumberTag kInitTags[] = {
    {kMoneyAmountTag, "WAITCLIENTINITANSWER: Can't find tag MONEYAMOUNT",
     "WAITCLIENTINITANSWER: Can't get moneyamount"},
    {"MINBET", "WAITCLIENTINITANSWER: Can't find tag MINBET",
     "WAITCLIENTINITANSWER: Can't get minBet"},
    {"MAXBET", "WAITCLIENTINITANSWER: Can't find tag MAXBET",
     "WAITCLIENTINITANSWER: Can't get maxBet"},
    {"MAXODDS", "WAITCLIENTINITANSWER: Can't find tag MAXODDS",
     "WAITCLIENTINITANSWER: Can't get maxOdds"},
    {"MAXTABLE", "WAITCLIENTINITANSWER: Can't find tag MAXTABLE",
     "WAITCLIENTINITANSWER: Can't get maxTable"},
    {"MINBETPROP", "WAITCLIENTINITANSWER: Can't find tag MINBETPROP",
     "WAITCLIENTINITANSWER: Can't get minBetProp"},
};

void WaitClientInit(CrapsClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  const char* error =
      ClientCheckAnswer(comm, kClientInitAnswer,
                        "CLIENTINITANSWER: Invalid answerstring: wanted CLIENTINITANSWER",
                        "WAITCLIENTINIT: Answer != ok");
  double values[6] = {};
  if (error == nullptr) error = ClientReadNumbers(comm, kInitTags, 6, values);
  if (error != nullptr) return Fail(record, comm, error);
  // Only the playback of a saved game marks its packets.
  gReplayingRound = gPlaybackClient.changed;
  std::memset(record, 0, sizeof *record);
  record->balance = values[0];
  record->minBet = values[1];
  record->maxBet = values[2];
  record->maxOdds = values[3];
  record->maxTable = values[4];
  record->minBetProp = values[5];
  record->minBetCopy = record->minBet;
  record->comeOut = 1;
  if (!ReplayRunning()) DrawPuckOff();
  DrawTotalBet(0.0);
  record->workingBuy = gCrapsOptions.buyWorking;
  record->workingPlace = gCrapsOptions.placeWorking;
  record->workingComeOdds = gCrapsOptions.comeOddsWorking;
  record->workingHardways = gCrapsOptions.hardwaysWorking;
  UpdateBetButtons(*record);
  ClearTicker();
  SetTickerText(kTickerWelcome, *record, 0);
  EnableButton(kButtonExit);
  // A balance below one dollar affords no chip at all.
  record->selectedChip = record->balance >= 5.0 ? 1 : (record->balance >= 1.0 ? 0 : kNoChip);
  record->chipValue = ChipValue(record->selectedChip);
  record->negativeChipValue = -record->chipValue;
  comm.ReleaseReceived();
  record->state = kClientBuildBeginPlay;
}

void KeepRestingDice(CrapsClientRecord* record) {
  record->diceResting = gTableView.diceOnTable == 1 ? 1 : 0;
  const Point* places = gTableView.diePlaces;
  record->restingDie1[0] = static_cast<std::int16_t>(places[0].x);
  record->restingDie1[1] = static_cast<std::int16_t>(places[0].y);
  record->restingDie2[0] = static_cast<std::int16_t>(places[1].x);
  record->restingDie2[1] = static_cast<std::int16_t>(places[1].y);
}

void PutBackRestingDice(const CrapsClientRecord& record) {
  gTableView.diceOnTable = record.diceResting == 1 ? 1 : 0;
  gTableView.diePlaces[0] = {record.restingDie1[0], record.restingDie1[1]};
  gTableView.diePlaces[1] = {record.restingDie2[0], record.restingDie2[1]};
  DrawRestingDice(record);
}

// The table of the replayed round's start from the snapshot, with the
// balance the server has just sent.
int RestoreRoundStart(CrapsClientRecord* record) {
  const double balance = record->balance;
  if (!LoadClientSnapshot(record)) return 0;
  record->balance = balance;
  record->beginBalance = balance;
  gTableView.workingMarkersShown = record->point != 0 ? 0 : 1;
  UpdateBetButtons(*record);
  DrawDice(record->dice[0], record->dice[1]);
  PutBackRestingDice(*record);
  DrawWinnings(*record, WinningsOfRoll(*record));
  RedrawAllBets(*record);
  gScreen.Restore(kPuckOffPlace.x, kPuckOffPlace.y, kPuckWidth, kPuckHeight);
  if (record->point != 0) {
    DrawPuckOn(record->point);
  } else {
    DrawPuckOff();
  }
  PlacePuck(record->point);
  DrawTotalBet(record->tableTotal);
  return 1;
}

void WaitBeginPlay(CrapsClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  // A replayed answer waits for the restore, not for the link.
  if (!ReplayRunning()) DrawLagMeter();
  double money = 0.0;
  if (const char* error = ClientReadMoneyAnswer(comm, kBeginPlayMoney, &money)) return Fail(record, comm, error);
  record->balance = money;
  comm.ReleaseReceived();
  if (record->minBet > record->balance && !ReplayRunning()) {
    plat::MessageBox(gMainWindow, "Your credit balance is low.", kCrapsTitle,
                     plat::MB_OK | plat::MB_ICONEXCLAMATION);
  }
  record->beginBalance = record->balance;
  if (ReplayRunning()) {
    if (!RestoreRoundStart(record)) return Fail(record, comm, "RECONNECT ERROR!");
  } else {
    // The table as the round starts: a restore of this round replays its
    // presses onto it.
    KeepRestingDice(record);
    SaveClientSnapshot(record);
  }
  DrawMoney(record->balance - record->tableTotal);
  record->state = kClientStartBetting;
}

void StartBetting(CrapsClientRecord* record) {
  ClearClientRequests(record);
  if (record->balance >= record->minBet) EnableButton(kButtonRoll);
  RedrawButtons();
  SelectChip(record);
  SetStatusText("Place your bet please");
  record->state = kClientBetting;
}

// The client's own press of its chip opens each round's betting; a replay
// presses the recorded one instead, when the round recorded any.
void OpenBetting(CrapsClientRecord* record) {
  if (record->selectedChip >= 0 && record->selectedChip < kChipCount) {
    const int button = kButtonChip1 + record->selectedChip;
    EnableButton(button);
    if (!ReplayRunning() || !ReplayPressesWaiting()) {
      record->autoPress = 1;
      HandleButtonInput(0, 0, 1, 0, button);
      record->autoPress = 0;
    }
  }
  gBettingOpen = 1;
  DrawMoney(record->balance - record->tableTotal);
  // Enabling the chips restores their faces from the picture.
  DrawChipSelector(record->selectedChip);
}

void TakeRoll(CrapsClientRecord* record) {
  gBettingOpen = 0;
  ClearClientRequests(record);
  const CrapsLimits limits{record->minBet, record->maxBet, record->maxTable, record->maxOdds,
                           record->minBetProp};
  int failing = 0;
  if (!CheckMinimumBets(record->bets, limits, &failing)) {
    if (!ReplayRunning()) {
      char text[96];
      std::snprintf(text, sizeof text, "%s%s", MinimumBetText(failing), BetName(failing));
      plat::MessageBox(gMainWindow, text, kCrapsTitle, plat::MB_OK | plat::MB_ICONEXCLAMATION);
    }
    gBettingOpen = 1;
    return;
  }
  gScreen.Restore(kWinningsArea.x, kWinningsArea.y, kWinningsArea.width, kWinningsArea.height);
  gScreen.Restore(kTickerStrip.x, kTickerStrip.y, kTickerStrip.width, kTickerStrip.height);
  ClearTicker();
  if (gCasinoCfg.showAnimations) {
    DisableBetButtons();
    EraseChipSelector(record->selectedChip);
  } else {
    DisableGameButtons();
  }
  gCrapsButtons[kButtonExit].enabled = 0;
  RedrawButtons();
  record->state = kClientBuildRoll;
}

void Betting(CrapsClientRecord* record) {
  StepTicker();
  if (!gBettingOpen) OpenBetting(record);
  if (record->rollRequest) {
    TakeRoll(record);
  } else if (record->quitRequest) {
    gBettingOpen = 0;
    ClearClientRequests(record);
    record->state = record->quitAnswer == 1 ? kClientQuitForfeit : kClientQuitReturn;
  }
  if (gCreditsRequest) {
    gCreditsRequest = 0;
    SetTickerText(kTickerCredits, *record, record->previousComeOut);
  }
}

void BuildRoll(CrapsClientRecord* record, CComm& comm) {
  if (!ClientBuild(comm, "ROLLDICE")) return;
  char list[kBetListTextSize];
  const CrapsWorkingFlags flags{record->workingPlace, record->workingBuy, record->workingComeOdds,
                                record->workingHardways};
  if (EncodeBetList(record->bets, flags, list, sizeof list) < 0) {
    return Fail(record, comm, "ROLLDICE: Can't write the bet list");
  }
  ClientAddTag(comm, "BET", list);
  record->state = kClientSendRoll;
}

void WaitBetAnswer(CrapsClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  if (!ClientGotCommand(comm, "BETANSWER")) {
    return Fail(record, comm, "WAITBETCHECKANSWER: Can't find command BETANSWER");
  }
  if (ClientGotAnswer(comm, kAnswerOk)) {
    comm.ReleaseReceived();
    record->state = kClientBuildResultRequest;
  } else if (ClientGotAnswer(comm, kAnswerFail)) {
    Fail(record, comm, "WAITBETCHECKANSWER: Invalid Bet on Craps Table");
  } else {
    Fail(record, comm, "WAITBETCHECKANSWER: Answer != ok/fail");
  }
}

// A result is a payout or one of the marks; anything else (not a number,
// infinite) would corrupt the balance.
bool IsResult(float value) {
  return (std::isfinite(value) && value > 0.0f) || value == 0.0f || value == kResultStays ||
         value == kResultLost || value == kResultReturned;
}

// Dice and point must be ones a roll gives: they index the table's sprites
// and places.
bool IsRoll(const CrapsRollOutcome& outcome) {
  for (int d : outcome.dice) {
    if (d < 1 || d > 6) return false;
  }
  return IsPoint(outcome.point) != 0 && (outcome.comeOut == 0 || outcome.comeOut == 1);
}

void TakeOutcome(CrapsClientRecord* record, const CrapsRollOutcome& outcome) {
  std::memcpy(record->results, outcome.results, sizeof record->results);
  record->previousDice[0] = record->dice[0];
  record->previousDice[1] = record->dice[1];
  record->previousPoint = record->point;
  record->dice[0] = outcome.dice[0];
  record->dice[1] = outcome.dice[1];
  record->point = outcome.point;
  record->comeOut = outcome.comeOut;
  for (int i = 0; i < 6; ++i) {
    record->comePoints[kBoxNumbers[i] - 1] = outcome.comePoints[i];
    record->dontComePoints[kBoxNumbers[i] - 1] = outcome.dontComePoints[i];
  }
}

void WaitResult(CrapsClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  if (!ClientGotCommand(comm, "BETDATA")) {
    return Fail(record, comm, "WAITRESULTDATA: Couldn't find BETDATA command");
  }
  const char* list = ClientTagValue(comm, "RESULT");
  if (list == nullptr) {
    if (ClientGotAnswer(comm, kAnswerDbError)) return Fail(record, comm, "WAITRESULTDATA: Couldn't update Database");
    return Fail(record, comm, "WAITRESULTDATA: Couldn't find result tag");
  }
  record->previousComeOut = record->comeOut;
  CrapsRollOutcome outcome{};
  const int parsed = ParseResultList(list, &outcome);
  bool resultsOk = parsed != kResultListBadResult;
  for (float r : outcome.results) resultsOk = resultsOk && IsResult(r);
  if (!resultsOk) return Fail(record, comm, "CONVERTING: Couldnt convert Bet result from server");
  if (parsed != kResultListOk || !IsRoll(outcome)) {
    return Fail(record, comm, "CONVERTING: Couldnt convert Dice,ComePoints from server");
  }
  TakeOutcome(record, outcome);
  std::memcpy(record->betSnapshot, record->bets, sizeof(float) * kCrapsBetKinds);
  record->state = kClientClearRequests;
}

void ChooseThrow(CrapsClientRecord* record) {
  PlayCallBeforeThrow(*record);
  SeedThrow(*record);
  switch (ThrowRandom(3)) {
    case 0:
      record->state = record->previousComeOut == 1 ? kClientThrow3 : kClientThrow1;
      break;
    case 1: record->state = kClientThrow2; break;
    default: record->state = kClientThrow3; break;
  }
}

void ShowResults(CrapsClientRecord* record) {
  const int comeOutBefore = record->previousComeOut;
  ProcessRollResults(record);
  SetTickerText(record->won != 0.0f ? kTickerWinSummary : kTickerRollCall, *record, comeOutBefore);
  record->state = kClientTakeLosers;
}

void SettleMoney(CrapsClientRecord* record) {
  if (record->won != 0.0f) record->balance += record->won;
  if (record->lost != 0.0f) {
    record->balance -= record->lost;
    record->lost = 0.0f;
  }
  float total = 0.0f;
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) {
    if (record->bets[kind] > 0.0f) total += record->bets[kind];
  }
  record->tableTotal = total;
  DrawMoney(record->balance - record->tableTotal);
  DrawTotalBet(record->tableTotal);
  EnableGameButtons();
  gCrapsButtons[kButtonRoll].enabled = 0;
  EnableButton(kButtonExit);
  UpdateBetButtons(*record);
  DrawRestingDice(*record);
  if (record->point == 0) {
    gTableView.workingMarkersShown = 1;
    RedrawAllBets(*record);
  }
  record->state = kClientBuildEndPlay;
}

void WaitEndPlay(CrapsClientRecord* record, CComm& comm, const char* badCommand,
                 const char* notOk, int next) {
  if (!ClientArrived(comm)) return;
  const char* error = ClientCheckAnswer(comm, kEndPlayAnswer, badCommand, notOk);
  if (error != nullptr) return Fail(record, comm, error);
  comm.ReleaseReceived();
  record->state = next;
}

void WaitExit(CrapsClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  const char* error =
      ClientCheckAnswer(comm, kClientExitAnswer,
                        "WAITCLIENTEXITANSWER: Invalid answerstring: wanted CLIENTEXITANSWER",
                        "WAITCLIENTEXITANSWER: Answer != ok");
  if (error != nullptr) return Fail(record, comm, error);
  comm.ReleaseReceived();
  record->state = kClientEndConfig;
}

void Step(CrapsClientRecord* r, CComm& comm) {
  switch (r->state) {
    case kClientBuildInit:
      if (!ClientBuild(comm, kClientInit)) return;
      DrawUserField();
      r->state = kClientSendInit;
      return;
    case kClientSendInit: return Send(r, comm, kClientWaitInit);
    case kClientWaitInit: return WaitClientInit(r, comm);
    case kClientBuildBeginPlay:
      if (!ClientBuild(comm, kBeginPlay)) return;
      gTransitionCounter = 0;
      gBettingOpen = 0;
      r->state = kClientSendBeginPlay;
      return;
    case kClientSendBeginPlay:
      if (!comm.SendPacket()) return;
      StampLinkActivity();
      r->state = kClientWaitBeginPlay;
      return;
    case kClientWaitBeginPlay: return WaitBeginPlay(r, comm);
    case kClientStartBetting: return StartBetting(r);
    case kClientBetting: return Betting(r);
    case kClientBuildRoll: return BuildRoll(r, comm);
    case kClientSendRoll: return Send(r, comm, kClientWaitBetAnswer);
    case kClientWaitBetAnswer: return WaitBetAnswer(r, comm);
    case kClientBuildResultRequest:
      if (!ClientBuild(comm, "SENDRESULT")) return;
      ClientAddTag(comm, "RESULT", "");
      r->state = kClientSendResultRequest;
      return;
    case kClientSendResultRequest: return Send(r, comm, kClientWaitResult);
    case kClientWaitResult: return WaitResult(r, comm);
    case kClientClearRequests:
      ClearClientRequests(r);
      r->state = kClientPickup;
      return;
    case kClientPickup:
      if (AnimDicePickup(r)) r->state = kClientCallBeforeThrow;
      return;
    case kClientCallBeforeThrow: return ChooseThrow(r);
    case kClientThrow1:
      if (AnimDiceThrow1(r)) r->state = kClientDrawDice;
      return;
    case kClientThrow2:
      if (AnimDiceThrow2(r)) r->state = kClientDrawDice;
      return;
    case kClientThrow3:
      if (AnimDiceThrow3(r)) r->state = kClientDrawDice;
      return;
    case kClientDrawDice:
      DrawDice(r->dice[0], r->dice[1]);
      r->state = kClientMovePuck;
      return;
    case kClientMovePuck:
      if (AnimMovePuck(r, r->point, r->comeOut)) r->state = kClientCallOut;
      return;
    case kClientCallOut:
      PlayRollCallOut(*r);
      r->state = kClientProcessResults;
      return;
    case kClientProcessResults: return ShowResults(r);
    case kClientTakeLosers:
      if (AnimTakeLosingBets(r)) r->state = kClientPayWinners;
      return;
    case kClientPayWinners:
      if (AnimPayWinningBets(r)) r->state = kClientMoveComeBet;
      return;
    case kClientMoveComeBet:
      if (AnimMoveComeBet(r, r->comeMove[0], r->comeMove[1])) r->state = kClientMoveDontComeBet;
      return;
    case kClientMoveDontComeBet:
      if (AnimMoveDontComeBet(r, r->dontComeMove[0], r->dontComeMove[1])) r->state = kClientMoney;
      return;
    case kClientMoney: return SettleMoney(r);
    case kClientBuildEndPlay:
      if (!ClientBuild(comm, kEndPlay)) return;
      comm.ReleaseReceived();
      r->state = kClientSendEndPlay;
      return;
    case kClientSendEndPlay: return Send(r, comm, kClientWaitEndPlay);
    case kClientWaitEndPlay:
      WaitEndPlay(r, comm, "WAITENDPLAYANSWER: Invalid answerstring: wanted ENDPLAYANSWER",
                  "WAITENDPLAYANSWER: Answer != ok", kClientBuildBeginPlay);
      if (r->state == kClientBuildBeginPlay) gReplayingRound = 0;
      return;
    case kClientQuitReturn:
      if (!AnimQuitReturnBets(r)) return;
      DrawMoney(r->balance);
      r->state = kClientBuildQuitEnd;
      return;
    case kClientQuitForfeit:
      if (AnimQuitForfeitBets(r)) r->state = kClientBuildQuitEnd;
      return;
    case kClientBuildQuitEnd: {
      if (!ClientBuild(comm, kEndPlay)) return;
      char flag[16];
      std::snprintf(flag, sizeof flag, "%i", r->quitAnswer);
      ClientAddTag(comm, kQuitFlagTag, flag);
      r->state = kClientSendQuitEnd;
      return;
    }
    case kClientSendQuitEnd: return Send(r, comm, kClientWaitQuitEnd);
    case kClientWaitQuitEnd:
      return WaitEndPlay(r, comm,
                         "WAITENDPLAYQUITANSWER: Invalid answerstring: wanted ENDPLAYANSWER",
                         "WAITENDPLAYQUITANSWER: Answer != ok", kClientBuildExit);
    case kClientBuildExit:
      if (!ClientBuild(comm, kClientExit)) return;
      r->state = kClientSendExit;
      return;
    case kClientSendExit: return Send(r, comm, kClientWaitExit);
    case kClientWaitExit: return WaitExit(r, comm);
    case kClientFatalConfig:
      ClientWriteSettings();
      r->state = kClientFatalBox;
      return;
    case kClientFatalBox:
      ShowClientFatalBox(r->text);
      r->state = kClientFatalHandBack;
      return;
    case kClientEndConfig:
      ClientWriteSettings();
      r->state = kClientEndHandBack;
      return;
    default:
      return;
  }
}

}  // namespace

CrapsClientRecord* CreateClientRecord() {
  auto* record = static_cast<CrapsClientRecord*>(std::calloc(1, sizeof(CrapsClientRecord)));
  gErrorText = kNoError;
  return record;
}

void DestroyClientRecord(CrapsClientRecord* record) { std::free(record); }

int ClientRun(CrapsClientRecord* record, CComm& comm) {
  return RunClientFrame(record, comm, &gTransitionCounter, ClientEnds{kClientEndHandBack, kClientFatalHandBack}, Step);
}

void ClearClientRequests(CrapsClientRecord* record) {
  record->rollRequest = 0;
  record->quitRequest = 0;
}

void ClientKeyCommand(CrapsClientRecord* record, int key) {
  if (key == 'E') record->quitRequest = 1;
  if (key == 'R') record->rollRequest = 1;
}

const char* ClientErrorText() { return gErrorText; }

void ResetClientMachine() {
  gTransitionCounter = 0;
  gCreditsRequest = 0;
  gReplayingRound = 0;
  gErrorText = kNoError;
  gStickmanCounter = 0;
  ResetBetting();
  ResetTableView();
  ResetAnimations();
  gTickerText[0] = '\0';
  gTickerFlags = TickerFlags{};
}

}  // namespace dq
