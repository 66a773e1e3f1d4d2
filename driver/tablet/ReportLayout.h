#pragma once

#include "driver/tablet/RawReport.h"

#include <cstdint>

// What decoding one report changes in the tablet: the raw fields, the
// pen-state code, the key or pen button the current key event concerns, and
// whether the report announced which end of the pen is in use.
struct LayoutState {
  RawReport report;
  int32_t penStateCode = 1;
  int32_t pendingKey = 0;  // a KeyType; 0 when none
  bool toolReport = false; // this report is a tool report; report.x holds the tool id
};

// The byte layout of one family's reports. A decoder only reads bytes 0 to
// kLongestField of the report; the caller's buffer is at least that long.
class ReportLayout {
 public:
  static constexpr int kLongestField = 12;

  virtual ~ReportLayout() = default;
  virtual void decode(const uint8_t* data, LayoutState& state) const = 0;

  // The layout of a device type; null for a value that is no model.
  static const ReportLayout* forDevType(int devType);
};

// Tool ids of a tool report.
constexpr uint32_t kToolEraserEnd = 0xA0;
constexpr uint32_t kToolPenTip = 0x20;

// Report-id byte of the pen reports of the families that tell pen and key
// reports apart by it.
constexpr uint8_t kPenReportId = 0x02;
