#include "platform/process/ProcessEnder.h"

#include "platform/process/linux/ProcessTable.h"

#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <thread>
#include <vector>

namespace platform {

namespace {

using Clock = std::chrono::steady_clock;

int openPidFd(int pid) {
#ifdef SYS_pidfd_open
  return static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
#else
  (void)pid;
  errno = ENOSYS;
  return -1;
#endif
}

bool signalPidFd(int pidFd) {
#ifdef SYS_pidfd_send_signal
  return syscall(SYS_pidfd_send_signal, pidFd, SIGKILL, nullptr, 0) == 0;
#else
  (void)pidFd;
  return false;
#endif
}

// A process that has ended but not been reaped by its parent stays listed as
// a zombie; for whoever waits for it to end, it is gone.
bool hasEnded(int pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text;
  if (!std::getline(stat, text)) return true;
  const std::size_t commEnd = text.rfind(')');
  if (commEnd == std::string::npos || commEnd + 2 >= text.size()) return true;
  const char state = text[commEnd + 2];
  return state == 'Z' || state == 'X';
}

}  // namespace

int ProcessEnder::endAllNamed(const std::string& name, std::chrono::milliseconds timeout) const {
  const ProcessTable table;
  const auto pids = table.pids();
  if (name.empty() || !pids) return 0;
  const int self = static_cast<int>(getpid());
  std::vector<int> pidFds;
  std::vector<int> signalledPids;  // where the kernel has no process handles
  for (const int pid : *pids) {
    if (pid == self || table.executableName(pid) != name) continue;
    const int pidFd = openPidFd(pid);
    if (pidFd >= 0) {
      // The id may have been reused since the name was read; asking again
      // with the handle held makes sure the handle is the process we mean.
      if (table.executableName(pid) == name && signalPidFd(pidFd)) {
        pidFds.push_back(pidFd);
      } else {
        close(pidFd);
      }
    } else if (errno == ENOSYS && kill(pid, SIGKILL) == 0) {
      signalledPids.push_back(pid);
    }
  }

  const Clock::time_point deadline = Clock::now() + timeout;
  auto remainingMs = [&] {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
  };
  for (const int pidFd : pidFds) {
    // A process handle becomes readable when the process has ended.
    pollfd ended{pidFd, POLLIN, 0};
    while (poll(&ended, 1, remainingMs()) < 0 && errno == EINTR) {
    }
    close(pidFd);
  }
  for (const int pid : signalledPids) {
    while (!hasEnded(pid) && remainingMs() > 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return static_cast<int>(pidFds.size() + signalledPids.size());
}

}  // namespace platform
