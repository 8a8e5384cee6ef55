#include "platform/desktop/StartupTrace.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
  char line[160];
  const int n = std::snprintf(line, sizeof line, "%lld %d %s\n",
                              static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000,
                              static_cast<int>(::getpid()), phase);
  const int fd = ::open(file, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return;
  // One write of a short line to an O_APPEND file lands whole beside other processes' lines.
  if (n > 0) static_cast<void>(::write(fd, line, static_cast<std::size_t>(std::min<int>(n, sizeof line - 1))));
  ::close(fd);
}

}  // namespace plat::desktop
