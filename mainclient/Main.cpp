// mainclient [program ...]: the stand-in main client. Starts each named
// program of the staged tree it lies in (craps, paigow, ...), one after the
// other has connected, and relays for every program that connects. With
// programs named it ends when all of them have ended; without, when its
// window is closed.
#include <cstdio>
#include <string>

#include "mainclient/MainClient.h"
#include "mainclient/ProgramLauncher.h"
#include "platform/include/plat/plat.h"

namespace {

constexpr plat::DWORD kTickMs = 10;

// The folder the executable lies in: the root of the staged tree.
std::string StageOf(const char* self) {
  const std::string path = self ? self : "";
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

bool HasDisplay() {
  char value[8];
  return plat::GetEnvironmentVariable("DISPLAY", value, sizeof value) > 0 ||
         plat::GetEnvironmentVariable("WAYLAND_DISPLAY", value, sizeof value) > 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (!plat::InitBackend(argc, argv)) {
    std::fprintf(stderr, "mainclient: no display or session bus to run on\n");
    return 1;
  }
  const std::string stage = StageOf(argv[0]);
  CMainClient client;
  if (!client.Create(stage + "/mainclient-balance.txt")) {
    std::fprintf(stderr, "mainclient: another main client is running\n");
    plat::ShutdownBackend();
    return 1;
  }
  if (HasDisplay()) plat::ShowWindow(client.Window(), plat::SW_SHOWNORMAL);
  int next = 1;  // the next program named on the command line
  int launched = 0;
  plat::DWORD lastTick = plat::GetTickCount();
  plat::MSG msg;
  for (;;) {
    if (plat::PeekMessage(&msg, nullptr, 0, 0, plat::PM_REMOVE)) {
      if (msg.message == plat::WM_QUIT) break;
      plat::TranslateMessage(&msg);
      plat::DispatchMessage(&msg);
      continue;
    }
    if (plat::GetTickCount() - lastTick < kTickMs) continue;
    lastTick = plat::GetTickCount();
    client.Tick();
    if (next < argc && !client.Expecting()) launched += LaunchProgram(client, stage, argv[next++]);
    if (argc > 1 && next == argc && client.Idle()) break;
  }
  const int exitCode = argc > 1 && launched == 0 ? 1 : 0;
  client.Destroy();
  plat::ShutdownBackend();
  return exitCode;
}
