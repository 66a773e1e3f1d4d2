#include "driver/tablet/SimulatedTablet.h"

#include "platform/hid/sim/SimHidDevice.h"

namespace SimulatedTablet {

std::shared_ptr<platform::SimHidDevice> plugIn(const ModelEntry& model) {
  platform::SimHidDevice::Collection vendor;
  vendor.usagePage = model.usagePage;
  vendor.usage = model.usage;
  vendor.inputReportLength = kInputReportLength;
  vendor.outputReportLength = kOutputReportLength;
  auto device = std::make_shared<platform::SimHidDevice>(
      model.vendorId, model.productId, std::vector<platform::SimHidDevice::Collection>{vendor},
      QByteArray("Varnex ") + model.key, QByteArray("Varnex"));
  device->plugIn();
  return device;
}

}  // namespace SimulatedTablet
