#include "driver/app/DisplayCheck.h"

#include "platform/session/DisplayServer.h"

#include <QByteArray>
#include <QDir>
#include <QLibraryInfo>
#include <QList>
#include <QStringList>

#include <cstring>

namespace DisplayCheck {

namespace {

QByteArray chosenPlatforms(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return argv[i + 1];
  }
  const QByteArray fromEnvironment = qgetenv("QT_QPA_PLATFORM");
  if (!fromEnvironment.isEmpty()) return fromEnvironment;
  // What Qt itself takes when nobody chose.
  return qgetenv("XDG_SESSION_TYPE") == "wayland" ? QByteArrayLiteral("wayland;xcb") : QByteArrayLiteral("xcb");
}

bool qtHasWaylandPlugin() {
  // A plugin folder of the user's may hold one; we cannot tell, so let Qt try.
  if (!qEnvironmentVariableIsEmpty("QT_PLUGIN_PATH")) return true;
  const QDir platforms(QLibraryInfo::location(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
  return !platforms.entryList({QStringLiteral("libqwayland*")}, QDir::Files).isEmpty();
}

}  // namespace

bool displayAvailable(int argc, char** argv, QString* why) {
  QStringList reasons;
  // "xcb;offscreen": Qt takes the first entry that starts.
  for (const QByteArray& entry : chosenPlatforms(argc, argv).split(';')) {
    const QByteArray name = entry.split(':').first().trimmed();
    if (name.isEmpty()) continue;
    QString reason;
    if (name == "xcb") {
      if (platform::x11ServerAnswers(qgetenv("DISPLAY"), &reason)) return true;
    } else if (name.startsWith("wayland")) {
      if (!qtHasWaylandPlugin())
        reason = QStringLiteral("Qt has no Wayland platform plugin here");
      else if (platform::waylandCompositorAnswers(qgetenv("WAYLAND_DISPLAY"), &reason))
        return true;
    } else {
      return true;
    }
    reasons << QStringLiteral("%1: %2").arg(QString::fromLatin1(name), reason);
  }
  if (why) *why = reasons.join(QStringLiteral("; "));
  return false;
}

QString noDisplayMessage(const QString& programName, const QString& why) {
  return QStringLiteral(
             "%1: no display%2. Start it inside a desktop session (or with QT_QPA_PLATFORM=offscreen for a run "
             "without windows).")
      .arg(programName, why.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(why));
}

}  // namespace DisplayCheck
