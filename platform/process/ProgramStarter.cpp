#include "platform/process/ProgramStarter.h"

#include <QLoggingCategory>
#include <QMutex>
#include <QMutexLocker>
#include <QProcess>

Q_LOGGING_CATEGORY(lcProgramStarter, "varnex.process")

namespace platform {

namespace {
std::unique_ptr<ProgramStarter>& slot() {
  static std::unique_ptr<ProgramStarter> starter;
  return starter;
}
QMutex& slotLock() {
  static QMutex lock;
  return lock;
}
}  // namespace

ProgramStarter& ProgramStarter::current() {
  QMutexLocker locker(&slotLock());
  if (!slot()) slot() = std::make_unique<SystemProgramStarter>();
  return *slot();
}

void ProgramStarter::install(std::unique_ptr<ProgramStarter> starter) {
  QMutexLocker locker(&slotLock());
  slot() = std::move(starter);
}

bool SystemProgramStarter::startDetached(const QString& path) {
  if (path.isEmpty()) return false;
  const bool started = QProcess::startDetached(path, QStringList());
  if (!started) qCWarning(lcProgramStarter) << "cannot start" << path;
  return started;
}

}  // namespace platform
