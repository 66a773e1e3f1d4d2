#include "platform/session/linux/AppIdProgram.h"

#include "platform/process/linux/ProcessTable.h"
#include "platform/session/SandboxedProgram.h"
#include "platform/system/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

namespace {

constexpr qint64 kMaxEntryBytes = 1 << 20;

// Exec's program, Flatpak's and snapd's ids, from an entry's main group.
struct EntryKeys {
  QString exec;
  QString flatpakId;
  QString snapName;
};

EntryKeys readEntry(const QString& path) {
  EntryKeys keys;
  const RegularFileRead file = readRegularFile(QFile::encodeName(path), kMaxEntryBytes);
  if (file.status != RegularFileRead::Status::Read) return keys;
  bool inEntry = false;
  for (const QByteArray& raw : file.bytes.split('\n')) {
    const QString line = QString::fromUtf8(raw).trimmed();
    if (line.startsWith(QLatin1Char('['))) {
      inEntry = line == QLatin1String("[Desktop Entry]");
      continue;
    }
    const int equals = line.indexOf(QLatin1Char('='));
    if (!inEntry || equals <= 0) continue;
    const QString key = line.left(equals).trimmed();
    const QString value = line.mid(equals + 1).trimmed();
    if (key == QLatin1String("Exec") && keys.exec.isEmpty()) keys.exec = value;
    if (key == QLatin1String("X-Flatpak")) keys.flatpakId = value;
    if (key == QLatin1String("X-SnapInstanceName")) keys.snapName = value;
  }
  return keys;
}

// The first word of an Exec line that is neither env nor an assignment.
QString execProgram(const QString& exec) {
  const QStringList words = exec.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (int i = 0; i < words.size(); ++i) {
    QString word = words.at(i);
    if (word.startsWith(QLatin1Char('"'))) word = word.mid(1, word.size() - 2);
    if ((i == 0 && QFileInfo(word).fileName() == QLatin1String("env")) || word.contains(QLatin1Char('='))) continue;
    return word;
  }
  return QString();
}

QString realExecutable(const QString& program) {
  const QString found = QDir::isAbsolutePath(program) ? program : QStandardPaths::findExecutable(program);
  return found.isEmpty() ? QString() : QFileInfo(found).canonicalFilePath();
}

}  // namespace

QString programOfAppId(const QString& appId, const QStringList& applicationFolders) {
  if (appId.isEmpty() || appId.contains(QLatin1Char('/'))) return QString();
  QString entryPath;
  const QString entryName = appId + QLatin1String(".desktop");
  if (applicationFolders.isEmpty()) {
    entryPath = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entryName);
  } else {
    for (const QString& folder : applicationFolders) {
      if (QFileInfo(folder + QLatin1Char('/') + entryName).isFile()) {
        entryPath = folder + QLatin1Char('/') + entryName;
        break;
      }
    }
  }
  if (!entryPath.isEmpty()) {
    const EntryKeys keys = readEntry(entryPath);
    if (SandboxedProgram::isFlatpakId(keys.flatpakId)) return SandboxedProgram::flatpak(keys.flatpakId);
    if (SandboxedProgram::isSnapName(keys.snapName)) return SandboxedProgram::snap(keys.snapName);
    const QString program = realExecutable(execProgram(keys.exec));
    if (!program.isEmpty()) return program;
  }
  const QString program = realExecutable(appId);
  return program.isEmpty() ? appId : program;
}

QString programOfWindow(const std::string& procRoot, int pid, QString appId) {
  if (pid > 0) {
    const QString program = QString::fromStdString(ProcessTable(procRoot).programPath(pid));
    if (!program.isEmpty()) return program;
  }
  // GNOME names apps by their desktop entry's file name.
  if (appId.endsWith(QLatin1String(".desktop"))) appId.chop(8);
  return programOfAppId(appId, {});
}

}  // namespace platform
