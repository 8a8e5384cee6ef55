#include "dq/CrapsServer.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "dq/BetWire.h"
#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "framework/link/Restore.h"
#include "framework/link/WholeNumbers.h"
#include "dq/RoundValues.h"
#include "dq/Settlement.h"
#include "dq/TableRules.h"

namespace dq {

using namespace game;

namespace {

constexpr ServerLimitTag kCrapsLimits[] = {
    {"MINBET", "minBetCraps"},   {"MAXBET", "maxBetCraps"},         {"MAXODDS", "maxOddsCraps"},
    {"MAXTABLE", "maxTableCraps"}, {"MINBETPROP", "minBetPropCraps"},
};
constexpr int kCrapsLimitCount = sizeof(kCrapsLimits) / sizeof(kCrapsLimits[0]);

// Refusal texts of a BET list, by CrapsBetListParse code (none when read).
constexpr const char* kBetListErrors[] = {
    nullptr,
    "Couldn't convert Bet index from client",
    "Bet index from client out of range",
    "Couldn't convert Bet from client",
    "Bet list from client is incomplete",
};
static_assert(sizeof(kBetListErrors) / sizeof(kBetListErrors[0]) == kBetListIncomplete + 1,
              "one text per parse result");

int DrawDie() { return ServerRandomNumber() % 6 + 1; }

void StartSession(CrapsServerRecord& r, const double* limits) {
  char code[sizeof(r.gameCode)];
  std::memcpy(code, r.gameCode, sizeof(code));
  std::memset(&r, 0, sizeof(r));
  std::memcpy(r.gameCode, code, sizeof(code));
  r.minBet = limits[0];
  r.maxBet = limits[1];
  r.maxOdds = limits[2];
  r.maxTable = limits[3];
  r.minBetProp = limits[4];
  r.comeOut = 1;
}

void StartRound(CrapsServerRecord& r, double balance) {
  std::memset(r.bets, 0, sizeof(r.bets));
  r.balance = balance;
  r.previousDice[0] = r.dice[0];
  r.previousDice[1] = r.dice[1];
  r.dice[0] = DrawDie();
  r.dice[1] = DrawDie();
  ResetPlaybackLists();
}

void WaitClientInit(CrapsServerRecord& r, CComm& comm, int userId) {
  double limits[kCrapsLimitCount];
  if (!ServerWaitClientInit(comm, &r.state, userId, kCrapsLimits, kCrapsLimitCount, limits,
                            kServerSendFailure)) {
    return;
  }
  StartSession(r, limits);
  r.state = kServerSendClientInit;
}

void WaitBeginPlay(CrapsServerRecord& r, CComm& comm, int userId) {
  double balance = 0;
  if (!ServerWaitBeginPlay(comm, &r.state, userId, &balance, kServerSendFailure)) return;
  StartRound(r, balance);
  r.state = kServerSendBeginPlay;
  // The round's save point: the dice are drawn, the answer is built and not
  // yet sent, so a restore resumes by sending it from this very state.
  SendServerSavePoint(comm, r.gameCode, &r, sizeof(r));
}

// A quit before the roll: only forfeited contract stakes are debited, and a
// debit that fails is reported, never answered "ok".
void Quit(CrapsServerRecord& r, CComm& comm, int userId) {
  const char* flag = ServerTagValue(comm, kQuitFlagTag);
  if (flag == nullptr) {
    AnswerFailure(comm, kEndPlayAnswer, kAnswerFail, "Expected QUITFLAG tag at this point");
    comm.ReleaseReceived();
    r.state = kServerSendFailure;
    return;
  }
  std::int32_t quitFlag = 0;
  r.quitFlag = ReadWholeNumber(&flag, 0, &quitFlag) ? quitFlag : 0;
  CrapsQuitForfeit forfeit = QuitForfeit(r);
  int code = forfeit.amount > 0 ? dbSubtractMoney(userId, forfeit.amount) : kDbOk;
  if (code != kDbOk) {
    AnswerFailure(comm, kEndPlayAnswer, kAnswerDbError, DbErrorName(code));
    r.state = kServerSendFailure;
  } else if (!forfeit.allowed) {
    AnswerFailure(comm, kEndPlayAnswer, kAnswerFail,
                  "Illegal bets on table while trying to quit! Bets will be lost!");
    r.state = kServerSendFailure;
  } else {
    AnswerOk(comm, kEndPlayAnswer);
    r.state = kServerSendQuit;
  }
  comm.ReleaseReceived();
}

void WaitRollOrQuit(CrapsServerRecord& r, CComm& comm, int userId) {
  if (!ServerCanAnswer(comm)) return;
  if (ServerGotCommand(comm, kRollDice)) {
    r.state = kServerCheckBets;  // the packet stays for the bet check
  } else if (ServerGotCommand(comm, kEndPlay)) {
    Quit(r, comm, userId);
  } else {
    AnswerUnexpected(comm, "Expected ROLLDICE/ENDPLAY command at this point");
    r.state = kServerSendFailure;
  }
}

void CheckBets(CrapsServerRecord& r, CComm& comm) {
  if (!ServerCanAnswer(comm)) return;
  const char* list = ServerTagValue(comm, kBetTag);
  float bets[kCrapsBetSlots];
  CrapsWorkingFlags flags{};
  const char* error = "Expected BET tag at this point";
  if (list != nullptr) error = kBetListErrors[ParseBetList(list, bets, &flags)];
  if (error != nullptr) {
    AnswerFailure(comm, kBetAnswer, kAnswerFail, error);
    r.state = kServerSendFailure;
  } else {
    std::memcpy(r.bets, bets, sizeof(r.bets));
    r.workingPlace = flags.place;
    r.workingBuy = flags.buy;
    r.workingComeOdds = flags.comeOdds;
    r.workingHardways = flags.hardways;
    if (ServerCheckBets(r)) {
      AnswerOk(comm, kBetAnswer);
      r.state = kServerSendBetsOk;
    } else {
      AnswerFailure(comm, kBetAnswer, kAnswerFail, nullptr);
      r.state = kServerSendBetsRefused;
    }
  }
  comm.ReleaseReceived();
}

void WaitSendResult(CrapsServerRecord& r, CComm& comm) {
  if (!ServerTakeCommand(comm, &r.state, kSendResult, kServerSendFailure)) return;
  comm.ReleaseReceived();
  r.state = kServerSettle;
}

// The balance moves once, by the net of the roll, so a failed update
// leaves the account as it was.
void MoveMoney(CrapsServerRecord& r, CComm& comm, int userId) {
  if (!comm.IsSendFree()) return;
  double net = SettleMoney(r);
  int code = kDbOk;
  if (net > 0) code = dbAddMoney(userId, net);
  if (net < 0) code = dbSubtractMoney(userId, -net);
  if (code != kDbOk) {
    AnswerFailure(comm, kBetData, kAnswerDbError, DbErrorName(code));
    r.state = kServerSendFailure;
    return;
  }
  r.state = kServerBuildResults;
}

void BuildResults(CrapsServerRecord& r, CComm& comm) {
  if (!comm.IsSendFree()) return;
  char text[kResultListTextSize];
  EncodeResultList(r, text, sizeof(text));
  AnswerOk(comm, kBetData);
  AddTextTag(comm, kResultTag, text);
  r.state = kServerSendResults;
}

}  // namespace

int IsCrapsServerRecord(const CrapsServerRecord& r) {
  if (r.state < 0 || r.state >= kCrapsServerStates || r.state == kServerUnused) return 0;
  // A restored roll settles from these: a die, point or come point out of
  // its range indexes outside the settlement's tables, and an amount that is
  // not a number reaches the account.
  if (AreRoundDiceAndComePoints(r) == 0) return 0;
  if (IsPoint(r.point) == 0 || AreRoundFlags(&r.comeOut, 1) == 0) return 0;
  if (AreFiniteAmounts(r.bets, kCrapsBetSlots) == 0 || AreFiniteAmounts(r.previousBets, kCrapsBetSlots) == 0 ||
      AreFiniteAmounts(r.results, kCrapsBetSlots) == 0) {
    return 0;
  }
  const double amounts[] = {r.minBet, r.maxBet, r.minBetProp, r.maxTable, r.maxOdds, r.won, r.lost, r.balance};
  for (double amount : amounts) {
    if (!std::isfinite(amount)) return 0;
  }
  return 1;
}

int GameServerRun(CrapsServerRecord& r, CComm& comm, int userId) {
  comm.PollTransport();
  switch (r.state) {
    case kServerWaitClientInit: WaitClientInit(r, comm, userId); break;
    case kServerSendClientInit: ServerSendAnswer(comm, &r.state, kServerWaitBeginPlay); break;
    case kServerWaitBeginPlay: WaitBeginPlay(r, comm, userId); break;
    case kServerSendBeginPlay: ServerSendAnswer(comm, &r.state, kServerWaitRollOrQuit); break;
    case kServerWaitRollOrQuit: WaitRollOrQuit(r, comm, userId); break;
    case kServerCheckBets: CheckBets(r, comm); break;
    case kServerSendBetsOk: ServerSendAnswer(comm, &r.state, kServerWaitSendResult); break;
    case kServerSendBetsRefused: ServerSendAnswer(comm, &r.state, kServerWaitRollOrQuit); break;
    case kServerBuildResults: BuildResults(r, comm); break;
    case kServerSendResults: ServerSendAnswer(comm, &r.state, kServerWaitEndPlay); break;
    case kServerSettle:
      SettleRoll(r);
      r.state = kServerMoney;
      break;
    case kServerMoney: MoveMoney(r, comm, userId); break;
    case kServerWaitEndPlay:
      ServerWaitDone(comm, &r.state, kEndPlay, kEndPlayAnswer, kServerSendEndPlay,
                     kServerSendFailure);
      break;
    case kServerSendEndPlay: ServerSendAnswer(comm, &r.state, kServerWaitBeginPlay); break;
    case kServerWaitSendResult: WaitSendResult(r, comm); break;
    case kServerSendQuit: ServerSendAnswer(comm, &r.state, kServerWaitClientExit); break;
    case kServerWaitClientExit:
      ServerWaitDone(comm, &r.state, kClientExit, kClientExitAnswer, kServerSendClientExit,
                     kServerSendFailure);
      break;
    case kServerSendClientExit: ServerSendAnswer(comm, &r.state, kServerExitSent); break;
    case kServerExitSent: r.state = kServerEnded; break;
    case kServerSendFailure: ServerSendAnswer(comm, &r.state, kServerFailed); break;
    default: break;
  }
  if (r.state == kServerEnded) return -1;
  if (r.state == kServerFailed) return -2;
  return 0;
}

void GameServerOnRemove(CrapsServerRecord&, int) {}

}  // namespace dq
