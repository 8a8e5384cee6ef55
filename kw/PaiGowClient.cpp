#include "kw/PaiGowClient.h"

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
#include "kw/CardGameShell.h"
#include "kw/ChipPiles.h"
#include "kw/DisplayOrder.h"
#include "kw/PaiGowBetting.h"
#include "kw/PaiGowButtons.h"
#include "kw/PaiGowFiles.h"
#include "kw/PaiGowTable.h"
#include "kw/PaiGowWire.h"
#include "platform/include/plat/dialog.h"

namespace kw {

using namespace game;

int gClientStep = 0;
int gNewGameMark = 0;

namespace {

constexpr char kNoError[] = "No error";
constexpr char kTitle[] = "Pai Gow Poker";
// Frames of a flight by row place.
constexpr int kFlightSteps[] = {10, 8, 6, 6, 6, 8, 10};

constexpr auto Fail = FailRecord<PaiGowClientRecord, kFatalConfig>;

constexpr auto Send = SendRecord<PaiGowClientRecord>;

void Build(PaiGowClientRecord* record, CComm& comm, const char* command, int next) {
  if (!ClientBuild(comm, command)) return;
  record->state = next;
}

// The build of the round's ENDPLAY is the machine's own (it clears the
// round's amounts first).
constexpr ClientEndStates kEndStates{
    kBuildEndPlay, kSendEndPlay, kWaitEndPlay, kBuildBeginPlay, kBuildQuitEnd, kSendQuitEnd, kWaitQuitEnd,
    kBuildExit,    kSendExit,    kWaitExit,    kEndConfig,      kEndHandBack,  kFatalConfig, kFatalBox,
    kFatalHandBack, nullptr,
};

// ---- The session ----

constexpr ClientNumberTag kInitTags[] = {
    {kMoneyAmountTag, "WAITCLIENTINITANSWER: Can't find tag MONEYAMOUNT", "WAITCLIENTINITANSWER: Can't get moneyamount"},
    {"MINBET", "WAITCLIENTINITANSWER: Can't find tag MINBET", "WAITCLIENTINITANSWER: Can't get minBet"},
    {"MAXBET", "WAITCLIENTINITANSWER: Can't find tag MAXBET", "WAITCLIENTINITANSWER: Can't get maxBet"},
};

void WaitInit(PaiGowClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  const char* error = ClientCheckAnswer(comm, kClientInitAnswer,
                                        "CLIENTINITANSWER: Invalid answerstring: wanted CLIENTINITANSWER",
                                        "WAITCLIENTINIT: Answer != ok");
  double values[3] = {};
  if (error == nullptr) error = ClientReadNumbers(comm, kInitTags, 3, values);
  if (error != nullptr) return Fail(record, comm, error);
  const PaiGowClientRecord kept = *record;
  std::memset(record, 0, sizeof *record);
  record->errorText = kept.errorText;
  record->money = values[0];
  record->minBet = values[1];
  record->maxBet = values[2];
  comm.ReleaseReceived();
  record->state = kBuildBeginPlay;
}

// The deck design of the round about to be swapped in: the replayed one
// when the log holds it (the swap then lands on it), logged again for the
// next restore.
void LoadDeckDesign() {
  int design = 0;
  if (!TakeLoggedValue(kDeckDesignEvent, kDeckDesignBlue, kDeckDesignRed, &design)) return;
  gDeckDesign = design == kDeckDesignBlue ? kDeckDesignRed : kDeckDesignBlue;
}

void SaveDeckDesign() { LogValue(kDeckDesignEvent, gDeckDesign == kDeckDesignBlue ? kDeckDesignRed : kDeckDesignBlue); }

void WaitBeginPlay(PaiGowClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  double money = 0.0;
  if (const char* error = ClientReadMoneyAnswer(comm, kBeginPlayMoney, &money)) return Fail(record, comm, error);
  comm.ReleaseReceived();
  record->money = money;
  if (money <= 0.0 && !gPlaybackClient.IsActive()) {
    plat::MessageBox(gMainWindow, "Your credit balance is low.", kTitle, plat::MB_OK | plat::MB_ICONEXCLAMATION);
  }
  record->moneyAtStart = money;
  DrawMoney(money);
  LoadDeckDesign();
  SaveDeckDesign();
  record->state = kSwapDeck;
}

void StartBetting(PaiGowClientRecord* record) {
  ClearClientRequests(record);
  RedrawBetChips(record->bet);
  if (record->bet > 0.0) EnableButton(kButtonDeal);
  EnableButton(kButtonBetArea);
  EnableButton(kButtonExit);
  record->state = kBetting;
  ShowBetMoney(record);
  SetStatusText("Place your bet please");
  PrintStatusMsg(nullptr);
  if (!record->exitRequest) PlayGameSound(kSoundPlaceBet, 0, kSoundEffect);
}

void Betting(PaiGowClientRecord* record) {
  if (record->dealRequest && record->bet >= record->minBet) {
    ClearClientRequests(record);
    SetStatusText("%s", "");
    PrintStatusMsg("%s", "");
    DisableGameButtons();
    DisableChipButtons();
    record->state = kBuildFirstDeal;
  } else if (record->exitRequest) {
    record->state = kBuildQuitEnd;
  }
}

void BuildFirstDeal(PaiGowClientRecord* record, CComm& comm) {
  if (!ClientBuild(comm, "FIRSTDEAL")) return;
  char bet[64];
  std::snprintf(bet, sizeof bet, "%f", record->bet);
  ClientAddTag(comm, "BET", bet);
  record->state = kSendFirstDeal;
}

void WaitFirstDeal(PaiGowClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  if (!ClientGotCommand(comm, "FIRSTDEALANSWER")) {
    return Fail(record, comm, "WAITFIRSTDEAL: Invalid answerstring: wanted FIRSTDEALANSWER");
  }
  if (!ClientGotAnswer(comm, kAnswerOk)) return Fail(record, comm, "WAITFIRSTDEAL: Answer != ok");
  const char* cards = ClientTagValue(comm, "FIRSTCARDS");
  if (cards == nullptr) return Fail(record, comm, "WAITFIRSTDEAL: Can't find tag FIRSTCARDS");
  if (!ParseFirstCards(cards, record->playerCards)) return Fail(record, comm, "CONVERTING: FIRSTCARDS");
  const ClientTagRead read = ClientReadDouble(comm, "MONEYLEFT", &record->money);
  if (read == kTagMissing) return Fail(record, comm, "WAITFIRSTDEAL: Can't find tag MONEYLEFT");
  if (read == kTagBad) return Fail(record, comm, "WAITFIRSTDEAL: Can't get MONEYLEFT data");
  comm.ReleaseReceived();
  DrawMoney(record->money);
  record->state = kDeal;
}

void EnableCardButtons(const PaiGowClientRecord* record) {
  for (int k = 0; k < kRowCards; ++k) {
    const int place = k + 1;
    const bool inSlot = record->slots[0] == place || record->slots[1] == place;
    gPaiGowButtons[kButtonRowCard1 + k].enabled = inSlot ? 0 : 1;
  }
  RedrawButtons();
}

void DisableCardButtons() {
  for (int k = 0; k < kRowCards; ++k) gPaiGowButtons[kButtonRowCard1 + k].enabled = 0;
  RedrawButtons();
}

void StartArranging(PaiGowClientRecord* record) {
  record->slots[0] = record->slots[1] = 0;
  for (int k = 0; k < kRowCards; ++k) record->rowMap[k] = k + 1;
  EnableCardButtons(record);
  if (gNewGameMark) SetStatusText("Choose...");
  PrintStatusMsg(nullptr);
  record->state = kArranging;
}

void Arranging(PaiGowClientRecord* record) {
  if (record->slots[0] != 0 && record->slots[1] != 0) {
    record->state = kSecondHandFull;
  } else if (record->moveRequest >= 1 && record->moveRequest <= kRowCards) {
    record->state = kMoveFirst + record->moveRequest - 1;
  } else if (record->backRequest == 1) {
    record->state = kBackSlot1;
  } else if (record->backRequest == 2) {
    record->state = kBackSlot2;
  }
}

void MoveToSecondHand(PaiGowClientRecord* record) {
  const int place = record->state - kMoveFirst + 1;
  const int slot = record->slots[0] == 0 ? 0 : (record->slots[1] == 0 ? 1 : -1);
  // A row card already in the 2nd hand, or no free slot, does nothing.
  if (slot < 0 || record->slots[0] == place || record->slots[1] == place) {
    ClearClientRequests(record);
    record->state = kArranging;
    return;
  }
  const int id = record->playerCards[place - 1];
  if (!AnimateToSecondHand(slot, id, place - 1, kFlightSteps[place - 1])) return;
  ClearClientRequests(record);
  record->slots[slot] = place;
  gPaiGowButtons[kButtonRowCard1 + place - 1].enabled = 0;
  EnableButton(kButtonSlot1 + slot);
  RedrawButtons();
  record->state = kArranging;
}

void MoveBack(PaiGowClientRecord* record) {
  const int slot = record->state - kBackSlot1;
  const int place = record->slots[slot];
  if (place == 0) {
    ClearClientRequests(record);
    record->state = kArranging;
    return;
  }
  const int id = record->playerCards[place - 1];
  if (!AnimateBackToHighest(slot, id, place - 1, kFlightSteps[place - 1])) return;
  ClearClientRequests(record);
  record->slots[slot] = 0;
  gPaiGowButtons[kButtonSlot1 + slot].enabled = 0;
  gPaiGowButtons[kButtonDone].enabled = 0;
  EnableCardButtons(record);
  record->state = kArranging;
}

void BuildDone(PaiGowClientRecord* record, CComm& comm) {
  if (!ClientBuild(comm, "PLAYERDONE")) return;
  char cards[32];
  std::snprintf(cards, sizeof cards, "%i,%i", record->slots[0], record->slots[1]);
  ClientAddTag(comm, "SECONDCARDS", cards);
  record->state = kSendDone;
}

// The hands as the answer makes them: the player's from the slots, the
// dealer's from positions b and a.
void SplitHands(PaiGowClientRecord* record) {
  int high = 0;
  for (int place = 1; place <= kRowCards; ++place) {
    if (place == record->slots[0] || place == record->slots[1]) continue;
    record->playerHigh[high++] = record->playerCards[place - 1];
  }
  record->playerLow[0] = record->playerCards[record->slots[0] - 1];
  record->playerLow[1] = record->playerCards[record->slots[1] - 1];
  high = 0;
  for (int k = 0; k < kRowCards; ++k) {
    if (k == record->dealerLowPositions[0] || k == record->dealerLowPositions[1]) continue;
    record->dealerHigh[high++] = record->dealerCards[k];
  }
  record->dealerLow[0] = record->dealerCards[record->dealerLowPositions[0]];
  record->dealerLow[1] = record->dealerCards[record->dealerLowPositions[1]];
}

void WaitDone(PaiGowClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  if (!ClientGotCommand(comm, "PLAYERDONEANSWER")) {
    return Fail(record, comm, "WAITDONEANSWER: Invalid answerstring: wanted PLAYERDONEANSWER");
  }
  const int showdown = ClientGotAnswer(comm, kAnswerOk);
  if (!showdown && !ClientGotAnswer(comm, "cardfail")) {
    return Fail(record, comm, "WAITDONEANSWER: Wanted answed ok/cardfail");
  }
  const char* text = ClientTagValue(comm, "DEALERCARDS");
  if (text == nullptr) {
    return Fail(record, comm,
                showdown ? "WAITDONEANSWER: Can't find tag SECONDCARDS" : "WAITDONEANSWER: Wanted answed dealercards");
  }
  DealerCards cards{};
  if (!ParseDealerCards(text, showdown, &cards)) return Fail(record, comm, "CONVERTING: DEALERCARDS");
  comm.ReleaseReceived();
  std::memcpy(record->dealerCards, cards.ids, sizeof cards.ids);
  record->result = cards.result;
  record->dealerLowPositions[0] = cards.low[0];
  record->dealerLowPositions[1] = cards.low[1];
  record->wonHigh = cards.wonHigh;
  record->wonLow = cards.wonLow;
  record->invalidHand = showdown ? 0 : 1;
  SplitHands(record);
  record->state = kOrderHands;
}

void ShowResult(PaiGowClientRecord* record) {
  if (record->invalidHand) {
    record->result = 1;
    PrintTextBox(kPaiGowTextBox, kInvalidHandTextPlace.x, kInvalidHandTextPlace.y, "Invalid hand, bet is lost!");
  } else {
    PlayGameSound(record->wonHigh ? kSoundHighWon : kSoundHighLost, 0, kSoundEffect);
    PlayGameSound(record->wonLow ? kSoundLowWon : kSoundLowLost, 0, kSoundEffect);
    if (record->result == 0) {
      record->winShown = record->bet * 0.95;
      ShowPlayerWins(record->winShown);
      record->money += record->winShown + record->bet;
      PlayGameSound(kSoundPlayerWins, 0, kSoundEffect);
    } else if (record->result == 1) {
      PlayGameSound(kSoundDealerWins, 0, kSoundEffect);
    } else {
      record->money += record->bet;
      PlayGameSound(kSoundPush, 0, kSoundEffect);
    }
  }
  DrawMoney(record->money);
  record->state = kAskNewGame;
}

void AskNewGame(PaiGowClientRecord* record) {
  gNewGameMark = 0;
  EnableButton(kButtonExit);
  if (gCardGameOptions.newGameButton) {
    EnableButton(kButtonNewGame);
    SetStatusText("Press new game to continue");
  } else {
    SetStatusText("Press anywhere to continue");
  }
  RedrawButtons();
  PrintStatusMsg(nullptr);
  record->state = kWaitNewGame;
}

void WaitNewGame(PaiGowClientRecord* record) {
  if (!gNewGameMark && !record->exitRequest) return;
  SetStatusText("%s", "");
  PrintStatusMsg("%s", "");
  if (record->invalidHand) {
    gScreen.Restore(kInvalidHandArea.x, kInvalidHandArea.y, kInvalidHandArea.width, kInvalidHandArea.height);
  }
  gPaiGowButtons[kButtonNewGame].enabled = 0;
  RedrawButtons();
  record->state = kPayout;
}

void Sweep(PaiGowClientRecord* record) {
  std::int32_t ids[14];
  for (int k = 0; k < 5; ++k) ids[k] = record->playerHigh[4 - k];
  ids[5] = record->playerLow[1];
  ids[6] = record->playerLow[0];
  ids[7] = record->dealerLow[1];
  ids[8] = record->dealerLow[0];
  for (int k = 0; k < 5; ++k) ids[9 + k] = record->dealerHigh[4 - k];
  if (AnimateSweepTable(ids)) record->state = kBuildEndPlay;
}

void Step(PaiGowClientRecord* record, CComm& comm) {
  switch (record->state) {
    case kBuildInit:
      record->winShown = 0.0;
      DrawUserField();
      return Build(record, comm, kClientInit, kSendInit);
    case kSendInit: return Send(record, comm, kWaitInit);
    case kWaitInit: return WaitInit(record, comm);
    case kBuildBeginPlay:
      if (!ClientBuild(comm, kBeginPlay)) return;
      gClientStep = 0;
      ShuffleChipJitter();
      // On BEGINPLAY, the one packet of the round that goes out before its
      // bet: a round killed before its deal still repeats the last bet.
      record->lastBet = CarryLastBet(record->lastBet, record->maxBet);
      record->state = kSendBeginPlay;
      return;
    case kSendBeginPlay:
      if (ClientSend(comm, &record->state, kWaitBeginPlay)) StampLinkActivity();
      return;
    case kWaitBeginPlay: return WaitBeginPlay(record, comm);
    case kSwapDeck:
      if (SwapDeckDesign()) record->state = kStartBetting;
      return;
    case kStartBetting: return StartBetting(record);
    case kBetting: return Betting(record);
    case kBuildFirstDeal: return BuildFirstDeal(record, comm);
    case kSendFirstDeal: return Send(record, comm, kWaitFirstDeal);
    case kWaitFirstDeal: return WaitFirstDeal(record, comm);
    case kDeal:
      if (AnimateDeal(record->playerCards, record->bet)) record->state = kStartArranging;
      return;
    case kStartArranging: return StartArranging(record);
    case kArranging: return Arranging(record);
    case kBackSlot1:
    case kBackSlot2: return MoveBack(record);
    case kSecondHandFull:
      DisableCardButtons();
      EnableButton(kButtonDone);
      RedrawButtons();
      record->state = kReadyForDone;
      return;
    case kReadyForDone:
      if (record->backRequest == 1 || record->backRequest == 2) {
        record->state = kBackSlot1 + record->backRequest - 1;
      } else if (record->doneRequest) {
        ClearClientRequests(record);
        DisableGameButtons();
        record->state = kBuildDone;
      }
      return;
    case kBuildDone: return BuildDone(record, comm);
    case kSendDone: return Send(record, comm, kWaitDone);
    case kWaitDone: return WaitDone(record, comm);
    case kOrderHands:
      OrderHandForDisplay(record->playerHigh);
      OrderHandForDisplay(record->dealerHigh);
      OrderLowHandForDisplay(record->dealerLow);
      record->state = kTurnPlayer;
      return;
    case kTurnPlayer:
      if (AnimateTurnCards5(record->playerHigh)) record->state = kTurnDealer;
      return;
    case kTurnDealer:
      if (AnimateTurnCards7(record->dealerHigh, record->dealerLow)) record->state = kShowResult;
      return;
    case kShowResult: return ShowResult(record);
    case kAskNewGame: return AskNewGame(record);
    case kWaitNewGame: return WaitNewGame(record);
    case kPayout:
      if (AnimatePayout(record->result, record->bet, record->winShown)) record->state = kSweep;
      return;
    case kSweep: return Sweep(record);
    case kBuildEndPlay:
      record->winShown = 0.0;
      record->bet = 0.0;
      return Build(record, comm, kEndPlay, kSendEndPlay);
    default:
      if (RunClientEnding(kEndStates, record, comm, record->statusText, Fail)) return;
      if (record->state >= kMoveFirst && record->state < kMoveFirst + kRowCards) return MoveToSecondHand(record);
      return;
  }
}

}  // namespace

PaiGowClientRecord* CreateClientRecord() {
  auto* record = static_cast<PaiGowClientRecord*>(std::calloc(1, sizeof(PaiGowClientRecord)));
  if (record == nullptr) return nullptr;
  record->errorText = kNoError;
  ShuffleChipJitter();
  return record;
}

void DestroyClientRecord(PaiGowClientRecord* record) { std::free(record); }

int ClientRun(PaiGowClientRecord* record, CComm& comm, int) {
  return RunClientFrame(record, comm, &gClientStep, kEndStates.HandBacks(), Step);
}

void ClientKeyCommand(PaiGowClientRecord* record, int code) {
  switch (code) {
    case kRequestDeal: record->dealRequest = 1; return;
    case kRequestExit: record->exitRequest = 1; return;
    case kRequestDone: record->doneRequest = 1; return;
    case kRequestNewGame: record->newGameRequest = 1; return;
    case kRequestBackSlot1: record->backRequest = 1; return;
    case kRequestBackSlot2: record->backRequest = 2; return;
    default: break;
  }
  if (code >= kRequestMoveFirst && code < kRequestMoveFirst + kRowCards) {
    record->moveRequest = code - kRequestMoveFirst + 1;
  }
}

void ClearClientRequests(PaiGowClientRecord* record) {
  record->dealRequest = record->newGameRequest = record->doneRequest = 0;
  record->moveRequest = record->backRequest = 0;
}

int BettingOpen() {
  const PaiGowClientRecord* record = PaiGowClientHooks::Current();
  return record != nullptr && record->state == kBetting;
}

void ResetClientMachine() {
  gClientStep = 0;
  gNewGameMark = 0;
  ResetPaiGowAnimations();
}

}  // namespace kw
