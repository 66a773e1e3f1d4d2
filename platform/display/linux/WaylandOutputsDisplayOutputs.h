#pragma once

#include "platform/display/DisplayOutputs.h"

#include <QByteArray>

namespace platform {

// The monitors any Wayland compositor announces as wl_output globals: name,
// make, model, place, transform and current mode. The core protocol offers
// no way to turn a monitor, so this source is read-only; it serves
// compositors without a protocol of their own for it (weston and others).
class WaylandOutputsDisplayOutputs : public DisplayOutputs {
 public:
  // Null socket: $WAYLAND_DISPLAY.
  explicit WaylandOutputsDisplayOutputs(QByteArray socket = QByteArray());

  QVector<DisplayOutput> outputs() override;
  int setMode(const QString&, int, QSize) override { return DisplayChangeFailed; }
  const char* kind() const override { return "wayland"; }

 private:
  QByteArray m_socket;
};

}  // namespace platform
