#include "platform/session/SandboxedProgram.h"

#include <QRegularExpression>

namespace platform {
namespace SandboxedProgram {

namespace {

const QLatin1String kFlatpakPrefix("flatpak:");
const QLatin1String kSnapPrefix("snap:");

}  // namespace

bool isFlatpakId(const QString& id) {
  static const QRegularExpression form(QStringLiteral("^[A-Za-z_][A-Za-z0-9_-]*(\\.[A-Za-z_][A-Za-z0-9_-]*)+$"));
  return id.size() <= 255 && form.match(id).hasMatch();
}

bool isSnapName(const QString& name) {
  static const QRegularExpression form(QStringLiteral("^[a-z0-9]+(-[a-z0-9]+)*$"));
  return name.size() <= 40 && form.match(name).hasMatch();
}

QString flatpak(const QString& applicationId) { return kFlatpakPrefix + applicationId; }
QString snap(const QString& snapName) { return kSnapPrefix + snapName; }

QString idOf(const QString& program) {
  if (program.startsWith(kFlatpakPrefix)) {
    const QString id = program.mid(kFlatpakPrefix.size());
    return isFlatpakId(id) ? id : QString();
  }
  if (program.startsWith(kSnapPrefix)) {
    const QString name = program.mid(kSnapPrefix.size());
    return isSnapName(name) ? name : QString();
  }
  return QString();
}

bool isSandboxed(const QString& program) { return !idOf(program).isEmpty(); }

QString shortNameOf(const QString& program) {
  const QString id = idOf(program);
  return id.mid(id.lastIndexOf(QLatin1Char('.')) + 1);
}

QStringList launchCommand(const QString& program) {
  const QString id = idOf(program);
  if (id.isEmpty()) return {};
  return {program.startsWith(kFlatpakPrefix) ? QStringLiteral("flatpak") : QStringLiteral("snap"),
          QStringLiteral("run"), id};
}

}  // namespace SandboxedProgram
}  // namespace platform
