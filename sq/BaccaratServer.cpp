#include "sq/BaccaratServer.h"

#include <cstdio>
#include <cstring>

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "framework/link/Restore.h"
#include "sq/BaccaratProtocol.h"

namespace sq {

using namespace game;

namespace {

constexpr char kDebitRefused[] = "Error Writing to money datebase";

// The two data texts of DEALANSWER. A text that does not fit is refused,
// never cut short.
struct DealTexts {
  char cards[128];
  char moneyLeft[64];
};

void WaitClientInit(BaccaratServerRecord& r, CComm& comm, int userId) {
  double limits[kBaccaratLimitCount];
  if (!ServerWaitClientInit(comm, &r.state, userId, kBaccaratLimits, kBaccaratLimitCount, limits,
                            kServerSendFailure)) {
    return;
  }
  r.minBet = limits[0];
  r.maxBet = limits[1];
  r.maxTable = limits[2];
  r.state = kServerSendClientInit;
}

// A fresh record for the next coup: the code and the limits stay.
void StartCoup(BaccaratServerRecord& r, double balance) {
  BaccaratServerRecord fresh{};
  std::memcpy(fresh.gameCode, r.gameCode, sizeof(fresh.gameCode));
  fresh.state = r.state;
  fresh.minBet = r.minBet;
  fresh.maxBet = r.maxBet;
  fresh.maxTable = r.maxTable;
  fresh.money = balance;
  r = fresh;
  DealCards(r, ServerRandomNumber);
  ResetPlaybackLists();
}

void WaitBeginPlay(BaccaratServerRecord& r, CComm& comm, int userId) {
  double balance = 0;
  if (!ServerWaitBeginPlay(comm, &r.state, userId, &balance, kServerSendFailure)) return;
  StartCoup(r, balance);
  r.state = kServerSendBeginPlay;
  // The coup's save point: the cards are dealt, the answer is built and not
  // yet sent, so a restore resumes by sending it from this very state.
  SendServerSavePoint(comm, r.gameCode, &r, sizeof(r));
}

void WaitDeal(BaccaratServerRecord& r, CComm& comm) {
  if (!ServerCanAnswer(comm)) return;
  if (ServerGotCommand(comm, kDeal)) {
    r.state = kServerSettle;  // the packet stays for the stakes
  } else if (ServerGotCommand(comm, kEndPlay)) {
    AnswerDone(comm, kEndPlayAnswer);
    r.state = kServerSendQuit;
  } else {
    AnswerUnexpected(comm, "Expected DEAL/ENDPLAY command at this point");
    r.state = kServerSendFailure;
  }
}

// The refusal text of the BETS tag, or null with the three stakes in the
// record. An empty value is three zero stakes.
const char* TakeBets(BaccaratServerRecord& r, CComm& comm) {
  const char* text = ServerTagValue(comm, kBetsTag);
  if (text == nullptr) return "Can't find bet tag";
  double bets[3] = {};
  if (std::sscanf(text, "%lf,%lf,%lf", &bets[0], &bets[1], &bets[2]) == 0) {
    return "Can't get bet data";
  }
  // A refused stake never enters the record: a restore takes only stakes
  // the check would.
  BaccaratServerRecord offered = r;
  offered.betPlayer = bets[0];
  offered.betBanker = bets[1];
  offered.betTie = bets[2];
  if (!CheckBets(offered)) return "Invalid bet amount";
  r = offered;
  return nullptr;
}

bool Fits(int length, std::size_t size) {
  return length >= 0 && static_cast<std::size_t>(length) < size;
}

// The refusal text of the coup, or null with the account settled, the
// record's money following it and the answer's texts made. The stakes are
// checked against the balance first and the net goes to the account in one
// move after everything else succeeded, so a refused coup leaves the
// account untouched.
const char* PlayAndSettle(BaccaratServerRecord& r, int userId, DealTexts* texts) {
  double balance = 0;
  const int read = dbGetBalance(userId, &balance);
  if (read != kDbOk) return DbErrorName(read);
  const double stakes = StakeSum(r);
  if (!(stakes <= balance)) return kDebitRefused;
  PlayCoup(r);
  const double net = CoupCredit(r) - stakes;
  const double money = balance + net;
  const std::int32_t* c = r.cards;
  const std::int32_t* p = r.points;
  if (!Fits(std::snprintf(texts->cards, sizeof(texts->cards),
                          "%i,%i,%i,%i,%i,%i,%i,%i,%i,%i,%i,%i,%i,%lf,%i", c[0], c[1], c[2], c[3],
                          c[4], c[5], p[0], p[1], p[2], p[3], p[4], p[5], r.result, r.win,
                          r.winner),
            sizeof(texts->cards))) {
    return "Error : Couldn't convert cards & win strings";
  }
  if (!Fits(std::snprintf(texts->moneyLeft, sizeof(texts->moneyLeft), "%lf", money),
            sizeof(texts->moneyLeft))) {
    return "Error : Couldn't convert money amount";
  }
  if (net > 0) {
    const int code = dbAddMoney(userId, net);
    if (code != kDbOk) return DbErrorName(code);
  } else if (net < 0 && dbSubtractMoney(userId, -net) != kDbOk) {
    return kDebitRefused;
  }
  r.money = money;
  return nullptr;
}

void Settle(BaccaratServerRecord& r, CComm& comm, int userId) {
  if (!ServerCanAnswer(comm)) return;
  DealTexts texts;
  const char* refusal = TakeBets(r, comm);
  if (refusal == nullptr) refusal = PlayAndSettle(r, userId, &texts);
  comm.ReleaseReceived();
  if (refusal != nullptr) {
    AnswerFailure(comm, kDealAnswer, kAnswerFail, refusal);
    r.state = kServerSendFailure;
    return;
  }
  AnswerOk(comm, kDealAnswer);
  AddTextTag(comm, kCardsTag, texts.cards);
  AddTextTag(comm, kMoneyLeftTag, texts.moneyLeft);
  r.state = kServerSendDeal;
}

void SendFailure(BaccaratServerRecord& r, CComm& comm, int userId) {
  if (ServerSendAnswer(comm, &r.state, kServerFailed)) GameServerOnRemove(r, userId);
}

}  // namespace

int GameServerRun(BaccaratServerRecord& r, CComm& comm, int userId) {
  comm.PollTransport();
  switch (r.state) {
    case kServerWaitClientInit: WaitClientInit(r, comm, userId); break;
    case kServerSendClientInit: ServerSendAnswer(comm, &r.state, kServerWaitBeginPlay); break;
    case kServerWaitBeginPlay: WaitBeginPlay(r, comm, userId); break;
    case kServerSendBeginPlay: ServerSendAnswer(comm, &r.state, kServerWaitDeal); break;
    case kServerWaitDeal: WaitDeal(r, comm); break;
    case kServerSettle: Settle(r, comm, userId); break;
    case kServerSendDeal: ServerSendAnswer(comm, &r.state, kServerWaitEndPlay); break;
    case kServerWaitEndPlay:
      ServerWaitDone(comm, &r.state, kEndPlay, kEndPlayAnswer, kServerSendEndPlay,
                     kServerSendFailure);
      break;
    case kServerSendEndPlay: ServerSendAnswer(comm, &r.state, kServerWaitBeginPlay); break;
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

void GameServerOnRemove(BaccaratServerRecord&, int) {}

}  // namespace sq
