#pragma once

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>

namespace platform {

// One display output that drives part of the desktop.
struct DisplayOutput {
  // The output's own name ("HDMI-1", "eDP-1"); on X11 the same text that
  // QScreen::name() gives, so screens and outputs can be matched by name.
  QString name;
  // The part of the virtual desktop the output shows, in desktop pixels.
  QRect rect;
  // 0, 1, 2, 3 for 0°, 90°, 180° and 270° counter-clockwise.
  int orientation = 0;
  // The pixel size as the desktop sees it, that is after rotation: a 1920 ×
  // 1080 panel turned to 90° is 1080 × 1920.
  QSize modeSize;
  // The raw EDID of the attached monitor; empty when it cannot be read or
  // the source does not give it (Wayland compositors).
  QByteArray edid;
  // The monitor's product name as the source reports it, where it gives no
  // EDID; compositors read it from the EDID's name descriptor themselves.
  QString monitorName;
};

}  // namespace platform
