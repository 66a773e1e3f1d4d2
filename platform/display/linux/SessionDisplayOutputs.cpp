// The display source of the session the driver runs in. In a Wayland
// session XWayland's outputs are made up by the compositor (one "XWAYLAND0"
// without EDID per monitor at best), so XRandR is asked only where X is the
// desktop's own window system.
#include "platform/desktop/linux/SwayIpc.h"
#include "platform/display/NullDisplayOutputs.h"
#include "platform/display/linux/KWinDisplayOutputs.h"
#include "platform/display/linux/MutterDisplayOutputs.h"
#include "platform/display/linux/SwayDisplayOutputs.h"
#include "platform/display/linux/WaylandOutputsDisplayOutputs.h"
#include "platform/display/linux/XrandrDisplayOutputs.h"

#include <QLoggingCategory>
#include <QtGlobal>

Q_LOGGING_CATEGORY(lcSessionDisplay, "varnex.display.session")

namespace platform {

namespace {

bool isWaylandSession() {
  return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

}  // namespace

std::unique_ptr<DisplayOutputs> createDefaultDisplayOutputs() {
  if (!isWaylandSession()) return std::make_unique<XrandrDisplayOutputs>();
  if (SwayIpc().isAvailable()) return std::make_unique<SwayDisplayOutputs>();
  const QDBusConnection bus = QDBusConnection::sessionBus();
  if (MutterDisplayOutputs::isAvailable(bus)) return std::make_unique<MutterDisplayOutputs>(bus);
  if (KWinDisplayOutputs::isAvailable()) return std::make_unique<KWinDisplayOutputs>();
  if (!WaylandOutputsDisplayOutputs().outputs().isEmpty()) {
    qCInfo(lcSessionDisplay) << "this Wayland desktop offers no way to turn a monitor; the window asks the user to";
    return std::make_unique<WaylandOutputsDisplayOutputs>();
  }
  qCWarning(lcSessionDisplay) << "this Wayland desktop does not tell the driver its monitors; the pen display"
                                 " cannot be found or turned from here";
  return std::make_unique<NullDisplayOutputs>();
}

}  // namespace platform
