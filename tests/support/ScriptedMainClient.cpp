#include "tests/support/ScriptedMainClient.h"

#include <cstring>

#include "framework/link/MainClientName.h"
#include "framework/link/MainClientTransport.h"
#include "platform/include/plat/plat.h"

namespace {

ScriptedMainClient gClient;

plat::LRESULT Deliver(int from, const void* bytes, std::size_t length) {
  const int to = from == kChannelClient ? kChannelServer : kChannelClient;
  plat::COPYDATASTRUCT out{static_cast<std::uintptr_t>(to), static_cast<plat::DWORD>(length), bytes};
  const plat::LRESULT answer = plat::SendMessage(gClient.program, plat::WM_COPYDATA,
                                                 plat::HandleToWParam(gClient.window),
                                                 reinterpret_cast<plat::LPARAM>(&out));
  const char* text = static_cast<const char*>(bytes);
  gClient.relayed.push_back({from, std::string(text, ::strnlen(text, length)), length, answer});
  return answer;
}

plat::LRESULT Relay(const plat::COPYDATASTRUCT* in) {
  const int from = static_cast<int>(in->dwData);
  if (!gClient.filter) return Deliver(from, in->lpData, in->cbData);
  const char* bytes = static_cast<const char*>(in->lpData);
  std::string text(bytes, ::strnlen(bytes, in->cbData));
  const int action = gClient.filter(from, text);
  if (action == kRelayDrop) {
    ++gClient.dropped;
    return 1;
  }
  if (action == kRelayHold) {
    gClient.held.push_back({from, text, text.size() + 1, 0});
    return 1;
  }
  const plat::LRESULT answer = Deliver(from, text.c_str(), text.size() + 1);
  if (action == kRelayRepeat) Deliver(from, text.c_str(), text.size() + 1);
  return answer;
}

plat::LRESULT Proc(plat::HWND hwnd, plat::UINT msg, plat::WPARAM wParam, plat::LPARAM lParam) {
  static const plat::UINT single = plat::RegisterWindowMessage(kSingleMessageName);
  static const plat::UINT wakeUp = plat::RegisterWindowMessage(kWakeUpMessageName);
  if (msg == single) {
    if (wParam == kSingleConnect) {
      gClient.program = plat::LParamToHandle(lParam);
      ++gClient.connects;
      if (gClient.onConnect) gClient.onConnect();
      return gClient.connectAnswer;
    }
    if (wParam == kSingleAlive) {
      ++gClient.aliveQueries;
      return gClient.aliveAnswer;
    }
    if (wParam == kSingleHandBack && lParam == kHandBackParam) {
      ++gClient.handBacks;
      return 1;
    }
    return 0;
  }
  if (msg == wakeUp) {
    ++gClient.wakeUps;
    return 0;
  }
  if (msg == plat::WM_COPYDATA) {
    const auto* block = reinterpret_cast<const plat::COPYDATASTRUCT*>(lParam);
    if (block->dwData == kChannelClient || block->dwData == kChannelServer) return Relay(block);
    if (block->dwData == kDataPlayerRecord) {
      ++gClient.records;
      return gClient.lastRecord.Receive(block->lpData, block->cbData);
    }
    return 0;
  }
  return plat::DefWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace

ScriptedMainClient::ScriptedMainClient() : aliveAnswer(kAliveAnswer) {}

std::vector<RelayedPacket> ScriptedMainClient::Taken() const {
  std::vector<RelayedPacket> taken;
  for (const RelayedPacket& p : relayed) {
    if (p.answer) taken.push_back(p);
  }
  return taken;
}

int ScriptedMainClient::ReleaseHeld() {
  std::vector<RelayedPacket> waiting;
  waiting.swap(held);
  for (const RelayedPacket& p : waiting) Deliver(p.channel, p.text.c_str(), p.length);
  return static_cast<int>(waiting.size());
}

plat::LRESULT ScriptedMainClient::SendRecord(const CPlayerRecord& record) const {
  plat::COPYDATASTRUCT data{static_cast<std::uintptr_t>(kDataPlayerRecord), sizeof record, &record};
  return plat::SendMessage(program, plat::WM_COPYDATA, plat::HandleToWParam(window),
                           reinterpret_cast<plat::LPARAM>(&data));
}

ScriptedMainClient& StartScriptedMainClient() {
  gClient = ScriptedMainClient{};
  plat::WNDCLASS wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = plat::GetModuleInstance();
  wc.lpszClassName = kMainClientClassName;
  plat::RegisterClass(&wc);
  gClient.window = plat::CreateWindow(kMainClientClassName, "Main client", plat::WS_OVERLAPPEDWINDOW, 0, 0,
                                      200, 100, nullptr, 0, plat::GetModuleInstance(), nullptr);
  return gClient;
}

ScriptedMainClient& TheScriptedMainClient() { return gClient; }
