#pragma once

#include <QObject>
#include <QVariantList>

// Stands in for the foreground-program watcher ("ProcessInfo").
class FakeProcessInfo : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

 public slots:
  QVariantList getAllAppPathList() { return {QStringLiteral("/usr/bin/krita"), QStringLiteral("/usr/bin/gimp")}; }

 signals:
  void foregroundWindowAppIndex(int index);
  void s_currentProcessName(QString name);
  void candidatesChanged();
};
