#pragma once

#include <QByteArray>

// Report descriptors of the shapes tablets present, written out item by item.
namespace descriptors {

// Vendor collection 0xFF00/1 with report id 2: 11 bytes in, 8 bytes out
// (12 and 9 on the wire with the id).
inline QByteArray vendorWithReportId() {
  return QByteArray::fromHex(
      "06 00 FF  09 01  A1 01  85 02"
      "09 01  15 00  26 FF 00  75 08  95 0B  81 02"
      "09 01  95 08  91 02"
      "C0");
}

// A pen (Digitizer/Pen, report id 7: five switches, padding, X, Y, pressure,
// two tilts = 9 bytes) and a device-configuration collection with a feature
// report (id 3, 2 bytes).
inline QByteArray digitizerPen() {
  return QByteArray::fromHex(
      "05 0D  09 02  A1 01  85 07  09 20  A1 00"
      "09 42  09 44  09 45  09 3C  09 32  15 00  25 01  75 01  95 05  81 02"
      "95 03  81 03"
      "05 01  09 30  09 31  26 FF 7F  75 10  95 02  81 02"
      "05 0D  09 30  26 FF 1F  95 01  81 02"
      "09 3D  09 3E  15 C4  25 3C  75 08  95 02  81 02"
      "C0 C0"
      "05 0D  09 0E  A1 01  85 03  09 23  15 00  25 0A  75 08  95 02  B1 02  C0");
}

// One interface carrying a mouse (id 1), a keyboard (id 2, LED output) and a
// vendor collection 0xFF0C/7 with two input reports (ids 3, 4), a feature
// report (id 5) and an output report (id 6).
inline QByteArray mouseKeyboardVendor() {
  return QByteArray::fromHex(
      "05 01  09 02  A1 01  85 01  09 01  A1 00  05 09  19 01  29 03  15 00  25 01  95 03  75 01  81 02"
      "95 01  75 05  81 03  05 01  09 30  09 31  09 38  15 81  25 7F  75 08  95 03  81 06  C0 C0"
      "05 01  09 06  A1 01  85 02  05 07  19 E0  29 E7  15 00  25 01  75 01  95 08  81 02"
      "95 01  75 08  81 03  95 05  75 01  05 08  19 01  29 05  91 02  95 01  75 03  91 03"
      "95 06  75 08  15 00  25 65  05 07  19 00  29 65  81 00  C0"
      "06 0C FF  09 07  A1 01  85 03  09 01  15 00  26 FF 00  75 08  95 3F  81 02"
      "85 04  09 02  95 07  81 02  85 05  09 03  95 10  B1 02  85 06  09 04  95 3F  91 02  C0");
}

// No report ids: 64 bytes each way.
inline QByteArray vendorWithoutReportId() {
  return QByteArray::fromHex("06 00 FF  09 01  A1 01  15 00  26 FF 00  75 08  95 40  81 02  95 40  91 02  C0");
}

}  // namespace descriptors
