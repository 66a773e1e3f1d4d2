#pragma once

#include "platform/session/DeviceWatcher.h"
#include "platform/session/linux/HidrawEventSource.h"

#include <QHash>
#include <QSet>
#include <QSocketNotifier>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>

namespace platform {

// Watches hidraw nodes. A node's name is built from its HID device's HID_ID
// in sysfs when it appears, and remembered: by the time its removal is
// announced the node has left sysfs, so the name reported with the removal
// is the one it arrived with. A removal of a node never seen is ignored.
//
// A removal is reported for every node anyone may have heard of: one whose
// arrival was announced, or one a listing handed out (a scan may report it
// as arrived before its own arrival is announced). Only a node that came
// and went inside the settle time, unlisted, passes unreported.
//
// The interfaces of one USB device appear one after another within a few
// milliseconds; arrivals are held back until no new node has appeared for
// kSettleMs, so whoever opens the tablet on its arrival finds every
// interface of it present.
class UdevDeviceWatcher : public DeviceWatcher {
  Q_OBJECT

 public:
  static constexpr int kSettleMs = 250;

  // Null source: no notifications, only listing.
  UdevDeviceWatcher(QString sysfsRoot, QString devRoot, std::unique_ptr<HidrawEventSource> source);
  ~UdevDeviceWatcher() override;

  bool listPresent(QVector<PresentHidDevice>& devices) override;
  bool canOpen(const PresentHidDevice& device) override;

  using DeviceWatcher::setNotificationError;

 private:
  void readEvents();
  void announceArrivals();
  // "VID_3CA1&PID_0101#hidraw3", or "" when the node's identity is unreadable.
  QString nameOf(const QString& node) const;

  QString m_sysfsRoot;
  QString m_devRoot;
  std::unique_ptr<HidrawEventSource> m_source;
  std::unique_ptr<QSocketNotifier> m_notifier;
  QHash<QString, QString> m_names;  // node -> name it arrived with
  QStringList m_pendingArrivals;    // nodes, in arrival order
  QSet<QString> m_handedOut;        // nodes announced or listed, until removed
  QTimer m_settle;
};

}  // namespace platform
