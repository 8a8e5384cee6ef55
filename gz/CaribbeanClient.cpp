#include "gz/CaribbeanClient.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/game/ClientEnding.h"
#include "framework/game/ClientFrame.h"
#include "framework/link/BtnLog.h"
#include "framework/link/PlaybackClient.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/LagMeter.h"
#include "framework/shell/Money.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/StatusLine.h"
#include "framework/sound/GameSound.h"
#include "gz/CaribbeanBetting.h"
#include "gz/CaribbeanButtons.h"
#include "gz/CaribbeanFiles.h"
#include "kw/CardGameShell.h"
#include "gz/CaribbeanProtocol.h"
#include "gz/CaribbeanTable.h"
#include "gz/CaribbeanTableLayout.h"
#include "gz/CaribbeanWire.h"
#include "platform/include/plat/dialog.h"

namespace gz {

using namespace game;

int gClientStep = 0;
int gContinueMark = 0;

namespace {

constexpr char kNoError[] = "No error";
constexpr char kTitle[] = "Caribbean Poker";
int gAntePhase = 0;

constexpr auto Fail = FailRecord<CaribbeanClientRecord, kFatalConfig>;

constexpr auto Send = SendRecord<CaribbeanClientRecord>;

void Build(CaribbeanClientRecord* record, CComm& comm, const char* command, int next) {
  if (ClientBuild(comm, command)) record->state = next;
}

constexpr ClientNumberTag kInitTags[] = {
    {kMoneyAmountTag, "WAITCLIENTINITANSWER: Can't find tag MONEYAMOUNT", "WAITCLIENTINITANSWER: Can't get moneyamount"},
    {kMinBetTag, "WAITCLIENTINITANSWER: Can't find tag MINBET", "WAITCLIENTINITANSWER: Can't get minBet"},
    {kMaxBetTag, "WAITCLIENTINITANSWER: Can't find tag MAXBET", "WAITCLIENTINITANSWER: Can't get maxBet"},
};

void WaitInit(CaribbeanClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  const char* error = ClientCheckAnswer(comm, kClientInitAnswer,
                                        "CLIENTINITANSWER: Invalid answerstring: wanted CLIENTINITANSWER",
                                        "WAITCLIENTINIT: Answer != ok");
  double values[3] = {};
  if (error == nullptr) error = ClientReadNumbers(comm, kInitTags, 3, values);
  if (error != nullptr) return Fail(record, comm, error);
  comm.ReleaseReceived();
  record->money = values[0];
  record->minAnte = values[1];
  record->maxAnte = values[2];
  record->rebetAnte = record->minAnte;
  record->ante = 0.0;
  record->state = kBuildBeginPlay;
}

// The rebet ante across a restore: taken from the replayed log when it
// holds one (the newest when a round was logged twice), then logged again
// on the BEGINPLAY packet, the one packet of the round that goes out
// before its ante is made.
void CarryLastAnte(CaribbeanClientRecord* record) {
  int ante = 0;
  while (TakeLoggedValue(kLastAnteEvent, 0.0, record->maxAnte, &ante)) record->rebetAnte = ante;
  LogValue(kLastAnteEvent, record->rebetAnte);
}

// The look the hand was played with, back on the deck in a restore.
void LoadDeckLook() {
  int look = 0;
  if (!TakeLoggedValue(kDeckLookEvent, 0, kDeckLooks - 1, &look)) return;
  gDeckLook = look;
  DrawDeck();
}

void SaveDeckLook() { LogValue(kDeckLookEvent, gDeckLook); }

void BuildBeginPlay(CaribbeanClientRecord* record, CComm& comm) {
  if (!ClientBuild(comm, kBeginPlay)) return;
  gClientStep = 0;
  DrawDeck();
  record->anteWin = record->movedAnte = record->callWin = record->callBet = 0.0;
  record->playerPaid = 0;
  record->surrendered = 0;
  CarryLastAnte(record);
  if (!record->exitRequest) PlayGameSound(kSoundAnte, 0, kSoundVoice);
  record->state = kSendBeginPlay;
}

void WaitBeginPlay(CaribbeanClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  DrawLagMeter();
  double money = 0.0;
  if (const char* error = ClientReadMoneyAnswer(comm, kBeginPlayMoney, &money)) return Fail(record, comm, error);
  comm.ReleaseReceived();
  record->money = money;
  if (record->minAnte * 3.0 > money && !gPlaybackClient.IsActive()) {
    plat::MessageBox(gMainWindow, "Your credit balance is low.", kTitle, plat::MB_OK | plat::MB_ICONEXCLAMATION);
  }
  LoadDeckLook();
  SaveDeckLook();
  record->state = kStartAnte;
}

// The ante may change from the frame state 7 begins in, so a replayed
// press logged there finds it open.
void OpenAntePhase(CaribbeanClientRecord* record) {
  gAntePhase = 1;
  ShowAnteMoney(record);
  record->state = kAnte;
}

void StartAnte(CaribbeanClientRecord* record) {
  ClearClientRequests(record);
  DisableBetButtons();
  if (record->ante > 0.0) EnableButton(kButtonDeal);
  EnableButton(kButtonAnteSpot);
  EnableButton(kButtonExit);
  RedrawButtons();
  ClientSetMessage(record, "Place your ante please");
  PrintStatusMsg(nullptr);
  OpenAntePhase(record);
}

void Ante(CaribbeanClientRecord* record) {
  if (record->dealRequest && record->ante >= record->minAnte) {
    gAntePhase = 0;
    DisableBetButtons();
    DisableChipButtons();
    RedrawButtons();
    if (record->money / record->ante >= 3.0) {
      ClearClientRequests(record);
      SetStatusText("%s", "");
      PrintStatusMsg("%s", "");
      record->state = kBuildFirstDeal;
    } else {
      record->dealRequest = 0;
      record->state = kAnteTooBig;
    }
  } else if (record->exitRequest) {
    gAntePhase = 0;
    ClearClientRequests(record);
    record->state = kBuildQuitEnd;
  }
}

void BuildFirstDeal(CaribbeanClientRecord* record, CComm& comm) {
  if (!ClientBuild(comm, kFirstDeal)) return;
  char ante[64];
  std::snprintf(ante, sizeof ante, "%f", record->ante);
  ClientAddTag(comm, kAnteTag, ante);
  record->movedAnte = record->ante;
  record->state = kSendFirstDeal;
}

void WaitFirstDeal(CaribbeanClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  if (!ClientGotCommand(comm, kFirstDealAnswer)) {
    return Fail(record, comm, "WAITFIRSTDEAL: Invalid answerstring: wanted FIRSTDEALANSWER");
  }
  if (!ClientGotAnswer(comm, kAnswerOk)) return Fail(record, comm, "WAITFIRSTDEAL: Answer != ok");
  const char* cards = ClientTagValue(comm, kFirstCardsTag);
  if (cards == nullptr) return Fail(record, comm, "WAITFIRSTDEAL: Can't find tag FIRSTCARDS");
  std::int32_t ids[6];
  if (!ParseFirstCards(cards, ids)) return Fail(record, comm, "CONVERTING: FIRSTCARDS");
  double money = 0.0;
  const ClientTagRead read = ClientReadDouble(comm, kMoneyLeftTag, &money);
  if (read == kTagMissing) return Fail(record, comm, "WAITFIRSTDEAL: Can't find tag MONEYLEFT");
  if (read == kTagBad) return Fail(record, comm, "WAITFIRSTDEAL: Can't get MONEYLEFT data");
  comm.ReleaseReceived();
  std::memcpy(record->cards, ids, sizeof ids);
  record->money = money;
  DrawMoney(money);
  record->state = kDeal;
}

void StartChoice(CaribbeanClientRecord* record) {
  ClearClientRequests(record);
  EnableButton(kButtonSurrender);
  EnableButton(kButtonCall);
  RedrawButtons();
  if (gContinueMark) ClientSetMessage(record, "Choose...");
  PrintStatusMsg(nullptr);
  record->state = kChoice;
}

// Both hands by rank, then arranged and named.
void ArrangeHands(CaribbeanClientRecord* record) {
  const std::int32_t dealer[kHandCards] = {record->cards[5], record->cards[6], record->cards[7], record->cards[8],
                                           record->cards[9]};
  SortCardsByRank(record->cards, record->hands.player);
  SortCardsByRank(dealer, record->hands.dealer);
  EvaluateHandName(record->hands);
}

const char* ReadSecondCards(CComm& comm, int called, SecondCards* cards) {
  const char* text = ClientTagValue(comm, kSecondCardsTag);
  if (text == nullptr) return "WAITBETANSWER: Can't find tag PLAYERCARD";
  const int read = called ? ParseCallCards(text, cards) : ParseSurrenderCards(text, cards);
  return read ? nullptr : "CONVERTING: SECONDCARDS";
}

void WaitSurrender(CaribbeanClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  const char* error = nullptr;
  SecondCards cards{};
  if (!ClientGotCommand(comm, kPlayerSurrenderAnswer)) {
    error = "WAITSURRENDERANSWER: Invalid answerstring: wanted PLAYERSURANSWER";
  } else if (!ClientGotAnswer(comm, kAnswerOk)) {
    error = "WAITSTANDANSWER: Answer != ok";
  } else {
    error = ReadSecondCards(comm, 0, &cards);
  }
  if (error != nullptr) return Fail(record, comm, error);
  comm.ReleaseReceived();
  std::memcpy(record->cards + 6, cards.ids, sizeof cards.ids);
  ArrangeHands(record);
  record->outcome = kOutcomeSurrendered;
  record->ante = 0.0;
  record->serverMoney = record->money;
  record->state = kTurnDealer;
}

void BuildCall(CaribbeanClientRecord* record, CComm& comm) {
  if (!ClientBuild(comm, kPlayerBet)) return;
  record->callBet = 2.0 * record->ante;
  DrawBetStack(record->ante);
  record->state = kSendCall;
}

void WaitCall(CaribbeanClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  const char* error = nullptr;
  SecondCards cards{};
  if (!ClientGotCommand(comm, kPlayerBetAnswer)) {
    error = "WAITBETANSWER: Invalid answerstring: wanted PLAYERBETANSWER";
  } else if (!ClientGotAnswer(comm, kAnswerOk)) {
    error = "WAITBETANSWER: Answer != ok";
  } else {
    error = ReadSecondCards(comm, 1, &cards);
  }
  if (error != nullptr) return Fail(record, comm, error);
  comm.ReleaseReceived();
  std::memcpy(record->cards + 6, cards.ids, sizeof cards.ids);
  record->outcome = cards.outcome;
  record->serverMoney = cards.money;
  ArrangeHands(record);
  record->money -= 2.0 * record->ante;
  DrawMoney(record->money);
  record->state = kTurnDealer;
}

void ShowResult(CaribbeanClientRecord* record) {
  const double a = record->ante;
  const double m = record->serverMoney;
  const double c = record->money;
  switch (record->outcome) {
    case 0:
      PlayGameSound(kSoundPlayerWins, 0, kSoundVoice);
      ShowWinAmount(m - c - 3.0 * a, a);
      record->anteWin = a;
      record->callWin = m - c - 4.0 * a;
      record->playerPaid = 1;
      break;
    case 1:
      PlayGameSound(kSoundDealerWins, 0, kSoundVoice);
      record->playerPaid = 0;
      break;
    case 2:
      PlayGameSound(kSoundNotQualified, 0, kSoundVoice);
      ShowWinAmount(m - c - 3.0 * a, a);
      record->anteWin = a;
      record->playerPaid = 1;
      break;
    case 3:
      PlayGameSound(kSoundPush, 0, kSoundVoice);
      record->playerPaid = 1;
      break;
    default: record->playerPaid = 0; break;
  }
  record->ante = 0.0;
  record->state = kAskNewGame;
}

void AskNewGame(CaribbeanClientRecord* record) {
  gContinueMark = 0;
  EnableButton(kButtonExit);
  if (kw::gCardGameOptions.newGameButton) {
    EnableButton(kButtonNewGame);
    ClientSetMessage(record, "Press new game to continue");
  } else {
    ClientSetMessage(record, "Press anywhere to continue");
  }
  RedrawButtons();
  PrintStatusMsg(nullptr);
  record->state = kWaitNewGame;
}

void WaitNewGame(CaribbeanClientRecord* record) {
  if (!gContinueMark && !record->exitRequest) return;
  SetStatusText("%s", "");
  PrintStatusMsg("%s", "");
  gCaribbeanButtons[kButtonNewGame].enabled = 0;
  RedrawButtons();
  // "Start a new game" was drawn over Surrender's place: Surrender again.
  gCaribbeanButtons[kButtonSurrender].currentState = -1;
  DrawButton(&gPicture, kButtonSurrender, IsButtonEnabled(kButtonSurrender));
  record->state = kGatherCards;
}

void CloseAntePhase() { gAntePhase = 0; }

constexpr ClientEndStates kEndStates{
    kBuildEndPlay, kSendEndPlay, kWaitEndPlay, kBuildBeginPlay, kBuildQuitEnd, kSendQuitEnd, kWaitQuitEnd,
    kBuildExit,    kSendExit,    kWaitExit,    kEndConfig,      kEndHandBack,  kFatalConfig, kFatalBox,
    kFatalHandBack, CloseAntePhase,
};

void GatherCards(CaribbeanClientRecord* record) {
  const int playerCard = record->surrendered ? record->cards[4] : record->hands.player[kHandCards - 1];
  const int dealerCard = record->surrendered ? record->cards[5] : record->hands.dealer[kHandCards - 1];
  if (AnimatePayout(playerCard, dealerCard)) record->state = kMoveChips;
}

void MoveChips(CaribbeanClientRecord* record) {
  if (!AnimateChipMove(record->anteWin, record->movedAnte, record->callWin, record->callBet, record->playerPaid)) {
    return;
  }
  record->money = record->serverMoney;
  DrawMoney(record->money);
  record->state = kBuildEndPlay;
}

void Step(CaribbeanClientRecord* record, CComm& comm) {
  switch (record->state) {
    case kBuildInit:
      std::snprintf(record->nameText, sizeof record->nameText, "%s", gPlayerRecord.GetName());
      DrawUserField();
      return Build(record, comm, kClientInit, kSendInit);
    case kSendInit: return Send(record, comm, kWaitInit);
    case kWaitInit: return WaitInit(record, comm);
    case kBuildBeginPlay: return BuildBeginPlay(record, comm);
    case kSendBeginPlay:
      if (ClientSend(comm, &record->state, kWaitBeginPlay)) StampLinkActivity();
      return;
    case kWaitBeginPlay: return WaitBeginPlay(record, comm);
    case kStartAnte: return StartAnte(record);
    case kAnte: return Ante(record);
    case kBuildFirstDeal: return BuildFirstDeal(record, comm);
    case kSendFirstDeal: return Send(record, comm, kWaitFirstDeal);
    case kWaitFirstDeal: return WaitFirstDeal(record, comm);
    case kDeal:
      if (AnimateDeal(record->cards)) record->state = kStartChoice;
      return;
    case kStartChoice: return StartChoice(record);
    case kChoice:
      if (record->surrenderRequest) {
        record->state = kBuildSurrender;
      } else if (record->callRequest) {
        record->state = kBuildCall;
      }
      return;
    case kBuildSurrender:
      if (!ClientBuild(comm, kPlayerSurrender)) return;
      record->surrendered = 1;
      DisableBetButtons();
      RedrawButtons();
      record->state = kSendSurrender;
      return;
    case kSendSurrender: return Send(record, comm, kWaitSurrender);
    case kWaitSurrender: return WaitSurrender(record, comm);
    case kBuildCall:
      DisableBetButtons();
      RedrawButtons();
      return BuildCall(record, comm);
    case kSendCall: return Send(record, comm, kWaitCall);
    case kWaitCall: return WaitCall(record, comm);
    case kAnteTooBig:
      if (!gPlaybackClient.IsActive()) {
        plat::MessageBox(gMainWindow, "Ante must be 1/3 of total money!", "Invalid Ante",
                         plat::MB_OK | plat::MB_ICONEXCLAMATION);
      }
      return OpenAntePhase(record);
    case kTurnDealer:
      if (AnimateDealerTurn(record->cards + 6)) record->state = kShowHands;
      return;
    case kShowHands: {
      std::int32_t ids[10];
      std::memcpy(ids, record->hands.player, sizeof record->hands.player);
      std::memcpy(ids + 5, record->hands.dealer, sizeof record->hands.dealer);
      if (ShowHandCards(ids)) record->state = kShowResult;
      return;
    }
    case kShowResult: return ShowResult(record);
    case kAskNewGame: return AskNewGame(record);
    case kWaitNewGame: return WaitNewGame(record);
    case kGatherCards: return GatherCards(record);
    case kMoveChips: return MoveChips(record);
    default: RunClientEnding(kEndStates, record, comm, record->statusText, Fail); return;
  }
}

}  // namespace

CaribbeanClientRecord* CreateClientRecord() {
  auto* record = static_cast<CaribbeanClientRecord*>(std::calloc(1, sizeof(CaribbeanClientRecord)));
  if (record == nullptr) return nullptr;
  record->errorText = kNoError;
  JitterChipStacks();
  return record;
}

void DestroyClientRecord(CaribbeanClientRecord* record) { std::free(record); }

int ClientRun(CaribbeanClientRecord* record, CComm& comm, int) {
  return RunClientFrame(record, comm, &gClientStep, kEndStates.HandBacks(), Step);
}

void ClientSetMessage(CaribbeanClientRecord* record, const char* text) {
  SetStatusText("%s %s", text, record->nameText);
}

void ClientKeyCommand(CaribbeanClientRecord* record, int letter) {
  switch (letter) {
    case 'B': record->callRequest = 1; return;
    case 'D': record->dealRequest = 1; return;
    case 'E': record->exitRequest = 1; return;
    case 'S': record->surrenderRequest = 1; return;
    default: return;
  }
}

void ClearClientRequests(CaribbeanClientRecord* record) {
  record->dealRequest = record->surrenderRequest = record->callRequest = 0;
}

int AntePhaseOpen() { return gAntePhase; }

void SetAntePhase(int on) { gAntePhase = on; }

void ResetClientMachine() {
  gClientStep = 0;
  gContinueMark = 0;
  gAntePhase = 0;
  ResetCaribbeanTable();
}

}  // namespace gz
