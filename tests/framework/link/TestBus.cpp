#include "tests/framework/link/TestBus.h"

#include <cstring>

#include "framework/link/MainClientName.h"
#include "framework/link/MainClientTransport.h"
#include "platform/include/plat/headless.h"

namespace {

MainClientStub gStub;
CComm* gClient = nullptr;
CComm* gServer = nullptr;

plat::LRESULT Relay(const plat::COPYDATASTRUCT* in, int kind) {
  plat::COPYDATASTRUCT out{static_cast<std::uintptr_t>(kind), in->cbData, in->lpData};
  plat::LRESULT answer = plat::SendMessage(gStub.game, plat::WM_COPYDATA, plat::HandleToWParam(gStub.wnd),
                                           reinterpret_cast<plat::LPARAM>(&out));
  gStub.relayed.push_back(
      {static_cast<int>(in->dwData), std::string(static_cast<const char*>(in->lpData), in->cbData), answer});
  return answer;
}

plat::LRESULT MainClientProc(plat::HWND hwnd, plat::UINT msg, plat::WPARAM wParam, plat::LPARAM lParam) {
  static const plat::UINT single = plat::RegisterWindowMessage(kSingleMessageName);
  static const plat::UINT wakeUp = plat::RegisterWindowMessage(kWakeUpMessageName);
  if (msg == single) {
    if (wParam == kSingleConnect) {
      gStub.game = plat::LParamToHandle(lParam);
      ++gStub.connects;
      return gStub.answerConnect;
    }
    if (wParam == kSingleHandBack && lParam == kHandBackParam) {
      ++gStub.handBacks;
      return 1;
    }
    if (wParam == kSingleAlive) return kAliveAnswer;
    return 0;
  }
  if (msg == wakeUp) {
    ++gStub.wakeUps;
    return 0;
  }
  if (msg == plat::WM_COPYDATA) {
    const auto* block = reinterpret_cast<const plat::COPYDATASTRUCT*>(lParam);
    if (block->dwData == kChannelClient) return Relay(block, kChannelServer);
    if (block->dwData == kChannelServer) return Relay(block, kChannelClient);
    if (block->dwData == kDataPlayerRecord) {
      ++gStub.records;
      return gStub.lastRecord.Receive(block->lpData, block->cbData);
    }
    return 0;
  }
  return plat::DefWindowProc(hwnd, msg, wParam, lParam);
}

plat::LRESULT GameProc(plat::HWND hwnd, plat::UINT msg, plat::WPARAM wParam, plat::LPARAM lParam) {
  if (msg == plat::WM_COPYDATA) {
    const auto* block = reinterpret_cast<const plat::COPYDATASTRUCT*>(lParam);
    const char* text = static_cast<const char*>(block->lpData);
    if (block->dwData == kChannelClient && gClient) return gClient->OnDataReceived(text, block->cbData);
    if (block->dwData == kChannelServer && gServer) return gServer->OnDataReceived(text, block->cbData);
    return plat::FALSE;
  }
  return plat::DefWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace

MainClientStub& StartBus() {
  plat::headless::Reset();
  gStub = MainClientStub{};
  gClient = gServer = nullptr;
  plat::WNDCLASS main{};
  main.lpfnWndProc = MainClientProc;
  main.hInstance = plat::GetModuleInstance();
  main.lpszClassName = kMainClientClassName;
  plat::RegisterClass(&main);
  plat::WNDCLASS game{};
  game.lpfnWndProc = GameProc;
  game.hInstance = plat::GetModuleInstance();
  game.lpszClassName = "Test game";
  plat::RegisterClass(&game);
  gStub.wnd = plat::CreateWindow(kMainClientClassName, "Main client", plat::WS_OVERLAPPED, 0, 0, 100, 100,
                                 nullptr, 0, plat::GetModuleInstance(), nullptr);
  return gStub;
}

plat::HWND CreateGameWindow(CComm* client, CComm* server) {
  gClient = client;
  gServer = server;
  return plat::CreateWindow("Test game", "Game", plat::WS_OVERLAPPED, 0, 0, 640, 480, nullptr, 0,
                            plat::GetModuleInstance(), nullptr);
}

int PumpPosted() {
  int count = 0;
  plat::MSG msg;
  while (plat::PeekMessage(&msg, nullptr, 0, 0, plat::PM_REMOVE)) {
    plat::DispatchMessage(&msg);
    ++count;
  }
  return count;
}
