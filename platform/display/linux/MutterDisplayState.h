#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVariantList>
#include <QVector>

class QDBusMessage;

namespace platform {

// What mutter's GetCurrentState answers, as far as the driver needs it.
struct MutterDisplayState {
  struct Mode {
    QString id;
    QSize size;  // unturned panel pixels
    bool current = false;
  };
  struct Monitor {
    QString connector, vendor, product, serial;
    QVector<Mode> modes;
    const Mode* currentMode() const;
  };
  struct LogicalMonitor {
    QRect rect;  // in layout coordinates: x, y from mutter, size worked out
    double scale = 1.0;
    uint transform = 0;  // wl_output transform: 0-3 turned, 4-7 flipped
    bool primary = false;
    QStringList connectors;
  };

  uint serial = 0;
  // 1: the layout is in logical (scaled) pixels, 2: in physical pixels.
  uint layoutMode = 1;
  QVector<Monitor> monitors;
  QVector<LogicalMonitor> logicalMonitors;

  // False when the reply is not of GetCurrentState's signature.
  static bool parse(const QDBusMessage& reply, MutterDisplayState& state);
  const Monitor* monitor(const QString& connector) const;
  // The size a monitor takes in the layout at this transform and scale.
  QSize layoutSize(QSize modeSize, uint transform, double scale) const;
};

}  // namespace platform
