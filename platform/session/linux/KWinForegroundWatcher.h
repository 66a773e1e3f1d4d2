#pragma once

#include "platform/session/ForegroundWatcher.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QTemporaryFile>

#include <memory>

namespace platform {

// The active window as KWin sees it, for KDE Plasma on Wayland, where native
// Wayland windows are invisible to X. KWin offers no call that names the
// active window, but it runs scripts loaded over D-Bus: a small script here
// reports every activation (the window's process id and KWin's own id of the
// window) back to this watcher through a D-Bus call. The calls arrive as
// events of the watcher's thread, which activeWindow() delivers.
class KWinForegroundWatcher : public QObject, public ForegroundWatcher {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.varnex.Foreground")

 public:
  // bus: the session bus (tests give a private one). procRoot: where /proc is.
  explicit KWinForegroundWatcher(QDBusConnection bus, std::string procRoot = "/proc");
  ~KWinForegroundWatcher() override;

  // Whether KWin is on the bus and took the script.
  bool isWatching() const { return m_scriptLoaded; }

  quint64 activeWindow() override;
  QString programOf(quint64 window) override;

  // Whether the session bus has KWin on it.
  static bool kwinPresent(const QDBusConnection& bus);

 public slots:
  // Called by the script, with the numbers as text (script numbers would
  // arrive as doubles).
  Q_SCRIPTABLE void activated(const QString& pid, const QString& windowId);

 private:
  bool loadScript();

  QDBusConnection m_bus;
  std::string m_procRoot;
  QString m_objectPath;
  QString m_pluginName;
  QTemporaryFile m_script;
  bool m_scriptLoaded = false;
  quint64 m_active = 0;
  int m_activePid = 0;
  QString m_activeId;
};

}  // namespace platform
