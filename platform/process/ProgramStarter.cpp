#include "platform/process/ProgramStarter.h"

#include "platform/ProcessWide.h"
#include "platform/session/SandboxedProgram.h"

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
  // A Flatpak or Snap program is started by its package manager.
  const QStringList command = SandboxedProgram::launchCommand(path);
  const bool started = command.isEmpty() ? QProcess::startDetached(path, QStringList())
                                         : QProcess::startDetached(command.first(), command.mid(1));
  if (!started) qCWarning(lcProgramStarter) << "cannot start" << path;
  return started;
}

}  // namespace platform
