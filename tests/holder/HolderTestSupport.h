#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

namespace holdertest {

// Programs built for these tests; empty when this build has none of that width.
QString probe(int width);
QString helper(int width);
QString testModule(int width);

// Not every kernel runs 32-bit programs; qemu's user-mode emulator does.
QString qemuI386();

// Whether this kernel starts the 32-bit helper itself (needed for a 32-bit
// process the probes can tell apart from its emulator).
bool kernelRuns32BitPrograms();

struct ProbeRun {
  bool finished = false;
  int exitCode = -1;
  QByteArray output;
};

// Runs a probe of the given width (the 32-bit one through qemu when installed).
ProbeRun runProbe(int width, const QStringList& arguments);

// stem-<random hex>suffix, so that concurrent test runs never meet.
QString uniqueName(const QString& stem, const QString& suffix);

// A running program holding copies of the test library: the helper copied
// into dir as exeName, the library copied into dir under each module name.
// Ended and reaped when destroyed.
class Holder {
 public:
  Holder(const QString& dir, const QString& exeName, const QStringList& moduleNames, int width = 64);
  ~Holder();

  bool isReady() const { return m_ready; }
  qint64 pid() const { return m_process->processId(); }

  // Lets the helper end by itself and waits for it.
  bool quit();
  // True once the helper has ended (for whatever reason) within ms.
  bool waitEnded(int ms);

 private:
  std::unique_ptr<QProcess> m_process;
  bool m_ready = false;
};

}  // namespace holdertest
