#include "driver/tablet/LayoutCDecoder.h"

#include "driver/tablet/ReportBytes.h"

namespace {

// 13 bits: byte 6 is bits 12..5, bits 7..6 of byte 7 are bits 4..3, bits 3..2
// of the status are bits 2..1 and bit 0 of the status is bit 0.
uint16_t pressure13(const uint8_t* data) {
  return uint16_t((data[6] << 5) | ((data[7] >> 6) << 3) | (((data[1] >> 2) & 0x3) << 1) | (data[1] & 0x1));
}

// 11 bits: byte 6 is bits 10..3, bits 7..6 of byte 7 are bits 2..1, bit 0 of
// the status is bit 0.
uint16_t pressure11(const uint8_t* data) {
  return uint16_t((data[6] << 3) | ((data[7] >> 6) << 1) | (data[1] & 0x1));
}

}  // namespace

void LayoutCDecoder::decode(const uint8_t* data, LayoutState& state) const {
  RawReport& report = state.report;
  report.reportId = data[0];
  report.status = data[1];
  report.x = bigEndian16(data + 2);
  report.y = bigEndian16(data + 4);
  report.pressure = m_pressureBits == 13 ? pressure13(data) : pressure11(data);
  report.tiltX = 0;
  report.tiltY = 0;

  if (report.reportId != kPenReportId) {
    state.penStateCode = 0;
    return;
  }
  // The pressure bits in the status make most status values ordinary tip
  // reports; only these few are states of their own.
  switch (report.status) {
    case 0x80: state.penStateCode = 1; break;
    case 0xA0: state.penStateCode = 2; break;
    case 0xA2: state.penStateCode = 4; state.pendingKey = 2; break;
    case 0xC2: state.toolReport = true; break;
    default:
      if (report.status & 0x02) {
        state.penStateCode = 5;
        state.pendingKey = 2;
      } else {
        state.penStateCode = 3;
      }
      break;
  }
}
