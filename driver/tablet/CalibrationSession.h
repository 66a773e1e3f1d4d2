#pragma once

#include "driver/core/CalibrationCalculationPoint.h"

#include <QMutex>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <array>
#include <functional>
#include <map>

// One run of the five-target calibration as the screen mapper sees it: the
// target pixels on the display and the pen position (tablet millimetres)
// recorded when each target was tapped. Samples stay across runs and are
// overwritten by id, so a target tapped twice keeps its last tap.
//
// Runs on the window thread; the lock only guards against a caller on
// another thread.
class CalibrationSession {
 public:
  static constexpr int kLastPoint = 4;

  // Maps a pen position in millimetres to the normalised desktop position,
  // without the correction being fitted.
  using UncorrectedMap = std::function<void(double& x, double& y)>;

  void setTargets(const QRect& screenRect);
  std::array<QPoint, 5> targets() const;

  // Records the pen position for target `id`. True when `id` is the last
  // target, i.e. the caller should now fit.
  bool record(int id, double mx, double my);
  // The recorded position, (0, 0) for a target never tapped.
  QPointF sample(int id) const;

  // Maps every sample to a pen pixel on `screen` (the whole desktop the
  // normalised positions refer to) and fits the correction. False on a
  // degenerate set; `result` is then untouched.
  bool fit(const UncorrectedMap& map, const QRect& screen, CalibrationCalculationPoint& result) const;

 private:
  mutable QMutex m_lock;
  std::array<QPoint, 5> m_targets{};
  std::map<int, QPointF> m_samples;
};
