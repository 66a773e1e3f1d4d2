#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace testenv {

// A sysfs and /dev tree in a temporary directory that looks like the kernel's
// hidraw class: class/hidraw/hidrawN -> a HID device below a USB interface
// below a USB device, with uevent, report_descriptor and the USB strings. The
// /dev node is a FIFO, which opens read-write without a reader and carries
// the bytes a connection writes.
class FakeHidrawTree {
 public:
  FakeHidrawTree();

  QString sysfsRoot() const { return m_root + "/sys"; }
  QString devRoot() const { return m_root + "/dev"; }
  QString devNode(int number) const;

  struct Node {
    int number = 0;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    QByteArray name;          // HID_NAME; left out of the uevent when empty
    QByteArray uniq;          // HID_UNIQ
    QByteArray manufacturer;  // the USB device's attribute; none when empty
    QByteArray descriptor;
    bool withDevNode = true;
  };
  void add(const Node& node);

  // Writes raw text as the node's uevent (for broken ones).
  void setUevent(int number, const QByteArray& text);

 private:
  QString m_root;
};

}  // namespace testenv
