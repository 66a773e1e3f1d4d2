#include "platform/process/linux/SandboxIdentity.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sstream>

namespace platform {

namespace {

// Both files are a few hundred bytes; a sandbox's own files are not ours to
// trust, so nothing larger is read.
constexpr std::size_t kReadLimit = 64 * 1024;

// Opened without following a link at the end and without blocking, read only
// when a regular file: a FIFO planted where the metadata should be must not
// stop the watcher.
std::string readSmallRegularFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return {};
  std::string text;
  struct stat status {};
  // /proc files report size 0: read up to the limit whatever the size says.
  if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
    char buffer[4096];
    ssize_t got = 0;
    while (text.size() < kReadLimit && (got = read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, std::size_t(got));
    if (text.size() > kReadLimit) text.resize(kReadLimit);
  }
  close(fd);
  return text;
}

// Application ids are reverse-DNS names; snap names are lower-case words
// with dashes. Anything else is not taken for one.
bool isApplicationName(const std::string& name) {
  if (name.empty() || name.size() > 255) return false;
  for (const char c : name) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                       c == '_' || c == '-';
    if (!plain) return false;
  }
  return true;
}

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::string SandboxIdentity::fromFlatpakInfo(const std::string& info) {
  std::istringstream lines(info);
  std::string line;
  bool inApplication = false;
  while (std::getline(lines, line)) {
    line = trimmed(line);
    if (!line.empty() && line.front() == '[') {
      inApplication = line == "[Application]";
      continue;
    }
    if (!inApplication || line.compare(0, 4, "name") != 0) continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos || trimmed(line.substr(4, equals - 4)).size() != 0) continue;
    const std::string name = trimmed(line.substr(equals + 1));
    return isApplicationName(name) ? kFlatpakPrefix + name : std::string();
  }
  return {};
}

std::string SandboxIdentity::fromControlGroups(const std::string& cgroup) {
  std::istringstream lines(cgroup);
  std::string line;
  while (std::getline(lines, line)) {
    // The last path segment is the unit the process runs in.
    const std::string unit = line.substr(line.rfind('/') + 1);
    const std::string scope = ".scope";
    if (unit.size() <= scope.size() || unit.compare(unit.size() - scope.size(), scope.size(), scope) != 0) continue;
    const std::string name = unit.substr(0, unit.size() - scope.size());
    // app-flatpak-<application id>-<number>.scope
    const std::string flatpak = "app-flatpak-";
    if (name.compare(0, flatpak.size(), flatpak) == 0) {
      const std::size_t dash = name.rfind('-');
      if (dash <= flatpak.size()) continue;
      const std::string id = name.substr(flatpak.size(), dash - flatpak.size());
      if (isApplicationName(id)) return kFlatpakPrefix + id;
      continue;
    }
    // snap.<snap name>.<app>-<uuid>.scope
    const std::string snap = "snap.";
    if (name.compare(0, snap.size(), snap) == 0) {
      const std::size_t dot = name.find('.', snap.size());
      if (dot == std::string::npos) continue;
      const std::string id = name.substr(snap.size(), dot - snap.size());
      if (isApplicationName(id)) return kSnapPrefix + id;
    }
  }
  return {};
}

std::string SandboxIdentity::ofProcess(const std::string& procRoot, int pid) {
  const std::string process = procRoot + "/" + std::to_string(pid);
  const std::string fromInfo = fromFlatpakInfo(readSmallRegularFile(process + "/root/.flatpak-info"));
  if (!fromInfo.empty()) return fromInfo;
  return fromControlGroups(readSmallRegularFile(process + "/cgroup"));
}

}  // namespace platform
