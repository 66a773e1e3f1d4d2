#pragma once

#include <QStringList>

namespace platform {

// Tells GNOME which monitor the driver's virtual pen is for, in the tablet
// settings GNOME keeps per vendor:product (the ones its Wacom Tablet page
// writes); mutter maps the pen onto the monitor named there, or over the
// whole desktop where the name is empty. The name is always written: left
// unset, mutter guesses a monitor for a pen display by its physical size,
// and the virtual pen's size is the area's, not the monitor's.
class GnomeTabletMapping {
 public:
  // The monitor's names as mutter reports them: vendor, product, serial and
  // connector; empty names for the whole desktop. Writes only what changed.
  // False where GNOME's tablet settings are not installed.
  bool mapTo(const QStringList& monitorNames);

  // The monitor names stored for the virtual pen; empty where the settings
  // are not installed.
  static QStringList storedMonitorNames();

 private:
  QStringList m_written;
};

}  // namespace platform
