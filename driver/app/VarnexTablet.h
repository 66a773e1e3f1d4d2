#pragma once

#include "driver/app/DetectionDevice.h"
#include "driver/app/ProcessInfo.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/display/DisplayMonitorDevice.h"
#include "driver/display/ScreenInfo.h"
#include "driver/firmware/QFirmwareUpgrade.h"

#include <QFuture>
#include <QMutex>
#include <QObject>
#include <QQmlApplicationEngine>
#include <QString>
#include <QVariantMap>

class CalibrationWidget;
class DevOperateThread;
class QTimer;
class Trans;

// Holds the running driver together: it owns device detection, the device
// operation thread, the settings window's engine, the screen information,
// the foreground-program watcher, the monitor identification and the
// firmware controller; it opens a tablet when one arrives and lets it go at
// removal and suspend, and offers the window a small API ("VarnextTablet").
//
// Everything here runs on the GUI thread, except setSysInfo() started at an
// arrival, which runs on the global thread pool.
class VarnexTablet : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString devName READ devName NOTIFY devStateChanged)
  Q_PROPERTY(QString devModel READ devModel NOTIFY devStateChanged)
  Q_PROPERTY(QVariantMap sysInfo READ sysInfo NOTIFY sysInfoChanged)

 public:
  // Builds every member, loads the settings window, connects the signals and
  // scans for a tablet that is already plugged in.
  explicit VarnexTablet(QObject* parent = nullptr);
  ~VarnexTablet() override;

  QString devName() const { return m_devName; }
  QString devModel() const { return m_devModel; }
  QVariantMap sysInfo() const;

  int devType() const { return m_devType; }
  bool isConnected() const { return m_isConnected; }

  DetectionDevice& detection() { return m_detection; }
  DevOperateThread* devOperateThread() const { return m_devOperateThread; }
  CalibrationWidget* calibrationWidget() const { return m_calibrationWidget; }
  QQmlApplicationEngine& engine() { return m_engine; }
  Trans* trans() const { return m_trans; }
  ScreenInfo& screenInfo() { return m_screenInfo; }
  ProcessInfo& processInfo() { return m_processInfo; }
  DisplayMonitorDevice& displayMonitors() { return m_displayMonitorDevice; }
  QFirmwareUpgrade& firmware() { return m_firmwareUpgrade; }
  QTimer* longPressTimer() const { return m_longPressTimer; }

  // How long the dial's centre key must be held to show the key layout.
  static constexpr int kLongPressMs = 800;
  // The window raised after the pen display was rotated: drawing programs
  // lose their place when the screen turns under them.
  static constexpr const char* kRaisedAfterRotation = "Photoshop";

 signals:
  void devStateChanged(bool isArrival, int devType);
  void longPressCenterKey(int devType);
  void sysInfoChanged(QVariantMap sysInfo);

 public slots:
  // Only on arrival: the out-arguments are left alone on removal, and a pen
  // display keeps the previous devModel.
  void getDevName(int devType, bool isArrival, QString& devName, QString& devModel);
  QString keyToString(int key);
  // The program's four-part version, "1.0.0.0".
  QString getSoftVersion();
  // Every page reloads its settings (after an import).
  void rereadConfig();
  void calibration();
  void setRotationAngle(int angle);
  // The pen display's output name after its last "\"; "" without one.
  QString findDigitalScreenName();
  // Opens the desktop's own display settings.
  void showSystemScreenSet();
  // True when the desktop has display settings showSystemScreenSet() can open.
  bool winVerIsGreaterWin10();
  void setSysInfo();
  void openLogDir();
  void onCurrentProcessName(QString name);

 private slots:
  void onDevArrivalOrRemove(MyQmlEnum::VARNEX devType, bool isArrival);
  void onSwiveCenterKey(bool isPressed);
  void onSystemState(DetectionDevice::SyStemState state);
  void onLanguageChanged(const QString& language);

 private:
  void setupQmlEngine();
  // `event` is the arrival's number in m_plugEvents; false also when a later
  // arrival or removal overtook it.
  bool startDevice(MyQmlEnum::VARNEX devType, quint64 event);
  void applyStoredSettings();
  // Shows a pen display's monitor at the stored rotation if it shows another.
  void turnMonitorToStoredRotation(int angle);
  // Tells the user, once, what the desktop needs before programs can have
  // keys of their own; only once there is a program with keys of its own.
  void tellWhatProgramKeysNeed();
  // Once, where the desktop cannot spread the pen over every monitor the
  // chosen screen area covers.
  void tellWhenTheScreenAreaSpansMonitors(const QRect& screenRect);

  DetectionDevice m_detection;
  DevOperateThread* m_devOperateThread = nullptr;
  CalibrationWidget* m_calibrationWidget = nullptr;
  QQmlApplicationEngine m_engine;
  Trans* m_trans = nullptr;
  ScreenInfo m_screenInfo;
  ProcessInfo m_processInfo;
  DisplayMonitorDevice m_displayMonitorDevice;
  QFirmwareUpgrade m_firmwareUpgrade;
  MyQmlEnum::VARNEX m_devType = MyQmlEnum::CFG_None;
  bool m_isConnected = false;
  QString m_devName;
  QTimer* m_longPressTimer = nullptr;
  // Written by the pool thread of setSysInfo(), read by the window.
  mutable QMutex m_sysInfoLock;
  QVariantMap m_sysInfo;
  // The last setSysInfo() on the pool; waited for before this object goes.
  QFuture<void> m_sysInfoTask;
  QString m_devModel;
  bool m_toldMonitorCannotTurn = false;
  bool m_toldWhatProgramKeysNeed = false;
  bool m_toldScreenAreaSpansMonitors = false;
  // Counts arrivals and removals handled, so one that waited on the user
  // can tell that another was handled meanwhile.
  quint64 m_plugEvents = 0;
};
