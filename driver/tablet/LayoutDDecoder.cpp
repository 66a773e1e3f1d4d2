#include "driver/tablet/LayoutDDecoder.h"

#include "driver/tablet/ReportBytes.h"
#include "driver/tablet/TabletLog.h"

namespace {
constexpr uint8_t kPenSubType = 'A';
constexpr uint8_t kKeySubType = 'B';
// The panel counts on past 16 bits by 65535, not 65536, when the extension
// byte is set: FF FF 01 is 131070.
constexpr uint32_t kXExtension = 65535;
}  // namespace

void LayoutDDecoder::decode(const uint8_t* data, LayoutState& state) const {
  RawReport& report = state.report;
  report.reportId = data[1];
  report.status = data[2];
  report.x = uint32_t(littleEndian16(data + 3)) + (data[5] ? kXExtension : 0);
  report.y = littleEndian16(data + 6);
  report.pressure = littleEndian16(data + 9);
  report.tiltX = data[11];
  report.tiltY = data[12];
  qCDebug(lcTabletReport) << "xz" << report.tiltX << "yz" << report.tiltY;

  if (report.reportId == kKeySubType) {
    state.penStateCode = 0;
    qCDebug(lcTabletReport) << "anjian";
    return;
  }
  if (report.reportId != kPenSubType) return;
  switch (report.status) {
    case 0xA0: state.penStateCode = 2; break;
    case 0xA1: state.penStateCode = 3; break;
    case 0xA2: state.penStateCode = 4; state.pendingKey = 2; break;
    case 0xA3: state.penStateCode = 5; state.pendingKey = 2; break;
    case 0xA4: state.penStateCode = 6; state.pendingKey = 1; break;
    case 0xA5: state.penStateCode = 7; state.pendingKey = 1; break;
    case 0xC0: state.penStateCode = 1; break;
    default: break;
  }
}
