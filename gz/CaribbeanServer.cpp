#include "gz/CaribbeanServer.h"

#include <cstdio>
#include <cstring>

#include "framework/game/SavedLimits.h"
#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "framework/link/Restore.h"
#include "gz/CaribbeanProtocol.h"
#include "gz/Deal.h"
#include "gz/Settlement.h"
#include "gz/Showdown.h"

namespace gz {

using namespace game;

namespace {

// The ante must leave room for the call bet: the balance holds three antes.
constexpr double kAntesInBalance = 3;

void StartHand(CaribbeanServerRecord& r, double balance) {
  CaribbeanServerRecord fresh{};
  std::memcpy(fresh.gameCode, r.gameCode, sizeof(fresh.gameCode));
  fresh.state = r.state;
  fresh.minAnte = r.minAnte;
  fresh.maxAnte = r.maxAnte;
  fresh.money = balance;
  r = fresh;
  DealCards(r.cards, kDealtCards, ServerRandomNumber);
  ResetPlaybackLists();
}

void Fail(CaribbeanServerRecord& r, CComm& comm, const char* answerName, const char* text) {
  AnswerRefusal(comm, &r.state, answerName, text, kServerSendFailure);
}

void WaitClientInit(CaribbeanServerRecord& r, CComm& comm, int userId) {
  double limits[kCaribbeanLimitCount];
  if (!ServerWaitClientInit(comm, &r.state, userId, kCaribbeanLimits, kCaribbeanLimitCount, limits,
                            kServerSendFailure)) {
    return;
  }
  r.minAnte = limits[0];
  r.maxAnte = limits[1];
  r.state = kServerSendClientInit;
}

void WaitBeginPlay(CaribbeanServerRecord& r, CComm& comm, int userId) {
  double balance = 0;
  if (!ServerWaitBeginPlay(comm, &r.state, userId, &balance, kServerSendFailure)) return;
  StartHand(r, balance);
  r.state = kServerSendBeginPlay;
  // The hand's save point: the cards are dealt, the answer is built and not
  // yet sent, so a restore resumes by sending it from this very state.
  SendServerSavePoint(comm, r.gameCode, &r, sizeof(r));
}

// The ante is checked in this order; a refused one leaves the account and
// the record's money as they were.
void CheckAnte(CaribbeanServerRecord& r, CComm& comm, int userId) {
  if (!ServerCanAnswer(comm)) return;
  const char* text = ServerTagValue(comm, kAnteTag);
  if (text == nullptr) return Fail(r, comm, kFirstDealAnswer, "Can't find bet tag");
  double ante = -1.0;
  if (std::sscanf(text, "%lf", &ante) != 1) {
    return Fail(r, comm, kFirstDealAnswer, "Can't get bet data");
  }
  if (ante < r.minAnte || !(ante <= r.maxAnte)) {
    return Fail(r, comm, kFirstDealAnswer, "Invalid ante amount");
  }
  if (r.money / ante < kAntesInBalance) {
    return Fail(r, comm, kFirstDealAnswer, "Ante is less than 1/3 of total");
  }
  r.ante = ante;
  if (dbSubtractMoney(userId, ante) != kDbOk) {
    return Fail(r, comm, kFirstDealAnswer, "Ante too big");
  }
  r.money -= ante;
  char cards[96];
  std::snprintf(cards, sizeof(cards), "%i,%i,%i,%i,%i,%i", r.cards[0], r.cards[1], r.cards[2],
                r.cards[3], r.cards[4], r.cards[kDealerUpCard]);
  AnswerOk(comm, kFirstDealAnswer);
  AddTextTag(comm, kFirstCardsTag, cards);
  AddMoneyTag(comm, kMoneyLeftTag, r.money);
  comm.ReleaseReceived();
  r.state = kServerSendFirstDeal;
}

void WaitCall(CaribbeanServerRecord& r, CComm& comm) {
  if (!ServerCanAnswer(comm)) return;
  if (ServerGotCommand(comm, kPlayerBet)) {
    r.state = kServerSettle;
  } else if (ServerGotCommand(comm, kPlayerSurrender)) {
    r.state = kServerSurrender;
  } else {
    Fail(r, comm, kPlayerBetAnswer, "UNKNOWN LAME-O-RIBBEAN ERROR!");
    return;
  }
  comm.ReleaseReceived();
}

// The dealer's four hidden cards, then what the answer adds.
int FormatHiddenCards(const CaribbeanServerRecord& r, char* text, std::size_t size) {
  return std::snprintf(text, size, "%i,%i,%i,%i", r.cards[6], r.cards[7], r.cards[8],
                       r.cards[9]);
}

void Surrender(CaribbeanServerRecord& r, CComm& comm) {
  if (!comm.IsSendFree()) return;
  char cards[64];
  FormatHiddenCards(r, cards, sizeof(cards));
  AnswerOk(comm, kPlayerSurrenderAnswer);
  AddTextTag(comm, kSecondCardsTag, cards);
  r.state = kServerSendSecondCards;
}

// The account moves first; the record takes the settlement only once the
// account has, and a refused call is answered "fail", never "ok".
void Settle(CaribbeanServerRecord& r, CComm& comm, int userId) {
  if (!comm.IsSendFree()) return;
  r.callBet = CallBet(r.ante);
  r.win = 0;
  r.outcome = CompareHands(r);
  const CaribbeanSettlement s = SettleCall(r.outcome, r.ante);
  const int code = s.debit > 0 ? dbSubtractMoney(userId, s.debit) : dbAddMoney(userId, s.credit);
  if (code != kDbOk) {
    AnswerFailure(comm, kPlayerBetAnswer, kAnswerFail, DbErrorName(code));
    r.state = kServerSendFailure;
    return;
  }
  r.win = s.credit;
  r.money += s.credit - s.debit;
  r.outcome = s.outcome;
  char cards[128];
  const int length = FormatHiddenCards(r, cards, sizeof(cards));
  std::snprintf(cards + length, sizeof(cards) - length, ",%i,%f", r.outcome, r.money);
  AnswerOk(comm, kPlayerBetAnswer);
  AddTextTag(comm, kSecondCardsTag, cards);
  r.state = kServerSendSecondCards;
}

void SendFailure(CaribbeanServerRecord& r, CComm& comm, int userId) {
  if (ServerSendAnswer(comm, &r.state, kServerFailed)) GameServerOnRemove(r, userId);
}

int IsDeck(const std::int32_t* cards, int count) {
  int seen[kDeckCards] = {};
  for (int i = 0; i < count; ++i) {
    if (cards[i] < 0 || cards[i] >= kDeckCards || seen[cards[i]]) return 0;
    seen[cards[i]] = 1;
  }
  return 1;
}

// The limits as CLIENTINIT read them (none yet before it, or after a
// refused one), the ante within them, its call bet, and a win and a
// balance.
int AmountsFit(const CaribbeanServerRecord& r) {
  const double limits[kCaribbeanLimitCount] = {r.minAnte, r.maxAnte};
  const int notRead =
      r.state == kServerWaitClientInit || r.state == kServerSendFailure || r.state == kServerFailed;
  if (!AreSavedLimits(kCaribbeanLimits, kCaribbeanLimitCount, limits, notRead)) return 0;
  if (!IsStakeOrNone(r.ante, r.minAnte, r.maxAnte)) return 0;
  if (r.callBet != 0 && r.callBet != CallBet(r.ante)) return 0;
  return IsNonNegativeAmount(r.win) && IsNonNegativeAmount(r.money);
}

}  // namespace

int IsCaribbeanServerRecord(const CaribbeanServerRecord& record) {
  if (record.state < 0 || record.state >= kCaribbeanServerStates) return 0;
  const int handOpen =
      record.state >= kServerSendBeginPlay && record.state <= kServerSendSecondCards;
  if (handOpen && !IsDeck(record.cards, kDealtCards)) return 0;
  return AmountsFit(record);
}

int GameServerRun(CaribbeanServerRecord& r, CComm& comm, int userId) {
  comm.PollTransport();
  switch (r.state) {
    case kServerWaitClientInit: WaitClientInit(r, comm, userId); break;
    case kServerSendClientInit: ServerSendAnswer(comm, &r.state, kServerWaitBeginPlay); break;
    case kServerWaitBeginPlay: WaitBeginPlay(r, comm, userId); break;
    case kServerSendBeginPlay: ServerSendAnswer(comm, &r.state, kServerWaitFirstDeal); break;
    case kServerWaitFirstDeal:
      ServerWaitPlayOrQuit(comm, &r.state, kFirstDeal, kServerCheckAnte, kServerSendQuit,
                           "Expected FIRSTDEAL/ENDPLAY command at this point", kServerSendFailure);
      break;
    case kServerCheckAnte: CheckAnte(r, comm, userId); break;
    case kServerSendFirstDeal: ServerSendAnswer(comm, &r.state, kServerWaitCall); break;
    case kServerWaitCall: WaitCall(r, comm); break;
    case kServerSurrender: Surrender(r, comm); break;
    case kServerSettle: Settle(r, comm, userId); break;
    case kServerSendSecondCards: ServerSendAnswer(comm, &r.state, kServerWaitEndPlay); break;
    case kServerWaitEndPlay:
      ServerWaitDone(comm, &r.state, kEndPlay, kEndPlayAnswer, kServerSendEndPlay,
                     kServerSendFailure);
      break;
    case kServerSendEndPlay: ServerSendAnswer(comm, &r.state, kServerWaitBeginPlay); break;
    case kServerWaitQuitEndPlay:
      ServerWaitDone(comm, &r.state, kEndPlay, kEndPlayAnswer, kServerSendQuit,
                     kServerSendFailure);
      break;
    case kServerSendQuit: ServerSendAnswer(comm, &r.state, kServerWaitClientExit); break;
    case kServerWaitClientExit:
      ServerWaitDone(comm, &r.state, kClientExit, kClientExitAnswer, kServerSendClientExit,
                     kServerSendFailure);
      break;
    case kServerSendClientExit: ServerSendAnswer(comm, &r.state, kServerExitSent); break;
    case kServerExitSent:
    case kServerEnded: r.state = kServerEnded; return -1;
    case kServerSendFailure: SendFailure(r, comm, userId); break;
    case kServerFailed: return -2;
    default: break;
  }
  return 0;
}

void GameServerOnRemove(CaribbeanServerRecord&, int) {}

}  // namespace gz
