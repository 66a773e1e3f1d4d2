#pragma once

#include "platform/display/DisplayOutputs.h"

#include <QByteArray>

namespace platform {

// The monitors of a Plasma session, from KWin's output-device protocol,
// which carries each monitor's EDID, connector name, layout and transform;
// turned through KWin's output-management protocol. Plasma keeps a turn it
// applied in its own display configuration. Each call asks anew on a
// connection of its own.
class KWinDisplayOutputs : public DisplayOutputs {
 public:
  // Null socket: $WAYLAND_DISPLAY.
  explicit KWinDisplayOutputs(QByteArray socket = QByteArray());

  // True when the compositor offers the output-device protocol.
  static bool isAvailable(const QByteArray& socket = QByteArray());

  QVector<DisplayOutput> outputs() override;
  int setMode(const QString& outputName, int orientation, QSize size) override;
  const char* kind() const override { return "plasma"; }

 private:
  QByteArray m_socket;
};

}  // namespace platform
