#include "platform/process/linux/ProcessTable.h"

#include "platform/process/linux/SandboxIdentity.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace platform {

namespace {

const char kDeletedMark[] = " (deleted)";

std::string withoutDeletedMark(std::string path) {
  const std::size_t markLength = sizeof(kDeletedMark) - 1;
  if (path.size() > markLength && path.compare(path.size() - markLength, markLength, kDeletedMark) == 0) {
    path.resize(path.size() - markLength);
  }
  return path;
}

bool isWineLoader(const std::string& name) {
  return name == "wine" || name == "wine64" || name == "wine-preloader" || name == "wine64-preloader";
}

bool parsePid(const char* text, int& pid) {
  if (*text == '\0') return false;
  long value = 0;
  for (const char* c = text; *c; ++c) {
    if (*c < '0' || *c > '9') return false;
    value = value * 10 + (*c - '0');
    if (value > 0x7fffffff) return false;
  }
  pid = static_cast<int>(value);
  return true;
}

}  // namespace

ProcessTable::ProcessTable(std::string procRoot) : m_root(std::move(procRoot)) {}

std::string ProcessTable::entry(int pid, const char* name) const {
  return m_root + "/" + std::to_string(pid) + "/" + name;
}

std::optional<std::vector<int>> ProcessTable::pids() const {
  DIR* dir = opendir(m_root.c_str());
  if (!dir) return std::nullopt;
  std::vector<int> result;
  while (const dirent* item = readdir(dir)) {
    int pid = 0;
    if (parsePid(item->d_name, pid)) result.push_back(pid);
  }
  if (closedir(dir) != 0) return std::nullopt;
  std::sort(result.begin(), result.end());
  return result;
}

std::string ProcessTable::executablePath(int pid) const {
  const std::string link = entry(pid, "exe");
  std::string target(4096, '\0');
  const ssize_t length = readlink(link.c_str(), target.data(), target.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) return {};
  target.resize(static_cast<std::size_t>(length));
  return withoutDeletedMark(target);
}

std::string ProcessTable::executableName(int pid) const {
  const std::string exePath = executablePath(pid);
  if (!isWineLoader(baseName(exePath))) return baseName(exePath);
  std::ifstream file(entry(pid, "cmdline"), std::ios::binary);
  const std::string cmdline((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return programName(exePath, cmdline);
}

std::string ProcessTable::programPath(int pid) const {
  const std::string sandboxed = SandboxIdentity::ofProcess(m_root, pid);
  if (!sandboxed.empty()) return sandboxed;
  const std::string exePath = executablePath(pid);
  return isWineLoader(baseName(exePath)) ? executableName(pid) : exePath;
}

std::string ProcessTable::programName(const std::string& exePath, const std::string& cmdline) {
  const std::string exeName = baseName(exePath);
  if (!isWineLoader(exeName)) return exeName;
  // Wine puts the Windows path of the program first, with either separator.
  const std::string name = baseName(cmdline.substr(0, cmdline.find('\0')), "/\\");
  return name.empty() ? exeName : name;
}

int ProcessTable::executableWidth(int pid) const { return elfWidth(entry(pid, "exe")); }

std::vector<std::string> ProcessTable::mappedFiles(int pid) const {
  std::vector<std::string> files;
  std::ifstream maps(entry(pid, "maps"));
  std::string line;
  while (std::getline(maps, line)) {
    std::string file = mappedPath(line);
    if (!file.empty() && std::find(files.begin(), files.end(), file) == files.end()) files.push_back(std::move(file));
  }
  return files;
}

std::string ProcessTable::mappedPath(const std::string& line) {
  // address perms offset dev inode, then the path (which may hold spaces),
  // or nothing for anonymous memory, or a name like [heap] in brackets.
  std::size_t at = 0;
  for (int field = 0; field < 5 && at != std::string::npos; ++field) {
    at = line.find_first_not_of(' ', at);
    at = at == std::string::npos ? at : line.find(' ', at);
  }
  at = at == std::string::npos ? at : line.find_first_not_of(' ', at);
  if (at == std::string::npos || line[at] != '/') return {};
  return withoutDeletedMark(line.substr(at));
}

int ProcessTable::elfWidth(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return 0;
  unsigned char ident[5] = {};
  const ssize_t got = read(fd, ident, sizeof ident);
  close(fd);
  if (got != static_cast<ssize_t>(sizeof ident) || std::memcmp(ident, "\177ELF", 4) != 0) return 0;
  switch (ident[4]) {
    case 1: return 32;
    case 2: return 64;
    default: return 0;
  }
}

std::string ProcessTable::baseName(const std::string& path, const char* separators) {
  const std::size_t last = path.find_last_of(separators);
  return last == std::string::npos ? path : path.substr(last + 1);
}

}  // namespace platform
