#pragma once

#include <QString>

// Leaves a report behind when the program dies of a fault: on SIGSEGV,
// SIGBUS, SIGFPE, SIGILL or SIGABRT it writes "<directory>/<name>.dmp" (the
// signal, the faulting address, a backtrace and the memory map), then lets
// the signal's default action follow, so the system still keeps a core dump
// where it is set up to.
//
// Everything that needs memory or Qt happens in install(); after that the
// handler uses only async-signal-safe calls.
class CrashHandler {
 public:
  // Installs the handler for a dump in the application-local data directory,
  // named after the application. Call once the application object exists.
  static bool install();

  // Installs the handler for a dump at "<directory>/<applicationName>.dmp";
  // the directory is created now. Returns false when the path cannot be used
  // or a handler cannot be installed.
  static bool install(const QString& directory, const QString& applicationName);

  // Gives the calling thread its own stack for the handler, so that a stack
  // overflow on it still leaves a dump. The signal stack is per thread:
  // every thread the program starts calls this first (install() does it for
  // its own thread). Repeated calls on one thread do nothing; the stack is
  // released when the thread ends.
  static void prepareThread();

  // Where the dump goes; empty before install.
  static QString dumpPath();
};
