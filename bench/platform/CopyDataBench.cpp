// The round trip of one 200-byte WM_COPYDATA packet to another process and
// its answer, over the session bus.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "tests/desktop/TestSupport.h"
#include "tests/platform/contract/PeerProcess.h"
#include "tests/platform/contract/PeerProtocol.h"
#include "platform/include/plat/plat.h"

using namespace plat;

namespace {

struct CPeerLink {
  desktop_test::CRecordingClass host{"CopyDataBenchHost"};
  contract::CPeerProcess process;
  HWND hwnd = nullptr;
  HWND peer = nullptr;
  ~CPeerLink() { process.Stop(); }
  bool Open() {
    if (!InitBackend(0, nullptr)) return false;
    host.hook = [this](HWND, UINT msg, WPARAM wParam, LPARAM, LRESULT* r) {
      if (msg != contract::ReadyMessage()) return false;
      peer = WParamToHandle(wParam);
      *r = 1;
      return true;
    };
    hwnd = host.Create(WS_POPUP, 0, 0, 10, 10);
    return hwnd && process.Start("serve", hwnd) &&
           contract::PumpUntil([this] { return peer != nullptr; });
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
    const LRESULT r = SendMessage(link.peer, WM_COPYDATA, HandleToWParam(link.hwnd),
                                  reinterpret_cast<LPARAM>(&cds));
    if (r != 200) {
      state.SkipWithError("the peer did not answer");
      return;
    }
  }
}
BENCHMARK(BM_CopyDataRoundTrip)->Repetitions(5)->DisplayAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

}  // namespace
