#include "tests/support/GameWindow.h"

#include "framework/link/MainClientTransport.h"
#include "platform/include/plat/plat.h"

namespace {

constexpr char kGameClass[] = "Test game";
CComm* gClient = nullptr;
CComm* gServer = nullptr;

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

plat::HWND CreateGameWindow(CComm* client, CComm* server) {
  gClient = client;
  gServer = server;
  plat::WNDCLASS game{};
  game.lpfnWndProc = GameProc;
  game.hInstance = plat::GetModuleInstance();
  game.lpszClassName = kGameClass;
  plat::RegisterClass(&game);
  return plat::CreateWindow(kGameClass, "Game", plat::WS_OVERLAPPED, 0, 0, 640, 480, nullptr, 0,
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
