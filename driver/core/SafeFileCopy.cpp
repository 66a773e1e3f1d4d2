#include "driver/core/SafeFileCopy.h"

#include <QFile>
#include <QSaveFile>

bool copyFileReplacing(const QString& source, const QString& target, QString* error) {
  auto fail = [error](const QString& why) {
    if (error) *error = why;
    return false;
  };
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly)) return fail(QStringLiteral("cannot read %1: %2").arg(source, in.errorString()));
  // Read everything before the target is opened: source and target may be
  // the same file.
  const QByteArray bytes = in.readAll();
  if (in.error() != QFileDevice::NoError)
    return fail(QStringLiteral("cannot read %1: %2").arg(source, in.errorString()));
  in.close();

  QSaveFile out(target);
  if (!out.open(QIODevice::WriteOnly))
    return fail(QStringLiteral("cannot write %1: %2").arg(target, out.errorString()));
  if (out.write(bytes) != bytes.size()) {
    const QString why = out.errorString();
    out.cancelWriting();
    return fail(QStringLiteral("cannot write %1: %2").arg(target, why));
  }
  if (!out.commit()) return fail(QStringLiteral("cannot replace %1: %2").arg(target, out.errorString()));
  return true;
}
