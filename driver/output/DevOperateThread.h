#pragma once

#include <QMutex>
#include <QPointF>
#include <QRect>
#include <QThread>
#include <atomic>
#include <memory>

class CommandHandler;
class DevInfo;
class HintWidget;
class ScreenMapper;
class Tablet;
class VMulti;
class VMultiDigitizer;

// Everything that lives while one tablet is in use: the two links to the
// virtual pen, the model description, the script's command handler with the
// tablet and screen mapper, the digitizer and the hint popup. The object
// lives in the window thread; only run() executes on the worker, reading one
// report after the other and sending each pen report to the system.
//
// The slots change the running mapper and digitizer at once; those objects
// guard the fields the worker reads. Each slot does nothing while no device
// is started.
class DevOperateThread : public QThread {
  Q_OBJECT

 public:
  explicit DevOperateThread(QObject* parent = nullptr);
  ~DevOperateThread() override;

  // Opens the tablet of a device type and starts the worker. firmwareSource
  // is the firmware controller, whose "firmwareVer" property tells a MesaB
  // with the wider coordinate range; it may be null. True when the worker
  // was started.
  bool startReadingDev(int deviceType, QObject* firmwareSource);
  // Stops the worker (cancelling the read it waits in) and releases
  // everything but the hint popup.
  void endReadingDev();

  // What the current start built; null while stopped.
  Tablet* tablet() const { return m_tablet; }
  ScreenMapper* screenMapper() const { return m_screenMapper.get(); }
  VMultiDigitizer* digitizer() const { return m_digitizer.get(); }
  VMulti* digitizerLink() const { return m_digitizerLink.get(); }
  VMulti* controlLink() const { return m_controlLink.get(); }
  HintWidget* hintWidget() const { return m_hintWidget; }

 public slots:
  void setWinLnk(bool isWinLnk);
  void setPressureCurvePoint(QPointF topPoint, QPointF midPoint, QPointF bottomPoint);
  void setMapperArea(QRect screenRect, QRect allScreenRect);
  void setMapperArea(QRect screenRect) { setMapperArea(screenRect, QRect()); }
  void setMapperArea() { setMapperArea(QRect(), QRect()); }
  void setRotationAngle(int angle);
  void setRelativeModel(bool isRelative);
  void setMouseRate(double value);
  void setHideHint(bool isHideHint);
  // The tablet's width (type 0) or height (type 1) in millimetres; 0 otherwise.
  double getTableSize(int type);
  void onClickCalibrationPoint(int id);
  void calculateCalibrationPointScreenPos(QRect& screenRect);
  void setDefalutCalibration();
  void moveHintTextPos(QRect& pos);

 signals:
  void s_pressureValue(float currentPressureRate, float currentPressureValue);
  void showTabletDriver();
  void swiveCenterKey(bool isPressed);
  // Raw X, raw Y, tilt X byte, tilt Y byte and raw pressure of a pen report.
  void s_penInfo(int x, int y, int xTile, int yTile, int pressure);

 protected:
  void run() override;

 private:
  bool openLinks();
  void stopWorker();

  std::unique_ptr<VMulti> m_digitizerLink;
  std::unique_ptr<VMulti> m_controlLink;
  std::unique_ptr<DevInfo> m_devInfo;
  std::unique_ptr<VMultiDigitizer> m_digitizer;
  std::unique_ptr<CommandHandler> m_commandHandler;
  Tablet* m_tablet = nullptr;
  std::shared_ptr<ScreenMapper> m_screenMapper;
  HintWidget* m_hintWidget = nullptr;

  // The pen position of the last pen report, for calibration taps that the
  // window thread records while the worker decodes the next report.
  mutable QMutex m_lastPenLock;
  QPointF m_lastPen;
};
