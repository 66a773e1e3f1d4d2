#pragma once

#include <cstdint>

namespace platform {

// What the virtual pen device does with the reports written to it: a uinput
// tablet on Linux, a recording in the simulated world. Called from the device
// thread (pen reports) and the window thread (mode reports).
class PenOutput {
 public:
  virtual ~PenOutput() = default;

  // One pen report: 0x40, length, 0x05, status, X, Y, pressure (16-bit
  // little-endian each), tilt X, tilt Y. False when it could not be delivered.
  virtual bool penReport(const uint8_t* report, int length) = 0;

  // One mode report: 0x41, 0x01, 0 for Windows Ink on or 1 for off.
  virtual bool modeReport(const uint8_t* report, int length) = 0;
};

}  // namespace platform
