#pragma once

#include "driver/tablet/ModelTable.h"

#include <memory>

namespace platform {
class SimHidDevice;
}

// A simulated tablet of one model: its vendor interface with the model's USB
// identity and usage, 64-byte input reports and 9-byte output reports. The
// caller feeds reports with pushInput() and sees the init reports among the
// written reports. tabletreplay, --simulate and the device tests use it.
namespace SimulatedTablet {

constexpr int kInputReportLength = 64;
constexpr int kOutputReportLength = 9;

// Made and registered with the current HID backend.
std::shared_ptr<platform::SimHidDevice> plugIn(const ModelEntry& model);

}  // namespace SimulatedTablet
