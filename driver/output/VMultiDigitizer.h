#pragma once

#include "driver/output/PressureCurve.h"
#include "driver/output/RelativeMotion.h"
#include "driver/tablet/PenState.h"

#include <QObject>
#include <QPointF>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

class ScreenMapper;
class VMulti;

// Turns decoded pen states into the 12-byte pen reports of the virtual pen
// device: mapped position, pressure through the user's curve, tilt, and a
// status byte by the pen's state.
//
// sendPen() runs on the device thread for every pen report; the setters come
// from the window thread and take effect from the next report on.
class VMultiDigitizer : public QObject {
  Q_OBJECT

 public:
  static constexpr int kReportSize = 12;

  // link: where the reports go (not owned, may be null). mapper: kept alive
  // for as long as this digitizer maps with it.
  VMultiDigitizer(VMulti* link, std::shared_ptr<ScreenMapper> mapper, int deviceType, QObject* parent = nullptr);

  // Builds and writes one pen report; false when the report was dropped.
  bool sendPen(const PenState& pen);

  void setPressureCurvePoint(const QPointF& topPoint, const QPointF& midPoint, const QPointF& bottomPoint);
  PressureCurve pressureCurve() const;
  void setRelativeModel(bool isRelative) { m_relative.store(isRelative, std::memory_order_relaxed); }
  bool relativeModel() const { return m_relative.load(std::memory_order_relaxed); }
  void setMouseRate(double value) { m_relativeMotion.setMouseRate(value); }
  double mouseRate() const { return m_relativeMotion.rate(); }
  void setWinLnk(bool isWinLnk) { m_winLnk.store(isWinLnk, std::memory_order_relaxed); }
  bool winLnk() const { return m_winLnk.load(std::memory_order_relaxed); }

  int deviceType() const { return m_deviceType; }
  const std::shared_ptr<ScreenMapper>& screenMapper() const { return m_mapper; }
  // The last pen report built, as written.
  const uint8_t* report() const { return m_report; }

  // The status byte of a pen-state code.
  static uint8_t statusForCode(int code);
  // Forgets a contact left over from an earlier digitizer (tests).
  static void resetLiftState();

  // Takes the pen out of range where it last was: tip up, no pressure, so
  // a tablet pulled out in the middle of a stroke leaves no stroke open.
  void releasePen();

 signals:
  void s_pressureValue(float currentPressureRate, float currentPressureValue);

 private:
  float curvePressure(double pressure) const;
  void writeReport();
  void liftAfterContact(double x, double y, uint8_t rawStatus);

  VMulti* m_link;
  std::shared_ptr<ScreenMapper> m_mapper;
  const int m_deviceType;
  uint8_t m_report[kReportSize] = {};

  mutable std::mutex m_curveLock;
  PressureCurve m_curve;
  std::atomic<bool> m_relative{false};
  std::atomic<bool> m_winLnk{true};
  RelativeMotion m_relativeMotion;
};
