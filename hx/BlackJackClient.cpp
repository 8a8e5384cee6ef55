#include "hx/BlackJackClient.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/game/ClientEnding.h"
#include "framework/game/ClientFrame.h"
#include "framework/game/ProtocolNames.h"
#include "framework/link/BtnLog.h"
#include "framework/link/PlaybackClient.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/LagMeter.h"
#include "framework/shell/Money.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/StatusLine.h"
#include "framework/sound/GameSound.h"
#include "hx/BlackJackBetting.h"
#include "hx/BlackJackButtons.h"
#include "hx/BlackJackFiles.h"
#include "hx/BlackJackResults.h"
#include "hx/BlackJackServer.h"
#include "hx/BlackJackTable.h"
#include "hx/CardTags.h"
#include "hx/ChipSprites.h"
#include "kw/CardGameShell.h"
#include "platform/include/plat/dialog.h"

namespace hx {

using namespace game;

int gClientStep = 0;
int gContinueFlag = 0;

namespace {

constexpr char kNoError[] = "No error";
constexpr char kTitle[] = "Black Jack";
constexpr int kBustCountdown = 50;

// Program-wide values of a game.
int gResult1 = 0;
int gResult2 = 0;
int gInsuranceResult = kInsuranceNotWon;
int gBustSound = 0;
int gBustCountdown = 0;

constexpr auto Fail = FailRecord<BlackJackClientRecord, kFatalConfig>;

constexpr auto Send = SendRecord<BlackJackClientRecord>;

void Build(BlackJackClientRecord* record, CComm& comm, const char* command, int next) {
  if (!ClientBuild(comm, command)) return;
  record->state = next;
}

// The build of the game's ENDPLAY is the machine's own (it clears the
// table first).
constexpr ClientEndStates kEndStates{
    kBuildEndPlay, kSendEndPlay, kWaitEndPlay, kBuildBeginPlay, kBuildQuitEnd, kSendQuitEnd, kWaitQuitEnd,
    kBuildExit,    kSendExit,    kWaitExit,    kEndConfig,      kEndHandBack,  kFatalConfig, kFatalBox,
    kFatalHandBack, nullptr,
};

void PrintStatusPrompt(BlackJackClientRecord* record, const char* format, ...) __attribute__((format(printf, 2, 3)));
void PrintStatusPrompt(BlackJackClientRecord* record, const char* format, ...) {
  char text[160];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  const std::size_t size = std::strlen(text) + 3 + std::strlen(record->statusText) + 1;
  char* prompt = static_cast<char*>(std::realloc(record->statusPrompt, size));
  if (prompt == nullptr) return;
  record->statusPrompt = prompt;
  std::snprintf(prompt, size, "%s - %s", text, record->statusText);
  SetStatusText("%s", prompt);
  PrintStatusMsg(nullptr);
}

int IsSplit(const BlackJackClientRecord* record) { return HasSecondHand(*record); }

// The row AnimateDeal flies the hand in play to.
int HandRow(const BlackJackClientRecord* record) {
  if (record->splitState == 1) return 1;
  if (record->splitState == 2) return 2;
  return 3;
}

void TableButtonsOff() {
  for (int b = kButtonSplit; b < kBlackJackButtonCount; ++b) gBlackJackButtons[b].enabled = 0;
  RedrawButtons();
}

// Reads the card after the next tag named name: 0 with the tag missing, -1
// with it unreadable, 1 with the card added to list.
int ReadCard(CComm& comm, const char* name, CardList& list) {
  if (!comm.FindNextTag(name)) return 0;
  int suit = 0, value = 0;
  if (!ReadCardTags(comm, &suit, &value)) return -1;
  return CardListAdd(list, suit, value) ? 1 : -1;
}

// ---- The session ----

void WaitInit(BlackJackClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  static constexpr ClientNumberTag kTags[] = {
      {kMoneyAmountTag, "WAITCLIENTINITANSWER: Can't find tag MONEYAMOUNT", "WAITCLIENTINITANSWER: Can't get moneyamount"},
      {"MINBET", "WAITCLIENTINITANSWER: Can't find tag MINBET", "WAITCLIENTINITANSWER: Can't get minBet"},
      {"MAXBET", "WAITCLIENTINITANSWER: Can't find tag MAXBET", "WAITCLIENTINITANSWER: Can't get maxBet"},
  };
  const char* error = ClientCheckAnswer(comm, kClientInitAnswer,
                                        "CLIENTINITANSWER: Invalid answerstring: wanted CLIENTINITANSWER",
                                        "WAITCLIENTINIT: Answer != ok");
  double values[3] = {};
  if (error == nullptr) error = ClientReadNumbers(comm, kTags, 3, values);
  if (error != nullptr) return Fail(record, comm, error);
  comm.ReleaseReceived();
  record->money = values[0];
  record->minBet = values[1];
  record->maxBet = values[2];
  record->lastBet = record->minBet;
  record->bet = 0.0;
  record->state = kBuildBeginPlay;
}

void NewGame(BlackJackClientRecord* record, CComm& comm) {
  if (!ClientBuild(comm, kBeginPlay)) return;
  gClientStep = 0;
  kw::ShuffleChipJitter();
  ClearCardSlots();
  for (CardList* list : {&record->current, &record->dealer, &record->firstHand, &record->secondHand,
                         &record->pendingHand}) {
    CardListClear(*list);
  }
  record->lostPiles[0] = record->lostPiles[1] = 0.0;
  for (double& pile : record->piles) pile = 0.0;
  record->wins[0] = record->wins[1] = 0.0;
  record->splitState = record->doubleState = record->splitAces = record->splitPhase = 0;
  ClearInputFlags(record);
  gResult1 = gResult2 = 0;
  gInsuranceResult = kInsuranceNotWon;
  gBustSound = 0;
  gBustCountdown = 0;
  // On BEGINPLAY, the one packet of the round that goes out before its
  // bet: a round killed before its deal still repeats the last bet.
  record->lastBet = kw::CarryLastBet(record->lastBet, record->maxBet);
  if (!record->exitFlag) PlayGameSound(kSoundPlaceBet, 0, kSoundEffect);
  record->state = kSendBeginPlay;
}

void WaitBeginPlay(BlackJackClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  double money = 0.0;
  if (const char* error = ClientReadMoneyAnswer(comm, kBeginPlayMoney, &money)) return Fail(record, comm, error);
  comm.ReleaseReceived();
  DrawLagMeter();
  record->money = money;
  if (money <= 0.0 && !gPlaybackClient.IsActive()) {
    plat::MessageBox(gMainWindow, "Your credit balance is low.", kTitle, plat::MB_OK | plat::MB_ICONEXCLAMATION);
  }
  record->moneyAtStart = money;
  DrawMoney(money - record->bet);
  RedrawBetChips(*record);
  record->state = kStartBetting;
}

void StartBetting(BlackJackClientRecord* record) {
  ClearInputFlags(record);
  TableButtonsOff();
  if (record->bet > 0.0) EnableButton(kButtonDeal);
  EnableButton(kButtonRebet);
  EnableButton(kButtonExit);
  RedrawButtons();
  SetStatusText("Place your bets please");
  PrintStatusMsg(nullptr);
  record->state = kBetting;
  ShowBetMoney(record);
}

void Betting(BlackJackClientRecord* record) {
  if (record->dealFlag && record->bet >= record->minBet && record->bet > 0.0) {
    ClearInputFlags(record);
    SetStatusText("%s", "");
    PrintStatusMsg("%s", "");
    DisableChipButtons();
    TableButtonsOff();
    record->state = kBuildFirstDeal;
  } else if (record->exitFlag) {
    record->state = kBuildQuitEnd;
  }
}

void BuildFirstDeal(BlackJackClientRecord* record, CComm& comm) {
  if (!ClientBuild(comm, kFirstDeal)) return;
  char bet[64];
  std::snprintf(bet, sizeof bet, "%lf", record->bet);
  ClientAddTag(comm, kBetTag, bet);
  record->state = kSendFirstDeal;
}

// The money tag of an answer; null when read, else the error text.
const char* ReadMoneyLeft(BlackJackClientRecord* record, CComm& comm, const char* missing, const char* bad) {
  const ClientTagRead read = ClientReadDouble(comm, kMoneyLeftTag, &record->money);
  if (read == kTagMissing) return missing;
  if (read == kTagBad) return bad;
  return nullptr;
}

void WaitFirstDeal(BlackJackClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  if (!ClientGotCommand(comm, kFirstDealAnswer)) {
    return Fail(record, comm, "WAITFIRSTDEAL: Invalid answerstring: wanted FIRSTDEALANSWER");
  }
  if (!ClientGotAnswer(comm, kAnswerOk)) return Fail(record, comm, "WAITFIRSTDEAL: Answer != ok");
  comm.RewindReceived();
  int read = ReadCard(comm, kPlayerCardTag, record->current);
  if (read == 0) return Fail(record, comm, "WAITFIRSTDEAL: Can't find tag PLAYERCARD (1)");
  if (read < 0) return Fail(record, comm, "WAITFIRSTDEAL: Can't get PLAYERCARD (1) data");
  read = ReadCard(comm, kPlayerCardTag, record->current);
  if (read == 0) return Fail(record, comm, "WAITFIRSTDEAL: Can't find tag PLAYERCARD (2)");
  if (read < 0) return Fail(record, comm, "WAITFIRSTDEAL: Can't get PLAYERCARD (2) data");
  comm.RewindReceived();
  read = ReadCard(comm, kDealerCardTag, record->dealer);
  if (read == 0) return Fail(record, comm, "WAITFIRSTDEAL: Can't find tag DEALERCARD");
  if (read < 0) return Fail(record, comm, "WAITFIRSTDEAL: Can't get DEALERCARD data");
  const char* error = ReadMoneyLeft(record, comm, "WAITFIRSTDEAL: Can't find tag MONEYLEFT",
                                    "WAITFIRSTDEAL: Can't get MONEYLEFT data");
  if (error != nullptr) return Fail(record, comm, error);
  comm.ReleaseReceived();
  DrawMoney(record->money);
  record->state = kStartDeal;
}

// ---- Insurance ----

int LoadInsuranceChoice() {
  int choice = 0;
  return TakeLoggedValue(kInsuranceEvent, 0, 1, &choice) ? choice : -1;
}

void BuildInsurance(BlackJackClientRecord* record, CComm& comm) {
  if (!ClientBuild(comm, kInsurance)) return;
  record->piles[kPileInsurance] = 0.0;
  const double half = (record->piles[kPileFirstStake] + record->piles[kPileFirstDouble]) / 2;
  int yes = 0;
  if (record->dealer.count > 0 && record->dealer.cards[0].value == kAceValue && half <= record->money) {
    PlayGameSound(kSoundInsurance, 0, kSoundVoice);
    const int replayed = LoadInsuranceChoice();
    if (replayed >= 0) {
      yes = replayed == 1;
    } else {
      yes = plat::MessageBox(gMainWindow, "Do you want to insurance?", "Insurance available",
                             plat::MB_YESNO | plat::MB_ICONQUESTION) == plat::IDYES;
    }
    LogValue(kInsuranceEvent, yes);
  }
  if (yes) record->piles[kPileInsurance] = half + (record->lostPiles[0] + record->lostPiles[1]) / 2;
  ClientAddTag(comm, kInsurance1Tag, "");
  ClientAddTag(comm, kInsuranceFlagTag, yes ? "yes" : "no");
  RedrawBetChips(*record);
  record->state = kSendInsurance;
}

void WaitMoneyAnswer(BlackJackClientRecord* record, CComm& comm, const char* answer, const char* badCommand,
                     const char* notOk, const char* missing, const char* bad, int next) {
  if (!ClientArrived(comm)) return;
  const char* error = ClientCheckAnswer(comm, answer, badCommand, notOk);
  if (error == nullptr) error = ReadMoneyLeft(record, comm, missing, bad);
  if (error != nullptr) return Fail(record, comm, error);
  comm.ReleaseReceived();
  DrawMoney(record->money);
  record->state = next;
}

// ---- The player's turn ----

int HandTotal(const CardList& hand) {
  int first = 0, second = 0;
  HandTotals(hand, &first, &second);
  return first;
}

int EqualValues(const CardList& hand) {
  return hand.count == 2 && CountValue(hand.cards[0].value) == CountValue(hand.cards[1].value);
}

int StakePile(const BlackJackClientRecord* record) {
  return record->splitState == 2 ? kPileSecondStake : kPileFirstStake;
}

void TurnSetUp(BlackJackClientRecord* record) {
  ClearInputFlags(record);
  TableButtonsOff();
  const int total = HandTotal(record->current);
  if (!(record->piles[kPileFirstDouble] > 0.0 && record->current.count == 2)) {
    SayHandTotal(record->current, 0, IsSplit(record), 0);
  }
  if (total < 21 && record->doubleState == 0) {
    EnableButton(kButtonHit);
    EnableButton(kButtonStand);
  }
  if (record->current.count == 2 && total != 21 && record->doubleState == 0) {
    if (record->piles[StakePile(record)] <= record->money) EnableButton(kButtonDouble);
    if (!IsSplit(record) && EqualValues(record->current) && record->piles[kPileFirstStake] <= record->money) {
      EnableButton(kButtonSplit);
    }
  }
  RedrawButtons();
  if (gContinueFlag) {
    SetStatusText("Choose...");
    PrintStatusMsg(nullptr);
  }
  record->state = kDecide;
}

void Decide(BlackJackClientRecord* record) {
  const int total = HandTotal(record->current);
  const int two = record->current.count == 2;
  if (record->splitAces || total == 21) {
    record->state = kBuildStand;
  } else if (record->doubleState == 1) {
    if (total < 21) {
      record->doubleState = 2;
      record->state = kBuildHit;
    }
  } else if (record->doubleState == 2) {
    record->state = kBuildStand;
  } else if (record->standFlag) {
    record->state = kBuildStand;
  } else if (record->hitFlag) {
    if (total < 21) record->state = kBuildHit;
  } else if (record->doubleFlag) {
    const int stake = StakePile(record);
    if (two && record->money >= record->piles[stake]) {
      record->piles[stake + 1] = record->piles[stake];
      RedrawBetChips(*record);
      record->state = kBuildDouble;
    }
  } else if (record->splitFlag) {
    if (!IsSplit(record) && EqualValues(record->current) && record->bet <= record->money) {
      record->piles[kPileFirstStake] = record->piles[kPileSecondStake] = record->bet;
      record->splitAces = record->current.cards[0].value == kAceValue && record->current.cards[1].value == kAceValue;
      record->state = kStartSplit;
    }
  }
  ClearInputFlags(record);
  if (record->state != kDecide) TableButtonsOff();
}

void WaitStand(BlackJackClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  const char* error = ClientCheckAnswer(comm, kPlayerStandAnswer,
                                        "WAITSTANDANSWER: Invalid answerstring: wanted PLAYERSTANDANSWER",
                                        "WAITSTANDANSWER: Answer != ok");
  if (error != nullptr) return Fail(record, comm, error);
  comm.ReleaseReceived();
  record->state = NextSplitHandClient(record);
}

void WaitHit(BlackJackClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  if (!ClientGotCommand(comm, kPlayerHitAnswer)) {
    return Fail(record, comm, "WAITHITANSWER: Invalid answerstring: wanted PLAYERHITANSWER");
  }
  if (!ClientGotAnswer(comm, kAnswerOk)) return Fail(record, comm, "WAITHITANSWER: Answer != ok");
  comm.RewindReceived();
  const int read = ReadCard(comm, kPlayerCardTag, record->current);
  if (read == 0) return Fail(record, comm, "WAITHITANSWER: Can't find tag PLAYERCARD");
  if (read < 0) return Fail(record, comm, "WAITHITANSWER: Can't get PLAYERCARD data");
  if (ClientTagValue(comm, kBustTag) == nullptr) {
    comm.ReleaseReceived();
    record->state = kStartHitFlight;
    return;
  }
  const bool firstBust = record->firstHand.count > 0 && HandTotal(record->firstHand) > 21;
  if (record->splitState == 0 || (record->splitState == 2 && firstBust)) {
    comm.RewindReceived();
    const int dealer = ReadCard(comm, kDealerCardTag, record->dealer);
    if (dealer == 0) return Fail(record, comm, "WAITFIRSTDEAL: Can't find tag DEALERCARD");
    if (dealer < 0) return Fail(record, comm, "WAITFIRSTDEAL: Can't get DEALERCARD data");
  }
  comm.ReleaseReceived();
  const int next = NextSplitHandClient(record);
  record->state = next == kStartDealerTurn ? kStartBustFlight : next;
}

// Where lost piles fly to and wins come from on this machine.
Point ChipDealerSide() { return DealerSide(gSystemInfo.platformId); }

int KeepsVoiceSwitch() { return kw::gCardGameOptions.voice; }

// The finished first split hand's new card; at its bust its piles go.
void NextHandFlight(BlackJackClientRecord* record) {
  if (!AnimateDeal(record->dealer, record->firstHand, 1)) return;
  if (HandTotal(record->firstHand) > 21) {
    record->lostPiles[0] = record->piles[kPileFirstStake];
    record->lostPiles[1] = record->piles[kPileFirstDouble];
    FlyPile(0, record->piles[kPileFirstStake], PilePlace(kPileFirstStake, 1), ChipDealerSide(), kSpriteLeavesStart);
    FlyPile(1, record->piles[kPileFirstDouble], PilePlace(kPileFirstDouble, 1), ChipDealerSide(), kSpriteLeavesStart);
    record->piles[kPileFirstStake] = record->piles[kPileFirstDouble] = 0.0;
    PlayGameSound(kSoundBust, 0, kSoundVoice);
    gBustCountdown = KeepsVoiceSwitch() ? kBustCountdown : 0;
  }
  record->state = kWaitBust;
}

// The list the dealer's turn flies the last card of.
const CardList& FinishedHand(const BlackJackClientRecord* record) {
  return record->splitState == 2 ? record->secondHand : record->firstHand;
}

void WaitDouble(BlackJackClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  const char* error = ClientCheckAnswer(comm, kDoubleAnswer,
                                        "WAITDOUBLEANSWER: Invalid answerstring: wanted DOUBLEANSWER",
                                        "WAITDOUBLEANSWER: Answer != ok");
  if (error == nullptr) {
    error = ReadMoneyLeft(record, comm, "WAITDOUBLEANSWER: Can't find tag MONEYLEFT",
                          "WAITDOUBLEANSWER: Cant get moneyleft data");
  }
  if (error != nullptr) return Fail(record, comm, error);
  comm.ReleaseReceived();
  record->bet *= 2;
  record->doubleState = 1;
  DrawMoney(record->money);
  record->state = kTurnSetUp;
}

// ---- The split ----

void SplitChips(BlackJackClientRecord* record) {
  FlyPile(0, record->piles[kPileFirstStake], PilePlace(kPileFirstStake, 0), PilePlace(kPileFirstStake, 1),
          kSpriteLeavesStart | kSpriteStays);
  FlyPile(3, record->piles[kPileSecondStake], kPlayerSide, PilePlace(kPileSecondStake, 1), kSpriteStays);
  FlyPile(2, record->piles[kPileInsurance], PilePlace(kPileInsurance, 0), PilePlace(kPileInsurance, 1),
          kSpriteLeavesStart | kSpriteStays);
  record->state = kWaitSplitChips;
}

void BuildSplit(BlackJackClientRecord* record, CComm& comm) {
  if (!comm.IsSendFree()) return;
  Card top{};
  if (!CardListTake(record->current, &top.suit, &top.value)) {
    return Fail(record, comm, "WAITSPLITANSWER: Can't take the top player card");
  }
  CardListAdd(record->pendingHand, top.suit, top.value);
  Build(record, comm, kSplit, kSendSplit);
}

void WaitSplit(BlackJackClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  if (!ClientGotCommand(comm, kSplitAnswer)) {
    return Fail(record, comm, "WAITSPLITANSWER: Invalid answerstring: wanted SPLITANSWER");
  }
  if (!ClientGotAnswer(comm, kAnswerOk)) return Fail(record, comm, "WAITSPLITANSWER: Answer != ok");
  comm.RewindReceived();
  int read = ReadCard(comm, kNewHand1CardTag, record->current);
  if (read == 0) return Fail(record, comm, "WAITSPLITANSWER: Can't find tag NEWHAND1CARD");
  if (read < 0) return Fail(record, comm, "WAITSPLITANSWER: Can't get NEWHAND1CARD data");
  comm.RewindReceived();
  read = ReadCard(comm, kNewHand2CardTag, record->pendingHand);
  if (read == 0) return Fail(record, comm, "WAITSPLITANSWER: Can't find tag NEWHAND2CARD");
  if (read < 0) return Fail(record, comm, "WAITSPLITANSWER: Can't get NEWHAND2CARD data");
  const char* error = ReadMoneyLeft(record, comm, "WAITSPLITANSWER: Can't find tag MONEYLEFT",
                                    "WAITSPLITANSWER: Can't get moneyleft data");
  if (error != nullptr) return Fail(record, comm, error);
  comm.ReleaseReceived();
  record->splitState = 1;
  record->splitPhase = 1;
  RedrawBetChips(*record);
  record->state = kStartFirstSplitCard;
}

// ---- The dealer and the settlement ----

void WaitWantDealer(BlackJackClientRecord* record, CComm& comm) {
  if (!ClientArrived(comm)) return;
  const char* error = ClientCheckAnswer(comm, kWantDealerCardsAnswer,
                                        "WAITWANTDEALERCARDSANSWER: Invalid answerstring: wanted WANTDEALERCARDSANSWER",
                                        "WAITWANTDEALERCARDSANSWER: Answer != ok");
  if (error != nullptr) return Fail(record, comm, error);
  comm.RewindReceived();
  if (!comm.FindNextTag(kNumCardDealerTag)) {
    return Fail(record, comm, "WAITWANTDEALERCARDSANSWER: Can't find tag NUMCARDDEALER");
  }
  long count = 0;
  GetTagLong(comm, &count);
  for (long k = 0; k < count; ++k) {
    const int read = ReadCard(comm, kDealerCardTag, record->dealer);
    if (read == 0) return Fail(record, comm, "WAITWANTDEALERCARDSANSWER: Can't find tag DEALERCARD");
    if (read < 0) return Fail(record, comm, "WAITWANTDEALERCARDSANSWER: Can't get DEALERCARD data");
  }
  error = ReadMoneyLeft(record, comm, "WAITWANTDEALERCARDSANSWER: Can't find tag MONEYLEFT",
                        "WAITWANTDEALERCARDSANSWER: Cant get moneyleft data");
  if (error != nullptr) return Fail(record, comm, error);
  const char* flag1 = ClientTagValue(comm, kWinFlag1Tag);
  if (flag1 == nullptr) return Fail(record, comm, "WAITWANTDEALERCARDSANSWER: Can't find tag WINFLAG1");
  gResult1 = FirstHandResult(flag1);
  const char* flag2 = ClientTagValue(comm, kWinFlag2Tag);
  if (flag2 == nullptr) return Fail(record, comm, "WAITWANTDEALERCARDSANSWER: Can't find tag WINFLAG2");
  gResult2 = SecondHandResult(flag2);
  gInsuranceResult = kInsuranceNotWon;
  for (const char* tag : {kWinIns1FlagTag, kWinIns2FlagTag}) {
    const char* word = ClientTagValue(comm, tag);
    if (word != nullptr && std::strcmp(word, kResultWin) == 0) gInsuranceResult = kInsuranceWon;
  }
  comm.ReleaseReceived();
  record->wins[0] = WinAmount(gResult1, record->piles[kPileFirstStake], record->piles[kPileFirstDouble]);
  record->wins[1] = WinAmount(gResult2, record->piles[kPileSecondStake], record->piles[kPileSecondDouble]);
  record->bet = 0.0;
  record->state = kStartDealerCards;
}

void ShowResults(BlackJackClientRecord* record) {
  const int split = IsSplit(record);
  const bool atStake = HandTotal(record->firstHand) <= 21 ||
                       (split && HandTotal(record->secondHand) <= 21) || record->piles[kPileInsurance] > 0.0;
  if (record->dealer.count > 1 && atStake) SayHandTotal(record->dealer, 1, 0, 1);
  const int handled = FormatResultText(gResult1, gResult2, split, record->wins[0], record->wins[1],
                                       record->statusText, sizeof record->statusText);
  SetStatusText("%s", record->statusText);
  PrintStatusMsg(nullptr);
  // The insurance sound follows the hand's: it would cut off one not waited for.
  const int insuranceSound = handled && gInsuranceResult == kInsuranceWon;
  if (!split) {
    if (gResult1 >= kResultWon) {
      PrintLowerTextBox(kWinTextPlace.x, kWinTextPlace.y, "You win $%.2f", record->wins[0]);
      PlayGameSound(kSoundPlayerWins, insuranceSound, kSoundEffect);
    } else if (gResult1 == kResultLost) {
      if (!gBustSound) PlayGameSound(kSoundDealerWins, insuranceSound, kSoundEffect);
    } else {
      PlayGameSound(kSoundPush, insuranceSound, kSoundEffect);
    }
  } else {
    if (gResult1 >= kResultWon) {
      PrintLowerTextBox(kFirstWinTextPlace.x, kFirstWinTextPlace.y, "You win $%.2f", record->wins[0]);
    }
    if (gResult2 >= kResultWon) {
      PrintLowerTextBox(kSecondWinTextPlace.x, kSecondWinTextPlace.y, "You win $%.2f", record->wins[1]);
    }
    ShowTwoHandResults(gResult1, gResult2);
  }
  if (insuranceSound) PlayGameSound(kSoundInsuranceWon, 0, kSoundEffect);
  DrawMoney(record->money);
  RedrawBetChips(*record);
  record->state = kSettleChips;
}

// Lost piles to the dealer, wins from the dealer beside their piles.
void SettleChips(BlackJackClientRecord* record) {
  const int split = IsSplit(record);
  const int results[2] = {gResult1, gResult2};
  for (int hand = 0; hand < 2; ++hand) {
    const int stake = hand == 0 ? kPileFirstStake : kPileSecondStake;
    const int column = hand == 0 ? 0 : 3;
    if (results[hand] == kResultLost) {
      FlyPile(column, record->piles[stake], PilePlace(stake, split), ChipDealerSide(), kSpriteLeavesStart);
      record->piles[stake] = 0.0;
      if (!KeepsDoublePile(record->dealer, record->piles[stake + 1])) {
        FlyPile(column + 1, record->piles[stake + 1], PilePlace(stake + 1, split), ChipDealerSide(), kSpriteLeavesStart);
        record->piles[stake + 1] = 0.0;
      }
    } else if (results[hand] >= kResultWon) {
      const double stakeWin = results[hand] == kResultNaturalWon ? 1.5 * record->piles[stake] : record->piles[stake];
      FlyPile(column + 6, stakeWin, ChipDealerSide(), WinPlace(stake, split), kSpriteStays);
      FlyPile(column + 7, record->piles[stake + 1], ChipDealerSide(), WinPlace(stake + 1, split), kSpriteStays);
    }
  }
  const double insurance = record->piles[kPileInsurance];
  if (insurance > 0.0) {
    if (gInsuranceResult == kInsuranceWon) {
      FlyPile(8, 2 * insurance, ChipDealerSide(), WinPlace(kPileInsurance, split), kSpriteStays);
    } else if (!IsNatural(record->dealer)) {
      FlyPile(2, insurance, PilePlace(kPileInsurance, split), ChipDealerSide(), kSpriteLeavesStart);
      record->piles[kPileInsurance] = 0.0;
    }
  }
  record->state = kWaitSettleChips;
}

// The wins, then the piles, to the player.
void Gather(BlackJackClientRecord* record) {
  const int split = IsSplit(record);
  const int results[2] = {gResult1, gResult2};
  for (int hand = 0; hand < 2; ++hand) {
    if (results[hand] < kResultWon) continue;
    const int stake = hand == 0 ? kPileFirstStake : kPileSecondStake;
    const int column = hand == 0 ? 0 : 3;
    const double stakeWin = results[hand] == kResultNaturalWon ? 1.5 * record->piles[stake] : record->piles[stake];
    FlyPile(column + 6, stakeWin, WinPlace(stake, split), kPlayerSide, kSpriteLeavesStart);
    FlyPile(column + 7, record->piles[stake + 1], WinPlace(stake + 1, split), kPlayerSide, kSpriteLeavesStart);
  }
  if (gInsuranceResult == kInsuranceWon && record->piles[kPileInsurance] > 0.0) {
    FlyPile(8, 2 * record->piles[kPileInsurance], WinPlace(kPileInsurance, split), kPlayerSide, kSpriteLeavesStart);
  }
  constexpr int kColumns[kPiles] = {0, 1, 3, 4, 2, 5};
  for (int pile = 0; pile < kPiles; ++pile) {
    FlyPile(kColumns[pile], record->piles[pile], PilePlace(pile, split), kPlayerSide, kSpriteLeavesStart);
    record->piles[pile] = 0.0;
  }
  record->state = kWaitGather;
}

void AskContinue(BlackJackClientRecord* record) {
  TableButtonsOff();
  EnableButton(kButtonExit);
  gContinueFlag = 0;
  if (kw::gCardGameOptions.newGameButton) {
    EnableButton(kButtonNewGame);
    RedrawButtons();
    PrintStatusPrompt(record, "Press new game to continue");
  } else {
    RedrawButtons();
    PrintStatusPrompt(record, "Press anywhere to continue");
  }
  record->state = kWaitContinue;
}

void WaitContinue(BlackJackClientRecord* record) {
  if (!gContinueFlag && !record->exitFlag) return;
  SetStatusText("%s", "");
  PrintStatusMsg("%s", "");
  gBlackJackButtons[kButtonNewGame].enabled = 0;
  RedrawButtons();
  record->state = kGather;
}

void EndGame(BlackJackClientRecord* record, CComm& comm) {
  if (!ClientBuild(comm, kEndPlay)) return;
  EraseChipArea();
  for (double& pile : record->piles) pile = 0.0;
  gScreen.Restore(kDealArea.x, kDealArea.y, kDealArea.width, kDealArea.height);
  record->state = kSendEndPlay;
}

void Step(BlackJackClientRecord* record, CComm& comm) {
  switch (record->state) {
    case kBuildInit:
      for (double& pile : record->piles) pile = 0.0;
      DrawUserField();
      return Build(record, comm, kClientInit, kSendInit);
    case kSendInit: return Send(record, comm, kWaitInit);
    case kWaitInit: return WaitInit(record, comm);
    case kBuildBeginPlay: return NewGame(record, comm);
    case kSendBeginPlay:
      if (ClientSend(comm, &record->state, kWaitBeginPlay)) StampLinkActivity();
      return;
    case kWaitBeginPlay: return WaitBeginPlay(record, comm);
    case kStartBetting: return StartBetting(record);
    case kBetting: return Betting(record);
    case kBuildFirstDeal: return BuildFirstDeal(record, comm);
    case kSendFirstDeal: return Send(record, comm, kWaitFirstDeal);
    case kWaitFirstDeal: return WaitFirstDeal(record, comm);
    case kStartDeal:
      ResetDealAnimation();
      DrawMoney(record->money);
      record->piles[kPileFirstStake] = record->bet;
      RedrawBetChips(*record);
      record->state = kDealFirst;
      return;
    case kDealFirst:
      if (AnimateDeal(record->dealer, record->current, 3)) record->state = kStartDealerBack;
      return;
    case kStartDealerBack:
      ResetDealerBack();
      record->state = kDealerBack;
      return;
    case kDealerBack:
      if (AnimateDealerBack(record->dealer)) record->state = kBuildInsurance;
      return;
    case kBuildInsurance: return BuildInsurance(record, comm);
    case kSendInsurance: return Send(record, comm, kWaitInsurance);
    case kWaitInsurance:
      return WaitMoneyAnswer(record, comm, kInsuranceAnswer,
                             "WAITINSURANCEANSWER: Invalid answerstring: wanted INSURANCEANSWER",
                             "WAITINSURANCEANSWER: Answer != ok", "WAITINSURANCEANSWER: Cant get tag MONEYLEFT",
                             "WAITINSURANCEANSWER: Cant get moneyleft data", kTurnSetUp);
    case kTurnSetUp: return TurnSetUp(record);
    case kDecide: return Decide(record);
    case kBuildStand: return Build(record, comm, kPlayerStand, kSendStand);
    case kBuildHit: return Build(record, comm, kPlayerHit, kSendHit);
    case kSendStand: return Send(record, comm, kWaitStand);
    case kWaitStand: return WaitStand(record, comm);
    case kSendHit: return Send(record, comm, kWaitHit);
    case kWaitHit: return WaitHit(record, comm);
    case kWaitBust:
      if (gBustCountdown > 0) --gBustCountdown;
      if (StepChipSprites() && gBustCountdown == 0) {
        RedrawBetChips(*record);
        record->state = kTurnSetUp;
      }
      return;
    case kStartHitFlight:
      ResetDealAnimation();
      record->state = kHitFlight;
      return;
    case kHitFlight:
      if (AnimateDeal(record->dealer, record->current, HandRow(record))) record->state = kTurnSetUp;
      return;
    case kStartNextHand:
      ResetDealAnimation();
      record->state = kNextHandFlight;
      return;
    case kNextHandFlight: return NextHandFlight(record);
    case kStartDealerTurn:
      ResetDealAnimation();
      record->state = kDealerTurnFlight;
      return;
    case kDealerTurnFlight:
      if (AnimateDeal(record->dealer, FinishedHand(record), HandRow(record))) record->state = kBuildWantDealer;
      return;
    case kStartBustFlight:
      ResetDealAnimation();
      TableButtonsOff();
      record->state = kBustFlight;
      return;
    case kBustFlight:
      if (!AnimateDeal(record->dealer, FinishedHand(record), HandRow(record))) return;
      PlayGameSound(kSoundBust, 0, kSoundVoice);
      gBustSound = 1;
      record->state = kBuildWantDealer;
      return;
    case kBuildWantDealer: return Build(record, comm, kWantDealerCards, kSendWantDealer);
    case kSendWantDealer: return Send(record, comm, kWaitWantDealer);
    case kWaitWantDealer: return WaitWantDealer(record, comm);
    case kStartDealerCards:
      ResetDealAnimation();
      record->splitPhase = 0;
      record->state = kDealerCards;
      return;
    case kDealerCards:
      if (AnimateDeal(record->dealer, FinishedHand(record), HandRow(record))) ShowResults(record);
      return;
    case kSettleChips: return SettleChips(record);
    case kWaitSettleChips:
      if (StepChipSprites()) record->state = kAskContinue;
      return;
    case kAskContinue: return AskContinue(record);
    case kWaitContinue: return WaitContinue(record);
    case kGather: return Gather(record);
    case kWaitGather:
      if (!StepChipSprites()) return;
      if (record->dealer.count > 1) {
        EraseHandCaptions();
        record->state = kStartDealerSweep;
      } else {
        record->state = kBackToDiscard;
      }
      return;
    case kBackToDiscard:
      if (AnimateBackToDiscard(record->dealer)) record->state = kWaitBackToDiscard;
      return;
    case kWaitBackToDiscard:
      EraseHandCaptions();
      record->state = kStartDealerSweep;
      return;
    case kStartDealerSweep:
      StartCardSweep(gShown[kRowDealer]);
      record->state = kDealerSweep;
      return;
    case kDealerSweep:
      if (AnimateCardSweep(0)) record->state = IsSplit(record) ? kStartFirstSweep : kStartHandSweep;
      return;
    case kStartFirstSweep:
      StartCardSweep(gShown[kRowFirstSplit]);
      record->state = kFirstSweep;
      return;
    case kFirstSweep:
      if (AnimateCardSweep(2)) record->state = kStartSecondSweep;
      return;
    case kStartSecondSweep:
      StartCardSweep(gShown[kRowSecondSplit]);
      record->state = kSecondSweep;
      return;
    case kSecondSweep:
      if (!AnimateCardSweep(3)) return;
      gContinueFlag = 0;
      record->state = kBuildEndPlay;
      return;
    case kStartHandSweep:
      StartCardSweep(gShown[kRowSingle]);
      record->state = kHandSweep;
      return;
    case kHandSweep:
      if (AnimateCardSweep(1)) record->state = kBuildEndPlay;
      return;
    case kBuildEndPlay: return EndGame(record, comm);
    case kBuildDouble: return Build(record, comm, kDouble, kSendDouble);
    case kSendDouble: return Send(record, comm, kWaitDouble);
    case kWaitDouble: return WaitDouble(record, comm);
    case kStartSplit:
      ResetSplitAnimation();
      record->state = kSplitFlight;
      return;
    case kSplitFlight:
      if (AnimateSplit(record->current)) record->state = kSplitChips;
      return;
    case kSplitChips: return SplitChips(record);
    case kWaitSplitChips:
      if (!StepChipSprites()) return;
      RedrawBetChips(*record);
      record->state = kBuildSplit;
      return;
    case kBuildSplit: return BuildSplit(record, comm);
    case kSendSplit: return Send(record, comm, kWaitSplit);
    case kWaitSplit: return WaitSplit(record, comm);
    case kStartFirstSplitCard:
      ResetDealAnimation();
      record->state = kFirstSplitCard;
      return;
    case kFirstSplitCard:
      if (AnimateDeal(record->dealer, record->current, 1)) record->state = kStartSecondSplitCard;
      return;
    case kStartSecondSplitCard:
      ResetDealAnimation();
      record->state = kSecondSplitCard;
      return;
    case kSecondSplitCard:
      if (!AnimateDeal(record->dealer, record->pendingHand, 2)) return;
      DrawMoney(record->money);
      RedrawBetChips(*record);
      record->state = kTurnSetUp;
      return;
    default: RunClientEnding(kEndStates, record, comm, record->statusText, Fail); return;
  }
}

}  // namespace

BlackJackClientRecord* CreateClientRecord() {
  auto* record = static_cast<BlackJackClientRecord*>(std::calloc(1, sizeof(BlackJackClientRecord)));
  if (record == nullptr) return nullptr;
  record->errorText = kNoError;
  kw::ShuffleChipJitter();
  return record;
}

void DestroyClientRecord(BlackJackClientRecord* record) {
  if (record == nullptr) return;
  std::free(record->statusPrompt);
  std::free(record);
}

int ClientRun(BlackJackClientRecord* record, CComm& comm, int) {
  return RunClientFrame(record, comm, &gClientStep, kEndStates.HandBacks(), Step);
}

void PostClientCommand(BlackJackClientRecord* record, int code) {
  switch (code) {
    case 'D': record->dealFlag = 1; return;
    case 'E': record->exitFlag = 1; return;
    case 'H': record->hitFlag = 1; return;
    case 'O': record->doubleFlag = 1; return;
    case 'P': record->splitFlag = 1; return;
    case 'S': record->standFlag = 1; return;
    default: return;
  }
}

void ClearInputFlags(BlackJackClientRecord* record) {
  record->dealFlag = record->standFlag = record->hitFlag = record->doubleFlag = record->splitFlag = 0;
}

int NextSplitHandClient(BlackJackClientRecord* record) {
  if (record->firstHand.count > 0) {
    record->secondHand = record->current;
    return kStartDealerTurn;
  }
  record->firstHand = record->current;
  if (record->pendingHand.count == 0) return kStartDealerTurn;
  record->current = record->pendingHand;
  CardListClear(record->pendingHand);
  record->splitState = 2;
  record->doubleState = 0;
  record->splitPhase = 2;
  return kStartNextHand;
}

int BettingOpen() {
  const BlackJackClientRecord* record = BlackJackClientHooks::Current();
  return record != nullptr && record->state == kBetting;
}

void ResetClientMachine() {
  gClientStep = 0;
  gContinueFlag = 0;
  gResult1 = gResult2 = 0;
  gInsuranceResult = kInsuranceNotWon;
  gBustSound = 0;
  gBustCountdown = 0;
  ResetBlackJackTable();
}

}  // namespace hx
