#include "pd/KenoServer.h"

#include <cstdio>

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "framework/link/Restore.h"
#include "pd/KenoPayTable.h"

namespace pd {

using namespace game;

namespace {

// The WINLIST text: 20 numbers, the win flag and the return, "%i" each.
constexpr std::size_t kWinListSize = (kKenoDrawn + 2) * 12;

void WaitClientInit(KenoServerRecord& r, CComm& comm, int userId) {
  if (!ServerTakeCommand(comm, &r.state, kClientInit, kServerSendFailure)) return;
  r.state = AnswerClientInit(comm, userId, nullptr, 0, nullptr) ? kServerSendClientInit
                                                                : kServerSendFailure;
}

// The rest of the record keeps the last round's bet and draw until SHOOT.
void WaitBeginPlay(KenoServerRecord& r, CComm& comm, int userId) {
  if (!ServerTakeCommand(comm, &r.state, kBeginPlay, kServerSendFailure)) return;
  double balance = 0;
  if (!AnswerBeginPlay(comm, userId, &balance)) {
    r.state = kServerSendFailure;
    return;
  }
  r.money = balance;
  ResetPlaybackLists();
  r.state = kServerSendBeginPlay;
  // The round's save point: the answer is built and not yet sent, and the
  // random stream that draws at SHOOT travels with the record.
  SendServerSavePoint(comm, r.gameCode, &r, sizeof(r));
}

void WaitShootOrQuit(KenoServerRecord& r, CComm& comm) {
  if (!ServerCanAnswer(comm)) return;
  if (ServerGotCommand(comm, kShoot)) {
    r.state = kServerShoot;  // the packet stays for the bet
  } else if (ServerGotCommand(comm, kEndPlay)) {
    AnswerDone(comm, kEndPlayAnswer);
    r.state = kServerSendQuit;
  } else {
    AnswerUnexpected(comm, "Expected SHOOT/ENDPLAY command at this point");
    r.state = kServerSendFailure;
  }
}

// The refusal text of the BETLIST, or null when the bet is taken into the
// record. A refused bet leaves count and stake cleared and the last picks.
const char* TakeBet(KenoServerRecord& r, CComm& comm) {
  const char* text = ServerTagValue(comm, kBetListTag);
  if (text == nullptr) return "Can't find bet tag";
  r.count = 0;
  r.stake = 0;
  KenoServerRecord bet = r;
  if (!ReadKenoBetList(text, &bet)) return "Can't get bet list";
  switch (CheckKenoBet(bet)) {
    case kKenoBetTooFew: return "The minimum numbers to bet on is 3!";
    case kKenoBetTooMany: return "The maximum numbers to bet on is 10!";
    case kKenoBetTooBig: return "you don't have enough money to play your bet";
    default: break;
  }
  if (KenoStakeIndex(bet.stake) < 0) return "Illegal bet amount";
  // Repeated or off-board picks would match one drawn number many times.
  if (!AreKenoPicksSound(bet)) return "Illegal number of numbers";
  r = bet;
  return nullptr;
}

// The net of the round as one credit or one debit. 0 or the account's code.
int Settle(int userId, int stake, int returned) {
  if (returned > stake) return dbAddMoney(userId, returned - stake);
  if (returned < stake) return dbSubtractMoney(userId, stake - returned);
  return kDbOk;
}

void Shoot(KenoServerRecord& r, CComm& comm, int userId) {
  if (!ServerCanAnswer(comm)) return;
  const char* refusal = TakeBet(r, comm);
  comm.ReleaseReceived();
  r.state = kServerSendFailure;
  if (refusal != nullptr) {
    AnswerFailure(comm, kShootAnswer, kAnswerFail, refusal);
    return;
  }
  DrawKenoNumbers(ServerRandomNumber, r.drawn);
  const int returned = KenoReturn(r.stake, r.count, CountKenoMatches(r));
  r.winFlag = returned != 0 ? 1 : 0;
  const int code = Settle(userId, r.stake, returned);
  if (code != kDbOk) {
    AnswerFailure(comm, kShootAnswer, kAnswerFail, DbErrorName(code));
    return;
  }
  char winList[kWinListSize];
  int at = 0;
  for (int i = 0; i < kKenoDrawn; ++i) {
    at += std::snprintf(winList + at, sizeof(winList) - at, "%i,", r.drawn[i]);
  }
  std::snprintf(winList + at, sizeof(winList) - at, "%i,%i", r.winFlag, returned);
  AnswerOk(comm, kShootAnswer);
  AddTextTag(comm, kWinListTag, winList);
  r.state = kServerSendShoot;
}

void SendFailure(KenoServerRecord& r, CComm& comm, int userId) {
  if (ServerSendAnswer(comm, &r.state, kServerFailed)) GameServerOnRemove(r, userId);
}

}  // namespace

int GameServerRun(KenoServerRecord& r, CComm& comm, int userId) {
  comm.PollTransport();
  switch (r.state) {
    case kServerWaitClientInit: WaitClientInit(r, comm, userId); break;
    case kServerSendClientInit: ServerSendAnswer(comm, &r.state, kServerWaitBeginPlay); break;
    case kServerWaitBeginPlay: WaitBeginPlay(r, comm, userId); break;
    case kServerSendBeginPlay: ServerSendAnswer(comm, &r.state, kServerWaitShootOrQuit); break;
    case kServerWaitShootOrQuit: WaitShootOrQuit(r, comm); break;
    case kServerShoot: Shoot(r, comm, userId); break;
    case kServerSendShoot: ServerSendAnswer(comm, &r.state, kServerWaitEndPlay); break;
    case kServerWaitEndPlay:
      ServerWaitDone(comm, &r.state, kEndPlay, kEndPlayAnswer, kServerSendEndPlay, kServerSendFailure);
      break;
    case kServerSendEndPlay: ServerSendAnswer(comm, &r.state, kServerWaitBeginPlay); break;
    case kServerWaitEndPlayQuit:
      ServerWaitDone(comm, &r.state, kEndPlay, kEndPlayAnswer, kServerSendQuit, kServerSendFailure);
      break;
    case kServerSendQuit: ServerSendAnswer(comm, &r.state, kServerWaitClientExit); break;
    case kServerWaitClientExit:
      ServerWaitDone(comm, &r.state, kClientExit, kClientExitAnswer, kServerSendClientExit, kServerSendFailure);
      break;
    case kServerSendClientExit: ServerSendAnswer(comm, &r.state, kServerExitSent); break;
    case kServerExitSent: r.state = kServerEnded; break;
    case kServerSendFailure: SendFailure(r, comm, userId); break;
    default: break;
  }
  if (r.state == kServerEnded) return -1;
  if (r.state == kServerFailed) return -2;
  return 0;
}

void GameServerOnRemove(KenoServerRecord&, int) {}

const char* DbErrorName(int code) { return ::DbErrorName(code, kDbNoPropertyName); }

}  // namespace pd
