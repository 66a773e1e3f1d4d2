#include "driver/firmware/Crc16X25.h"

#include <array>

namespace {

constexpr std::array<uint16_t, 256> makeTable() {
  std::array<uint16_t, 256> table{};
  for (unsigned index = 0; index < 256; ++index) {
    uint16_t value = uint16_t(index);
    for (int bit = 0; bit < 8; ++bit) value = (value & 1) ? uint16_t((value >> 1) ^ 0x8408) : uint16_t(value >> 1);
    table[index] = value;
  }
  return table;
}

constexpr std::array<uint16_t, 256> kTable = makeTable();

}  // namespace

uint16_t crc16X25(const uint8_t* data, size_t length) {
  uint16_t crc = 0xFFFF;
  for (size_t i = 0; i < length; ++i) crc = uint16_t((crc >> 8) ^ kTable[(crc ^ data[i]) & 0xFF]);
  return uint16_t(crc ^ 0xFFFF);
}
