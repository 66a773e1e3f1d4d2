#pragma once

#include "platform/virtualpen/PenOutput.h"

#include <QSize>
#include <QString>
#include <memory>

namespace platform {

class RecordingPenOutput;

// The one virtual pen of the process, registered with the current HID
// backend so that the driver's pen and mode links find it like any device.
// It is present only while installed, exactly as the VMulti driver is
// present only when installed.
class VirtualPen {
 public:
  // Registers a virtual pen writing to `output`, replacing the one before.
  static void install(std::shared_ptr<PenOutput> output);

  // The real pen: a uinput tablet, a direct-input device for pen displays and
  // a pointer device for tablets, sized with the proportions of `area` (the
  // desktop its coordinates stand for). False, and nothing registered, when
  // /dev/uinput cannot be used; the reason goes to `error`.
  static bool installUinput(bool penDisplay, QSize area = QSize(), QString* error = nullptr);

  // What the driver calls before it opens its links for a tablet: keeps a pen
  // installed by hand (the simulated one, a test's), keeps a uinput pen of the
  // right kind and shape, and otherwise (re)makes the uinput pen for this
  // kind of tablet and this desktop. True when a virtual pen is installed
  // afterwards.
  static bool prepare(bool penDisplay, QSize area = QSize(), QString* error = nullptr);

  // The simulated pen, which records every report.
  static std::shared_ptr<RecordingPenOutput> installRecorder();

  static void uninstall();
  static bool installed();
};

}  // namespace platform
