#include "bench/shell/IdleMainClient.h"

#include "framework/link/MainClientName.h"
#include "framework/link/MainClientTransport.h"
#include "platform/include/plat/window.h"

namespace {

plat::LRESULT MainClientProc(plat::HWND hwnd, plat::UINT msg, plat::WPARAM wParam,
                             plat::LPARAM lParam) {
  static plat::UINT single = plat::RegisterWindowMessage(kSingleMessageName);
  if (msg == single && wParam == kSingleConnect) return 1;
  if (msg == single && wParam == kSingleAlive) return kAliveAnswer;
  if (msg == plat::WM_COPYDATA) return 1;
  return plat::DefWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace

void StartIdleMainClient() {
  plat::WNDCLASS wc{};
  wc.lpfnWndProc = MainClientProc;
  wc.lpszClassName = kMainClientClassName;
  plat::RegisterClass(&wc);
  plat::CreateWindow(kMainClientClassName, "main client", plat::WS_OVERLAPPEDWINDOW, 0, 0, 200,
                     100, nullptr, 0, nullptr, nullptr);
}
