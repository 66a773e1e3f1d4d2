#pragma once

#include <cstdint>

// What one pen report says: position in millimetres, pressure 0..1, tilt.
struct PenState {
  uint8_t status = 0;
  double x = 0;
  double y = 0;
  double tiltX = 0;
  double tiltY = 0;
  double pressure = 0;
  bool valid = false;
  bool outOfRange = false;
  int32_t code = 0;  // pen-state code: 0 key report, 1 out of range, 2 hover, 3 tip down, ... 9 eraser
};
