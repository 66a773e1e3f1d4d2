#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>

// The display mode of an output as the desktop shows it: pixel width and
// height after rotation, and the orientation 0 to 3 (0°, 90°, 180°, 270°).
struct DisplayMode {
  int pelsWidth = 0;
  int pelsHeight = 0;
  int displayOrientation = 0;
};

// One output attached to the desktop and the monitor behind it.
struct MonitorRecord {
  // The display product name of the monitor's EDID; "" when it has none.
  QString monitorName;
  // The output's name ("HDMI-1"), which identifies it to every caller.
  QString adapterDeviceName;
  // The monitor's raw EDID, empty when it could not be read.
  QByteArray edid;
  DisplayMode displayMode;
  // The output's part of the virtual desktop.
  QRect monitorRect;
};
