#pragma once

#include "platform/hid/VirtualHidDevice.h"
#include "platform/virtualpen/PenOutput.h"

#include <memory>

namespace platform {

// The virtual pen as a HID device: vendor 0x6666, product 0x2908, usage page
// 0xFF00, the pen collection (usage 1) and the mode collection (usage 2), each
// taking 65-byte output reports. It stands where the VMulti driver stands.
class VirtualPenDevice : public VirtualHidDevice {
 public:
  static constexpr uint16_t kVendorId = 0x6666;
  static constexpr uint16_t kProductId = 0x2908;
  static constexpr uint16_t kUsagePage = 0xFF00;
  static constexpr uint16_t kPenUsage = 0x0001;
  static constexpr uint16_t kModeUsage = 0x0002;
  static constexpr int kOutputReportLength = 65;

  explicit VirtualPenDevice(std::shared_ptr<PenOutput> output);

  std::vector<HidInterfaceInfo> interfaces() const override;
  std::unique_ptr<HidConnection> open(const HidInterfaceInfo& which, bool exclusive) override;

  const std::shared_ptr<PenOutput>& output() const { return m_output; }

 private:
  std::shared_ptr<PenOutput> m_output;
};

}  // namespace platform
