#pragma once

#include <QString>

#include <sys/types.h>

// A copy of a harmless system program (sleep) run under a file name and a
// first argument of the test's choosing, as the foreground tests need a
// process whose /proc entries say what a drawing program's would: its
// executable's path, or for Wine the loader's name and the Windows program
// as the first argument. Ended and reaped when destroyed.
class SpawnedProgram {
 public:
  SpawnedProgram(const QString& exePath, const QString& firstArgument);
  ~SpawnedProgram();
  SpawnedProgram(const SpawnedProgram&) = delete;
  SpawnedProgram& operator=(const SpawnedProgram&) = delete;

  bool running() const { return m_pid > 0; }
  pid_t pid() const { return m_pid; }

 private:
  pid_t m_pid = -1;
};
