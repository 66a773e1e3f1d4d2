#pragma once

#include <QByteArray>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

// One top-level collection of a report descriptor: what a HID interface is
// matched by, and how long its reports are.
struct HidTopLevelCollection {
  uint16_t usagePage = 0;
  uint16_t usage = 0;
  // The longest report of each kind in the collection, in bytes, including the
  // report-id byte when the descriptor numbers its reports. 0: none of that kind.
  int inputReportLength = 0;
  int outputReportLength = 0;
  int featureReportLength = 0;
  // The report ids of its input reports (numbered descriptors only).
  std::bitset<256> inputReportIds;
};

struct ParsedReportDescriptor {
  std::vector<HidTopLevelCollection> collections;
  // The descriptor declares report ids, so every report on the wire starts
  // with its id (hidraw then expects and returns that byte).
  bool numberedReports = false;
};

// Reads a HID report descriptor: every top-level collection with its usage
// page and usage and its report lengths. Short and long items, push/pop of
// the global state and several report ids per collection are understood.
// Whatever bytes come in, parsing stays inside them: a truncated item ends the
// walk, and unbalanced collections or pops are ignored.
class ReportDescriptorParser {
 public:
  static ParsedReportDescriptor parse(const uint8_t* data, size_t size);
  static ParsedReportDescriptor parse(const QByteArray& descriptor);

  // No report can be longer than the kernel's report buffer, whatever sizes a
  // malformed descriptor declares.
  static constexpr int kMaxReportLength = 16384;
};

}  // namespace platform
