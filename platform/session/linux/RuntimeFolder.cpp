#include "platform/session/RuntimeFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringList>

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace platform {

namespace {

QString reason(int error) { return QString::fromLocal8Bit(strerror(error)); }

// A folder we may keep the lock in: a real folder (a link could be swapped
// under us), ours, and not writable by group or others. `followLinks` for
// the folder the session names: its own link, if any, is the session's.
bool isPrivateFolder(const QString& path, bool followLinks, QString& problem) {
  if (path.isEmpty() || !QDir::isAbsolutePath(path)) {
    problem = QStringLiteral("not an absolute path");
    return false;
  }
  const QByteArray native = QFile::encodeName(path);
  struct stat status {};
  const int result = followLinks ? ::stat(native.constData(), &status) : ::lstat(native.constData(), &status);
  if (result != 0) {
    problem = reason(errno);
    return false;
  }
  if (!S_ISDIR(status.st_mode)) {
    problem = QStringLiteral("not a folder");
    return false;
  }
  if (status.st_uid != ::geteuid()) {
    problem = QStringLiteral("owned by user %1").arg(status.st_uid);
    return false;
  }
  if (status.st_mode & (S_IWGRP | S_IWOTH)) {
    problem = QStringLiteral("writable by others (mode %1)").arg(status.st_mode & 07777, 4, 8, QLatin1Char('0'));
    return false;
  }
  return true;
}

// mkdir makes the folder with its mode in one step: nobody can slip in
// between creating and restricting it. An existing one must pass the check.
bool makeOrReuse(const QString& path, QString& problem) {
  if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0 && errno != EEXIST) {
    problem = reason(errno);
    return false;
  }
  return isPrivateFolder(path, false, problem);
}

}  // namespace

QString privateRuntimeFolder(QString* why) {
  QStringList problems;
  QString problem;
  const QString session = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (session.isEmpty()) {
    problems << QStringLiteral("XDG_RUNTIME_DIR is not set");
  } else if (isPrivateFolder(session, true, problem)) {
    return QDir::cleanPath(session);
  } else {
    problems << QStringLiteral("XDG_RUNTIME_DIR %1: %2").arg(session, problem);
  }

  const QString inTemp = QStringLiteral("%1/VarnexDriver-%2").arg(QDir::tempPath()).arg(::geteuid());
  if (makeOrReuse(inTemp, problem)) return inTemp;
  problems << QStringLiteral("%1: %2").arg(inTemp, problem);

  // Another user may have taken our name in the temporary folder; nobody
  // but us can write into our home.
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
  const QString inHome = cache + QStringLiteral("/VarnexDriver-runtime");
  QDir().mkpath(cache);
  if (makeOrReuse(inHome, problem)) return inHome;
  problems << QStringLiteral("%1: %2").arg(inHome, problem);

  if (why) *why = problems.join(QStringLiteral("; "));
  return QString();
}

}  // namespace platform
