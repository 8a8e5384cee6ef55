#include "mz/VideoPokerClient.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/game/ClientEnding.h"
#include "framework/game/ClientFrame.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/LagMeter.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/StatusLine.h"
#include "hx/CardTags.h"
#include "mz/MachineShell.h"
#include "mz/VideoPokerButtons.h"
#include "mz/VideoPokerMachine.h"
#include "mz/VideoPokerProtocol.h"
#include "pd/KenoCredit.h"

namespace mz {

double gCoinValue = 1.0;
int gWaiting = 0;
int gClientStep = 0;

namespace {

using R = VideoPokerClientRecord;
int gChooseEntered = 0;

void Fail(R* r, const char* text) {
  std::snprintf(r->message, sizeof r->message, "%s", text);
  r->state = kFatalWrite;
}

void DisableMachineButtons() {
  for (int b = kButtonCashOut; b < kVideoPokerButtonCount; ++b) gVideoPokerButtons[b].enabled = 0;
}

void AddNumber(CComm& comm, const char* name, double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%lf", value);
  game::ClientAddTag(comm, name, text);
}

// WONNR: 1 and *code in 0..9, else 0.
int ReadHandCode(CComm& comm, int* code) {
  comm.RewindReceived();
  if (!comm.FindNextTag(kWonNrTag)) return 0;
  long value = -1;
  if (hx::GetTagLong(comm, &value) != 1 || value < 0 || value > 9) return -1;
  *code = static_cast<int>(value);
  return 1;
}

int ReadHand(R* r, CComm& comm) {
  for (int n = 0; n < kHandCards; ++n) {
    int suit = 0, value = 0;
    if (!ReadCardTag(r, comm, &suit, &value, n)) return 0;
    r->hand[n].suit = suit;
    r->hand[n].value = value;
  }
  return 1;
}

void StartChoose(R* r) {
  ClientClearKeys(r);
  DisableMachineButtons();
  gWaiting = 1;
  gChooseEntered = 0;
  RedrawButtons();
  UpdateMachineButtons(r);
  PrintStatusMsg("Choose!");
}

void WaitFirstDeal(R* r, CComm& comm) {
  if (!game::ClientArrived(comm)) return;
  if (!game::ClientGotCommand(comm, kFirstDealAnswer)) return Fail(r, "WAITFIRSTDEAL: Invalid answerstring: wanted FIRSTDEALANSWER");
  if (!game::ClientGotAnswer(comm, "ok")) return Fail(r, "WAITFIRSTDEAL: Answer != ok");
  int code = 0;
  if (ReadHandCode(comm, &code) != 1) return Fail(r, "WAITFIRSTDEAL: Can't find tag WONNR");
  if (!ReadHand(r, comm)) return;
  r->handCode = code;
  comm.ReleaseReceived();
  r->state = kFlipFirstStart;
}

void WaitFinalDeal(R* r, CComm& comm) {
  if (!game::ClientArrived(comm)) return;
  if (!game::ClientGotCommand(comm, kFinalDealAnswer)) {
    return Fail(r, "WAITFINALDEALANSWER: Invalid answerstring: wanted FINALDEALANSWER");
  }
  if (!game::ClientGotAnswer(comm, "ok")) return Fail(r, "WAITFINALDEALANSWER: Answer != ok");
  if (!ReadHand(r, comm)) return;
  int code = 0;
  if (ReadHandCode(comm, &code) != 1) return Fail(r, "WAITFINALDEALANSWER: Can't find tag WONNR");
  double won = 0, left = 0;
  switch (game::ClientReadDouble(comm, kMoneyWonTag, &won)) {
    case game::kTagMissing: return Fail(r, "WAITFINALDEALANSWER: Can't find tag MONEYWON");
    case game::kTagBad: return Fail(r, "WAITFINALDEALANSWER: Can't get moneyWon");
    default: break;
  }
  switch (game::ClientReadDouble(comm, kMoneyLeftTag, &left)) {
    case game::kTagMissing: return Fail(r, "WAITFINALDEALANSWER: Can't find tag MONEYLEFT");
    case game::kTagBad: return Fail(r, "WAITFINALDEALANSWER: Can't get moneyAmount");
    default: break;
  }
  comm.ReleaseReceived();
  r->handCode = code;
  r->moneyWon = won;
  r->credits += won;
  r->money = left - r->credits;
  r->state = kFlipFinalStart;
}

constexpr game::ClientLeaveStates kLeave{kBuildQuitEnd, kSendQuitEnd, kWaitQuitEnd, kBuildExit,
                                         kSendExit,     kWaitExit,    kEndWrite};

void Step(R* r, CComm& comm) {
  if (game::RunClientLeave(kLeave, r, comm, Fail)) return;
  switch (r->state) {
    case kBuildInit:
      if (!game::ClientBuild(comm, game::kClientInit)) return;
      r->coinsBet = r->lastCoinsBet = r->moneyWon = 0;
      r->handCode = 0;
      pd::DrawCredit();  // flushed at once, as the Keno credit field
      r->state = kSendInit;
      return;
    case kSendInit: game::ClientSend(comm, &r->state, kWaitInit); return;
    case kWaitInit: {
      if (!game::ClientArrived(comm)) return;
      double money = 0;
      if (const char* error = game::ClientReadMoneyAnswer(comm, game::kClientInitMoney, &money)) return Fail(r, error);
      comm.ReleaseReceived();
      r->money = money;
      r->state = kBuildBeginPlay;
      return;
    }
    case kBuildBeginPlay:
      if (!game::ClientBuild(comm, game::kBeginPlay)) return;
      gClientStep = 0;
      r->lastCoinsBet = r->coinsBet;
      r->coinsBet = 0;
      // The meters go out on BEGINPLAY, the packet the hand's save point
      // answers: coins put in before the deal are replayed from them.
      RestoreMeters(r);
      SaveMeters(r);
      r->state = kSendBeginPlay;
      return;
    case kSendBeginPlay:
      if (game::ClientSend(comm, &r->state, kWaitBeginPlay)) StampLinkActivity();
      return;
    case kWaitBeginPlay:
      if (!game::ClientArrived(comm)) return;
      if (const char* error = game::ClientCheckAnswer(comm, game::kBeginPlayAnswer, "WAITBEGINPLAY: Invalid answerstring: wanted BEGINPLAYANSWER", "WAITBEGINPLAY: Answer != ok")) {
        return Fail(r, error);
      }
      comm.ReleaseReceived();
      DrawLagMeter();
      gWaiting = 1;
      r->state = kStartChoose;
      return;
    case kStartChoose: StartChoose(r); r->state = kChoose; return;
    case kChoose:
      if (!gChooseEntered) {
        gChooseEntered = 1;
        UpdateMachineButtons(r);
        DrawMeters(r);
      }
      if (r->dealRequest) {
        ResetCardsForNewRound(r, 1, 0);
        r->moneyWon = 0;
        r->handCode = 0;
        DrawMeters(r);
        gWaiting = 0;
        DisableMachineButtons();
        RedrawButtons();
        ClientClearKeys(r);
        r->state = kBuildFirstDeal;
      } else if (r->quitRequest) {
        gWaiting = 0;
        r->state = kBuildQuitEnd;
      }
      return;
    case kBuildFirstDeal:
      if (!game::ClientBuild(comm, kFirstDeal)) return;
      AddNumber(comm, kBetTag, r->coinsBet);
      AddNumber(comm, kCoinValueTag, gCoinValue);
      r->state = kSendFirstDeal;
      return;
    case kSendFirstDeal: game::ClientSend(comm, &r->state, kWaitFirstDeal); return;
    case kWaitFirstDeal: WaitFirstDeal(r, comm); return;
    case kFlipFirstStart:
      DisableChipButtons();
      for (int n = 0; n < kHandCards; ++n) r->hand[n].hold = 0;
      StartFlips(r, 0);
      r->state = kFlipFirst;
      return;
    case kFlipFirst:
      if (!StepFlips(r, 0)) return;
      HighlightPayTable(static_cast<int>(r->coinsBet), r->handCode, 0);
      r->state = kStartHold;
      return;
    case kStartHold:
      ClientClearKeys(r);
      DisableMachineButtons();
      for (int n = 0; n < kHandCards; ++n) gVideoPokerButtons[kButtonHold1 + n].enabled = 1;
      gVideoPokerButtons[kButtonDeal].enabled = 1;
      RedrawButtons();
      PrintStatusMsg("Hold and Deal...");
      r->state = kHolding;
      return;
    case kHolding:
      for (int n = 0; n < kHandCards; ++n) {
        if (!r->holdRequest[n]) continue;
        r->holdRequest[n] = 0;
        r->hand[n].hold = !r->hand[n].hold;
        const Point place = CardPlace(n);
        gScreen.Restore(place.x, place.y, kCardWidth, kCardHeight);
        DrawCard(r, n);
      }
      if (!r->dealRequest) return;
      DisableMachineButtons();
      r->state = kFlipBackStart;
      return;
    case kFlipBackStart:
      DisableMachineButtons();
      RedrawButtons();
      DrawMeters(r);
      StartFlips(r, 1);
      r->state = kFlipBack;
      return;
    case kFlipBack:
      ClientTrace("FINALDEALANIMBACK");
      if (StepFlips(r, 1)) r->state = kBuildFinalDeal;
      return;
    case kBuildFinalDeal:
      if (!game::ClientBuild(comm, kFinalDeal)) return;
      for (int n = 0; n < kHandCards; ++n) comm.AddYesNoTag(kHoldTags[n], r->hand[n].hold);
      r->state = kSendFinalDeal;
      return;
    case kSendFinalDeal: game::ClientSend(comm, &r->state, kWaitFinalDeal); return;
    case kWaitFinalDeal: WaitFinalDeal(r, comm); return;
    case kFlipFinalStart:
      DrawMeters(r);
      StartFlips(r, 1);
      r->state = kFlipFinal;
      return;
    case kFlipFinal:
      if (!StepFlips(r, 0)) return;
      for (int n = 0; n < kHandCards; ++n) {
        if (!r->hand[n].hold) continue;
        r->hand[n].hold = 0;
        const Point place = CardPlace(n);
        gScreen.Restore(place.x, place.y, kCardWidth, kCardHeight);
        DrawCard(r, n);
      }
      HighlightPayTable(static_cast<int>(r->coinsBet), r->handCode, 0);
      if (r->moneyWon != 0) AnimateCashOut(0);
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

constexpr MachineEndStates kEnds{kEndWrite, kEndHandBack, kFatalWrite, kFatalBox, kFatalHandBack};

}  // namespace

R* CreateClientRecord() {
  auto* r = static_cast<R*>(std::calloc(1, sizeof(R)));
  if (r == nullptr) return nullptr;
  std::memset(r->hand, 0x01, sizeof r->hand);
  r->state = kBuildInit;
  std::snprintf(r->message, sizeof r->message, "No error");
  return r;
}

void DestroyClientRecord(R* r) { std::free(r); }

int ClientRun(R* r, CComm& comm, int) {
  comm.PollTransport();
  gPlaybackClient.Step(gClientStep);
  int result = 0;
  if (StepMachineEnding(comm, &r->state, r->message, kEnds, &result)) return result;
  const int before = r->state;
  Step(r, comm);
  if (r->state != before) ++gClientStep;
  return 0;
}

void ClientPressKey(R* r, int key) {
  if (key >= '1' && key <= '5') r->holdRequest[key - '1'] = 1;
  if (key == 'D') r->dealRequest = 1;
}

void ClientClearKeys(R* r) {
  r->dealRequest = 0;
  for (int& h : r->holdRequest) h = 0;
}

int ReadCardTag(R* r, CComm& comm, int* suit, int* value, int index) {
  comm.RewindReceived();
  if (!comm.FindNextTag(kCardTags[index])) {
    Fail(r, "Can't find tag CARDx");
    return 0;
  }
  if (!hx::ReadCardTags(comm, suit, value)) {
    Fail(r, "Can't get CARDx data");
    return 0;
  }
  return 1;
}

void ClientTrace(const char*) {}

void ResetClientMachine() {
  gCoinValue = 1.0;
  gWaiting = 0;
  gClientStep = 0;
  gChooseEntered = 0;
}

}  // namespace mz
