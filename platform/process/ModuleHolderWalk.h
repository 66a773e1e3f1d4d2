#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace platform {

// Finds the processes that hold a module: a process holds it when a file of
// that name is mapped into it (Windows programs under Wine map their DLLs
// this way). Like the module snapshots it stands in for, one walk sees only
// processes of its own width: 32-bit executables or 64-bit ones.
//
// Plain C++ with no Qt, so that the 32-bit probe can be built from it.
class ModuleHolderWalk {
 public:
  // The probes' fixed output buffer, terminating zero included.
  static constexpr std::size_t kBufferSize = 1024;

  // width is 32 or 64. procRoot is where the process file system is mounted;
  // tests point it at a tree of their own.
  explicit ModuleHolderWalk(int width, std::string procRoot = "/proc");

  // Calls back with the executable name of every process that holds
  // moduleName (compared with the mapped file's name, ignoring ASCII case),
  // once per distinct matching file, in process-list order. The first process
  // of the list (init) is never examined, just as the Windows probes never
  // examine the idle process at the head of theirs. False when the process
  // list cannot be read.
  bool walk(const std::string& moduleName, const std::function<void(const std::string&)>& onHolder) const;

  // Appends "$" and the carried name of every holder to the zero-terminated
  // text in buffer (size bytes). A name that would not fit, with its "$" and
  // the terminating zero, is left out; so is everything when buffer holds no
  // terminating zero at all. False when the process list cannot be read.
  bool appendHolders(const char* moduleName, char* buffer, std::size_t size) const;

  // The holders' names in the order found (a convenience over walk()).
  std::vector<std::string> holders(const std::string& moduleName) const;

  static bool sameNameIgnoringCase(const std::string& a, const std::string& b);

  // The name as the probes' output can carry it: "$" separates names there,
  // and a line break or another control character would make the list the
  // user is shown say something else, so each becomes "?". Whoever ends a
  // process by such a name compares it with the process's carried name.
  static std::string carriedName(const std::string& exeName);

  // Whether the process maps a file of that name (ASCII case ignored),
  // whatever its width.
  bool mapsModule(int pid, const std::string& moduleName) const;

 private:
  int m_width;
  std::string m_procRoot;
};

}  // namespace platform
