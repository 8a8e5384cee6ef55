#include "kw/PaiGowServer.h"

#include <cstring>

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "framework/link/Restore.h"
#include "kw/Deal.h"
#include "kw/HouseWay.h"
#include "kw/PaiGowWire.h"
#include "kw/Settlement.h"
#include "kw/Showdown.h"

namespace kw {

using namespace game;

namespace {

// Refusal texts of a FIRSTDEAL bet, by BetReading (none when accepted).
constexpr const char* kBetErrors[] = {nullptr, "Can't get bet data", "Invalid bet amount"};
static_assert(sizeof(kBetErrors) / sizeof(kBetErrors[0]) == kBetOutOfLimits + 1,
              "one text per bet reading");

void WaitClientInit(PaiGowServerRecord& r, CComm& comm, int userId) {
  double limits[kPaiGowLimitCount];
  if (!ServerWaitClientInit(comm, &r.state, userId, kPaiGowLimits, kPaiGowLimitCount, limits,
                            kServerSendFailure)) {
    return;
  }
  r.minBet = limits[0];
  r.maxBet = limits[1];
  r.state = kServerSendClientInit;
}

// A new round: only the name and the limits survive; the balance just read
// is the server's money and the 14 cards are dealt.
void StartRound(PaiGowServerRecord& r, double balance) {
  PaiGowServerRecord fresh{};
  std::memcpy(fresh.gameName, r.gameName, sizeof(fresh.gameName));
  fresh.minBet = r.minBet;
  fresh.maxBet = r.maxBet;
  fresh.money = balance;
  r = fresh;
  ShuffleAndDeal(&r, ServerRandomNumber);
  DecodeCards(r.cards, &r);
  ResetPlaybackLists();
}

void WaitBeginPlay(PaiGowServerRecord& r, CComm& comm, int userId) {
  double balance = 0;
  if (!ServerWaitBeginPlay(comm, &r.state, userId, &balance, kServerSendFailure)) return;
  StartRound(r, balance);
  r.state = kServerSendBeginPlay;
  // The round's save point: the cards are dealt, the answer is built and
  // not yet sent, so a restore resumes by sending it from this very state.
  SendServerSavePoint(comm, r.gameName, &r, sizeof(r));
}

// The bet is debited from the account before the cards are shown, so a
// player cannot see his cards and then leave without paying.
void TakeBet(PaiGowServerRecord& r, CComm& comm, int userId) {
  if (!ServerCanAnswer(comm)) return;
  const char* text = ServerTagValue(comm, kBetTag);
  double bet = 0;
  const int reading = ReadBet(text, r.minBet, r.maxBet, &bet);
  r.state = kServerSendFailure;
  if (text == nullptr) {
    // Answered without an answer tag: the client takes it for "not ok".
    if (comm.BeginPacket()) {
      comm.AddCommand(kFirstDealAnswer);
      comm.AddErrorMsg("Can't find bet tag");
    }
  } else if (reading != kBetAccepted) {
    AnswerFailure(comm, kFirstDealAnswer, kAnswerFail, kBetErrors[reading]);
  } else {
    r.bet = bet;  // kept when the account refuses it too
    if (dbSubtractMoney(userId, bet) != kDbOk) {
      AnswerFailure(comm, kFirstDealAnswer, kAnswerFail, "Bet too big");
    } else {
      r.money -= bet;
      char cards[kCardsTextSize];
      FormatFirstCards(r, cards);
      AnswerOk(comm, kFirstDealAnswer);
      AddTextTag(comm, kFirstCardsTag, cards);
      AddMoneyTag(comm, kMoneyLeftTag, r.money);
      r.state = kServerSendFirstCards;
    }
  }
  comm.ReleaseReceived();
}

// The split is stored 1-based as received; one the client could not have
// sent never reaches the split check, which reads the cards it names.
void WaitPlayerDone(PaiGowServerRecord& r, CComm& comm) {
  if (!ServerCanAnswer(comm)) return;
  const char* error = nullptr;
  if (!ServerGotCommand(comm, kPlayerDone)) {
    error = "UNKNOWN PAI GOW ERROR!";
  } else {
    const char* split = ServerTagValue(comm, kSecondCardsTag);
    if (split == nullptr) {
      error = "Expected SECONDCARDS tag at this point";
    } else if (!ParseSecondCards(split, &r.secondHand[0], &r.secondHand[1])) {
      error = "SECONDCARDS must name two different cards 1..7";
    }
  }
  if (error != nullptr) {
    AnswerFailure(comm, kPlayerDoneAnswer, kAnswerFail, error);
    r.state = kServerSendFailure;
  } else {
    r.state = kServerCheckSplit;
  }
  comm.ReleaseReceived();
}

void CheckSplit(PaiGowServerRecord& r) {
  r.secondHand[0] -= 1;
  r.secondHand[1] -= 1;
  r.state = IsValidSplit(r.secondHand[0], r.secondHand[1], &r) ? kServerShowdown : kServerCardFail;
}

void PlayRound(PaiGowServerRecord& r, CComm& comm, int userId) {
  if (!comm.IsSendFree()) return;
  const int houseWay = PlayShowdown(&r);
  const int code = r.winCredit > 0 ? dbAddMoney(userId, r.winCredit) : kDbOk;
  if (code != kDbOk) {
    r.money -= r.winCredit;  // the account did not take it
    AnswerFailure(comm, kPlayerDoneAnswer, kAnswerError, DbErrorName(code));
    r.state = kServerSendFailure;
    return;
  }
  char cards[kCardsTextSize];
  FormatDealerCardsShowdown(r, houseWay, cards);
  AnswerOk(comm, kPlayerDoneAnswer);
  AddTextTag(comm, kDealerCardsTag, cards);
  r.winCredit = 0;
  r.state = kServerSendShowdown;
}

// An illegal split loses the bet already debited; the dealer's hands are
// still set and shown.
void AnswerCardFail(PaiGowServerRecord& r, CComm& comm) {
  if (!comm.IsSendFree()) return;
  const int houseWay = DealerHouseWay(&r);
  char cards[kCardsTextSize];
  FormatDealerCardsCardFail(r, houseWay, cards);
  AnswerFailure(comm, kPlayerDoneAnswer, kAnswerCardFail, nullptr);
  AddTextTag(comm, kDealerCardsTag, cards);
  r.state = kServerSendCardFail;
}

void SendFailure(PaiGowServerRecord& r, CComm& comm, int userId) {
  if (ServerSendAnswer(comm, &r.state, kServerFailed)) GameServerOnRemove(r, userId);
}

}  // namespace

int GameServerRun(PaiGowServerRecord& r, CComm& comm, int userId) {
  comm.PollTransport();
  switch (r.state) {
    case kServerWaitClientInit: WaitClientInit(r, comm, userId); break;
    case kServerSendClientInit: ServerSendAnswer(comm, &r.state, kServerWaitBeginPlay); break;
    case kServerWaitBeginPlay: WaitBeginPlay(r, comm, userId); break;
    case kServerSendBeginPlay: ServerSendAnswer(comm, &r.state, kServerWaitDealOrQuit); break;
    case kServerWaitDealOrQuit:
      ServerWaitPlayOrQuit(comm, &r.state, kFirstDeal, kServerTakeBet, kServerSendQuit,
                           "Expected FIRSTDEAL/ENDPLAY command at this point", kServerSendFailure);
      break;
    case kServerTakeBet: TakeBet(r, comm, userId); break;
    case kServerSendFirstCards: ServerSendAnswer(comm, &r.state, kServerWaitPlayerDone); break;
    case kServerWaitPlayerDone: WaitPlayerDone(r, comm); break;
    case kServerCheckSplit: CheckSplit(r); break;
    case kServerShowdown: PlayRound(r, comm, userId); break;
    case kServerSendShowdown: ServerSendAnswer(comm, &r.state, kServerWaitEndPlay); break;
    case kServerCardFail: AnswerCardFail(r, comm); break;
    case kServerSendCardFail: ServerSendAnswer(comm, &r.state, kServerWaitEndPlay); break;
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

void GameServerOnRemove(PaiGowServerRecord&, int) {}

}  // namespace kw
