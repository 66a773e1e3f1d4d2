#pragma once

#include "platform/hid/HidBackend.h"

namespace platform {

// The simulated world: no real devices at all, only the in-process devices
// registered with registerVirtual().
class SimHidBackend : public HidBackend {
 protected:
  std::vector<HidInterfaceInfo> enumerateReal(uint16_t, uint16_t) override { return {}; }
  std::unique_ptr<HidConnection> openReal(const HidInterfaceInfo&, bool) override { return nullptr; }
};

}  // namespace platform
