#include "hx/BlackJackPlay.h"

#include <cstdio>
#include <cstring>

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "hx/BlackJackServer.h"
#include "hx/CardTags.h"
#include "hx/Stakes.h"

namespace hx {

using namespace game;

namespace {

constexpr char kExpectedAction[] = "Expected PLAYERHIT/PLAYERSTAND/DOUBLE/SPLIT at this point";

// The top card of the deck onto hand.
bool DealTo(BlackJackServerRecord& r, CardList& hand, Card* card) {
  return CardListTake(r.deck, &card->suit, &card->value) &&
         CardListAdd(hand, card->suit, card->value);
}

int FirstTotal(const CardList& hand) {
  int first = 0, second = 0;
  HandTotals(hand, &first, &second);
  return first;
}

// 1 and the free balance in *free, or the failure answered with the
// account's error name.
bool ReadFreeBalance(BlackJackServerRecord& r, CComm& comm, int userId, const char* answerName,
                     double* free) {
  const int code = FreeBalance(r, userId, free);
  if (code != kDbOk) FailAnswer(r, comm, answerName, DbErrorName(code));
  return code == kDbOk;
}

bool StakeOk(BlackJackServerRecord& r, CComm& comm, const char* answerName, int code) {
  if (code != kDbOk) FailAnswer(r, comm, answerName, DbErrorName(code));
  return code == kDbOk;
}

}  // namespace

void FailAnswer(BlackJackServerRecord& r, CComm& comm, const char* answerName, const char* text) {
  AnswerRefusal(comm, &r.state, answerName, text, kServerSendFailure);
}

void AddCard(CComm& comm, const char* namingTag, const Card& card) {
  comm.AddTag(namingTag);
  WriteCardTags(comm, card.suit, card.value);
}

void FirstDeal(BlackJackServerRecord& r, CComm& comm, int userId) {
  if (!ServerCanAnswer(comm)) return;
  const char* betText = ServerTagValue(comm, kBetTag);
  double bet = 0;
  if (betText == nullptr) return FailAnswer(r, comm, kFirstDealAnswer, "Can't find bet tag");
  if (std::sscanf(betText, "%lf", &bet) != 1) {
    return FailAnswer(r, comm, kFirstDealAnswer, "Can't get bet data");
  }
  if (!(bet >= r.minBet && bet <= r.maxBet)) {
    return FailAnswer(r, comm, kFirstDealAnswer, "Invalid bet amount");
  }
  r.bet = bet;
  if (!StakeOk(r, comm, kFirstDealAnswer, StakeSet(r, userId, kStakeFirstHand, bet))) return;
  if (r.deck.count != kDeckSize || r.current.count != 0 || r.dealer.count != 0) {
    return FailAnswer(r, comm, kFirstDealAnswer,
                      "Player/Dealer/Numberofcards when firstdeal is incorrect");
  }
  Card player1{}, player2{}, dealer{};
  if (!DealTo(r, r.current, &player1)) {
    return FailAnswer(r, comm, kFirstDealAnswer, "Couldn't take player card 1");
  }
  if (!DealTo(r, r.current, &player2)) {
    return FailAnswer(r, comm, kFirstDealAnswer, "Couldn't take player card 2");
  }
  if (!DealTo(r, r.dealer, &dealer)) {
    return FailAnswer(r, comm, kFirstDealAnswer, "Couldn't take dealer card");
  }
  double free = 0;
  if (!ReadFreeBalance(r, comm, userId, kFirstDealAnswer, &free)) return;
  AnswerOk(comm, kFirstDealAnswer);
  AddCard(comm, kPlayerCardTag, player1);
  AddCard(comm, kPlayerCardTag, player2);
  AddCard(comm, kDealerCardTag, dealer);
  AddMoneyTag(comm, kMoneyLeftTag, free);
  comm.ReleaseReceived();
  r.state = kServerSendFirstDeal;
}

void Insure(BlackJackServerRecord& r, CComm& comm, int userId) {
  if (!ServerTakeCommand(comm, &r.state, kInsurance, kServerSendFailure)) return;
  r.insurance = 0;
  r.secondInsurance = 0;
  comm.RewindReceived();
  if (!comm.FindNextTag(kInsurance1Tag)) {
    return FailAnswer(r, comm, kInsuranceAnswer, "Can't find tag INSURANCE1");
  }
  if (!comm.FindNextTag(kInsuranceFlagTag)) {
    return FailAnswer(r, comm, kInsuranceAnswer, "Can't find tag INSURANCEFLAG (1)");
  }
  const char* flag = comm.TagValue();
  if (flag == nullptr) {
    return FailAnswer(r, comm, kInsuranceAnswer, "Can't get insuranceflag data (1)");
  }
  r.insurance = std::strcmp(flag, "yes") == 0;
  double balance = 0;
  if (!StakeOk(r, comm, kInsuranceAnswer, dbGetBalance(userId, &balance))) return;
  const double amount = StakeGet(r, kStakeFirstHand) / 2;
  if (r.insurance &&
      !StakeOk(r, comm, kInsuranceAnswer, StakeSet(r, userId, kStakeInsurance, amount))) {
    return;
  }
  double free = 0;
  if (!ReadFreeBalance(r, comm, userId, kInsuranceAnswer, &free)) return;
  AnswerOk(comm, kInsuranceAnswer);
  AddMoneyTag(comm, kMoneyLeftTag, free);
  comm.ReleaseReceived();
  r.state = kServerSendInsurance;
}

void WaitAction(BlackJackServerRecord& r, CComm& comm) {
  if (!ServerCanAnswer(comm)) return;
  if (r.splitAcesLock) {
    // Split aces keep their two cards.
    if (ServerGotCommand(comm, kPlayerStand)) {
      r.state = kServerStand;
    } else {
      AnswerUnexpected(comm, kExpectedAction);
      r.state = kServerSendFailure;
    }
  } else if (ServerGotCommand(comm, kPlayerHit)) {
    if (r.doubleState == kDoubledCardTaken) {
      return FailAnswer(r, comm, kPlayerHitAnswer, "Player have already done a hit after the double");
    }
    if (r.doubleState == kDoubledCardOwed) r.doubleState = kDoubledCardTaken;
    r.state = kServerHit;
  } else if (ServerGotCommand(comm, kPlayerStand)) {
    if (r.doubleState == kDoubledCardOwed) {
      return FailAnswer(r, comm, kPlayerStandAnswer, "Player must do a hit after a double");
    }
    r.state = kServerStand;
  } else if (ServerGotCommand(comm, kSplit)) {
    if (r.doubleState != kNotDoubled) {
      return FailAnswer(r, comm, kSplitAnswer, "a split occured in the middle of a double");
    }
    if (r.splitState != kNoSplit) return FailAnswer(r, comm, kSplitAnswer, "You can split only once");
    r.state = kServerSplit;
  } else if (ServerGotCommand(comm, kDouble)) {
    if (r.doubleState != kNotDoubled) return FailAnswer(r, comm, kDoubleAnswer, "Invalid double");
    r.state = kServerDouble;
  } else {
    AnswerUnexpected(comm, kExpectedAction);
    r.state = kServerSendFailure;
  }
}

void Hit(BlackJackServerRecord& r, CComm& comm) {
  if (!ServerCanAnswer(comm)) return;
  const int before = FirstTotal(r.current);
  if (before < 1 || before > 20) {
    return FailAnswer(r, comm, kPlayerHitAnswer, "Player can't hit at this point");
  }
  Card card{};
  if (!DealTo(r, r.current, &card)) return FailAnswer(r, comm, kPlayerHitAnswer, "Couldn't take card");
  const bool bust = FirstTotal(r.current) > 21;
  // The dealer's second card shows at once when no hand is left standing.
  const bool dealerDue = bust && (r.splitState == kNoSplit ||
                                  (r.splitState == kSplitSecondInPlay && FirstTotal(r.firstHand) > 21));
  Card dealer{};
  if (dealerDue && !DealTo(r, r.dealer, &dealer)) {
    return FailAnswer(r, comm, kPlayerHitAnswer, "Couldn't take dealer card");
  }
  AnswerOk(comm, kPlayerHitAnswer);
  AddCard(comm, kPlayerCardTag, card);
  if (bust) comm.AddTag(kBustTag);
  if (dealerDue) AddCard(comm, kDealerCardTag, dealer);
  comm.ReleaseReceived();
  r.state = bust ? NextSplitHandServer(r) : kServerSendHit;
}

void Stand(BlackJackServerRecord& r, CComm& comm) {
  if (!ServerCanAnswer(comm)) return;
  const int total = FirstTotal(r.current);
  if (total < 1 || total > 21) return FailAnswer(r, comm, kPlayerStandAnswer, "Player is fat");
  if (r.dealer.count != 1) {
    return FailAnswer(r, comm, kPlayerStandAnswer, "Dealer didn't have exactly one card");
  }
  AnswerOk(comm, kPlayerStandAnswer);
  comm.ReleaseReceived();
  r.state = NextSplitHandServer(r);
}

int NextSplitHandServer(BlackJackServerRecord& r) {
  if (r.firstHand.count != 0) {
    r.secondHand = r.current;
    return kServerSendHandsDone;
  }
  r.firstHand = r.current;
  if (r.pendingHand.count == 0) return kServerSendHandsDone;
  r.current = r.pendingHand;
  CardListClear(r.pendingHand);
  r.splitState = kSplitSecondInPlay;
  r.doubleState = kNotDoubled;
  return kServerSendNextHand;
}

void Double(BlackJackServerRecord& r, CComm& comm, int userId) {
  if (!ServerCanAnswer(comm)) return;
  if (r.current.count != 2) {
    return FailAnswer(r, comm, kDoubleAnswer, "Player doesn't have exactly two cards");
  }
  // A 21 could take the doubled card neither by a hit nor by a stand: the
  // round would never end.
  if (FirstTotal(r.current) > 20) return FailAnswer(r, comm, kDoubleAnswer, "Invalid double");
  const StakeKind kind = r.splitState == kSplitSecondInPlay ? kStakeSecondHand : kStakeFirstHand;
  const double stake = StakeGet(r, kind);
  if (!(stake >= r.minBet && stake <= r.maxBet)) {
    return FailAnswer(r, comm, kDoubleAnswer, "The old betamount is invalid");
  }
  double free = 0;
  if (!ReadFreeBalance(r, comm, userId, kDoubleAnswer, &free)) return;
  if (free - stake < 0) return FailAnswer(r, comm, kDoubleAnswer, "Not enough money to double");
  if (!StakeOk(r, comm, kDoubleAnswer, StakeSetDouble(r, userId, kind, 2 * stake))) return;
  AnswerOk(comm, kDoubleAnswer);
  AddMoneyTag(comm, kMoneyLeftTag, free - stake);
  comm.ReleaseReceived();
  r.doubleState = kDoubledCardOwed;
  r.state = kServerSendDouble;
}

void Split(BlackJackServerRecord& r, CComm& comm, int userId) {
  if (!ServerCanAnswer(comm)) return;
  if (r.current.count != 2) {
    return FailAnswer(r, comm, kSplitAnswer,
                      "You can't do a split if you don't have exactly two cards");
  }
  const int first = r.current.cards[0].value, second = r.current.cards[1].value;
  // The values are compared before the second stake is held, so a refused
  // split costs only what was already on the table.
  if (CountValue(first) != CountValue(second)) {
    return FailAnswer(r, comm, kSplitAnswer, "You don't have two cards with the same value");
  }
  const double stake = StakeGet(r, kStakeFirstHand);
  if (!StakeOk(r, comm, kSplitAnswer, StakeSet(r, userId, kStakeSecondHand, stake))) return;
  Card moved{}, card1{}, card2{};
  CardListTake(r.current, &moved.suit, &moved.value);
  CardListAdd(r.pendingHand, moved.suit, moved.value);
  if (!DealTo(r, r.current, &card1) || !DealTo(r, r.pendingHand, &card2)) {
    return FailAnswer(r, comm, kSplitAnswer, "Couldn't take a new card for player");
  }
  double free = 0;
  if (!ReadFreeBalance(r, comm, userId, kSplitAnswer, &free)) return;
  AnswerOk(comm, kSplitAnswer);
  AddCard(comm, kNewHand1CardTag, card1);
  AddCard(comm, kNewHand2CardTag, card2);
  AddMoneyTag(comm, kMoneyLeftTag, free);
  comm.ReleaseReceived();
  r.splitState = kSplitFirstInPlay;
  r.splitAcesLock = first == kAceValue && second == kAceValue;
  r.state = kServerSendSplit;
}

}  // namespace hx
