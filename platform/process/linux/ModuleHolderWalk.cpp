#include "platform/process/ModuleHolderWalk.h"

#include "platform/process/linux/ProcessTable.h"

#include <cstring>

namespace platform {

ModuleHolderWalk::ModuleHolderWalk(int width, std::string procRoot)
    : m_width(width), m_procRoot(std::move(procRoot)) {}

bool ModuleHolderWalk::sameNameIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

std::string ModuleHolderWalk::carriedName(const std::string& exeName) {
  std::string carried = exeName;
  for (char& c : carried) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (c == '$' || byte < 0x20 || byte == 0x7f) c = '?';
  }
  return carried;
}

namespace {

int countMapped(const ProcessTable& table, int pid, const std::string& moduleName) {
  int matches = 0;
  for (const std::string& file : table.mappedFiles(pid)) {
    if (ModuleHolderWalk::sameNameIgnoringCase(ProcessTable::baseName(file), moduleName)) ++matches;
  }
  return matches;
}

}  // namespace

bool ModuleHolderWalk::mapsModule(int pid, const std::string& moduleName) const {
  return countMapped(ProcessTable(m_procRoot), pid, moduleName) > 0;
}

bool ModuleHolderWalk::walk(const std::string& moduleName,
                            const std::function<void(const std::string&)>& onHolder) const {
  const ProcessTable table(m_procRoot);
  const auto pids = table.pids();
  if (!pids) return false;
  for (std::size_t i = 1; i < pids->size(); ++i) {
    const int pid = (*pids)[i];
    // Processes of the other width, ended ones and ones we may not look into
    // are passed over, as a failed module snapshot would be.
    if (table.executableWidth(pid) != m_width) continue;
    const int matches = countMapped(table, pid, moduleName);
    if (matches == 0) continue;
    const std::string exeName = table.executableName(pid);
    if (exeName.empty()) continue;
    for (int match = 0; match < matches; ++match) onHolder(exeName);
  }
  return true;
}

bool ModuleHolderWalk::appendHolders(const char* moduleName, char* buffer, std::size_t size) const {
  std::size_t used = strnlen(buffer, size);
  const bool terminated = used < size;
  return walk(moduleName, [&](const std::string& exeName) {
    const std::string name = carriedName(exeName);
    if (!terminated || used + 1 + name.size() + 1 > size) return;
    buffer[used++] = '$';
    std::memcpy(buffer + used, name.c_str(), name.size() + 1);
    used += name.size();
  });
}

std::vector<std::string> ModuleHolderWalk::holders(const std::string& moduleName) const {
  std::vector<std::string> names;
  walk(moduleName, [&](const std::string& name) { names.push_back(name); });
  return names;
}

}  // namespace platform
