#pragma once

#include "driver/tablet/ReportLayout.h"

// Little-endian reports behind a sub-type letter, with an X extension byte for
// panels wider than 16 bits of counts: the Fjord4Pro and Fjord5pro.
class LayoutDDecoder : public ReportLayout {
 public:
  void decode(const uint8_t* data, LayoutState& state) const override;
};
