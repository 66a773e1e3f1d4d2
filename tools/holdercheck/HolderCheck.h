#pragma once

#include <QString>
#include <QStringList>

class QProcess;

// The installer's check for programs that hold the tablet library: runs both
// holder probes, lists the programs they report and, when the user agrees,
// ends them so the library's files can be replaced. run() returns the exit
// code the installer reads: 1 when the user answered No, 0 otherwise.
class HolderCheck {
 public:
  struct Setup {
    QString moduleName = QStringLiteral("wintab32.dll");
    // Removed from the probes' output, so the checker never lists itself.
    QString ownName = QStringLiteral("holdercheck.exe");
    // Where the probes are looked for first (then along PATH); the checker's
    // own folder when empty.
    QString probeDir;
    int probeTimeoutMs = 30000;
  };

  HolderCheck() = default;
  explicit HolderCheck(Setup setup) : m_setup(std::move(setup)) {}

  int run();

  // The probes' outputs (32-bit first) split at "$" after every occurrence of
  // ownName is taken out; empty parts are kept.
  static QStringList splitOutput(const QString& output32, const QString& output64, const QString& ownName);

  // The parts to list and end: those whose file suffix (after the last ".")
  // contains "exe", case-sensitively, so "EXCEL.EXE" stays out.
  static QStringList acceptedNames(const QStringList& parts);

 private:
  QString probeOutput(QProcess& process, const QString& probeName) const;

  Setup m_setup;
};
