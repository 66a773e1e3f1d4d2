#pragma once

#include "driver/tablet/ReportLayout.h"

// Big-endian reports with 10-bit pressure and tool reports: the Fjord1.
class LayoutBDecoder : public ReportLayout {
 public:
  void decode(const uint8_t* data, LayoutState& state) const override;
};
