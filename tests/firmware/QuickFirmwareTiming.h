#pragma once

#include "driver/firmware/QFirmwareUpgrade.h"
#include "driver/tablet/HidDevice.h"

// The firmware exchange without its waits for a real boot loader: the
// simulated one answers at once, so a test need not sit out seconds.
inline void useQuickFirmwareTiming() {
  HidDevice::setSearchPauses(0, 0);
  QFirmwareUpgrade::Timing timing;
  timing.answerTimeoutMs = 150;
  timing.progressLoopMs = 0;
  timing.lastBlockDelayMs = 0;
  QFirmwareUpgrade::setTiming(timing);
}
