#include "platform/session/ForegroundWatcher.h"
#include "platform/session/linux/GnomeForegroundWatcher.h"
#include "platform/session/linux/KWinForegroundWatcher.h"
#include "platform/session/linux/SwayForegroundWatcher.h"
#include "platform/session/linux/X11ForegroundWatcher.h"

#include <QDBusConnection>
#include <QLoggingCategory>

#include <atomic>

Q_DECLARE_LOGGING_CATEGORY(lcForeground)

namespace platform {

namespace {
std::atomic_bool s_toldWaylandLimits{false};
std::atomic_bool s_toldGnomeExtension{false};
}

std::unique_ptr<ForegroundWatcher> createDefaultForegroundWatcher() {
  if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY")) {
    // On Plasma KWin knows every window, native Wayland and XWayland alike.
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (KWinForegroundWatcher::kwinPresent(bus)) {
      auto kwin = std::make_unique<KWinForegroundWatcher>(bus);
      if (kwin->isWatching()) return kwin;
    }
    // GNOME tells the focused window only through our Shell extension.
    if (GnomeForegroundWatcher::extensionPresent(bus)) return std::make_unique<GnomeForegroundWatcher>(bus);
    if (GnomeForegroundWatcher::shellPresent(bus) && !s_toldGnomeExtension.exchange(true)) {
      qCInfo(lcForeground) << "GNOME tells which program is in front only through the driver's Shell extension; "
                              "enable it with: gnome-extensions enable"
                           << GnomeForegroundWatcher::kExtensionUuid << "(then log out and in again)";
    }
    // sway's window tree names every window's process.
    auto sway = std::make_unique<SwayForegroundWatcher>();
    if (sway->isWatching()) return sway;
    // Elsewhere X sees only the XWayland programs; while a native Wayland
    // program is in front the last X program's group stays.
    if (!s_toldWaylandLimits.exchange(true)) {
      qCInfo(lcForeground) << "this Wayland desktop does not tell which program is in front: only programs "
                              "running through XWayland choose their own keys";
    }
  }
  return std::make_unique<X11ForegroundWatcher>();
}

ForegroundHelp defaultForegroundHelpNeeded() {
  // On GNOME's X11 session the X watcher sees every window.
  if (!qEnvironmentVariableIsSet("WAYLAND_DISPLAY")) return ForegroundHelp::None;
  const QDBusConnection bus = QDBusConnection::sessionBus();
  if (GnomeForegroundWatcher::shellPresent(bus) && !GnomeForegroundWatcher::extensionPresent(bus))
    return ForegroundHelp::EnableGnomeExtension;
  return ForegroundHelp::None;
}

}  // namespace platform
