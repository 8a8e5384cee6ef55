#include "framework/game/ClientFrame.h"

#include <cmath>
#include <cstdio>

#include "framework/shell/CasinoCfg.h"
#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/dialog.h"

namespace game {

int ClientBuild(CComm& comm, const char* command) {
  if (!comm.IsSendFree() || !comm.BeginPacket()) return 0;
  comm.AddCommand(command);
  return 1;
}

void ClientAddTag(CComm& comm, const char* name, const char* value) {
  comm.AddTag(name);
  comm.SetTagValue(value);
}

int ClientSend(CComm& comm, int* state, int next) {
  if (!comm.SendPacket()) return 0;
  *state = next;
  return 1;
}

int ClientArrived(CComm& comm) {
  if (!comm.IsReceived()) return 0;
  comm.RewindReceived();
  return 1;
}

int ClientGotCommand(CComm& comm, const char* command) {
  comm.RewindReceived();
  return comm.IsCommand(command) != 0;
}

int ClientGotAnswer(CComm& comm, const char* answer) {
  comm.RewindReceived();
  return comm.IsAnswer(answer) != 0;
}

const char* ClientTagValue(CComm& comm, const char* name) {
  comm.RewindReceived();
  return comm.FindNextTag(name) ? comm.TagValue() : nullptr;
}

ClientTagRead ClientReadDouble(CComm& comm, const char* name, double* value) {
  const char* text = ClientTagValue(comm, name);
  if (text == nullptr) return kTagMissing;
  // "nan" and "inf" read as numbers, but no amount or limit is one: a NaN
  // table limit refused every bet and left the player stuck.
  double read = 0;
  if (std::sscanf(text, "%lf", &read) != 1 || !std::isfinite(read)) return kTagBad;
  *value = read;
  return kTagRead;
}

const char* ClientReadNumbers(CComm& comm, const ClientNumberTag* tags, int count,
                              double* values) {
  for (int i = 0; i < count; ++i) {
    const ClientTagRead read = ClientReadDouble(comm, tags[i].name, &values[i]);
    if (read == kTagMissing) return tags[i].missing;
    if (read == kTagBad) return tags[i].bad;
  }
  return nullptr;
}

const char* ClientCheckAnswer(CComm& comm, const char* answerName, const char* badCommand,
                              const char* notOk) {
  if (!ClientGotCommand(comm, answerName)) return badCommand;
  if (!ClientGotAnswer(comm, kAnswerOk)) return notOk;
  return nullptr;
}

const char* ClientReadMoneyAnswer(CComm& comm, const ClientMoneyAnswer& answer, double* money) {
  if (const char* error = ClientCheckAnswer(comm, answer.command, answer.badCommand, answer.notOk)) return error;
  return ClientReadNumbers(comm, &answer.money, 1, money);
}

void ClientFatalText(CComm& comm, const char* clientText, char* text, std::size_t size) {
  const char* server =
      comm.recvAllocated == kRecvWaiting ? ClientTagValue(comm, kErrorMsgTag) : nullptr;
  if (server != nullptr && server[0] != '\0') {
    std::snprintf(text, size, "CLIENT: %s\nSERVER: %s", clientText, server);
  } else {
    std::snprintf(text, size, "CLIENT: %s", clientText);
  }
}

void ShowClientFatalBox(const char* text) {
  plat::MessageBox(gMainWindow, text, "FATAL ERROR",
                   plat::MB_OK | plat::MB_ICONSTOP | plat::MB_SETFOREGROUND);
}

void ClientWriteSettings() { WriteCasinoCfg(&gCasinoCfg, kCasinoCfgShared); }

int ClientHandBack(CComm& comm, int result) { return comm.HandBack() ? result : 0; }

}  // namespace game
