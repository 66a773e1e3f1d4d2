#include "driver/core/InMemorySettingsFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTemporaryDir>

Q_DECLARE_LOGGING_CATEGORY(lcConfig)

InMemorySettingsFiles::InMemorySettingsFiles() = default;
InMemorySettingsFiles::~InMemorySettingsFiles() = default;

QString InMemorySettingsFiles::accessPath(const QString& path) const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_standIns.value(path, path);
}

bool InMemorySettingsFiles::isHeld(const QString& path) const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_standIns.contains(path);
}

QString InMemorySettingsFiles::standInFor(const QString& path) {
  if (!m_dir) {
    // The runtime directory is memory on a desktop, and a full disk is one
    // reason to be here; Qt only hands it out when it is the user's own.
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty()) base = QDir::tempPath();
    m_dir = std::make_unique<QTemporaryDir>(base + QStringLiteral("/varnex-settings-XXXXXX"));
    if (!m_dir->isValid()) qCWarning(lcConfig) << "cannot make a folder for settings held in memory below" << base;
  }
  // Numbered, so two held files of the same name never share a stand-in.
  const QString name = QStringLiteral("%1-%2").arg(++m_made).arg(QFileInfo(path).fileName());
  return m_dir->isValid() ? m_dir->filePath(name) : QString();
}

bool InMemorySettingsFiles::hold(const QString& path, Why why, const QByteArray& content) {
  std::lock_guard<std::mutex> locker(m_lock);
  if (m_standIns.contains(path)) return false;
  const QString standIn = standInFor(path);
  if (!standIn.isEmpty() && !content.isEmpty()) {
    QFile file(standIn);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
      qCWarning(lcConfig) << "cannot keep the settings of" << path << "in memory:" << file.errorString();
  }
  m_standIns.insert(path, standIn);
  m_why.insert(path, why);
  return true;
}

void InMemorySettingsFiles::release(const QString& path) {
  std::lock_guard<std::mutex> locker(m_lock);
  const QString standIn = m_standIns.take(path);
  m_why.remove(path);
  if (!standIn.isEmpty()) QFile::remove(standIn);
}

QVector<InMemorySettingsFiles::Held> InMemorySettingsFiles::held() const {
  std::lock_guard<std::mutex> locker(m_lock);
  QVector<Held> result;
  for (auto it = m_why.cbegin(); it != m_why.cend(); ++it) result.append({it.key(), it.value()});
  return result;
}
