#pragma once

#include "driver/app/DisplayCheck.h"

#include <QByteArray>
#include <QList>
#include <QString>

class QProcess;

// The installer's check for programs that hold the tablet library: runs both
// holder probes, lists the programs they report and, when the user agrees,
// ends them so the library's files can be replaced. run() returns the exit
// code the installer reads.
class HolderCheck {
 public:
  enum ExitCode {
    kGoOn = 0,                                      // nothing holds the library any more (or the box was closed)
    kAnsweredNo = 1,                                // the user chose to keep the programs
    kHoldersRemain = 2,                             // the user agreed, but a holder could not be ended
    kCannotAsk = DisplayCheck::kNoDisplayExitCode,  // a holder, and no display to ask on
  };

  struct Setup {
    QString moduleName = QStringLiteral("wintab32.dll");
    // Removed from the probes' output, so the checker never lists itself.
    QString ownName = QStringLiteral("holdercheck.exe");
    // Where the probes are looked for first (then along PATH); the checker's
    // own folder when empty.
    QString probeDir;
    int probeTimeoutMs = 30000;
    // False without a display: the question cannot be shown, so finding a
    // holder ends the check with kCannotAsk and the list on standard error.
    bool canAsk = true;
  };

  HolderCheck() = default;
  explicit HolderCheck(Setup setup) : m_setup(std::move(setup)) {}

  int run();

  // The probes' outputs (32-bit first) split at "$" after every occurrence of
  // ownName is taken out; empty parts are kept. Names stay in the bytes the
  // probes printed: ending a program compares exactly these.
  static QList<QByteArray> splitOutput(const QByteArray& output32, const QByteArray& output64,
                                       const QByteArray& ownName);

  // The parts to list and end: those whose file suffix (after the last ".")
  // contains "exe", case-sensitively, so "EXCEL.EXE" stays out.
  static QList<QByteArray> acceptedNames(const QList<QByteArray>& parts);

 private:
  QByteArray probeOutput(QProcess& process, const QString& probeName) const;
  int endHolders(const QList<QByteArray>& names) const;

  Setup m_setup;
};
