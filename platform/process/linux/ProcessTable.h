#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

// What the process file system tells about running processes. Plain C++ with
// no Qt: the 32-bit holder probe is built from this file too, and there is no
// 32-bit Qt to link. Every query of one process returns an empty result when
// the process has ended or may not be inspected, so callers just skip it.
class ProcessTable {
 public:
  // procRoot is where the process file system is mounted ("/proc"); tests
  // point it at a tree of their own.
  explicit ProcessTable(std::string procRoot = "/proc");

  // Every process id, ascending; nothing when the process list cannot be read.
  std::optional<std::vector<int>> pids() const;

  // Where the process's executable lies, without the kernel's " (deleted)"
  // mark for a file replaced while it runs; empty when unreadable (kernel
  // threads have none).
  std::string executablePath(int pid) const;

  // The name a process goes by: the executable's file name, except for a
  // Windows program under Wine, where the executable is Wine's loader and the
  // program's own name is the file name in its first command-line argument.
  std::string executableName(int pid) const;

  // The path of the process's executable, except for a Windows program under
  // Wine, which is named by its Windows executable as executableName() does,
  // and a program in a Flatpak or Snap sandbox, which is named by its
  // application ("flatpak:org.kde.krita"). Empty when unreadable.
  std::string programPath(int pid) const;

  // 32 or 64 by the ELF class of the process's executable; 0 when unknown.
  int executableWidth(int pid) const;

  // The files mapped into the process, each once, in the order of its map.
  std::vector<std::string> mappedFiles(int pid) const;

  // The name of a process with this executable and command line (the
  // arguments, each followed by a zero).
  static std::string programName(const std::string& exePath, const std::string& cmdline);

  // The file of one line of a process's memory map; empty for memory that
  // maps no file.
  static std::string mappedPath(const std::string& mapsLine);

  // 32 or 64 by the ELF class of the file; 0 for anything else.
  static int elfWidth(const std::string& path);

  // The part after the last of the separators.
  static std::string baseName(const std::string& path, const char* separators = "/");

 private:
  std::string entry(int pid, const char* name) const;

  std::string m_root;
};

}  // namespace platform
