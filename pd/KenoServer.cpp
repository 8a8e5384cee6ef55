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

// The rest of the record keeps the last round's bet and draw until SHOOT.
void BeginRound(KenoServerRecord& r, CComm& comm, double balance) {
  r.money = balance;
  ResetPlaybackLists();
  // The round's save point: the answer is built and not yet sent, and the
  // random stream that draws at SHOOT travels with the record.
  SendServerSavePoint(comm, r.gameCode, &r, sizeof(r));
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

int Shoot(KenoServerRecord& r, CComm& comm, int userId) {
  const char* refusal = TakeBet(r, comm);
  comm.ReleaseReceived();
  if (refusal != nullptr) {
    AnswerFailure(comm, kShootAnswer, kAnswerFail, refusal);
    return kServerSendFailure;
  }
  DrawKenoNumbers(ServerRandomNumber, r.drawn);
  const int returned = KenoReturn(r.stake, r.count, CountKenoMatches(r));
  r.winFlag = returned != 0 ? 1 : 0;
  const int code = Settle(userId, r.stake, returned);
  if (code != kDbOk) {
    AnswerFailure(comm, kShootAnswer, kAnswerFail, DbErrorName(code));
    return kServerSendFailure;
  }
  char winList[kWinListSize];
  int at = 0;
  for (int i = 0; i < kKenoDrawn; ++i) {
    at += std::snprintf(winList + at, sizeof(winList) - at, "%i,", r.drawn[i]);
  }
  std::snprintf(winList + at, sizeof(winList) - at, "%i,%i", r.winFlag, returned);
  AnswerOk(comm, kShootAnswer);
  AddTextTag(comm, kWinListTag, winList);
  return kServerSendShoot;
}

constexpr SpinGame<KenoServerRecord> kKenoRound{
    kShoot,  "Expected SHOOT/ENDPLAY command at this point",
    nullptr, 0,  // no table limits
    kDbNoPropertyName,
    nullptr, BeginRound, Shoot, GameServerOnRemove,
};

}  // namespace

int GameServerRun(KenoServerRecord& r, CComm& comm, int userId) {
  return SpinServerRun(kKenoRound, r, comm, userId);
}

void GameServerOnRemove(KenoServerRecord&, int) {}

const char* DbErrorName(int code) { return ::DbErrorName(code, kDbNoPropertyName); }

}  // namespace pd
