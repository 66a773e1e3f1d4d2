#pragma once

#include "platform/desktop/linux/WaylandConnection.h"

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <memory>
#include <vector>

struct kde_output_device_v2;
struct kde_output_device_mode_v2;
struct kde_output_management_v2;

namespace platform {

// Plasma's monitors as its output-device protocol tells them, read once on a
// connection of our own, and the one change we make through its
// output-management protocol: a monitor's turn (with its mode and the
// neighbours' positions).
class KWinOutputDevices {
 public:
  struct Mode {
    kde_output_device_mode_v2* handle = nullptr;
    QSize size;  // unturned panel pixels
  };
  struct Device {
    kde_output_device_v2* handle = nullptr;
    QString name, make, model;
    QByteArray edid;
    QPoint position;
    int transform = 0;  // wl_output transform: 0-3 turned, 4-7 flipped
    double scale = 1.0;
    bool enabled = true;
    std::vector<std::unique_ptr<Mode>> modes;
    Mode* current = nullptr;

    // The part of the desktop it shows, in the compositor's logical pixels.
    QRect layoutRect() const { return QRect(position, layoutSize(current ? current->size : QSize(), transform)); }
    QSize layoutSize(QSize modeSize, int turnedTransform) const;
    const Mode* modeOfSize(QSize size) const;
  };

  // Null socket: $WAYLAND_DISPLAY. isComplete() tells whether it worked.
  explicit KWinOutputDevices(const QByteArray& socket = QByteArray());
  ~KWinOutputDevices();

  // True when the compositor has the output-device protocol and answered.
  bool isComplete() const { return m_complete; }
  const std::vector<std::unique_ptr<Device>>& devices() const { return m_devices; }

  enum class Outcome { Applied, Refused, NoManagement };
  // Turns `device` to `transform` with `mode`, moving the other enabled
  // monitors so the layout stays closed.
  Outcome turn(const Device& device, int transform, const Mode& mode);

 private:
  WaylandConnection m_connection;
  std::vector<std::unique_ptr<Device>> m_devices;
  kde_output_management_v2* m_management = nullptr;
  bool m_complete = false;
};

}  // namespace platform
