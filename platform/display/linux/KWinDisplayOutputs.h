#pragma once

#include "platform/display/DisplayOutputs.h"

#include "platform/display/linux/KWinTabletPin.h"

#include <QByteArray>
#include <QThread>
#include <memory>

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
  ~KWinDisplayOutputs() override;

  // True when the compositor offers the output-device protocol.
  static bool isAvailable(const QByteArray& socket = QByteArray());

  QVector<DisplayOutput> outputs() override;
  int setMode(const QString& outputName, int orientation, QSize size) override;
  // KWin spreads a tablet over one output only (the active one unless the
  // device names another), never the whole desktop: a pen meant for one
  // output is pinned to it, and its coordinates become fractions of it.
  // The pin is asked for on a thread of its own: KWin answers slowly while
  // it starts a session, and the mapping must not wait for it.
  QRect penFrame(const QRect& screen, const QRect& desktop) override;
  bool spansPenAcrossOutputs() const override { return false; }
  const char* kind() const override { return "plasma"; }

 private:
  QByteArray m_socket;
  QThread m_pinThread;
  KWinTabletPin* m_pin = nullptr;  // lives on m_pinThread
};

}  // namespace platform
