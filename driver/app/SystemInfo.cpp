#include "driver/app/SystemInfo.h"

#include <QSysInfo>

namespace SystemInfo {

QVariantMap read() {
  QVariantMap info;
  info.insert(QStringLiteral("sysName"), QSysInfo::prettyProductName());
  info.insert(QStringLiteral("sysVer"), QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion());
  info.insert(QStringLiteral("sysBits"), QSysInfo::currentCpuArchitecture());
  return info;
}

}  // namespace SystemInfo
