#pragma once

#include <cstdint>
#include <vector>

// The tablet's configuration, filled by the model's script and read by the
// decoder, the mapper and the device thread.
struct TabletSettings {
  int32_t maxX = 1;
  int32_t maxY = 1;
  int32_t maxPressure = 1;
  double width = 1.0;   // millimetres
  double height = 1.0;  // millimetres
  int32_t format = -1;  // a VARNEX value: which express-key map applies
  std::vector<uint8_t> initReport;
  int32_t initReportLength = 0;
};
