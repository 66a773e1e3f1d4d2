#pragma once

#include <cstdint>

// What a HidDevice opens: the interface whose vendor id, product id and
// top-level usage page and usage match.
struct HidDeviceParams {
  uint16_t vendorId = 0;
  uint16_t productId = 0;
  uint16_t usagePage = 0;
  uint16_t usage = 0;
  bool overlapped = false;
  bool exclusive = false;
};
