#include "platform/process/ProgramStarter.h"

#include "platform/ProcessWide.h"

#include <QLoggingCategory>
#include <QProcess>

Q_LOGGING_CATEGORY(lcProgramStarter, "varnex.process")

namespace platform {

namespace {
std::unique_ptr<ProgramStarter> makeSystemStarter() { return std::make_unique<SystemProgramStarter>(); }

ProcessWide<ProgramStarter>& slot() {
  static ProcessWide<ProgramStarter> starter(&makeSystemStarter);
  return starter;
}
}  // namespace

ProgramStarter& ProgramStarter::current() { return slot().get(); }

void ProgramStarter::install(std::unique_ptr<ProgramStarter> starter) { slot().install(std::move(starter)); }

bool SystemProgramStarter::startDetached(const QString& path) {
  if (path.isEmpty()) return false;
  const bool started = QProcess::startDetached(path, QStringList());
  if (!started) qCWarning(lcProgramStarter) << "cannot start" << path;
  return started;
}

}  // namespace platform
