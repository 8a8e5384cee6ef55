#include "framework/game/ServerFrame.h"

#include <cstdio>

#include "framework/link/Db.h"
#include "framework/link/SavePointSender.h"
#include "framework/link/ServerRandom.h"

namespace game {
namespace {

RandomSource g_randomSource = nullptr;
SavePointSender g_savePointSender = nullptr;

int BeginAnswer(CComm& comm, const char* answerName, const char* answer) {
  if (!comm.BeginPacket()) return 0;
  comm.AddCommand(answerName);
  comm.AddAnswer(answer);
  return 1;
}

// The answer to a packet the state did not expect: its own command +
// "answer", and "fail".
int BeginUnexpectedAnswer(CComm& comm) {
  if (!comm.BeginPacket()) return 0;
  comm.AnswerCommand();
  comm.AddAnswer(kAnswerFail);
  return 1;
}

}  // namespace

void SetServerRandomSource(RandomSource source) { g_randomSource = source; }

int ServerRandomNumber() {
  return g_randomSource != nullptr ? g_randomSource() : NextServerRandom();
}

void SetSavePointSender(SavePointSender sender) { g_savePointSender = sender; }

int SendServerSavePoint(CComm& serverEnd, const char* game, const void* record,
                        std::uint32_t recordSize) {
  const SavePointSender sender = g_savePointSender != nullptr ? g_savePointSender : SendSavePoint;
  return sender(serverEnd, game, record, recordSize);
}

int ServerCanAnswer(CComm& comm) { return comm.IsSendFree() && comm.IsReceived(); }

int ServerGotCommand(CComm& comm, const char* command) {
  comm.RewindReceived();
  return comm.IsCommand(command);
}

int ServerTakeCommand(CComm& comm, int* state, const char* command, int failState) {
  if (!ServerCanAnswer(comm)) return 0;
  if (ServerGotCommand(comm, command)) return 1;
  AnswerWrongCommand(comm, command);
  *state = failState;
  return 0;
}

void ServerWaitDone(CComm& comm, int* state, const char* command, const char* answerName, int next,
                    int failState) {
  if (!ServerTakeCommand(comm, state, command, failState)) return;
  AnswerDone(comm, answerName);
  *state = next;
}

void ServerWaitPlayOrQuit(CComm& comm, int* state, const char* command, int playState,
                          int quitState, const char* wrongText, int failState) {
  if (!ServerCanAnswer(comm)) return;
  if (ServerGotCommand(comm, command)) {
    *state = playState;
  } else if (ServerGotCommand(comm, kEndPlay)) {
    AnswerDone(comm, kEndPlayAnswer);
    *state = quitState;
  } else {
    AnswerUnexpected(comm, wrongText);
    *state = failState;
  }
}

const char* ServerTagValue(CComm& comm, const char* name) {
  comm.RewindReceived();
  return comm.FindNextTag(name) ? comm.TagValue() : nullptr;
}

int AnswerOk(CComm& comm, const char* answerName) {
  return BeginAnswer(comm, answerName, kAnswerOk);
}

int AnswerFailure(CComm& comm, const char* answerName, const char* answer,
                  const char* errorText) {
  if (!BeginAnswer(comm, answerName, answer)) return 0;
  if (errorText != nullptr) comm.AddErrorMsg(errorText);
  return 1;
}

void AnswerRefusal(CComm& comm, int* state, const char* answerName, const char* errorText,
                   int failState) {
  AnswerFailure(comm, answerName, kAnswerFail, errorText);
  comm.ReleaseReceived();
  *state = failState;
}

int AnswerWrongCommand(CComm& comm, const char* wanted) {
  if (!BeginUnexpectedAnswer(comm)) return 0;
  comm.AddWrongCommand(wanted);
  comm.ReleaseReceived();
  return 1;
}

int AnswerUnexpected(CComm& comm, const char* errorText) {
  if (!BeginUnexpectedAnswer(comm)) return 0;
  comm.AddErrorMsg(errorText);
  comm.ReleaseReceived();
  return 1;
}

int AddMoneyTag(CComm& comm, const char* tag, double value) {
  char text[64];
  std::snprintf(text, sizeof(text), "%f", value);
  return AddTextTag(comm, tag, text);
}

int AddTextTag(CComm& comm, const char* tag, const char* value) {
  return comm.AddTag(tag) && comm.SetTagValue(value);
}

int AnswerClientInit(CComm& comm, int userId, const ServerLimitTag* limits, int count,
                     double* values, const DbExtraErrorName& extra) {
  double balance = 0;
  int code = dbGetBalance(userId, &balance);
  for (int i = 0; code == kDbOk && i < count; ++i) {
    code = GetCasinoLimit(userId, limits[i].key, &values[i]);
  }
  if (code != kDbOk) {
    AnswerFailure(comm, kClientInitAnswer, kAnswerFail, DbErrorName(code, extra));
    comm.ReleaseReceived();
    return 0;
  }
  AnswerOk(comm, kClientInitAnswer);
  AddMoneyTag(comm, kMoneyAmountTag, balance);
  for (int i = 0; i < count; ++i) AddMoneyTag(comm, limits[i].tag, values[i]);
  comm.ReleaseReceived();
  return 1;
}

int AnswerBeginPlay(CComm& comm, int userId, double* balance, const DbExtraErrorName& extra) {
  int code = dbGetBalance(userId, balance);
  if (code != kDbOk) {
    AnswerFailure(comm, kBeginPlayAnswer, kAnswerFail, DbErrorName(code, extra));
    comm.ReleaseReceived();
    return 0;
  }
  AnswerOk(comm, kBeginPlayAnswer);
  AddMoneyTag(comm, kMoneyAmountTag, *balance);
  comm.ReleaseReceived();
  return 1;
}

int ServerWaitClientInit(CComm& comm, int* state, int userId, const ServerLimitTag* limits,
                         int count, double* values, int failState,
                         const DbExtraErrorName& extra) {
  if (!ServerTakeCommand(comm, state, kClientInit, failState)) return 0;
  if (AnswerClientInit(comm, userId, limits, count, values, extra)) return 1;
  *state = failState;
  return 0;
}

int ServerWaitBeginPlay(CComm& comm, int* state, int userId, double* balance, int failState,
                        const DbExtraErrorName& extra) {
  if (!ServerTakeCommand(comm, state, kBeginPlay, failState)) return 0;
  if (AnswerBeginPlay(comm, userId, balance, extra)) return 1;
  *state = failState;
  return 0;
}

int AnswerDone(CComm& comm, const char* answerName) {
  int answered = AnswerOk(comm, answerName);
  comm.ReleaseReceived();
  return answered;
}

int ServerSendAnswer(CComm& comm, int* state, int next) {
  if (!comm.SendPacket()) return 0;
  *state = next;
  return 1;
}

}  // namespace game
