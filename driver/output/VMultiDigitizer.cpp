#include "driver/output/VMultiDigitizer.h"

#include "driver/core/MyQmlEnum.h"
#include "driver/output/DigitizerSettings.h"
#include "driver/output/VMulti.h"
#include "driver/tablet/ScreenMapper.h"

#include <QLoggingCategory>
#include <algorithm>
#include <cmath>
#include <mutex>

Q_LOGGING_CATEGORY(lcOutput, "varnex.output")

namespace {

constexpr double kFullScale = 32767.0;
constexpr uint8_t kControlReportId = 0x40;
constexpr uint8_t kPenReportId = 0x05;
// Raw status bytes of the tablets' pen reports.
constexpr uint8_t kRawTipDown = 0xA1;
constexpr uint8_t kRawHover = 0xA0;
// The Fjord2Pro sends reports with these status bits while the pen crosses
// the display's edge; their positions are garbage.
constexpr uint8_t kFjord2ProEdgeBits = 0x18;

// Set by a contact, cleared by the lift report that follows it; one for the
// whole program, touched only by the device thread.
std::atomic<bool> s_tipTouched{false};

// round() with halves away from zero, kept inside the digitizer's range even
// for a position that is no number.
uint16_t toCoordinate(double value) {
  if (!(value >= 0)) return 0;
  return uint16_t(std::min(std::round(value), kFullScale));
}

uint16_t toWholeCoordinate(double value) {
  if (!(value >= 0)) return 0;
  return uint16_t(std::min(std::trunc(value), kFullScale));
}

void putWord(uint8_t* at, uint16_t value) {
  at[0] = uint8_t(value & 0xFF);
  at[1] = uint8_t(value >> 8);
}

// Tilt bytes 0..255 from the tablet are signed.
uint8_t toTilt(double raw) {
  double value = std::clamp(raw, -128.0, 255.0);
  if (value > 127) value -= 256;
  return uint8_t(int(std::lround(value)) & 0xFF);
}

}  // namespace

VMultiDigitizer::VMultiDigitizer(VMulti* link, std::shared_ptr<ScreenMapper> mapper, int deviceType, QObject* parent)
    : QObject(parent),
      m_link(link),
      m_mapper(std::move(mapper)),
      m_deviceType(deviceType),
      m_curve(DigitizerSettings::pressureCurve()),
      m_relative(DigitizerSettings::relativeMode()) {
  m_report[0] = kControlReportId;
  m_report[1] = (link && link->linkType() == 0) ? 8 : 10;
  m_report[2] = kPenReportId;
}

uint8_t VMultiDigitizer::statusForCode(int code) {
  switch (code) {
    case 2:
    case 4:
    case 6: return 0x20;  // in range
    case 3:
    case 5:
    case 7: return 0x21;  // in range, tip down
    case 8: return 0x28;  // in range, inverted
    case 9: return 0x2C;  // eraser down
    default: return 0x00;
  }
}

void VMultiDigitizer::resetLiftState() { s_tipTouched.store(false, std::memory_order_relaxed); }

void VMultiDigitizer::setPressureCurvePoint(const QPointF& topPoint, const QPointF& midPoint,
                                            const QPointF& bottomPoint) {
  std::lock_guard<std::mutex> locker(m_curveLock);
  m_curve.topPoint = topPoint;
  m_curve.midPoint = midPoint;
  m_curve.bottomPoint = bottomPoint;
}

PressureCurve VMultiDigitizer::pressureCurve() const {
  std::lock_guard<std::mutex> locker(m_curveLock);
  return m_curve;
}

float VMultiDigitizer::curvePressure(double pressure) const {
  const float input = float(pressure);
  const float f = pressureCurve().evaluate(input);
  // Points with one x give no number: the pen's own pressure goes on. A curve
  // leaving the unit square is held at its edges, so a light touch never
  // turns into full pressure.
  const float shaped = std::isnan(f) ? input : f;
  if (!(shaped >= 0.0f)) return 0.0f;
  return std::min(shaped, 1.0f);
}

bool VMultiDigitizer::sendPen(const PenState& pen) {
  if (m_deviceType == MyQmlEnum::CFG_Fjord2Pro && (pen.status & kFjord2ProEdgeBits)) return false;

  double x = pen.x;
  double y = pen.y;
  if (m_mapper) m_mapper->map(x, y);
  x *= kFullScale;
  y *= kFullScale;
  if (m_relative.load(std::memory_order_relaxed)) {
    const QRectF bounds = m_mapper ? m_mapper->screenSelectionShare() : QRectF(0, 0, 1, 1);
    m_relativeMotion.apply(x, y, pen.outOfRange, bounds);
  }

  const float f = curvePressure(pen.pressure);
  const bool narrowRange = m_deviceType == MyQmlEnum::CFG_Fjord1 || m_deviceType == MyQmlEnum::CFG_Fjord5;
  const float liveMaximum = narrowRange ? 2047.0f : 8191.0f;
  const float live = std::floor(liveMaximum * f + 0.5f);
  emit s_pressureValue(f, live);

  m_report[3] = statusForCode(pen.code);
  putWord(m_report + 4, toCoordinate(x));
  putWord(m_report + 6, toCoordinate(y));
  putWord(m_report + 8, uint16_t(std::round(float(double(f) * 2047.0))));
  m_report[10] = toTilt(pen.tiltX);
  m_report[11] = toTilt(pen.tiltY);
  writeReport();

  if (!m_winLnk.load(std::memory_order_relaxed)) liftAfterContact(x, y, pen.status);
  return true;
}

void VMultiDigitizer::releasePen() {
  if (m_report[3] == 0x00) return;  // never in range, or already out
  m_report[3] = 0x00;
  putWord(m_report + 8, 0);
  m_report[10] = 0;
  m_report[11] = 0;
  writeReport();
  resetLiftState();
}

void VMultiDigitizer::writeReport() {
  if (!m_link) return;
  m_link->setBuffer(m_report, kReportSize);
  m_link->write();
}

// Without Windows Ink the system keeps a pen that only hovers after a contact
// as if it were still pressing; taking it out of range at once ends the
// stroke.
void VMultiDigitizer::liftAfterContact(double x, double y, uint8_t rawStatus) {
  if (rawStatus == kRawTipDown) {
    s_tipTouched.store(true, std::memory_order_relaxed);
  } else if (!s_tipTouched.load(std::memory_order_relaxed)) {
    return;
  }
  if (rawStatus != kRawHover) return;
  m_report[3] = 0x00;
  putWord(m_report + 4, toWholeCoordinate(x));
  putWord(m_report + 6, toWholeCoordinate(y));
  putWord(m_report + 8, 0);
  m_report[10] = 0;
  m_report[11] = 0;
  writeReport();
  s_tipTouched.store(false, std::memory_order_relaxed);
}
