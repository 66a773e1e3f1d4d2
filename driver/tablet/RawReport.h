#pragma once

#include <cstdint>

// The fields of the last report as the layout decoder found them.
struct RawReport {
  uint8_t reportId = 0;  // for the Fjord4Pro family the sub-type letter
  uint8_t status = 0;
  uint32_t x = 0;        // in key reports the key bit mask
  uint16_t y = 0;
  uint16_t pressure = 0;
  uint8_t tiltX = 0;
  uint8_t tiltY = 0;
};
