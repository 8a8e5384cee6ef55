// The shell's own cost of one idle frame: a started program whose game (the
// template game) does next to nothing, on the headless backend, one IdleTick per 20 ms of virtual clock.
// Also the cost of an idle tick on which no frame is due.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "framework/shell/MessageLoop.h"
#include "framework/shell/Program.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/Startup.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/plat.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TemplateGame.h"

namespace {

// A started program (window, picture, screen, palette) in a temporary folder.
class StartedProgram {
 public:
  StartedProgram() {
    if (!folder.Enter() || !WriteToyArtwork()) std::abort();
    plat::headless::Reset();
    ResetToyGame();
    gToyScript.frameLimit = 0;
    game = ToyGameDefinition();
    game.alivePeriod = 0xFFFFFFFFu;  // no alive query: the frame alone is measured
    InstallGame(game);
    if (!StartupInit("")) std::abort();
    ShowStartWindow(plat::SW_SHOWNORMAL);
    // Records of their own and link ends without a transport: the game's
    // packets go nowhere, so its steps stay in their first wait.
    gClientRecord = game.CreateClientRecord();
    gServerRecord = game.ServerInit(game.code);
    gLinkReady = 1;
  }
  ~StartedProgram() {
    gLinkReady = 0;
    game.ServerFree(gServerRecord);
    game.DestroyClientRecord(gClientRecord);
    gServerRecord = nullptr;
    gClientRecord = nullptr;
    ShutdownApp();
  }

 private:
  TempFolder folder;  // the working folder until the program has shut down
  GameDefinition game;
};

void IdleFrame(benchmark::State& state) {
  StartedProgram program;
  for (auto _ : state) {
    plat::headless::AdvanceClock(kFramePeriod);
    benchmark::DoNotOptimize(IdleTick());
  }
}
BENCHMARK(IdleFrame);

void IdleTickWithoutFrame(benchmark::State& state) {
  StartedProgram program;
  plat::headless::AdvanceClock(kFramePeriod);
  IdleTick();
  for (auto _ : state) benchmark::DoNotOptimize(IdleTick());
}
BENCHMARK(IdleTickWithoutFrame);

}  // namespace
