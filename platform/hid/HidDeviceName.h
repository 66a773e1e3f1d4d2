#pragma once

#include <QString>
#include <cstdint>

namespace platform {

// "VID_3CA1&PID_0101": a HID device's USB identity as device names spell it,
// four upper-case hexadecimal digits each. Detection finds a model by looking
// for this text in the name a device watcher reports.
QString hidDeviceName(uint16_t vendorId, uint16_t productId);

}  // namespace platform
