#pragma once

#include "platform/display/DisplayOutputs.h"
#include "platform/display/linux/GnomeTabletMapping.h"

#include <QDBusConnection>

namespace platform {

// The monitors of a GNOME session, from mutter's DisplayConfig service on
// the session bus: connector, vendor and product names, the layout and each
// monitor's transform. Mutter gives no EDID; the product name it reports is
// the one it read from the monitor's EDID name descriptor, so it stands for
// the monitor name. Each call asks anew, so monitors may come and go.
class MutterDisplayOutputs : public DisplayOutputs {
 public:
  explicit MutterDisplayOutputs(QDBusConnection bus = QDBusConnection::sessionBus());

  // True when the bus has a mutter answering for the display configuration.
  static bool isAvailable(const QDBusConnection& bus);

  QVector<DisplayOutput> outputs() override;
  // Turns the monitor as a temporary configuration: GNOME asks the user to
  // confirm a persistent one within seconds and falls back without an
  // answer, and the driver applies the stored rotation at every arrival
  // anyway. Monitors right of or below the turned one move by the change of
  // its size, so the layout stays without gaps or overlaps.
  int setMode(const QString& outputName, int orientation, QSize size) override;
  // Mutter spreads a tablet over the monitor its tablet settings name, or
  // over the whole desktop: a pen meant for one of several monitors is
  // mapped onto it there, and its coordinates become fractions of it.
  QRect penFrame(const QRect& screen, const QRect& desktop) override;
  const char* kind() const override { return "gnome"; }

 private:
  QDBusConnection m_bus;
  GnomeTabletMapping m_tabletMapping;
};

}  // namespace platform
