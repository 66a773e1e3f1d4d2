#include "driver/tablet/CalibrationPoint.h"

#include <QDebug>
#include <QPainter>

CalibrationPoint::CalibrationPoint(QWidget* parent) : QWidget(parent) { setFixedSize(kSize, kSize); }

void CalibrationPoint::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QPen pen = painter.pen();
  pen.setWidthF(2.0);
  painter.setPen(pen);
  painter.fillRect(QRect(0, 0, kSize, kSize), Qt::red);
  // The centre of the cross is the pixel the pen must hit: (60, 60).
  painter.drawLine(30, 60, 90, 60);
  painter.drawLine(60, 30, 60, 90);
  painter.drawLine(46, 46, 72, 72);
  painter.drawLine(46, 74, 74, 46);
}

void CalibrationPoint::mouseReleaseEvent(QMouseEvent*) {
  emit s_mouseRelease(m_currentPoint);
  ++m_currentPoint;
  qDebug() << "mouseReleaseEvent:" << m_currentPoint;
}
