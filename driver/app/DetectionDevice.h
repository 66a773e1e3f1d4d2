#pragma once

#include "driver/core/MyQmlEnum.h"

#include <QByteArray>
#include <QWidget>
#include <memory>

namespace platform {
class DeviceWatcher;
class PowerWatcher;
}  // namespace platform

// Tells the driver which supported model is plugged in, when it arrives or
// leaves, when the machine goes to sleep or wakes, and when a later start of
// the program asks this one to show its window. A widget that is never
// shown; the events come from the session's device and power watchers, and
// the hand-over message through copyData().
//
// Arrival and removal are each reported once per plug-in: a second arrival
// before a removal, and a removal without a reported arrival, are dropped.
// Only the removal of the device whose arrival was reported counts: another
// tablet unplugged meanwhile leaves the one in use alone.
class DetectionDevice : public QWidget {
  Q_OBJECT

 public:
  enum SyStemState { SystemResumed = 0, SystemSuspending = 1 };
  Q_ENUM(SyStemState)

  // The title of the settings window, which a hand-over brings forward.
  static constexpr const char* kSettingsWindowTitle = "Varnex_tablet_driver";

  explicit DetectionDevice(QWidget* parent = nullptr);
  ~DetectionDevice() override;

  // Whether an arrival has been reported and its removal not yet.
  bool isConnected() const { return m_connected; }

  // A message of a later start (HandOverMessage's dwData and bytes). 10086
  // shows the window and brings the settings window forward; true when the
  // message was handled, false for any other, which is passed on.
  bool copyData(quint32 dwData, const QByteArray& data);

 public slots:
  // Looks at the HID devices present now and reports the first supported
  // one that opens as arrived (at most one per scan). Clears the connected
  // flag first.
  void scanDevices();

 signals:
  void s_devTypeAndState(MyQmlEnum::VARNEX devType, bool isDevArrival);
  void s_showTablet();
  void s_systemState(DetectionDevice::SyStemState state);

 private:
  void onDeviceArrived(const QString& name);
  void onDeviceRemoved(const QString& name);
  void onSuspending();
  void onResumed();
  void onShuttingDown();
  void raiseSettingsWindow();

  std::unique_ptr<platform::DeviceWatcher> m_devices;
  std::unique_ptr<platform::PowerWatcher> m_power;
  bool m_connected = false;
  // The device whose arrival was reported while m_connected is set.
  QString m_connectedName;
};
