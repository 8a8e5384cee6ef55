#include "platform/desktop/StartupTrace.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <set>
#include <string>

namespace plat::desktop {

void StartupMark(const char* phase) {
  static const char* const file = std::getenv("CASINO_STARTUP_TRACE");
  if (!file || !*file) return;
  static std::set<std::string> marked;
  if (!marked.insert(phase).second) return;
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  const int fd = ::open(file, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return;
  // A short line goes out in one write, so it lands whole beside other processes' lines.
  ::dprintf(fd, "%lld %d %s\n", static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000,
            static_cast<int>(::getpid()), phase);
  ::close(fd);
}

}  // namespace plat::desktop
