// mainclient [--online] [program ...]: the stand-in main client of the
// staged tree it lies in (see RunMainClient).
#include <cstdio>
#include <string>
#include <vector>

#include "mainclient/Run.h"
#include "platform/include/plat/plat.h"

namespace {

// The folder the executable lies in: the root of the staged tree.
std::string StageOf(const char* self) {
  const std::string path = self ? self : "";
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

}  // namespace

int main(int argc, char** argv) {
  if (!plat::InitBackend(argc, argv)) {
    std::fprintf(stderr, "mainclient: no display or session bus to run on\n");
    return 1;
  }
  std::vector<std::string> programs(argv + 1, argv + argc);
  const bool online = !programs.empty() && programs.front() == "--online";
  if (online) programs.erase(programs.begin());
  const int exitCode = RunMainClient(StageOf(argv[0]), programs, online ? 1 : 0);
  plat::ShutdownBackend();
  return exitCode;
}
