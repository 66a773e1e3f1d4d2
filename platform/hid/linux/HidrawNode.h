#pragma once

#include "platform/hid/ReportDescriptorParser.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace platform {

// What sysfs tells about one hidraw node (/sys/class/hidraw/hidrawN): the HID
// device's identity from its uevent, its report descriptor, and the strings
// the kernel exposes.
struct HidrawNode {
  QString name;  // "hidraw3"
  uint16_t vendorId = 0;
  uint16_t productId = 0;
  QByteArray product;       // HID_NAME; the kernel joins manufacturer and product there
  QByteArray serial;        // HID_UNIQ
  QByteArray manufacturer;  // the USB device's "manufacturer" attribute, when there is one
  ParsedReportDescriptor descriptor;

  // The hidraw node names under `sysfsRoot`/class/hidraw, in number order.
  static QStringList list(const QString& sysfsRoot);

  // Reads the node's identity only; false when its uevent has no usable HID_ID.
  static bool readIdentity(const QString& sysfsRoot, const QString& name, HidrawNode& node);

  // Reads and parses the report descriptor and the strings; false when the
  // descriptor cannot be read.
  static bool readDetails(const QString& sysfsRoot, HidrawNode& node);
};

}  // namespace platform
