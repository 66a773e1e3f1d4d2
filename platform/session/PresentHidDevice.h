#pragma once

#include <QString>

namespace platform {

// One HID device a watcher found present: the name detection recognises a
// model in ("VID_3CA1&PID_0101#hidraw3") and the node it can be opened at.
struct PresentHidDevice {
  QString name;
  QString node;
};

}  // namespace platform
