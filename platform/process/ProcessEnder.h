#pragma once

#include <chrono>
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
};

}  // namespace platform
