#pragma once

#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

// A drawing of the desktop's monitors for the area page where the screen
// cannot be grabbed (Wayland compositors refuse, an X11 grab can fail): each
// monitor as a rectangle with its name and size, the chosen one marked. It
// covers `shown` the way a grab of that part of the desktop would, so the
// screen area drawn over it means the same either way.
class DesktopSketch {
 public:
  struct Monitor {
    QString name;
    QRect rect;  // desktop pixels
    bool chosen = false;
  };

  static QPixmap draw(const QVector<Monitor>& monitors, const QRect& shown, QSize size);
};
