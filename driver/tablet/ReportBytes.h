#pragma once

#include <cstdint>

inline uint16_t littleEndian16(const uint8_t* bytes) { return uint16_t(bytes[0] | (bytes[1] << 8)); }
inline uint16_t bigEndian16(const uint8_t* bytes) { return uint16_t((bytes[0] << 8) | bytes[1]); }
