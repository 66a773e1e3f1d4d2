#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// How a Windows virtual-key code of the driver's key tables is typed on
// Linux: as an evdev key of the uinput keyboard, or as the X keysym whose
// keycode XTest presses.
struct VirtualKeyMapping {
  uint8_t virtualKey;
  uint16_t evdevCode;
  unsigned long keysym;
};

// Every virtual-key code the driver can type, each once.
const std::vector<VirtualKeyMapping>& virtualKeyMap();

// The evdev key code of a virtual key, 0 (KEY_RESERVED) when it has none.
uint16_t evdevCodeForVirtualKey(uint8_t virtualKey);

// The X keysym of a virtual key, 0 (NoSymbol) when it has none.
unsigned long keysymForVirtualKey(uint8_t virtualKey);

}  // namespace platform
