#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

namespace platform {

// Pins the driver's virtual pen to one of KWin's outputs through KWin's
// input-device interface (what Plasma's drawing-tablet settings set), now
// and each time KWin adds the pen again: the driver makes a new one when a
// tablet of another kind arrives.
class KWinTabletPin : public QObject {
  Q_OBJECT

 public:
  explicit KWinTabletPin(QDBusConnection bus = QDBusConnection::sessionBus());

  void pinTo(const QString& outputName);

 private slots:
  void deviceAdded(const QString& sysName);

 private:
  QStringList deviceNames() const;
  bool isVirtualPen(const QString& sysName) const;
  void pin(const QString& sysName);

  QDBusConnection m_bus;
  QString m_outputName;
};

}  // namespace platform
