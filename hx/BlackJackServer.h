// The Black Jack program's local game server: a 34-state machine stepped
// once per frame with the server link end. It shuffles one deck per game at
// BEGINPLAY, deals, answers the player's actions, plays the dealer and
// settles the held stakes against the local account.
//
// Cards come from ServerRandomNumber (framework/game/ServerFrame.h).
#pragma once

#include <cstddef>

#include "framework/game/ServerFrame.h"
#include "framework/game/ServerShell.h"
#include "framework/link/Comm.h"
#include "hx/BlackJackServerRecord.h"

namespace hx {

// Commands of the Black Jack protocol (answers add "ANSWER").
inline constexpr char kFirstDeal[] = "FIRSTDEAL";
inline constexpr char kInsurance[] = "INSURANCE";
inline constexpr char kPlayerHit[] = "PLAYERHIT";
inline constexpr char kPlayerStand[] = "PLAYERSTAND";
inline constexpr char kDouble[] = "DOUBLE";
inline constexpr char kSplit[] = "SPLIT";
inline constexpr char kWantDealerCards[] = "WANTDEALERCARDS";
inline constexpr char kFirstDealAnswer[] = "FIRSTDEALANSWER";
inline constexpr char kInsuranceAnswer[] = "INSURANCEANSWER";
inline constexpr char kPlayerHitAnswer[] = "PLAYERHITANSWER";
inline constexpr char kPlayerStandAnswer[] = "PLAYERSTANDANSWER";
inline constexpr char kDoubleAnswer[] = "DOUBLEANSWER";
inline constexpr char kSplitAnswer[] = "SPLITANSWER";
inline constexpr char kWantDealerCardsAnswer[] = "WANTDEALERCARDSANSWER";

// Tags.
inline constexpr char kBetTag[] = "BET";
inline constexpr char kMinBetTag[] = "MINBET";
inline constexpr char kMaxBetTag[] = "MAXBET";
inline constexpr char kMoneyLeftTag[] = "MONEYLEFT";
inline constexpr char kPlayerCardTag[] = "PLAYERCARD";
inline constexpr char kDealerCardTag[] = "DEALERCARD";
inline constexpr char kNewHand1CardTag[] = "NEWHAND1CARD";
inline constexpr char kNewHand2CardTag[] = "NEWHAND2CARD";
inline constexpr char kInsurance1Tag[] = "INSURANCE1";
inline constexpr char kInsuranceFlagTag[] = "INSURANCEFLAG";
inline constexpr char kBustTag[] = "BUST";
inline constexpr char kNumCardDealerTag[] = "NUMCARDDEALER";
inline constexpr char kWinFlag1Tag[] = "WINFLAG1";
inline constexpr char kWinFlag2Tag[] = "WINFLAG2";
inline constexpr char kWinIns1FlagTag[] = "WININS1FLAG";
inline constexpr char kWinIns2FlagTag[] = "WININS2FLAG";

// The table limits read at CLIENTINIT into minBet and maxBet.
inline constexpr game::ServerLimitTag kBlackJackLimits[] = {
    {kMinBetTag, "minBetBlackJack"},
    {kMaxBetTag, "maxBetBlackJack"},
};
inline constexpr int kBlackJackLimitCount = sizeof(kBlackJackLimits) / sizeof(kBlackJackLimits[0]);

// Result words.
inline constexpr char kResultWin[] = "WIN";
inline constexpr char kResultNatural[] = "WIN2.5";
inline constexpr char kResultPush[] = "PUSH";
inline constexpr char kResultLose[] = "LOOSE";
inline constexpr char kResultNoPlay[] = "NOPLAY";

// States of GameServerRun (10, 11, 13 and 17 are not used).
enum BlackJackServerState : int {
  kServerWaitClientInit = 0,
  kServerSendClientInit = 1,
  kServerWaitBeginPlay = 2,
  kServerSendBeginPlay = 3,
  kServerWaitDealOrQuit = 4,
  kServerFirstDeal = 5,
  kServerSendFirstDeal = 6,
  kServerWaitAction = 7,
  kServerStand = 8,
  kServerDouble = 9,
  kServerHit = 12,
  kServerSendHit = 14,
  kServerWaitEndPlay = 15,
  kServerSendEndPlay = 16,
  kServerSendQuit = 18,
  kServerWaitClientExit = 19,
  kServerSendClientExit = 20,
  kServerExitSent = 21,
  kServerSendFailure = 22,
  kServerEnded = 23,
  kServerFailed = 24,
  kServerWaitDealerCards = 25,
  kServerSendHandsDone = 26,
  kServerSendNextHand = 27,
  kServerSendInsurance = 28,
  kServerSendSettlement = 29,
  kServerWaitInsurance = 30,
  kServerSplit = 31,
  kServerSendDouble = 32,
  kServerSendSplit = 33,
};
static_assert(kServerSendSplit + 1 == kBlackJackServerStates);

// ServerInit, ServerFree, GameServerPlayback and GameServerLoad (exactly
// kBlackJackServerRecordSize bytes, a record the machine can run) of the
// shared shell, over the Black Jack layout: the game code first.
using BlackJackServerShell =
    game::CServerShell<BlackJackServerRecord, offsetof(BlackJackServerRecord, gameCode),
                       IsBlackJackServerRecord>;

// One frame: 0 go on, -1 after CLIENTEXITANSWER went out (for ever), -2
// after a failure answer went out and the stakes were forfeited (for ever).
// userId goes to the account.
int GameServerRun(BlackJackServerRecord& record, CComm& comm, int userId);
// Restore hook for a removed game, and the end of a failed one: every held
// stake is lost.
void GameServerOnRemove(BlackJackServerRecord& record, int userId);

}  // namespace hx
