#include "platform/process/ProcessEnder.h"

#include "platform/process/ModuleHolderWalk.h"
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
  if (name.empty()) return 0;
  const ProcessTable table;
  return endMatching([&](int pid) { return table.executableName(pid) == name; }, timeout).ended;
}

ProcessEnder::HolderEnding ProcessEnder::endHolders(const std::string& name, const std::string& moduleName,
                                                    std::chrono::milliseconds timeout) const {
  if (name.empty() || moduleName.empty()) return {};
  const ProcessTable table;
  const ModuleHolderWalk modules(64);
  return endMatching(
      [&](int pid) {
        return ModuleHolderWalk::carriedName(table.executableName(pid)) == name && modules.mapsModule(pid, moduleName);
      },
      timeout);
}

ProcessEnder::HolderEnding ProcessEnder::endMatching(const std::function<bool(int pid)>& matches,
                                                     std::chrono::milliseconds timeout) const {
  HolderEnding result;
  const ProcessTable table;
  const auto pids = table.pids();
  if (!pids) return result;
  const int self = static_cast<int>(getpid());
  std::vector<int> pidFds;
  std::vector<int> signalledPids;  // where the kernel has no process handles
  for (const int pid : *pids) {
    if (pid == self || !matches(pid)) continue;
    const int pidFd = openPidFd(pid);
    if (pidFd >= 0) {
      // The id may have been reused since it was looked at; asking again
      // with the handle held makes sure the handle is the process we mean.
      if (!matches(pid)) {
        close(pidFd);
        continue;
      }
      ++result.found;
      if (signalPidFd(pidFd)) {
        pidFds.push_back(pidFd);
      } else {
        ++result.failed;
        close(pidFd);
      }
    } else if (errno == ENOSYS) {
      ++result.found;
      if (kill(pid, SIGKILL) == 0) {
        signalledPids.push_back(pid);
      } else {
        ++result.failed;
      }
    } else if (errno != ESRCH) {
      // Gone meanwhile is fine; any other refusal leaves it running.
      ++result.found;
      ++result.failed;
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
    int ready;
    while ((ready = poll(&ended, 1, remainingMs())) < 0 && errno == EINTR) {
    }
    if (ready > 0) {
      ++result.ended;
    } else {
      ++result.failed;
    }
    close(pidFd);
  }
  for (const int pid : signalledPids) {
    while (!hasEnded(pid) && remainingMs() > 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (hasEnded(pid)) {
      ++result.ended;
    } else {
      ++result.failed;
    }
  }
  return result;
}

}  // namespace platform
