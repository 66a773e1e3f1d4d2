#include "driver/app/ProgramIdentity.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace ProgramIdentity {

namespace {

const QLatin1String kFlatpak("flatpak:");
const QLatin1String kSnap("snap:");

bool isApplicationName(const QString& name) {
  static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_.-]{1,255}$"));
  return plain.match(name).hasMatch();
}

}  // namespace

bool isSandboxed(const QString& programPath) {
  return programPath.startsWith(kFlatpak) || programPath.startsWith(kSnap);
}

QString baseName(const QString& programPath) {
  return isSandboxed(programPath) ? programPath : QFileInfo(programPath).baseName();
}

QString flatpakProgram(const QString& applicationId) {
  return isApplicationName(applicationId) ? kFlatpak + applicationId : QString();
}

QString snapProgram(const QString& snapName) { return isApplicationName(snapName) ? kSnap + snapName : QString(); }

bool isDriver(const QString& programPath) {
  return baseName(programPath).compare(QLatin1String("varnexDriver"), Qt::CaseInsensitive) == 0;
}

}  // namespace ProgramIdentity
