#include "driver/app/DisplayCheck.h"

#include <QByteArray>
#include <QList>

#include <cstring>

namespace DisplayCheck {

namespace {

QByteArray chosenPlatform(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return argv[i + 1];
  }
  return qgetenv("QT_QPA_PLATFORM");
}

bool named(const char* variable) { return !qEnvironmentVariableIsEmpty(variable); }

}  // namespace

bool displayAvailable(int argc, char** argv) {
  // "xcb:offscreen" style lists: the first entry that loads wins, so any
  // entry needing no display will do.
  const QByteArray platforms = chosenPlatform(argc, argv);
  bool wantsWindowSystem = platforms.isEmpty();
  for (const QByteArray& entry : platforms.split(';')) {
    const QByteArray name = entry.split(':').first().trimmed();
    if (name.isEmpty()) continue;
    if (name == "xcb" || name.startsWith("wayland")) {
      wantsWindowSystem = true;
    } else {
      return true;
    }
  }
  if (!wantsWindowSystem) return true;
  return named("DISPLAY") || named("WAYLAND_DISPLAY");
}

QString noDisplayMessage(const QString& programName) {
  return QStringLiteral(
             "%1: no display: neither DISPLAY nor WAYLAND_DISPLAY is set. Start it inside a desktop "
             "session (or with QT_QPA_PLATFORM=offscreen for a run without windows).")
      .arg(programName);
}

}  // namespace DisplayCheck
