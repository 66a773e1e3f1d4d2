#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace platform {

// One top-level collection of a HID interface as enumeration found it. A
// hidraw node that carries several top-level collections appears once per
// collection, all with the same path.
struct HidInterfaceInfo {
  QString path;  // opaque to callers: "/dev/hidraw3", or "sim:..." for in-process devices
  uint16_t vendorId = 0;
  uint16_t productId = 0;
  uint16_t usagePage = 0;
  uint16_t usage = 0;
  // Report lengths in bytes, including the report-id byte when the collection
  // uses report ids (the convention the driver's report layouts are written in).
  int inputReportLength = 0;
  int outputReportLength = 0;
  int featureReportLength = 0;
  QByteArray manufacturer;
  QByteArray product;
  QByteArray serial;
};

}  // namespace platform
