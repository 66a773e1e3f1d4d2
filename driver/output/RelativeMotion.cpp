#include "driver/output/RelativeMotion.h"

#include <QLoggingCategory>

#include <cmath>

Q_DECLARE_LOGGING_CATEGORY(lcOutput)

namespace {
constexpr double kFullScale = 32767.0;
// The window's slider gives 0 to 1; anything far beyond is not a speed.
constexpr double kMaxMouseRateValue = 1000.0;
// Only the device thread touches it; atomic so that successive device threads
// never race on it.
std::atomic<bool> s_penWasOut{true};
}  // namespace

void RelativeMotion::apply(double& x, double& y, bool outOfRange, const QRectF& bounds) {
  if (m_firstReport) {
    m_output = QPointF(x, y);
    m_firstReport = false;
  }
  if (s_penWasOut.load(std::memory_order_relaxed)) m_last = QPointF(x, y);
  const double dx = x - m_last.x();
  const double dy = y - m_last.y();
  m_last = QPointF(x, y);
  s_penWasOut.store(outOfRange, std::memory_order_relaxed);

  const double rate = m_rate.load(std::memory_order_relaxed);
  double ox = m_output.x() + rate * dx;
  double oy = m_output.y() + rate * dy;

  // The selection's share of the screen picture, without the chosen
  // monitor's offset.
  const double minX = bounds.x() * kFullScale;
  const double maxX = (bounds.x() + bounds.width()) * kFullScale;
  const double minY = bounds.y() * kFullScale;
  const double maxY = (bounds.y() + bounds.height()) * kFullScale;
  if (ox < minX) ox = minX;
  if (oy < minY) oy = minY;
  if (ox > maxX) ox = maxX;
  if (oy > maxY) oy = maxY;
  m_output = QPointF(ox, oy);
  x = ox;
  y = oy;
}

void RelativeMotion::setMouseRate(double value) {
  // A rate that is no number (or infinite) would turn every later position
  // into NaN and pin the pointer; keep the one in force.
  if (!std::isfinite(value) || std::fabs(value) > kMaxMouseRateValue) {
    qCWarning(lcOutput) << "mouse rate" << value << "ignored";
    return;
  }
  const double rate = value * 3.0 + 0.1;
  m_rate.store(rate, std::memory_order_relaxed);
  qCDebug(lcOutput) << "m_mouseRate" << rate;
}

void RelativeMotion::resetPenWasOut() { s_penWasOut.store(true, std::memory_order_relaxed); }
