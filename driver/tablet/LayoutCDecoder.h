#pragma once

#include "driver/tablet/ReportLayout.h"

// Big-endian reports whose lowest pressure bits ride in the status byte: the
// Fjord3 and Fjord4 (13 bits) and the Fjord5 (11 bits).
class LayoutCDecoder : public ReportLayout {
 public:
  explicit LayoutCDecoder(int pressureBits) : m_pressureBits(pressureBits) {}
  void decode(const uint8_t* data, LayoutState& state) const override;

 private:
  int m_pressureBits;
};
