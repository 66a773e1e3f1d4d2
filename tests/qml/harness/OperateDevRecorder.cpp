#include "OperateDevRecorder.h"

namespace {
QString point(const QPointF& p) { return QStringLiteral("%1,%2").arg(p.x()).arg(p.y()); }
}  // namespace

OperateDevRecorder::OperateDevRecorder(DevOperateThread& device, QObject* parent)
    : QObject(parent), m_device(device) {
  connect(&device, &DevOperateThread::s_pressureValue, this, &OperateDevRecorder::s_pressureValue);
  connect(&device, &DevOperateThread::showTabletDriver, this, &OperateDevRecorder::showTabletDriver);
  connect(&device, &DevOperateThread::swiveCenterKey, this, &OperateDevRecorder::swiveCenterKey);
  connect(&device, &DevOperateThread::s_penInfo, this, &OperateDevRecorder::s_penInfo);
}

int OperateDevRecorder::count(const QString& prefix) const {
  int n = 0;
  for (const QString& call : calls)
    if (call.startsWith(prefix)) ++n;
  return n;
}

void OperateDevRecorder::setWinLnk(bool isWinLnk) {
  calls << QStringLiteral("setWinLnk(%1)").arg(isWinLnk);
  m_device.setWinLnk(isWinLnk);
}

void OperateDevRecorder::setPressureCurvePoint(QPointF topPoint, QPointF midPoint, QPointF bottomPoint) {
  calls << QStringLiteral("setPressureCurvePoint(%1 %2 %3)").arg(point(topPoint), point(midPoint), point(bottomPoint));
  m_device.setPressureCurvePoint(topPoint, midPoint, bottomPoint);
}

void OperateDevRecorder::setMapperArea(QRect screenRect, QRect allScreenRect) {
  calls << "setMapperArea(rects)";
  m_device.setMapperArea(screenRect, allScreenRect);
}

void OperateDevRecorder::setMapperArea() {
  calls << "setMapperArea()";
  m_device.setMapperArea();
}

void OperateDevRecorder::setRotationAngle(int angle) {
  calls << QStringLiteral("setRotationAngle(%1)").arg(angle);
  m_device.setRotationAngle(angle);
}

void OperateDevRecorder::setRelativeModel(bool isRelative) {
  calls << QStringLiteral("setRelativeModel(%1)").arg(isRelative);
  m_device.setRelativeModel(isRelative);
}

void OperateDevRecorder::setMouseRate(double value) {
  calls << QStringLiteral("setMouseRate(%1)").arg(value);
  m_device.setMouseRate(value);
}

void OperateDevRecorder::setHideHint(bool isHideHint) {
  calls << QStringLiteral("setHideHint(%1)").arg(isHideHint);
  m_device.setHideHint(isHideHint);
}

double OperateDevRecorder::getTableSize(int type) { return m_device.getTableSize(type); }

void OperateDevRecorder::setDefalutCalibration() {
  calls << "setDefalutCalibration";
  m_device.setDefalutCalibration();
}
