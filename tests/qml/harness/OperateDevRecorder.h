#pragma once

#include "driver/output/DevOperateThread.h"

#include <QObject>
#include <QPointF>
#include <QRect>
#include <QStringList>

// What the window sees as "OperateDev": the slots and signals of the real
// device operation thread, each call passed on to it and written down, so a
// test can both count the calls and look at the running device.
class OperateDevRecorder : public QObject {
  Q_OBJECT

 public:
  explicit OperateDevRecorder(DevOperateThread& device, QObject* parent = nullptr);

  DevOperateThread& device() { return m_device; }
  QStringList calls;
  int count(const QString& prefix) const;

 public slots:
  void setWinLnk(bool isWinLnk);
  void setPressureCurvePoint(QPointF topPoint, QPointF midPoint, QPointF bottomPoint);
  void setMapperArea(QRect screenRect, QRect allScreenRect);
  void setMapperArea();
  void setRotationAngle(int angle);
  void setRelativeModel(bool isRelative);
  void setMouseRate(double value);
  void setHideHint(bool isHideHint);
  double getTableSize(int type);
  void setDefalutCalibration();

 signals:
  void s_pressureValue(float currentPressureRate, float currentPressureValue);
  void showTabletDriver();
  void swiveCenterKey(bool isPressed);
  void s_penInfo(int x, int y, int xTile, int yTile, int pressure);

 private:
  DevOperateThread& m_device;
};
