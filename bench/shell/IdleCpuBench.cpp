// CPU share of an idle running program over 10 s of the real clock: the
// template game's whole program (start-up, main-client link, message loop, frame pump,
// alive queries) on the headless backend, whose empty message check is made
// to wait 1 ms of real time, as the desktop backend's may, with the virtual
// clock following the real one. Reported as the counter cpu_share (1.0 = one
// whole core); the target is below 0.03.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <thread>

#include "bench/shell/IdleMainClient.h"
#include "framework/shell/Program.h"
#include "framework/shell/Startup.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/plat.h"
#include "tests/support/TemplateGame.h"

namespace {

using Clock = std::chrono::steady_clock;

double CpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
         usage.ru_stime.tv_usec / 1e6;
}

void IdleProgramCpuShare(benchmark::State& state) {
  char pattern[] = "/tmp/shellcpu-XXXXXX";
  std::string folder = ::mkdtemp(pattern) ? pattern : "";
  if (folder.empty() || ::chdir(folder.c_str()) != 0 || !WriteToyArtwork()) std::abort();
  for (auto _ : state) {
    plat::headless::Reset();
    StartIdleMainClient();
    ResetToyGame();
    InstallGame(ToyGameDefinition());
    Clock::time_point start = Clock::now();
    const Clock::time_point stopAt = start + std::chrono::seconds(10);
    gToyScript.onClientFrame = [stopAt](ToyClientRecord&) {
      if (Clock::now() >= stopAt) gToyScript.endRun = 1;
    };
    plat::headless::SetIdleAdvance(0);
    plat::headless::SetIdleHook([start]() {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
      plat::headless::SetClock(static_cast<plat::DWORD>(ms.count()));
    });
    double cpuBefore = CpuSeconds();
    WinMain(plat::GetModuleInstance(), nullptr, "", plat::SW_SHOWNORMAL);
    double cpu = CpuSeconds() - cpuBefore;
    double wall = std::chrono::duration<double>(Clock::now() - start).count();
    state.counters["cpu_share"] = cpu / wall;
    state.counters["frames_per_s"] = gToyScript.lastClient.frames / wall;
    plat::headless::SetIdleHook(nullptr);
  }
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
}
BENCHMARK(IdleProgramCpuShare)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
