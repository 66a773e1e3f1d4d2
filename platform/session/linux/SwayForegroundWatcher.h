#pragma once

#include "platform/session/ForegroundWatcher.h"

#include <QString>

#include <string>

namespace platform {

// The focused window on sway, from its IPC's window tree, which gives every
// window's process id and app id, native Wayland and XWayland alike. sway's
// own container id numbers the window.
class SwayForegroundWatcher : public ForegroundWatcher {
 public:
  // Empty socket path: $SWAYSOCK. procRoot: where /proc is.
  explicit SwayForegroundWatcher(QString socketPath = QString(), std::string procRoot = "/proc");

  // True when sway answers on its socket.
  bool isWatching() const;

  quint64 activeWindow() override;
  QString programOf(quint64 window) override;

 private:
  QString m_socketPath;
  std::string m_procRoot;
  quint64 m_window = 0;
  int m_pid = 0;
  QString m_appId;
};

}  // namespace platform
