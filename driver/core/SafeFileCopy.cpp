#include "driver/core/SafeFileCopy.h"

#include "platform/system/RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

bool fail(QString* error, const QString& why) {
  if (error) *error = why;
  return false;
}

// Everything is read before the target is opened: source and target may be
// the same file.
bool readSource(const QString& source, QByteArray* bytes, QString* error) {
  platform::RegularFileRead file = platform::readRegularFile(QFile::encodeName(source), kLargestCopiedFile);
  if (file.status != platform::RegularFileRead::Status::Read)
    return fail(error, QStringLiteral("cannot read %1: %2").arg(source, file.error));
  *bytes = std::move(file.bytes);
  return true;
}

}  // namespace

bool copyFileReplacing(const QString& source, const QString& target, QString* error) {
  QByteArray bytes;
  if (!readSource(source, &bytes, error)) return false;

  QSaveFile out(target);
  if (!out.open(QIODevice::WriteOnly))
    return fail(error, QStringLiteral("cannot write %1: %2").arg(target, out.errorString()));
  if (out.write(bytes) != bytes.size()) {
    const QString why = out.errorString();
    out.cancelWriting();
    return fail(error, QStringLiteral("cannot write %1: %2").arg(target, why));
  }
  if (!out.commit()) return fail(error, QStringLiteral("cannot replace %1: %2").arg(target, out.errorString()));
  return true;
}

bool copyFileToSharedPlace(const QString& source, const QString& target, QString* error, bool* targetRefused) {
  if (targetRefused) *targetRefused = false;
  auto refuse = [&](const QString& why) {
    if (targetRefused) *targetRefused = true;
    return fail(error, why);
  };
  // Another user may have planted a link at the name, pointing into this
  // user's own files; QSaveFile would write where it points.
  const QFileInfo existing(target);
  if (existing.isSymLink()) return refuse(QStringLiteral("%1 is a symbolic link; nothing is written through it").arg(target));
  if (existing.exists() && !existing.isFile()) return refuse(QStringLiteral("%1 is not a regular file").arg(target));

  QByteArray bytes;
  if (!readSource(source, &bytes, error)) return false;

  // A fresh file of a random name (created exclusively, so nothing planted
  // is opened), then renamed onto the name: rename replaces a link planted
  // meanwhile instead of following it.
  QTemporaryFile out(existing.absolutePath() + QStringLiteral("/.") + existing.fileName() + QStringLiteral(".XXXXXX"));
  if (!out.open()) return fail(error, QStringLiteral("cannot write %1: %2").arg(target, out.errorString()));
  if (out.write(bytes) != bytes.size() || !out.flush())
    return fail(error, QStringLiteral("cannot write %1: %2").arg(target, out.errorString()));
  out.close();
  QFile::setPermissions(out.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  if (std::rename(QFile::encodeName(out.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
    return fail(error, QStringLiteral("cannot replace %1: %2").arg(target, QString::fromLocal8Bit(std::strerror(errno))));
  out.setAutoRemove(false);
  return true;
}
