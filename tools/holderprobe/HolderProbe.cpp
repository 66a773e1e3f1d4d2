// holderprobe64 / holderprobe32: prints the names of the running processes of
// the probe's own width that hold a module, as "$name1$name2..." between two
// more "$", in one write and without a line break. The installer's check
// (holdercheck) runs both and reads what they print.

#include "platform/process/ModuleHolderWalk.h"

#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <string>

#if UINTPTR_MAX > 0xffffffffu
#define VARNEX_PROBE_WIDTH 64
#define VARNEX_PROBE_FUNCTION HolderProbe64
#else
#define VARNEX_PROBE_WIDTH 32
#define VARNEX_PROBE_FUNCTION HolderProbe32
#endif

// The walk for programs that call the probe instead of starting it. buffer
// must hold ModuleHolderWalk::kBufferSize bytes and a zero-terminated text;
// the holders are appended to it. Nonzero when the process list could be
// read, 0 otherwise.
extern "C" __attribute__((visibility("default"))) int VARNEX_PROBE_FUNCTION(const char* moduleName, char* buffer) {
  if (!moduleName || !buffer) return 0;
  const platform::ModuleHolderWalk walk(VARNEX_PROBE_WIDTH);
  return walk.appendHolders(moduleName, buffer, platform::ModuleHolderWalk::kBufferSize) ? 1 : 0;
}

int main(int argc, char** argv) {
  if (argc < 2) return -1;
  char buffer[platform::ModuleHolderWalk::kBufferSize] = {};
  VARNEX_PROBE_FUNCTION(argv[1], buffer);
  const std::string output = std::string("$") + buffer + "$";
  std::size_t written = 0;
  while (written < output.size()) {
    const ssize_t n = write(STDOUT_FILENO, output.data() + written, output.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    written += static_cast<std::size_t>(n);
  }
  return 0;
}
