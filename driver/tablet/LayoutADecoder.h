#pragma once

#include "driver/tablet/ReportLayout.h"

// Little-endian reports with tilt, status 0xF0 for keys: the pen tablets and
// the Fjord2Pro.
class LayoutADecoder : public ReportLayout {
 public:
  void decode(const uint8_t* data, LayoutState& state) const override;
};
