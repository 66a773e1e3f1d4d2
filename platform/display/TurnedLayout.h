#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace platform {

// Where a monitor goes when a neighbour turns: one right of the turned
// monitor, or below it, moves by the change of its size, so the desktop
// keeps no gap and no overlap (compositors refuse layouts with either).
inline QPoint positionBesideTurned(QPoint position, const QRect& turnedBefore, QSize turnedAfter) {
  if (position.x() >= turnedBefore.x() + turnedBefore.width())
    position.rx() += turnedAfter.width() - turnedBefore.width();
  if (position.y() >= turnedBefore.y() + turnedBefore.height())
    position.ry() += turnedAfter.height() - turnedBefore.height();
  return position;
}

}  // namespace platform
