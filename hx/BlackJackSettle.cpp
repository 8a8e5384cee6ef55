#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "hx/BlackJackPlay.h"
#include "hx/BlackJackRules.h"
#include "hx/BlackJackServer.h"
#include "hx/CardTags.h"
#include "hx/Stakes.h"

namespace hx {

using namespace game;

namespace {

const char* HandResult(double factor) {
  if (factor == 2.5) return kResultNatural;
  if (factor == 2.0) return kResultWin;
  if (factor == 1.0) return kResultPush;
  return kResultLose;
}

int SettleHand(BlackJackServerRecord& r, int userId, StakeKind kind, double factor) {
  return factor != 0 ? StakeWin(r, userId, kind, factor) : StakeLose(r, userId, kind);
}

// An insurance taken is won on a dealer natural, else lost.
int SettleInsurance(BlackJackServerRecord& r, int userId, StakeKind kind, bool taken,
                    const char** result) {
  *result = kResultNoPlay;
  if (!taken) return kDbOk;
  const bool won = IsNatural(r.dealer);
  *result = won ? kResultWin : kResultLose;
  return won ? StakeWin(r, userId, kind, 0) : StakeLose(r, userId, kind);
}

}  // namespace

// Every stake operation is checked: a failed debit or credit is answered
// with its error name, never reported as settled.
void Settle(BlackJackServerRecord& r, CComm& comm, int userId) {
  if (!ServerTakeCommand(comm, &r.state, kWantDealerCards, kServerSendFailure)) return;
  const int drawn = DealerDraw(r);
  if (drawn < 0) return FailAnswer(r, comm, kWantDealerCardsAnswer, "Couldn't take dealercard");
  const bool split = r.splitState == kSplitSecondInPlay;
  const double factor1 = HandPayoutFactor(r, r.firstHand);
  const double factor2 = split ? HandPayoutFactor(r, r.secondHand) : 0;
  const char* insurance1 = kResultNoPlay;
  const char* insurance2 = kResultNoPlay;
  double balance = 0, free = 0;
  int code = SettleHand(r, userId, kStakeFirstHand, factor1);
  if (code == kDbOk) code = SettleHand(r, userId, kStakeSecondHand, factor2);
  if (code == kDbOk) code = dbGetBalance(userId, &balance);
  if (code == kDbOk) code = SettleInsurance(r, userId, kStakeInsurance, r.insurance, &insurance1);
  if (code == kDbOk) {
    code = SettleInsurance(r, userId, kStakeSecondInsurance, r.secondInsurance && split,
                           &insurance2);
  }
  if (code == kDbOk) code = FreeBalance(r, userId, &free);
  if (code != kDbOk) return FailAnswer(r, comm, kWantDealerCardsAnswer, DbErrorName(code));
  AnswerOk(comm, kWantDealerCardsAnswer);
  comm.AddTag(kNumCardDealerTag);
  SetTagLong(comm, drawn);
  for (int i = r.dealer.count - drawn; i < r.dealer.count; ++i) {
    AddCard(comm, kDealerCardTag, r.dealer.cards[i]);
  }
  AddMoneyTag(comm, kMoneyLeftTag, free);
  AddTextTag(comm, kWinFlag1Tag, HandResult(factor1));
  AddTextTag(comm, kWinFlag2Tag, split ? HandResult(factor2) : kResultNoPlay);
  AddTextTag(comm, kWinIns1FlagTag, insurance1);
  AddTextTag(comm, kWinIns2FlagTag, insurance2);
  comm.ReleaseReceived();
  r.state = kServerSendSettlement;
}

}  // namespace hx
