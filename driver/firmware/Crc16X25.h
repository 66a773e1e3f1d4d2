#pragma once

#include <cstddef>
#include <cstdint>

// CRC-16/X-25 (also called CRC-16/IBM-SDLC): the reflected polynomial 0x8408,
// register preset to 0xFFFF, result inverted. It guards both the firmware
// payload and every frame exchanged with the boot loader. "123456789" gives
// 0x906E; no bytes at all give 0x0000.
uint16_t crc16X25(const uint8_t* data, size_t length);
