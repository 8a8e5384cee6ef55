// The second program of the contract tests across processes (desktop backend).
//   test_plat_peer serve <test window>   a window of kPeerClass that answers
//   test_plat_peer second <test window>  a second copy: finds the first, brings
//                                            it to the front, reports and ends
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "tests/platform/contract/PeerProtocol.h"
#include "platform/include/plat/plat.h"

using namespace plat;
using namespace contract;

namespace {

HWND g_test = nullptr;

int Serve() {
  WNDCLASS wc{};
  wc.lpfnWndProc = PeerProc;
  wc.lpszClassName = kPeerClass;
  if (!RegisterClass(&wc)) return 1;
  HWND hwnd = CreateWindow(kPeerClass, kPeerTitle, WS_POPUP, 0, 0, 20, 20, nullptr, 0,
                           GetModuleInstance(), nullptr);
  if (!hwnd) return 1;
  if (!SendMessage(g_test, ReadyMessage(), HandleToWParam(hwnd), 0)) return 1;
  // Ends with its window, or when the test that started it has gone.
  const pid_t parent = getppid();
  MSG m;
  while (getppid() == parent) {
    if (!PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) continue;
    if (m.message == WM_QUIT) break;
    DispatchMessage(&m);
  }
  return 0;
}

// What a program's start does when a copy already runs.
int Second() {
  HWND first = FindWindow(kPeerClass, nullptr);
  if (first) {
    if (IsIconic(first)) ShowWindow(first, SW_RESTORE);
    SetForegroundWindow(first);
  }
  PostMessage(g_test, SecondMessage(), HandleToWParam(first), 0);
  return first ? 3 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || !InitBackend(argc, argv)) return 2;
  g_test = reinterpret_cast<HWND>(std::strtoull(argv[2], nullptr, 16));
  const int rc = std::strcmp(argv[1], "second") == 0 ? Second() : Serve();
  ShutdownBackend();
  return rc;
}
