#include "driver/tablet/LayoutADecoder.h"

#include "driver/tablet/ReportBytes.h"

void LayoutADecoder::decode(const uint8_t* data, LayoutState& state) const {
  RawReport& report = state.report;
  report.reportId = data[0];
  report.status = data[1];
  report.x = littleEndian16(data + 2);
  report.y = littleEndian16(data + 4);
  report.pressure = littleEndian16(data + 6);
  report.tiltX = data[8];
  report.tiltY = data[9];

  switch (report.status) {
    case 0xA0: state.penStateCode = 2; break;
    case 0xA1: state.penStateCode = 3; break;
    case 0xA2: state.penStateCode = 4; state.pendingKey = 2; break;
    case 0xA3: state.penStateCode = 5; state.pendingKey = 2; break;
    case 0xA4: state.penStateCode = 6; state.pendingKey = 1; break;
    case 0xA5: state.penStateCode = 7; state.pendingKey = 1; break;
    case 0xC0: state.penStateCode = 1; break;
    case 0xF0: state.penStateCode = 0; break;
    default: break;  // an unknown status keeps the last code
  }
}
