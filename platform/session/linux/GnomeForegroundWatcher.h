#pragma once

#include "platform/session/ForegroundWatcher.h"

#include <QDBusConnection>
#include <QString>

#include <string>

namespace platform {

// The focused window on GNOME, from the driver's GNOME Shell extension
// (shipped with the package, enabled by the user), which answers
// org.varnex.Foreground.FocusedWindow on the session bus with the window's
// process id, the shell's app id and the window's id.
class GnomeForegroundWatcher : public ForegroundWatcher {
 public:
  static constexpr const char* kService = "org.varnex.Foreground";
  static constexpr const char* kExtensionUuid = kGnomeForegroundExtension;

  explicit GnomeForegroundWatcher(QDBusConnection bus, std::string procRoot = "/proc");

  // Whether the extension is on the bus.
  static bool extensionPresent(const QDBusConnection& bus);
  // Whether GNOME Shell is on the bus.
  static bool shellPresent(const QDBusConnection& bus);

  quint64 activeWindow() override;
  QString programOf(quint64 window) override;

 private:
  QDBusConnection m_bus;
  std::string m_procRoot;
  quint64 m_window = 0;
  int m_pid = 0;
  QString m_appId;
};

}  // namespace platform
