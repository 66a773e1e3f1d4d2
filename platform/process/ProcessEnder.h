#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace platform {

// Ends processes by executable name, as the installer's check does with the
// programs that hold the tablet library. The name is only ever compared with
// what the process file system says, never handed to a shell, so a crafted
// process name cannot run anything.
class ProcessEnder {
 public:
  // Forces every process whose executable name (as the holder walk reports
  // it) equals name to end, then waits up to timeout for all of them to be
  // gone. The calling process is never ended. Returns how many were ended.
  int endAllNamed(const std::string& name,
                  std::chrono::milliseconds timeout = std::chrono::milliseconds(5000)) const;

  struct HolderEnding {
    int found = 0;   // processes of that name that hold the module
    int ended = 0;   // of those, ended within the time
    int failed = 0;  // could not be signalled (not ours) or still there
  };

  // Like endAllNamed, for the holders the probes reported: a process is
  // ended only when its carried name (ModuleHolderWalk::carriedName) equals
  // name and it really maps the module, checked again with its handle held,
  // so a name the output could not carry whole never costs an unrelated
  // process its life.
  HolderEnding endHolders(const std::string& name, const std::string& moduleName,
                          std::chrono::milliseconds timeout = std::chrono::milliseconds(5000)) const;

 private:
  // Ends every process (but this one) for which matches(pid) holds, asking
  // matches again once the process's handle is held.
  HolderEnding endMatching(const std::function<bool(int pid)>& matches, std::chrono::milliseconds timeout) const;
};

}  // namespace platform
