#pragma once

#include "driver/tablet/HidDevice.h"
#include "driver/tablet/ModelTable.h"
#include "platform/hid/HidBackend.h"
#include "platform/hid/sim/SimHidBackend.h"

#include <memory>

// A present tablet for the script tests: one collection with the model's
// identity and a 9-byte output report. It sends nothing.
class FakeTabletDevice : public platform::VirtualHidDevice {
 public:
  FakeTabletDevice(uint16_t vendorId, uint16_t productId, uint16_t usagePage, uint16_t usage) {
    m_info.path = QStringLiteral("fake:%1:%2").arg(vendorId).arg(productId);
    m_info.vendorId = vendorId;
    m_info.productId = productId;
    m_info.usagePage = usagePage;
    m_info.usage = usage;
    m_info.inputReportLength = 12;
    m_info.outputReportLength = 9;
  }
  explicit FakeTabletDevice(const ModelEntry& model)
      : FakeTabletDevice(model.vendorId, model.productId, model.usagePage, model.usage) {}

  std::vector<platform::HidInterfaceInfo> interfaces() const override { return {m_info}; }
  std::unique_ptr<platform::HidConnection> open(const platform::HidInterfaceInfo&, bool) override {
    return std::make_unique<Connection>();
  }

  // A simulated backend with no pauses in the open search.
  static void useSimulatedBackend() {
    platform::HidBackend::install(std::make_unique<platform::SimHidBackend>());
    HidDevice::setSearchPauses(0, 0);
  }

  static std::shared_ptr<FakeTabletDevice> plugIn(const ModelEntry& model) {
    auto device = std::make_shared<FakeTabletDevice>(model);
    platform::HidBackend::current().registerVirtual(device);
    return device;
  }

 private:
  struct Connection : platform::HidConnection {
    int receive(uint8_t*, int, int) override { return 0; }
    void cancelRead() override {}
    int write(const uint8_t*, int length) override { return length; }
    bool setFeature(const uint8_t*, int) override { return true; }
    QByteArray indexedString(int) override { return QByteArray(); }
    bool isGone() const override { return false; }
  };

  platform::HidInterfaceInfo m_info;
};
