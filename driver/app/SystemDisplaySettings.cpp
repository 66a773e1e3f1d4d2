#include "driver/app/SystemDisplaySettings.h"

#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>

Q_LOGGING_CATEGORY(lcDisplaySettings, "varnex.app.displaysettings")

namespace {

struct Tool {
  const char* program;
  const char* arguments[2];
};

// The desktop the user runs usually brings one of these; the order only
// matters where several desktops are installed side by side.
constexpr Tool kTools[] = {
    {"kcmshell6", {"kcm_kscreen", nullptr}},
    {"kcmshell5", {"kcm_kscreen", nullptr}},
    {"gnome-control-center", {"display", nullptr}},
    {"xfce4-display-settings", {nullptr, nullptr}},
    {"cinnamon-settings", {"display", nullptr}},
    {"mate-display-properties", {nullptr, nullptr}},
    {"lxqt-config-monitor", {nullptr, nullptr}},
    {"arandr", {nullptr, nullptr}},
};

}  // namespace

SystemDisplaySettings::Command SystemDisplaySettings::find(const QStringList& searchPath) {
  for (const Tool& tool : kTools) {
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool.program), searchPath);
    if (path.isEmpty()) continue;
    Command command;
    command.program = path;
    for (const char* argument : tool.arguments) {
      if (argument) command.arguments << QString::fromLatin1(argument);
    }
    return command;
  }
  return {};
}

bool SystemDisplaySettings::open() {
  const Command command = find();
  if (command.program.isEmpty()) {
    qCWarning(lcDisplaySettings) << "no display settings tool is installed";
    return false;
  }
  if (!QProcess::startDetached(command.program, command.arguments)) {
    qCWarning(lcDisplaySettings).noquote() << "cannot start" << command.program;
    return false;
  }
  return true;
}
