#include "tests/framework/shell/ScriptedMainClient.h"

#include "framework/link/MainClientName.h"
#include "framework/link/MainClientTransport.h"
#include "platform/include/plat/window.h"

ScriptedMainClient gMainClient;

namespace {

plat::HWND gWindow = nullptr;

plat::LRESULT Relay(const plat::COPYDATASTRUCT* data, int toKind) {
  if (!gMainClient.program) return 0;
  plat::COPYDATASTRUCT forward{static_cast<std::uintptr_t>(toKind), data->cbData, data->lpData};
  plat::LRESULT taken = plat::SendMessage(gMainClient.program, plat::WM_COPYDATA,
                                          plat::HandleToWParam(gWindow),
                                          reinterpret_cast<plat::LPARAM>(&forward));
  if (taken) {
    ++gMainClient.relayed;
    gMainClient.packets.emplace_back(static_cast<const char*>(data->lpData));
  }
  return taken;
}

plat::LRESULT Proc(plat::HWND hwnd, plat::UINT msg, plat::WPARAM wParam, plat::LPARAM lParam) {
  static plat::UINT single = 0;
  if (!single) single = plat::RegisterWindowMessage(kSingleMessageName);
  if (msg == single) {
    if (wParam == kSingleConnect) {
      gMainClient.program = plat::LParamToHandle(lParam);
      return gMainClient.connectAnswer;
    }
    if (wParam == kSingleAlive) {
      ++gMainClient.aliveQueries;
      return gMainClient.aliveAnswer;
    }
    return 1;
  }
  if (msg == plat::WM_COPYDATA) {
    const auto* data = reinterpret_cast<const plat::COPYDATASTRUCT*>(lParam);
    if (data->dwData == kChannelClient) return Relay(data, kChannelServer);
    if (data->dwData == kChannelServer) return Relay(data, kChannelClient);
    return 1;
  }
  return plat::DefWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace

plat::HWND StartScriptedMainClient() {
  gMainClient = ScriptedMainClient{};
  plat::WNDCLASS wc{};
  wc.lpfnWndProc = Proc;
  wc.lpszClassName = kMainClientClassName;
  plat::RegisterClass(&wc);
  gWindow = plat::CreateWindow(kMainClientClassName, "main client", plat::WS_OVERLAPPEDWINDOW, 0,
                               0, 200, 100, nullptr, 0, nullptr, nullptr);
  return gWindow;
}
