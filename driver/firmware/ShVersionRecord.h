#pragma once

#include "driver/firmware/IapFrame.h"

#include <array>
#include <cstdint>

// The answer of GetSHVersion. The descriptive bytes and the three extra
// values are the device's; they are kept, not interpreted.
struct ShVersionRecord {
  uint32_t status = 0;
  std::array<uint8_t, 64> description{};
  uint16_t firmwareMajor = 0;
  uint16_t firmwareMinor = 0;
  uint16_t hardwareMajor = 0;
  uint16_t hardwareMinor = 0;
  std::array<uint16_t, 3> extra{};

  // Data byte 0 is not kept; a failed answer fills only the status.
  static ShVersionRecord fromAnswer(const Iap::Answer& answer) {
    ShVersionRecord record;
    record.status = answer.status;
    if (answer.status != 0) return record;
    record.firmwareMajor = answer.dataByte(1);
    record.firmwareMinor = answer.dataByte(2);
    for (int i = 0; i < 64; ++i) record.description[i] = answer.dataByte(3 + i);
    record.hardwareMajor = answer.dataByte(67);
    record.hardwareMinor = answer.dataByte(68);
    for (int i = 0; i < 3; ++i) record.extra[i] = answer.dataByte(69 + i);
    return record;
  }
};
