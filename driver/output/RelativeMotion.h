#pragma once

#include <QPointF>
#include <QRectF>
#include <atomic>

// Relative (mouse) mode: the pen moves the cursor by its own motion times a
// rate instead of placing it. Positions are in digitizer units, 0..32767.
// Lifting the pen out of range and bringing it back elsewhere does not move
// the cursor; only motion while the pen is in range does.
class RelativeMotion {
 public:
  static constexpr double kStartRate = 1.6;

  // (x, y): the mapped position; replaced by the cursor position. bounds: the
  // user's screen selection as a share of the window's screen picture (0..1).
  void apply(double& x, double& y, bool outOfRange, const QRectF& bounds);

  // The pointer speed slider's value (0..1, 0.5 by default) becomes the rate
  // value · 3.0 + 0.1.
  void setMouseRate(double value);
  double rate() const { return m_rate.load(std::memory_order_relaxed); }

  // The pen-was-out flag is one for the whole program: a new tablet's first
  // report starts fresh only when the last tablet's pen had left.
  static void resetPenWasOut();

 private:
  bool m_firstReport = true;
  QPointF m_last;
  QPointF m_output;
  std::atomic<double> m_rate{kStartRate};
};
