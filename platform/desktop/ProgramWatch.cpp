// Hearing of a started program's end from the process itself: its process
// file descriptor becomes readable when it ends.
#include <QSocketNotifier>

#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/common/MessageLoop.h"
#include "platform/desktop/Pump.h"
#include "platform/include/plat/system.h"

namespace plat {

BOOL WatchProgram(DWORD processId, HWND notify, UINT message) {
  if (processId == 0) return FALSE;
  const pid_t pid = static_cast<pid_t>(processId);
  const int fd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
  if (fd < 0) {
    // Already collected: it has ended.
    common::PostFromDevice(notify, message, processId, 0);
    return TRUE;
  }
  auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read);
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [=] {
    desktop::CQtEntry entry;
    ::waitpid(pid, nullptr, WNOHANG);
    common::PostFromDevice(notify, message, processId, 0);
    notifier->setEnabled(false);
    notifier->deleteLater();
    ::close(fd);
  });
  return TRUE;
}

}  // namespace plat
