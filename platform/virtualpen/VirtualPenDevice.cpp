#include "platform/virtualpen/VirtualPenDevice.h"

#include "platform/virtualpen/VirtualPenConnection.h"

namespace platform {

namespace {
const char* const kPenPath = "virtualpen:pen";
const char* const kModePath = "virtualpen:mode";
}  // namespace

VirtualPenDevice::VirtualPenDevice(std::shared_ptr<PenOutput> output) : m_output(std::move(output)) {}

std::vector<HidInterfaceInfo> VirtualPenDevice::interfaces() const {
  HidInterfaceInfo pen;
  pen.path = QString::fromLatin1(kPenPath);
  pen.vendorId = kVendorId;
  pen.productId = kProductId;
  pen.usagePage = kUsagePage;
  pen.usage = kPenUsage;
  pen.outputReportLength = kOutputReportLength;
  pen.manufacturer = "Varnex";
  pen.product = "Varnex Virtual Pen";
  HidInterfaceInfo mode = pen;
  mode.path = QString::fromLatin1(kModePath);
  mode.usage = kModeUsage;
  return {pen, mode};
}

std::unique_ptr<HidConnection> VirtualPenDevice::open(const HidInterfaceInfo& which, bool) {
  if (which.path == QLatin1String(kPenPath)) {
    return std::make_unique<VirtualPenConnection>(m_output, VirtualPenConnection::Collection::Pen);
  }
  if (which.path == QLatin1String(kModePath)) {
    return std::make_unique<VirtualPenConnection>(m_output, VirtualPenConnection::Collection::Mode);
  }
  return nullptr;
}

}  // namespace platform
