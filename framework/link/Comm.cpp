#include "framework/link/Comm.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/link/Text.h"

namespace {

constexpr char kCommandTag[] = "command";
constexpr char kAnswerTag[] = "answer";
constexpr char kErrorMsgTag[] = "errormsg";
constexpr char kUnknownCommand[] = "unknowncommand";
constexpr std::size_t kFormattedTextSize = 160;  // 159 characters and the zero

void DefaultHook(CComm&) {}
void DefaultTrace(CComm&, int) {}

bool IsKeepAlive(const char* command) {
  return StrICmp(command, "heartbeat") == 0 || StrICmp(command, "asyncmsg") == 0;
}

}  // namespace

CComm::CComm() { ResetHooks(); }

CComm::~CComm() {
  delete transport;
  transport = nullptr;
  sendList.Clear();
  recvList.Clear();
}

int CComm::Init(const char* outLogName, const char* inLogName) {
  outLog = outLogName;
  inLog = inLogName;
  emptyText = "";
  sendAllocated = kSendFree;
  recvAllocated = kRecvEmpty;
  sendList.Clear();
  recvList.Clear();
  current = nullptr;
  cursor = nullptr;
  recvJustInit = 0;
  wantToSleep = 0;
  ResetHooks();
  return 1;
}

void CComm::ResetHooks() {
  beforeSend = DefaultHook;
  afterSend = DefaultHook;
  trace = DefaultTrace;
  beforeReceive = DefaultHook;
  afterReceive = DefaultHook;
}

void CComm::SetBeforeSendHook(CommHook hook) { beforeSend = hook ? hook : DefaultHook; }
void CComm::SetBeforeReceiveHook(CommHook hook) { beforeReceive = hook ? hook : DefaultHook; }

void SetWaitCallback(CComm& comm, CommTraceHook callback) { comm.trace = callback ? callback : DefaultTrace; }
void CComm::SetAfterReceiveHook(CommHook hook) { afterReceive = hook ? hook : DefaultHook; }

void CComm::SetTransport(CTransport* t) {
  delete transport;
  transport = t;
}

void CComm::SetState(int justInit, int send, int recv, int sleep) {
  recvJustInit = justInit;
  sendAllocated = send;
  recvAllocated = recv;
  wantToSleep = sleep;
}

void CComm::Shutdown() {}

int CComm::IsSendFree() {
  if (sendAllocated == kSendFree) return 1;
  wantToSleep = 1;
  return 0;
}

int CComm::BeginPacket() {
  if (sendAllocated != kSendFree) return 0;
  sendAllocated = kSendBuilding;
  current = nullptr;
  sendList.Clear();
  return 1;
}

int CComm::AddTag(const char* name) {
  if (sendAllocated != kSendBuilding) return 0;
  CKeyValue* tag = sendList.Add(name, emptyText);
  if (!tag) return 0;
  current = tag;
  return 1;
}

int CComm::SetTagValue(const char* text) {
  if (sendAllocated != kSendBuilding || !current) return 0;
  current->SetValue(text);
  return 1;
}

int CComm::AddCommand(const char* value) { return sendList.Add(kCommandTag, value) ? 1 : 0; }
int CComm::AddAnswer(const char* value) { return sendList.Add(kAnswerTag, value) ? 1 : 0; }
int CComm::AddErrorMsg(const char* value) { return sendList.Add(kErrorMsgTag, value) ? 1 : 0; }

int CComm::AddWrongCommand(const char* wanted) {
  const char* got = recvList.GetValue(kCommandTag);
  char text[kFormattedTextSize];
  std::snprintf(text, sizeof text, "Got %s wanted %s", got ? got : kUnknownCommand,
                wanted ? wanted : "");
  return AddErrorMsg(text);
}

int CComm::AnswerCommand() {
  RewindReceived();
  const char* got = recvList.GetValue(kCommandTag);
  if (!got) return AddCommand(kUnknownCommand);
  char text[kFormattedTextSize];
  std::snprintf(text, sizeof text, "%sanswer", got);
  return AddCommand(text);
}

int CComm::SendPacket() {
  if (sendAllocated == kSendBuilding) beforeSend(*this);
  char* text = sendList.Encode();
  if (!text) return 0;
  int taken = 0;
  if (sendAllocated == kSendBuilding && transport) {
    taken = transport->SendData(text, std::strlen(text) + 1);
  }
  std::free(text);
  if (!taken) return 0;
  sendAllocated = kSendFree;
  afterSend(*this);
  if (!IsKeepAlive(sendList.GetValue(kCommandTag))) trace(*this, 1);
  return 1;
}

void CComm::PollTransport() {
  if (transport) transport->Poll();
}

int CComm::HandBack() { return transport && transport->HandBack() ? 1 : 0; }

int CComm::OnDataReceived(const char* text, std::size_t length) {
  if (recvAllocated != kRecvEmpty) return 0;
  std::size_t n = text ? strnlen(text, length) : 0;
  if (n > kMaxPacketText) return 1;
  recvList.Clear();
  cursor = recvList.head;
  beforeReceive(*this);
  cursor = recvList.head;
  recvList.Decode(text, n);
  cursor = nullptr;
  recvAllocated = kRecvWaiting;
  RewindReceived();
  afterReceive(*this);
  cursor = recvList.head;
  if (StrICmp(recvList.GetValue(kCommandTag), "heartbeat") == 0) ReleaseReceived();
  return 1;
}

int CComm::IsReceived() {
  if (recvAllocated == kRecvWaiting) {
    if (!IsKeepAlive(recvList.GetValue(kCommandTag))) trace(*this, 0);
    return 1;
  }
  trace(*this, -1);
  wantToSleep = 1;
  return 0;
}

void CComm::RewindReceived() {
  recvAllocated = kRecvWaiting;
  recvJustInit = 1;
  cursor = recvList.head;
}

int CComm::FindNextTag(const char* name) {
  if (!cursor) return 0;
  CKeyValue* start = cursor;
  if (recvJustInit == 1) {
    recvJustInit = 0;
  } else {
    start = cursor->next;
  }
  cursor = start ? recvList.Find(name, start) : nullptr;
  return cursor ? 1 : 0;
}

int CComm::IsCommand(const char* value) {
  if (recvAllocated != kRecvWaiting || !FindNextTag(kCommandTag)) return 0;
  return cursor->ValueIs(value);
}

int CComm::IsAnswer(const char* value) {
  if (recvAllocated != kRecvWaiting || !FindNextTag(kAnswerTag)) return 0;
  return cursor->ValueIs(value);
}

void CComm::FirstTag() { cursor = recvList.head; }

int CComm::HasTag() const { return recvAllocated == kRecvWaiting && cursor ? 1 : 0; }

void CComm::NextTag() {
  if (cursor) cursor = cursor->next;
}

const char* CComm::TagName() const { return cursor ? cursor->key : nullptr; }

const char* CComm::TagValue() const { return cursor ? cursor->value : nullptr; }

int CComm::ReleaseReceived() {
  recvList.Clear();
  cursor = nullptr;
  recvAllocated = kRecvEmpty;
  return 1;
}

CKeyValue* CComm::AddYesNoTag(const char* name, int flag) {
  return sendList.Add(name, flag ? "yes" : "no");
}

int CComm::GetYesNoTag(const char* name) const {
  CKeyValue* tag = recvList.Find(name, nullptr);
  if (!tag) return -1;
  return tag->ValueIs("yes");
}
