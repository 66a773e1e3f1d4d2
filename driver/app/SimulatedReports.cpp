#include "driver/app/SimulatedReports.h"

#include "driver/core/MyQmlEnum.h"
#include "driver/tablet/ExpressKeyMap.h"
#include "driver/tablet/ReportLayout.h"
#include "driver/tablet/SimulatedTablet.h"

#include <QByteArray>
#include <algorithm>

namespace {

// Status bytes the tablets send: pen in range above the surface, touching,
// leaving the range; key reports of the families with a status byte.
constexpr uint8_t kHover = 0xA0;
constexpr uint8_t kTouch = 0xA1;
constexpr uint8_t kOutOfRangeA = 0xC0;
constexpr uint8_t kOutOfRangeBC = 0x80;
constexpr uint8_t kKeyStatusA = 0xF0;
// Key reports of families B and C differ from pen reports by their id.
constexpr uint8_t kKeyReportIdBC = 0x03;
constexpr uint8_t kPenSubTypeD = 'A';
constexpr uint8_t kKeySubTypeD = 'B';

void putLittleEndian16(uint8_t* at, uint32_t value) {
  at[0] = uint8_t(value & 0xFF);
  at[1] = uint8_t((value >> 8) & 0xFF);
}

void putBigEndian16(uint8_t* at, uint32_t value) {
  at[0] = uint8_t((value >> 8) & 0xFF);
  at[1] = uint8_t(value & 0xFF);
}

// The script names its format in any case ("Fjord4pro").
int formatOf(const ModelEntry& model) {
  for (const ModelTable::FormatName& format : ModelTable::formatNames())
    if (qstricmp(format.name, model.formatName) == 0) return format.devType;
  return -1;
}

// The first of a few key masks that the model's key map knows, 0 when it
// knows none, and the key it names: single bits name the keys of most
// families, bits 15..8 with a low byte of 1 those of the large pen displays.
uint32_t firstKnownKeyMask(const ModelEntry& model, int* key) {
  const int format = formatOf(model);
  for (const uint32_t mask : {0x0001u, 0x0101u}) {
    int32_t pendingKey = MyQmlEnum::NokeyDown;
    ExpressKeyMap::apply(format, 0, mask, pendingKey);
    *key = pendingKey;
    if (pendingKey != MyQmlEnum::NokeyDown) return mask;
  }
  return 0;
}

}  // namespace

SimulatedReports::SimulatedReports(const ModelEntry& model) : m_model(model) {
  // The family is whichever decoder the driver reads this model with.
  const ReportLayout* layout = ReportLayout::forDevType(model.devType);
  using namespace MyQmlEnum;
  if (layout == ReportLayout::forDevType(CFG_Fjord1)) m_family = Family::B;
  if (layout == ReportLayout::forDevType(CFG_Fjord5)) m_family = Family::C11;
  if (layout == ReportLayout::forDevType(CFG_Fjord4)) m_family = Family::C13;
  if (layout == ReportLayout::forDevType(CFG_Fjord4Pro)) m_family = Family::D;
  m_keyMask = firstKnownKeyMask(model, &m_key);
  // The large pen displays report a key going up with the key's bits and a
  // low byte other than 1; the others report no bits at all.
  m_keyUpMask = m_family == Family::D ? (m_keyMask & 0xFF00) : 0;
}

QByteArray SimulatedReports::pen(int x, int y, int pressure) const {
  QByteArray report(SimulatedTablet::kInputReportLength, '\0');
  uint8_t* data = reinterpret_cast<uint8_t*>(report.data());
  const uint32_t px = uint32_t(std::clamp(x, 0, m_model.maxX));
  const uint32_t py = uint32_t(std::clamp(y, 0, m_model.maxY));
  uint32_t p = uint32_t(std::clamp(pressure, 0, m_model.maxPressure));
  const bool touching = p > 0;
  data[0] = kPenReportId;
  switch (m_family) {
    case Family::A:
      data[1] = touching ? kTouch : kHover;
      putLittleEndian16(data + 2, px);
      putLittleEndian16(data + 4, py);
      putLittleEndian16(data + 6, p);
      break;
    case Family::B:
      data[1] = touching ? kTouch : kHover;
      putBigEndian16(data + 2, px);
      putBigEndian16(data + 4, py);
      data[6] = uint8_t(p >> 2);
      data[7] = uint8_t((p & 0x3) << 6);
      break;
    case Family::C11:
    case Family::C13:
      // The lowest pressure bits travel in the status byte, whose bit 1 is
      // the pen button; a touch always has bit 0 set.
      putBigEndian16(data + 2, px);
      putBigEndian16(data + 4, py);
      if (!touching) {
        data[1] = kHover;
      } else if (m_family == Family::C13) {
        p |= 1;
        data[1] = uint8_t(kHover | (((p >> 1) & 0x3) << 2) | 1);
        data[6] = uint8_t(p >> 5);
        data[7] = uint8_t(((p >> 3) & 0x3) << 6);
      } else {
        p |= 1;
        data[1] = uint8_t(kHover | 1);
        data[6] = uint8_t(p >> 3);
        data[7] = uint8_t(((p >> 1) & 0x3) << 6);
      }
      break;
    case Family::D:
      data[1] = kPenSubTypeD;
      data[2] = touching ? kTouch : kHover;
      // Past 16 bits the panel counts on by 65535 and sets the extension byte.
      putLittleEndian16(data + 3, px > 0xFFFF ? px - 0xFFFF : px);
      data[5] = px > 0xFFFF ? 1 : 0;
      putLittleEndian16(data + 6, py);
      putLittleEndian16(data + 9, p);
      break;
  }
  return report;
}

QByteArray SimulatedReports::outOfRange() const {
  QByteArray report(SimulatedTablet::kInputReportLength, '\0');
  report[0] = char(kPenReportId);
  switch (m_family) {
    case Family::A: report[1] = char(kOutOfRangeA); break;
    case Family::B:
    case Family::C11:
    case Family::C13: report[1] = char(kOutOfRangeBC); break;
    case Family::D:
      report[1] = char(kPenSubTypeD);
      report[2] = char(kOutOfRangeA);
      break;
  }
  return report;
}

QByteArray SimulatedReports::keyReport(uint32_t mask) const {
  if (!hasExpressKey()) return QByteArray();
  QByteArray report(SimulatedTablet::kInputReportLength, '\0');
  uint8_t* data = reinterpret_cast<uint8_t*>(report.data());
  switch (m_family) {
    case Family::A:
      data[0] = kPenReportId;
      data[1] = kKeyStatusA;
      putLittleEndian16(data + 2, mask);
      break;
    case Family::B:
    case Family::C11:
    case Family::C13:
      data[0] = kKeyReportIdBC;
      putBigEndian16(data + 2, mask);
      break;
    case Family::D:
      data[0] = kPenReportId;
      data[1] = kKeySubTypeD;
      putLittleEndian16(data + 3, mask);
      break;
  }
  return report;
}
