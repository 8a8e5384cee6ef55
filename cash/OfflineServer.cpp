#include "cash/OfflineServer.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include "cash/CashierMoney.h"
#include "framework/link/Comm.h"
#include "framework/link/Db.h"
#include "framework/link/PlayerRecord.h"

namespace {

enum State : int {
  kAccountInfo = 0,
  kSendAccountInfo = 1,
  kIdle = 2,
  kDeposit = 3,
  kSendDeposit = 4,
  kWithdraw = 5,
  kSendWithdraw = 6,
  kSendEnd = 7,
  kWaitEnd = 8,
  kSendSecondEnd = 9,
  kEnded = 10,
  kSendFailure = 11,
  kFailed = 12,
  kDone = 13,
  kCardInfo = 14,
  kSendCardInfo = 15,
};

const char kDepositMessage[] =
    "   The money was successfully deposited\n      to your local play-for-fun account";
const char kWithdrawMessage[] =
    "   The money was successfully withdrawn\n    from your local play-for-fun account";
const char kOverCap[] = "You can't have more than 4,673,109.42 on your play-for-fun account";
const char kNotEnough[] = "You don't have enough money to take out that much";
const char kExpected[] = "Expected DEPOSIT/WITHDRAW/ENDMODULE command at this point";

const char* ReceivedCommand(CComm& comm) {
  const char* command = comm.recvList.GetValue("command");
  return command ? command : "";
}

// Begins the answer to the waiting request: its own command and the answer.
void BeginAnswer(CComm& comm, const char* command, const char* answer) {
  comm.BeginPacket();
  comm.AddCommand(command);
  comm.AddAnswer(answer);
}

void AddTag(CComm& comm, const char* name, const char* value) {
  comm.AddTag(name);
  comm.SetTagValue(value);
}

void AnswerAccountInfo(CComm& comm, const CPlayerRecord& player) {
  char sum[64];
  std::snprintf(sum, sizeof sum, "%lf", FromCents(ToCents(player.GetMoney())));
  BeginAnswer(comm, "GETACCOUNTINFO", "ok");
  AddTag(comm, "ACCOUNTSUM", sum);
  for (const char* name : {"securitylimit", "currentsecuritylimit", "maxdepositper30days",
                           "maxwithdrawper30days", "maxdeposit", "maxwithdraw"})
    AddTag(comm, name, "0.0");
  AddTag(comm, "max24hourcarddeposit", "0");
  AddTag(comm, "max24hourcarddepositcount", "0");
}

void AnswerCardInfo(CComm& comm) {
  BeginAnswer(comm, "GETCREDITCARDINFO", "ok");
  for (const char* name : {"CARDTYPE", "NUMBER", "EXPDATE", "NAME"}) AddTag(comm, name, "");
}

void SetBalance(CPlayerRecord& player, int userId, std::int64_t cents) {
  player.SetMoney(FromCents(cents));
  dbSetBalance(userId, player.GetMoney());
}

// DEPOSIT or WITHDRAW: builds the answer and answers the next state,
// kSendFailure when the amount is missing or unreadable. An order that would
// take the balance above the cap or below 0 (negative amounts included) is
// refused with the balance kept, and the server goes on.
int AnswerOrder(CComm& comm, int deposit, int userId, CPlayerRecord& player) {
  const char* command = deposit ? "DEPOSIT" : "WITHDRAW";
  comm.RewindReceived();
  const char* failure = nullptr;
  std::int64_t amount = 0;
  if (!comm.FindNextTag("AMOUNT"))
    failure = "Can't find amount tag";
  else if (!ReadCents(comm.TagValue(), &amount))
    failure = "Can't get amount data";
  if (failure) {
    BeginAnswer(comm, command, "fail");
    comm.AddErrorMsg(failure);
    return kSendFailure;
  }
  const std::int64_t balance = ToCents(player.GetMoney());
  const std::int64_t after = deposit ? balance + amount : balance - amount;
  const int sendState = deposit ? kSendDeposit : kSendWithdraw;
  if (after < 0 || after > kOfflineBalanceCapCents) {
    BeginAnswer(comm, command, "fail");
    comm.AddErrorMsg(after < 0 ? kNotEnough : kOverCap);
    return sendState;
  }
  SetBalance(player, userId, after);
  BeginAnswer(comm, command, "ok");
  AddTag(comm, "MESSAGE", deposit ? kDepositMessage : kWithdrawMessage);
  AddTag(comm, "ORDERID", deposit ? "0" : "42");
  return sendState;
}

// Sends the packet being built and moves on once it is taken.
void SendThen(CComm& comm, CashierServerRecord* record, int next) {
  if (comm.SendPacket()) record->state = next;
}

// A packet waits and an answer can be built.
int RequestWaiting(CComm& comm) { return comm.IsSendFree() && comm.IsReceived(); }

void TakeRequest(CComm& comm, CashierServerRecord* record) {
  comm.RewindReceived();
  const char* command = ReceivedCommand(comm);
  struct Route {
    const char* command;
    int state;
  };
  for (const Route& route : {Route{"GETACCOUNTINFO", kAccountInfo}, Route{"DEPOSIT", kDeposit},
                             Route{"WITHDRAW", kWithdraw}, Route{"GETCREDITCARDINFO", kCardInfo}}) {
    comm.RewindReceived();
    if (comm.IsCommand(route.command)) {
      record->state = route.state;
      return;
    }
  }
  comm.RewindReceived();
  if (comm.IsCommand("ENDMODULE")) {
    BeginAnswer(comm, "ENDMODULE", "ok");
    record->state = kSendEnd;
  } else {
    BeginAnswer(comm, command, "fail");
    comm.AddErrorMsg(kExpected);
    record->state = kSendFailure;
  }
  comm.ReleaseReceived();
}

}  // namespace

