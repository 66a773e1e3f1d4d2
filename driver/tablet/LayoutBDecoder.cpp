#include "driver/tablet/LayoutBDecoder.h"

#include "driver/tablet/ReportBytes.h"

void LayoutBDecoder::decode(const uint8_t* data, LayoutState& state) const {
  RawReport& report = state.report;
  report.reportId = data[0];
  report.status = data[1];
  report.x = bigEndian16(data + 2);
  report.y = bigEndian16(data + 4);
  report.pressure = uint16_t(data[6] * 4 + (data[7] >> 6));
  report.tiltX = 0;
  report.tiltY = 0;

  if (report.reportId != kPenReportId) {
    state.penStateCode = 0;
    return;
  }
  switch (report.status) {
    case 0x80: state.penStateCode = 1; break;
    case 0xA0: state.penStateCode = 2; break;
    case 0xA1: state.penStateCode = 3; break;
    case 0xA4: state.penStateCode = 4; state.pendingKey = 2; break;
    case 0xA5: state.penStateCode = 5; state.pendingKey = 2; break;
    case 0xC2: state.toolReport = true; break;
    default: break;
  }
}
