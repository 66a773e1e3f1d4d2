#pragma once

#include "platform/hid/HidConnection.h"
#include "platform/hid/HidInterfaceInfo.h"

#include <memory>
#include <vector>

namespace platform {

// A HID device that lives inside this process: the simulated tablets and boot
// loaders, and the virtual pen that stands where the VMulti driver stands. It
// is registered with the HID backend and then enumerates and opens like a real
// device, whichever backend is installed.
class VirtualHidDevice {
 public:
  virtual ~VirtualHidDevice() = default;

  // Its top-level collections, each with its own identity and report lengths.
  virtual std::vector<HidInterfaceInfo> interfaces() const = 0;

  // Opens one of the collections returned by interfaces(); null when refused
  // (for instance an exclusive open while another connection is open).
  virtual std::unique_ptr<HidConnection> open(const HidInterfaceInfo& which, bool exclusive) = 0;
};

}  // namespace platform
