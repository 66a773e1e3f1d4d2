#include "platform/system/HomeDirectory.h"

#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

#include <vector>

namespace platform {

bool ensureHomeDirectory() {
  const char* home = getenv("HOME");
  if (home && home[0] == '/') return true;
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !found->pw_dir ||
      found->pw_dir[0] != '/')
    return false;
  return setenv("HOME", found->pw_dir, 1) == 0;
}

}  // namespace platform