CashierServerRecord* OfflineServerInit() {
  auto* record = static_cast<CashierServerRecord*>(std::malloc(sizeof(CashierServerRecord)));
  if (record) record->state = kOfflineServerStart;
  return record;
}

void OfflineServerFree(CashierServerRecord* record) { std::free(record); }

int OfflineServerRun(CashierServerRecord* record, CComm& server, int userId, CPlayerRecord& player) {
  server.PollTransport();
  switch (record->state) {
    case kIdle:
      if (RequestWaiting(server)) TakeRequest(server, record);
      return 0;
    case kAccountInfo:
      AnswerAccountInfo(server, player);
      server.ReleaseReceived();
      record->state = kSendAccountInfo;
      return 0;
    case kCardInfo:
      AnswerCardInfo(server);
      server.ReleaseReceived();
      record->state = kSendCardInfo;
      return 0;
    case kDeposit:
    case kWithdraw:
      record->state = AnswerOrder(server, record->state == kDeposit, userId, player);
      server.ReleaseReceived();
      return 0;
    case kSendAccountInfo:
    case kSendDeposit:
    case kSendWithdraw:
    case kSendCardInfo:
      SendThen(server, record, kIdle);
      return 0;
    case kSendEnd:
      SendThen(server, record, kWaitEnd);
      return 0;
    case kWaitEnd:
      if (!RequestWaiting(server)) return 0;
      server.RewindReceived();
      if (server.IsCommand("ENDMODULE")) {
        BeginAnswer(server, "ENDMODULE", "ok");
        record->state = kSendSecondEnd;
      } else {
        server.RewindReceived();
        BeginAnswer(server, ReceivedCommand(server), "fail");
        server.AddWrongCommand("ENDMODULE");
        record->state = kSendFailure;
      }
      server.ReleaseReceived();
      return 0;
    case kSendSecondEnd:
      SendThen(server, record, kEnded);
      return 0;
    case kEnded:
      record->state = kDone;
      return -1;
    case kDone:
      return -1;
    case kSendFailure:
      SendThen(server, record, kFailed);
      return 0;
    default:
      return -2;
  }
}
