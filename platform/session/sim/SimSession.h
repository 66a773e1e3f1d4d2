#pragma once

#include "platform/session/PresentHidDevice.h"

#include <QObject>
#include <QStringList>
#include <QVector>

namespace platform {

// A scripted machine for tests and --simulate. While it lives, the device and
// power watchers that DeviceWatcher::create() and PowerWatcher::create() make
// are driven by it alone: devices are present when plugIn() put them there,
// and sleep, wake and power-off happen when asked. The destructor brings back
// the real watchers for what is created afterwards. One at a time.
//
//   platform::SimSession session;
//   session.plugIn(ModelTable::recognitionText(*model));  // arrives
//   session.unplug(ModelTable::recognitionText(*model));  // leaves
//   session.suspend(); session.resume();
//
// A device name is any text; detection recognises a model by the
// "VID_xxxx&PID_xxxx" it contains (hidDeviceName()).
class SimSession : public QObject {
  Q_OBJECT

 public:
  explicit SimSession(QObject* parent = nullptr);
  ~SimSession() override;

  // The device is present from now on (listed last) and its arrival is
  // reported. Plugging in a name that is present again reports it again.
  void plugIn(const QString& deviceName);
  // The device is no longer present and its removal is reported, also for a
  // name that was never plugged in (a removal the system reports for a device
  // nobody saw arrive).
  void unplug(const QString& deviceName);
  QStringList present() const { return m_present; }

  // From now on listing the present devices fails (or works again).
  void setEnumerationFails(bool fails) { m_enumerationFails = fails; }

  void suspend() { emit suspending(); }
  void resume() { emit resumed(); }
  void powerOff() { emit shuttingDown(); }

  // What the simulated device watcher lists.
  bool listPresent(QVector<PresentHidDevice>& devices) const;

 signals:
  void deviceArrived(const QString& name);
  void deviceRemoved(const QString& name);
  void suspending();
  void resumed();
  void shuttingDown();

 private:
  QStringList m_present;
  bool m_enumerationFails = false;
};

}  // namespace platform
