#include "mz/VideoPokerServer.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "framework/link/Restore.h"
#include "hx/CardTags.h"
#include "mz/HandEvaluation.h"
#include "mz/VideoPokerPayTable.h"
#include "mz/VideoPokerProtocol.h"

namespace mz {

using namespace game;

namespace {

constexpr int kCardsLeftAfterDeal = hx::kDeckSize - kHandCards;

void Fail(VideoPokerServerRecord& r, CComm& comm, const char* answerName, const char* text) {
  AnswerRefusal(comm, &r.state, answerName, text, kServerSendFailure);
}

void WaitClientInit(VideoPokerServerRecord& r, CComm& comm, int userId) {
  if (!ServerTakeCommand(comm, &r.state, kClientInit, kServerSendFailure)) return;
  double balance = 0;
  const int code = dbGetBalance(userId, &balance);
  if (code != kDbOk) return Fail(r, comm, kClientInitAnswer, DbErrorName(code));
  r.money = balance;
  AnswerOk(comm, kClientInitAnswer);
  AddMoneyTag(comm, kMoneyAmountTag, balance);
  comm.ReleaseReceived();
  r.state = kServerSendClientInit;
}

// A new hand: everything but the code and the balance cleared, a fresh deck.
void StartHand(VideoPokerServerRecord& r) {
  VideoPokerServerRecord fresh{};
  std::memcpy(fresh.gameCode, r.gameCode, sizeof(fresh.gameCode));
  fresh.money = r.money;
  r = fresh;
  hx::ShuffleDeck(r.deck, ServerRandomNumber);
  ResetPlaybackLists();
}

// The balance is not read here: the first deal checks the stake against
// the balance of CLIENTINIT or of the last final deal.
void WaitBeginPlay(VideoPokerServerRecord& r, CComm& comm) {
  if (!ServerTakeCommand(comm, &r.state, kBeginPlay, kServerSendFailure)) return;
  AnswerDone(comm, kBeginPlayAnswer);
  StartHand(r);
  r.state = kServerSendBeginPlay;
  // The hand's save point: the deck is shuffled, the answer is built and not
  // yet sent, so a restore resumes by sending it from this very state.
  SendServerSavePoint(comm, r.gameCode, &r, sizeof(r));
}

// The refusal text of the stake of FIRSTDEAL, or null and the stake. Coins
// are whole: a part coin would be charged but paid from the row below.
const char* ReadStake(CComm& comm, double money, double* betAmount, double* coinValue) {
  const char* betText = ServerTagValue(comm, kBetTag);
  if (betText == nullptr) return "Can't find bet tag";
  double coins = 0;
  if (std::sscanf(betText, "%lf", &coins) != 1) return "Can't get bet data";
  if (!(coins >= 1 && coins <= kMaxCoins) || coins != std::floor(coins)) {
    return "Invalid bet amount";
  }
  const char* coinText = ServerTagValue(comm, kCoinValueTag);
  if (coinText == nullptr) return "Can't get coin value";
  double value = 0;
  if (std::sscanf(coinText, "%lf", &value) != 1) return "Can't get coin value data";
  if (!IsCoinValue(value)) return "Invalid coin value";
  *coinValue = value;
  *betAmount = coins * value;
  return *betAmount <= money ? nullptr : "Invalid bet amount";
}

void AddCard(CComm& comm, int index, const HandCard& card) {
  comm.AddTag(kCardTags[index]);
  hx::WriteCardTags(comm, card.suit, card.value);
}

void AddHandCode(CComm& comm, int code) {
  comm.AddTag(kWonNrTag);
  hx::SetTagLong(comm, code);
}

// Nothing moves at the first deal; the stake is pending from its "ok".
void FirstDeal(VideoPokerServerRecord& r, CComm& comm) {
  if (!ServerCanAnswer(comm)) return;
  double betAmount = 0, coinValue = 0;
  const char* refusal = ReadStake(comm, r.money, &betAmount, &coinValue);
  if (refusal != nullptr) return Fail(r, comm, kFirstDealAnswer, refusal);
  if (r.deck.count != hx::kDeckSize) {
    return Fail(r, comm, kFirstDealAnswer, "Numberofcards when firstdeal is incorrect");
  }
  for (HandCard& card : r.hand) {
    if (!TakeCardOrFail(comm, r, &card.suit, &card.value)) return;
    card.hold = 0;
  }
  const int code = EvaluateHand(r);
  r.betAmount = betAmount;
  r.coinValue = coinValue;
  AnswerOk(comm, kFirstDealAnswer);
  AddHandCode(comm, code);
  for (int i = 0; i < kHandCards; ++i) AddCard(comm, i, r.hand[i]);
  comm.ReleaseReceived();
  r.state = kServerSendFirstDeal;
}

void WaitFinalDeal(VideoPokerServerRecord& r, CComm& comm) {
  if (!ServerCanAnswer(comm)) return;
  if (ServerGotCommand(comm, kFinalDeal)) {
    r.state = kServerFinalDeal;  // the packet stays for the deal
  } else {
    AnswerUnexpected(comm, "Expected FINALDEAL at this point");
    r.state = kServerSendFailure;
  }
}

// The net of the hand as one credit or one debit. 0 or the account's code.
int Settle(int userId, double net) {
  if (net > 0) return dbAddMoney(userId, net);
  if (net < 0) return dbSubtractMoney(userId, -net);
  return kDbOk;
}

void FinalDeal(VideoPokerServerRecord& r, CComm& comm, int userId) {
  if (!ServerCanAnswer(comm)) return;
  int holds[kHandCards];
  for (int i = 0; i < kHandCards; ++i) {
    holds[i] = ReadHoldTag(comm, r, kHoldTags[i]);
    if (holds[i] < 0) return;
  }
  for (int i = 0; i < kHandCards; ++i) r.hand[i].hold = holds[i];
  if (!(r.coinValue <= r.betAmount && r.betAmount <= kMaxCoins * r.coinValue)) {
    return Fail(r, comm, kFinalDealAnswer, "Money amount is invalid at final deal");
  }
  if (r.deck.count != kCardsLeftAfterDeal) {
    return Fail(r, comm, kFinalDealAnswer, "Numberofcards when finaldeal is incorrect");
  }
  for (HandCard& card : r.hand) {
    if (!card.hold && !TakeCardOrFail(comm, r, &card.suit, &card.value)) return;
  }
  const int code = EvaluateHand(r);
  const double win = VideoPokerWin(r.betAmount, r.coinValue, code);
  int result = Settle(userId, win - r.betAmount);
  if (result != kDbOk) return Fail(r, comm, kFinalDealAnswer, DbErrorName(result));
  // Settled: a failure from here on must not charge the stake again.
  r.betAmount = 0;
  double balance = 0;
  result = dbGetBalance(userId, &balance);
  if (result != kDbOk) return Fail(r, comm, kFinalDealAnswer, DbErrorName(result));
  r.money = balance;
  AnswerOk(comm, kFinalDealAnswer);
  for (int i = 0; i < kHandCards; ++i) AddCard(comm, i, r.hand[i]);
  AddHandCode(comm, code);
  AddMoneyTag(comm, kMoneyWonTag, win);
  AddMoneyTag(comm, kMoneyLeftTag, balance);
  comm.ReleaseReceived();
  r.state = kServerSendFinalDeal;
}

void SendFailure(VideoPokerServerRecord& r, CComm& comm, int userId) {
  if (ServerSendAnswer(comm, &r.state, kServerFailed)) GameServerOnRemove(r, userId);
}

int IsServerState(int state) {
  return (state >= kServerWaitClientInit && state <= kServerWaitFinalDeal) ||
         state == kServerWaitEndPlay || state == kServerSendEndPlay ||
         (state >= kServerSendQuit && state <= kServerSendFinalDeal);
}

int IsHandCard(const HandCard& card) {
  const int empty = card.suit == 0 && card.value == 0;
  return (empty || hx::IsValidCard(card.suit, card.value)) && (card.hold == 0 || card.hold == 1);
}

int IsStake(double betAmount, double coinValue) {
  if (betAmount == 0) return 1;
  const double coins = betAmount / coinValue;
  return IsCoinValue(coinValue) && coins >= 1 && coins <= kMaxCoins && coins == std::floor(coins);
}

}  // namespace

int TakeCardOrFail(CComm& comm, VideoPokerServerRecord& r, int* suit, int* value) {
  if (hx::CardListTake(r.deck, suit, value)) return 1;
  const char* answerName = r.state == kServerFinalDeal ? kFinalDealAnswer : kFirstDealAnswer;
  Fail(r, comm, answerName, "Couldn't take card");
  return 0;
}

int ReadHoldTag(CComm& comm, VideoPokerServerRecord& r, const char* name) {
  const int hold = comm.GetYesNoTag(name);
  if (hold >= 0) return hold;
  char text[64];
  std::snprintf(text, sizeof(text), "Can't find tag %s", name);
  Fail(r, comm, kFinalDealAnswer, text);
  return -1;
}

int IsVideoPokerServerRecord(const VideoPokerServerRecord& r) {
  if (!IsServerState(r.state)) return 0;
  if (std::memcmp(r.gameCode, kVideoPokerGameCode, sizeof(kVideoPokerGameCode)) != 0) return 0;
  if (r.deck.count < 0 || r.deck.count > hx::kDeckSize) return 0;
  for (int i = 0; i < r.deck.count; ++i) {
    if (!hx::IsValidCard(r.deck.cards[i].suit, r.deck.cards[i].value)) return 0;
  }
  for (const HandCard& card : r.hand) {
    if (!IsHandCard(card)) return 0;
  }
  if (r.coinValue != 0 && !IsCoinValue(r.coinValue)) return 0;
  return IsStake(r.betAmount, r.coinValue) && std::isfinite(r.money);
}

int GameServerRun(VideoPokerServerRecord& r, CComm& comm, int userId) {
  comm.PollTransport();
  switch (r.state) {
    case kServerWaitClientInit: WaitClientInit(r, comm, userId); break;
    case kServerSendClientInit: ServerSendAnswer(comm, &r.state, kServerWaitBeginPlay); break;
    case kServerWaitBeginPlay: WaitBeginPlay(r, comm); break;
    case kServerSendBeginPlay: ServerSendAnswer(comm, &r.state, kServerWaitDealOrQuit); break;
    case kServerWaitDealOrQuit:
      ServerWaitPlayOrQuit(comm, &r.state, kFirstDeal, kServerFirstDeal, kServerSendQuit,
                           "Expected FIRSTDEAL/ENDPLAY command at this point", kServerSendFailure);
      break;
    case kServerFirstDeal: FirstDeal(r, comm); break;
    case kServerSendFirstDeal: ServerSendAnswer(comm, &r.state, kServerWaitFinalDeal); break;
    case kServerWaitFinalDeal: WaitFinalDeal(r, comm); break;
    case kServerFinalDeal: FinalDeal(r, comm, userId); break;
    case kServerSendFinalDeal: ServerSendAnswer(comm, &r.state, kServerWaitEndPlay); break;
    case kServerWaitEndPlay:
      ServerWaitDone(comm, &r.state, kEndPlay, kEndPlayAnswer, kServerSendEndPlay, kServerSendFailure);
      break;
    case kServerSendEndPlay: ServerSendAnswer(comm, &r.state, kServerWaitBeginPlay); break;
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

void GameServerOnRemove(VideoPokerServerRecord& r, int userId) {
  if (r.betAmount > 0) dbSubtractMoney(userId, r.betAmount);
  r.betAmount = 0;
}

}  // namespace mz
