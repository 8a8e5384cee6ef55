#include "wl/RouletteServer.h"

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "wl/BetList.h"
#include "wl/RouletteLimits.h"
#include "wl/WinList.h"

namespace wl {

using namespace game;

namespace {

constexpr ServerLimitTag kRouletteLimitTags[] = {
    {kMinTableTag, "minTableRoulette"},   {kMaxTableTag, "maxTableRoulette"},
    {kMinNrTag, "minNrRoulette"},         {kMaxNrTag, "maxNrRoulette"},
    {kMinExternTag, "minExternRoulette"}, {kMaxExternTag, "maxExternRoulette"},
};
constexpr int kRouletteLimitCount = sizeof(kRouletteLimitTags) / sizeof(kRouletteLimitTags[0]);
static_assert(kRouletteLimitCount * sizeof(double) == sizeof(RouletteLimits));
static_assert(kRouletteLimitCount <= kMaxSpinLimits);

constexpr std::size_t kLimitTextSize = 96;

void StoreLimits(RouletteServerRecord& r, const double* values) {
  r.limits = RouletteLimits{values[0], values[1], values[2], values[3], values[4], values[5]};
}

void BeginRound(RouletteServerRecord& r, CComm&, double balance) {
  for (int& bet : r.bets) bet = 0;
  r.money = balance;
}

// The net of the spin as one debit or one credit. 0 or the account's code.
int Settle(int userId, double bet, double returned) {
  if (bet > returned) return dbSubtractMoney(userId, bet - returned);
  if (returned > bet) return dbAddMoney(userId, returned - bet);
  return kDbOk;
}

int Fail(CComm& comm, const char* text) {
  AnswerFailure(comm, kSpinAnswer, kAnswerFail, text);
  return kSpinSendFailure;
}

int Spin(RouletteServerRecord& r, CComm& comm, int userId) {
  const char* list = ServerTagValue(comm, kBetListTag);
  int bets[kRouletteSlots] = {};
  double total = 0;
  const int read = list != nullptr && ReadBetList(list, bets, &total);
  comm.ReleaseReceived();
  if (list == nullptr) return Fail(comm, "Can't find bet tag");
  if (!read) return Fail(comm, "Can't get bet list");
  for (int slot = 0; slot < kRouletteSlots; ++slot) r.bets[slot] = bets[slot];
  const int code = CheckBetLimits(r.bets, total, r.limits, r.money);
  if (code != kLimitsKept) {
    char text[kLimitTextSize];
    LimitText(code, r.limits, text, sizeof(text));
    return Fail(comm, text);
  }
  const int number = ServerRandomNumber() % kRouletteNumbers;
  char winList[kWinListTextSize];
  double returned = 0;
  WriteWinList(number, r.bets, winList, &returned);
  const int settled = Settle(userId, total, returned);
  if (settled != kDbOk) return Fail(comm, DbErrorName(settled));
  AnswerOk(comm, kSpinAnswer);
  AddTextTag(comm, kWinListTag, winList);
  return kSpinSendSpin;
}

constexpr SpinGame<RouletteServerRecord> kRouletteSpin{
    kSpin,       "Expected SPIN/ENDPLAY command at this point",
    kRouletteLimitTags, kRouletteLimitCount,
    kDbNoPropertyName,
    StoreLimits, BeginRound, Spin, GameServerOnRemove,
};

}  // namespace

int GameServerRun(RouletteServerRecord& r, CComm& comm, int userId) {
  return SpinServerRun(kRouletteSpin, r, comm, userId);
}

void GameServerOnRemove(RouletteServerRecord&, int) {}

const char* DbErrorName(int code) { return ::DbErrorName(code, kDbNoPropertyName); }

}  // namespace wl
