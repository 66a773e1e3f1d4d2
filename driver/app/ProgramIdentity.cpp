#include "driver/app/ProgramIdentity.h"

#include "platform/session/SandboxedProgram.h"

#include <QFileInfo>

namespace ProgramIdentity {

QString baseName(const QString& programPath) {
  return platform::SandboxedProgram::isSandboxed(programPath) ? programPath : QFileInfo(programPath).baseName();
}

bool isDriver(const QString& programPath) {
  return baseName(programPath).compare(QLatin1String("varnexDriver"), Qt::CaseInsensitive) == 0;
}

}  // namespace ProgramIdentity
