#pragma once

#include "platform/session/PresentHidDevice.h"

#include <QObject>
#include <QString>
#include <QVector>
#include <functional>
#include <memory>

namespace platform {

// Tells when a HID device arrives or leaves, and lists the ones present. The
// names it reports carry the device's USB identity as hidDeviceName() spells
// it. Signals are emitted on the thread that created the watcher.
class DeviceWatcher : public QObject {
  Q_OBJECT

 public:
  using Factory = std::function<std::unique_ptr<DeviceWatcher>()>;

  // The HID devices present now, in enumeration order; false when the list
  // itself cannot be read. Devices whose identity cannot be read are left out.
  virtual bool listPresent(QVector<PresentHidDevice>& devices) = 0;

  // Whether the device opens for reading and writing right now.
  virtual bool canOpen(const PresentHidDevice& device) = 0;

  // Why arrivals and removals cannot be reported (no udev in a container);
  // empty when they can. Such a watcher still lists devices.
  QString notificationError() const { return m_notificationError; }

  // A watcher of the current kind: the installed factory's, else the Linux
  // one (udev).
  static std::unique_ptr<DeviceWatcher> create();
  // Replaces the kind of watcher create() makes; an empty factory brings
  // back the Linux one. Watchers made before keep running.
  static void installFactory(Factory factory);

 signals:
  void deviceArrived(const QString& name);
  void deviceRemoved(const QString& name);

 protected:
  explicit DeviceWatcher(QObject* parent = nullptr) : QObject(parent) {}
  void setNotificationError(const QString& error) { m_notificationError = error; }

 private:
  QString m_notificationError;
};

// The udev watcher on the real /sys and /dev.
std::unique_ptr<DeviceWatcher> createDefaultDeviceWatcher();

}  // namespace platform
