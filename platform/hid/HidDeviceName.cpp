#include "platform/hid/HidDeviceName.h"

namespace platform {

QString hidDeviceName(uint16_t vendorId, uint16_t productId) {
  return QStringLiteral("VID_%1&PID_%2")
      .arg(QString::number(vendorId, 16).toUpper(), 4, QLatin1Char('0'))
      .arg(QString::number(productId, 16).toUpper(), 4, QLatin1Char('0'));
}

}  // namespace platform
