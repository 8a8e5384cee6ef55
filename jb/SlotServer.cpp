#include "jb/SlotServer.h"

#include "framework/game/ServerFrame.h"
#include "framework/game/SpinServer.h"
#include "jb/SlotRules.h"

namespace jb {

using namespace game;

namespace {

void BeginRound(SlotServerRecord& r, CComm&, double balance) { r.balance = balance; }

// The net of the spin in dollars as one debit or one credit. 0 or the
// account's code.
int Settle(int userId, int coins, int win, double coinValue) {
  if (win < coins) return dbSubtractMoney(userId, (coins - win) * coinValue);
  if (win > coins) return dbAddMoney(userId, (win - coins) * coinValue);
  return kDbOk;
}

int Fail(CComm& comm, const char* text) {
  AnswerFailure(comm, kSpinAnswer, kAnswerFail, text);
  return kSpinSendFailure;
}

int Spin(SlotServerRecord& r, CComm& comm, int userId) {
  const char* bet = ServerTagValue(comm, kBetTag);
  double coins = 0, coinValue = 0;
  const int read = bet != nullptr && ReadSlotBet(bet, &coins, &coinValue);
  comm.ReleaseReceived();
  if (bet == nullptr) return Fail(comm, "Can't find bet tag");
  if (!read) return Fail(comm, "Can't get bet list");
  if (!IsSlotBetValid(coins, coinValue, r.balance)) return Fail(comm, "Invalid bet list");
  int stops[kReels];
  for (int& stop : stops) stop = ServerRandomNumber() % kReelStops;
  const int wholeCoins = static_cast<int>(coins);
  const int win = SlotRowPay(SlotWinRow(stops), wholeCoins);
  const int settled = Settle(userId, wholeCoins, win, coinValue);
  if (settled != kDbOk) return Fail(comm, DbErrorName(settled));
  char winList[kWinListTextSize];
  FormatSlotWinList(stops, win, winList, sizeof(winList));
  AnswerOk(comm, kSpinAnswer);
  AddTextTag(comm, kWinListTag, winList);
  return kSpinSendSpin;
}

constexpr SpinGame<SlotServerRecord> kSlotSpin{
    kSpin,   "Expected SPIN/ENDPLAY command at this point",
    nullptr, 0,
    kDbGameRunningName,
    nullptr, BeginRound, Spin, GameServerOnRemove,
};

}  // namespace

int GameServerRun(SlotServerRecord& r, CComm& comm, int userId) {
  return SpinServerRun(kSlotSpin, r, comm, userId);
}

void GameServerOnRemove(SlotServerRecord&, int) {}

const char* DbErrorName(int code) { return ::DbErrorName(code, kDbGameRunningName); }

}  // namespace jb
