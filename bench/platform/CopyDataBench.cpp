// The round trip of one 200-byte WM_COPYDATA packet to another process and
// its answer, over the session bus.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "platform/include/plat/plat.h"
#include "tests/platform/contract/PeerProcess.h"
#include "tests/platform/contract/PeerProtocol.h"
#include "tests/platform/contract/Pump.h"

using namespace plat;

namespace {

HWND g_peer = nullptr;  // the peer's window, once it says it is ready

LRESULT HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != contract::ReadyMessage()) return DefWindowProc(hwnd, msg, wParam, lParam);
  g_peer = WParamToHandle(wParam);
  return 1;
}

struct CPeerLink {
  contract::CPeerProcess process;
  HWND hwnd = nullptr;
  ~CPeerLink() { process.Stop(); }
  bool Open() {
    if (!InitBackend(0, nullptr)) return false;
    WNDCLASS wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleInstance();
    wc.lpszClassName = "CopyDataBenchHost";
    hwnd = RegisterClass(&wc) ? CreateWindow(wc.lpszClassName, "Copy data bench", WS_POPUP, 0, 0, 10, 10, nullptr,
                                             0, GetModuleInstance(), nullptr)
                              : nullptr;
    return hwnd && process.Start("serve", hwnd) &&
           contract::PumpUntil([] { return g_peer != nullptr; });
  }
};

void BM_CopyDataRoundTrip(benchmark::State& state) {
  static CPeerLink link;
  static const bool ready = link.Open();
  if (!ready) {
    state.SkipWithError("no display, bus or peer");
    return;
  }
  std::vector<BYTE> packet(200, 'x');
  const COPYDATASTRUCT cds{contract::kSizeKind, 200, packet.data()};
  for (auto _ : state) {
    const LRESULT r = SendMessage(g_peer, WM_COPYDATA, HandleToWParam(link.hwnd),
                                  reinterpret_cast<LPARAM>(&cds));
    if (r != 200) {
      state.SkipWithError("the peer did not answer");
      return;
    }
  }
}
BENCHMARK(BM_CopyDataRoundTrip)->Repetitions(5)->DisplayAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

}  // namespace
