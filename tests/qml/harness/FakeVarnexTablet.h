#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantMap>

// Stands in for the main controller as the window sees it ("VarnextTablet"):
// the same properties, slots and signals. Calls are recorded by name.
class FakeVarnexTablet : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString devName READ devName NOTIFY devStateChanged)
  Q_PROPERTY(QString devModel READ devModel NOTIFY devStateChanged)
  Q_PROPERTY(QVariantMap sysInfo READ sysInfo NOTIFY sysInfoChanged)

 public:
  using QObject::QObject;

  QString devName() const { return m_devName; }
  QString devModel() const { return m_devModel; }
  QVariantMap sysInfo() const { return m_sysInfo; }

  // Sets the names a model shows; the harness emits devStateChanged.
  void setNames(const QString& devName, const QString& devModel) {
    m_devName = devName;
    m_devModel = devModel;
  }

  QStringList calls;
  int currentDevType = -1;

 public slots:
  QString keyToString(int key);
  QString getSoftVersion() { return QStringLiteral("1.0.0.0"); }
  void rereadConfig() {
    calls << "rereadConfig";
    emit devStateChanged(true, currentDevType);
  }
  void calibration() { calls << "calibration"; }
  void showSystemScreenSet() { calls << "showSystemScreenSet"; }
  bool winVerIsGreaterWin10() { return true; }
  void openLogDir() { calls << "openLogDir"; }
  void setRotationAngle(int angle) { calls << QStringLiteral("setRotationAngle(%1)").arg(angle); }

 signals:
  void devStateChanged(bool isArrival, int devType);
  void longPressCenterKey(int devType);
  void sysInfoChanged(QVariantMap sysInfo);

 private:
  QString m_devName;
  QString m_devModel;
  QVariantMap m_sysInfo{{"sysName", "Debian GNU/Linux 12"}, {"sysVer", "12"}, {"sysBits", "x86_64"}};
};
