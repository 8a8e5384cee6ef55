// Starting programs and watching them end: the parts of plat/system.h that
// the main client uses to run the games.
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/include/plat/system.h"

extern char** environ;

namespace plat {

DWORD StartProgram(const char* path, const char* const* arguments, const char* folder) {
  if (!path || !*path || !folder) return 0;
  // Made absolute here: the child changes its folder before it starts path.
  // Links are kept, so the program sees the name it was started by.
  std::error_code error;
  std::string full = std::filesystem::absolute(path, error);
  if (error) return 0;
  std::vector<char*> argv{full.data()};
  for (const char* const* a = arguments; a && *a; ++a) argv.push_back(const_cast<char*>(*a));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  if (::posix_spawn_file_actions_init(&actions) != 0) return 0;
  pid_t pid = 0;
  const bool ok = ::posix_spawn_file_actions_addchdir_np(&actions, folder) == 0 &&
                  ::posix_spawn(&pid, full.c_str(), &actions, nullptr, argv.data(), environ) == 0;
  ::posix_spawn_file_actions_destroy(&actions);
  return ok && pid > 0 ? static_cast<DWORD>(pid) : 0;
}

BOOL IsProgramRunning(DWORD processId) {
  if (processId == 0) return 0;
  return ::waitpid(static_cast<pid_t>(processId), nullptr, WNOHANG) == 0 ? TRUE : FALSE;
}

}  // namespace plat
