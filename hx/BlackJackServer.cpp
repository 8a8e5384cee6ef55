#include "hx/BlackJackServer.h"

#include <cstdio>
#include <cstring>

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "framework/link/Restore.h"
#include "hx/BlackJackPlay.h"
#include "hx/Stakes.h"

namespace hx {

using namespace game;

namespace {

void WaitClientInit(BlackJackServerRecord& r, CComm& comm, int userId) {
  double limits[kBlackJackLimitCount];
  if (!ServerWaitClientInit(comm, &r.state, userId, kBlackJackLimits, kBlackJackLimitCount, limits,
                            kServerSendFailure)) {
    return;
  }
  r.minBet = limits[0];
  r.maxBet = limits[1];
  r.state = kServerSendClientInit;
}

// A new game: everything but the code and the limits cleared, a fresh deck.
void StartGame(BlackJackServerRecord& r) {
  char code[sizeof(r.gameCode)];
  std::memcpy(code, r.gameCode, sizeof(code));
  const double minBet = r.minBet, maxBet = r.maxBet;
  std::memset(&r, 0, sizeof(r));
  std::memcpy(r.gameCode, code, sizeof(code));
  r.minBet = minBet;
  r.maxBet = maxBet;
  ShuffleDeck(r.deck, ServerRandomNumber);
  ResetPlaybackLists();
}

void WaitBeginPlay(BlackJackServerRecord& r, CComm& comm, int userId) {
  double balance = 0;
  if (!ServerWaitBeginPlay(comm, &r.state, userId, &balance, kServerSendFailure)) return;
  StartGame(r);
  r.state = kServerSendBeginPlay;
  // The game's save point: the deck is shuffled, the answer is built and not
  // yet sent, so a restore resumes by sending it from this very state.
  SendServerSavePoint(comm, r.gameCode, &r, sizeof(r));
}

void WaitDealOrQuit(BlackJackServerRecord& r, CComm& comm) {
  if (!ServerCanAnswer(comm)) return;
  if (ServerGotCommand(comm, kFirstDeal)) {
    r.state = kServerFirstDeal;  // the packet stays for the deal
  } else if (ServerGotCommand(comm, kEndPlay)) {
    AnswerDone(comm, kEndPlayAnswer);
    r.state = kServerSendQuit;
  } else {
    AnswerWrongCommand(comm, kFirstDeal);
    r.state = kServerSendFailure;
  }
}

void SendFailure(BlackJackServerRecord& r, CComm& comm, int userId) {
  if (!ServerSendAnswer(comm, &r.state, kServerFailed)) return;
  GameServerOnRemove(r, userId);
}

}  // namespace

int GameServerRun(BlackJackServerRecord& r, CComm& comm, int userId) {
  comm.PollTransport();
  switch (r.state) {
    case kServerWaitClientInit: WaitClientInit(r, comm, userId); break;
    case kServerSendClientInit: ServerSendAnswer(comm, &r.state, kServerWaitBeginPlay); break;
    case kServerWaitBeginPlay: WaitBeginPlay(r, comm, userId); break;
    case kServerSendBeginPlay: ServerSendAnswer(comm, &r.state, kServerWaitDealOrQuit); break;
    case kServerWaitDealOrQuit: WaitDealOrQuit(r, comm); break;
    case kServerFirstDeal: FirstDeal(r, comm, userId); break;
    case kServerSendFirstDeal: ServerSendAnswer(comm, &r.state, kServerWaitInsurance); break;
    case kServerWaitInsurance: Insure(r, comm, userId); break;
    case kServerWaitAction: WaitAction(r, comm); break;
    case kServerStand: Stand(r, comm); break;
    case kServerDouble: Double(r, comm, userId); break;
    case kServerHit: Hit(r, comm); break;
    case kServerSplit: Split(r, comm, userId); break;
    case kServerSendInsurance:
    case kServerSendHit:
    case kServerSendNextHand:
    case kServerSendDouble:
    case kServerSendSplit: ServerSendAnswer(comm, &r.state, kServerWaitAction); break;
    case kServerSendHandsDone: ServerSendAnswer(comm, &r.state, kServerWaitDealerCards); break;
    case kServerWaitDealerCards: Settle(r, comm, userId); break;
    case kServerSendSettlement: ServerSendAnswer(comm, &r.state, kServerWaitEndPlay); break;
    case kServerWaitEndPlay:
      ServerWaitDone(comm, &r.state, kEndPlay, kEndPlayAnswer, kServerSendEndPlay, kServerSendFailure);
      break;
    case kServerSendEndPlay: ServerSendAnswer(comm, &r.state, kServerWaitBeginPlay); break;
    case kServerSendQuit: ServerSendAnswer(comm, &r.state, kServerWaitClientExit); break;
    case kServerWaitClientExit:
      ServerWaitDone(comm, &r.state, kClientExit, kClientExitAnswer, kServerSendClientExit, kServerSendFailure);
      break;
    case kServerSendClientExit: ServerSendAnswer(comm, &r.state, kServerExitSent); break;
    case kServerExitSent: r.state = kServerEnded; return -1;
    case kServerSendFailure: SendFailure(r, comm, userId); break;
    default: break;
  }
  if (r.state == kServerEnded) return -1;
  if (r.state == kServerFailed) return -2;
  return 0;
}

void GameServerOnRemove(BlackJackServerRecord& r, int userId) { ForfeitAllStakes(r, userId); }

}  // namespace hx
