#include "HolderTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

namespace holdertest {

namespace {

QString builtPath(const char* path) { return QFileInfo::exists(path) ? QString::fromUtf8(path) : QString(); }

bool copyExecutable(const QString& from, const QString& to) {
  if (!QFileInfo::exists(to) && !QFile::copy(from, to)) return false;
  return QFile::setPermissions(to, QFile::permissions(to) | QFile::ExeOwner);
}

}  // namespace

QString probe(int width) {
#ifdef HOLDER_PROBE32
  if (width == 32) return builtPath(HOLDER_PROBE32);
#endif
  return width == 64 ? builtPath(HOLDER_PROBE64) : QString();
}

QString helper(int width) {
#ifdef HOLDER_HELPER32
  if (width == 32) return builtPath(HOLDER_HELPER32);
#endif
  return width == 64 ? builtPath(HOLDER_HELPER) : QString();
}

QString testModule(int width) {
#ifdef HOLDER_TESTMODULE32
  if (width == 32) return builtPath(HOLDER_TESTMODULE32);
#endif
  return width == 64 ? builtPath(HOLDER_TESTMODULE) : QString();
}

QString qemuI386() { return QStandardPaths::findExecutable("qemu-i386-static"); }

bool kernelRuns32BitPrograms() {
  static const bool runs = [] {
    if (helper(32).isEmpty()) return false;
    QProcess process;
    process.start(helper(32), QStringList());
    const bool ready = process.waitForReadyRead(5000) && process.readAll().startsWith("ready");
    process.closeWriteChannel();
    if (!process.waitForFinished(5000)) {
      process.kill();
      process.waitForFinished();
    }
    return ready;
  }();
  return runs;
}

ProbeRun runProbe(int width, const QStringList& arguments) {
  QString program = probe(width);
  QStringList args = arguments;
  if (width == 32 && !qemuI386().isEmpty()) {
    args = QStringList{"-L", "/usr/lib32", program} + arguments;
    program = qemuI386();
  }
  QProcess process;
  process.setProcessChannelMode(QProcess::SeparateChannels);
  process.start(program, args);
  ProbeRun run;
  run.finished = process.waitForFinished(30000);
  if (!run.finished) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.exitCode = process.exitCode();
  run.output = process.readAllStandardOutput();
  return run;
}

QString uniqueName(const QString& stem, const QString& suffix) {
  return stem + "-" + QString::number(QRandomGenerator::global()->generate(), 16) + suffix;
}

Holder::Holder(const QString& dir, const QString& exeName, const QStringList& moduleNames, int width)
    : m_process(std::make_unique<QProcess>()) {
  QDir().mkpath(dir);
  const QString exe = dir + "/" + exeName;
  if (!copyExecutable(helper(width), exe)) return;
  QStringList modules;
  for (const QString& name : moduleNames) {
    const QString module = dir + "/" + name;
    if (!QFileInfo::exists(module) && !QFile::copy(testModule(width), module)) return;
    modules << module;
  }
  m_process->start(exe, modules);
  m_ready = m_process->waitForReadyRead(10000) && m_process->readAllStandardOutput().startsWith("ready");
}

Holder::~Holder() {
  if (m_process->state() == QProcess::NotRunning) return;
  m_process->kill();
  m_process->waitForFinished(10000);
}

bool Holder::quit() {
  m_process->closeWriteChannel();
  return m_process->waitForFinished(10000);
}

bool Holder::waitEnded(int ms) {
  return m_process->state() == QProcess::NotRunning || m_process->waitForFinished(ms);
}

}  // namespace holdertest
