#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

#include <memory>
#include <mutex>

class QTemporaryDir;

// Settings files that this run must leave alone: one that could not be read
// (and could not be moved aside, or was too large, or could not be opened),
// or one that could not be written (a full disk, a read-only folder). Their
// settings go on for the rest of the run in a stand-in file in a private
// folder (below the runtime directory, which lives in memory), so what the
// user sets still takes effect, and the real file is neither read by QSettings
// again nor written over. Shared by every thread that reaches the store.
class InMemorySettingsFiles {
 public:
  enum class Why { NotReadable, NotWritable };
  struct Held {
    QString path;
    Why why;
  };

  InMemorySettingsFiles();
  ~InMemorySettingsFiles();

  // The file QSettings is to open for `path`: `path` itself, or its stand-in.
  QString accessPath(const QString& path) const;
  bool isHeld(const QString& path) const;
  // From now on `path` is held; its stand-in starts with `content` (the
  // settings in effect). False when it was held already.
  bool hold(const QString& path, Why why, const QByteArray& content = QByteArray());
  // `path` is usable again (a sound file was put there).
  void release(const QString& path);
  QVector<Held> held() const;

 private:
  QString standInFor(const QString& path);

  mutable std::mutex m_lock;
  std::unique_ptr<QTemporaryDir> m_dir;
  QHash<QString, QString> m_standIns;
  QHash<QString, Why> m_why;
  int m_made = 0;
};
