#include "tests/desktop/sample/SamplePeer.h"

#include <unistd.h>

#include <cstring>

namespace sample {
namespace {

LRESULT PeerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COPYDATA) {
    const auto* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (cds->dwData != kPingKind) return 0;
    LRESULT sum = 0;
    for (DWORD i = 0; i < cds->cbData; ++i) sum += static_cast<const BYTE*>(cds->lpData)[i];
    return sum;
  }
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace

int RunPeer(HWND mainWindow) {
  WNDCLASS wc{};
  wc.lpfnWndProc = PeerProc;
  wc.lpszClassName = kPeerClass;
  if (!RegisterClass(&wc)) return 1;
  HWND hwnd = CreateWindow(kPeerClass, "Sample peer", WS_POPUP, 0, 0, 10, 10, nullptr, 0,
                           GetModuleInstance(), nullptr);
  if (!hwnd) return 1;
  static const char kHello[] = "hello from the second process";
  const COPYDATASTRUCT hello{kHelloKind, sizeof kHello, kHello};
  if (!SendMessage(mainWindow, WM_COPYDATA, HandleToWParam(hwnd), reinterpret_cast<LPARAM>(&hello))) {
    return 1;
  }
  // Ends with its window, or when the program that started it has gone.
  const pid_t parent = getppid();
  MSG m;
  while (getppid() == parent) {
    if (!PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) continue;
    if (m.message == WM_QUIT) return static_cast<int>(m.wParam);
    DispatchMessage(&m);
  }
  return 0;
}

}  // namespace sample
