#pragma once

#include <QObject>
#include <QSet>
#include <QString>

class ConfigFile;

// Tells the user, once per settings file and run, that the settings of a
// file are not being saved: it could not be read (the settings started from
// their defaults) or could not be written (a full disk, a read-only folder);
// and where a damaged file was kept when its settings started again.
// Without this the window would show every change as kept until a restart
// quietly lost it. Lives on the GUI thread; the store may find the trouble
// on any thread.
class SettingsNotice : public QObject {
  Q_OBJECT

 public:
  explicit SettingsNotice(ConfigFile* store, QObject* parent = nullptr);

 public slots:
  void tell(const QString& path, bool unreadable);
  void tellSetAside(const QString& path, const QString& keptAs);

 private:
  QSet<QString> m_told;
};
