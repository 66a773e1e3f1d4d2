#include "platform/input/linux/VirtualKeyMap.h"

#include <X11/keysym.h>
#include <linux/input-event-codes.h>

#include <array>

namespace platform {

namespace {

std::vector<VirtualKeyMapping> buildMap() {
  std::vector<VirtualKeyMapping> map;
  // Letters: the keysyms are the lower-case ones, which every layout binds
  // without a shift level.
  static const uint16_t letters[26] = {KEY_A, KEY_B, KEY_C, KEY_D, KEY_E, KEY_F, KEY_G, KEY_H, KEY_I,
                                       KEY_J, KEY_K, KEY_L, KEY_M, KEY_N, KEY_O, KEY_P, KEY_Q, KEY_R,
                                       KEY_S, KEY_T, KEY_U, KEY_V, KEY_W, KEY_X, KEY_Y, KEY_Z};
  for (int i = 0; i < 26; ++i) map.push_back({uint8_t(0x41 + i), letters[i], XK_a + unsigned(i)});
  static const uint16_t digits[10] = {KEY_0, KEY_1, KEY_2, KEY_3, KEY_4, KEY_5, KEY_6, KEY_7, KEY_8, KEY_9};
  for (int i = 0; i < 10; ++i) map.push_back({uint8_t(0x30 + i), digits[i], XK_0 + unsigned(i)});
  static const uint16_t keypad[10] = {KEY_KP0, KEY_KP1, KEY_KP2, KEY_KP3, KEY_KP4,
                                      KEY_KP5, KEY_KP6, KEY_KP7, KEY_KP8, KEY_KP9};
  for (int i = 0; i < 10; ++i) map.push_back({uint8_t(0x60 + i), keypad[i], XK_KP_0 + unsigned(i)});
  static const uint16_t functionKeys[12] = {KEY_F1, KEY_F2, KEY_F3, KEY_F4,  KEY_F5,  KEY_F6,
                                            KEY_F7, KEY_F8, KEY_F9, KEY_F10, KEY_F11, KEY_F12};
  for (int i = 0; i < 12; ++i) map.push_back({uint8_t(0x70 + i), functionKeys[i], XK_F1 + unsigned(i)});

  const VirtualKeyMapping others[] = {
      {0x08, KEY_BACKSPACE, XK_BackSpace},
      {0x09, KEY_TAB, XK_Tab},
      {0x0D, KEY_ENTER, XK_Return},
      // The generic modifiers are typed with their left-hand key.
      {0x10, KEY_LEFTSHIFT, XK_Shift_L},
      {0x11, KEY_LEFTCTRL, XK_Control_L},
      {0x12, KEY_LEFTALT, XK_Alt_L},
      {0x13, KEY_PAUSE, XK_Pause},
      {0x14, KEY_CAPSLOCK, XK_Caps_Lock},
      {0x1B, KEY_ESC, XK_Escape},
      {0x20, KEY_SPACE, XK_space},
      {0x21, KEY_PAGEUP, XK_Prior},
      {0x22, KEY_PAGEDOWN, XK_Next},
      {0x23, KEY_END, XK_End},
      {0x24, KEY_HOME, XK_Home},
      {0x25, KEY_LEFT, XK_Left},
      {0x26, KEY_UP, XK_Up},
      {0x27, KEY_RIGHT, XK_Right},
      {0x28, KEY_DOWN, XK_Down},
      {0x2C, KEY_SYSRQ, XK_Print},
      {0x2D, KEY_INSERT, XK_Insert},
      {0x2E, KEY_DELETE, XK_Delete},
      {0x5B, KEY_LEFTMETA, XK_Super_L},
      {0x5C, KEY_RIGHTMETA, XK_Super_R},
      {0x6B, KEY_KPPLUS, XK_KP_Add},
      {0x91, KEY_SCROLLLOCK, XK_Scroll_Lock},
      {0xA0, KEY_LEFTSHIFT, XK_Shift_L},
      {0xA1, KEY_RIGHTSHIFT, XK_Shift_R},
      {0xA2, KEY_LEFTCTRL, XK_Control_L},
      {0xA3, KEY_RIGHTCTRL, XK_Control_R},
      {0xA4, KEY_LEFTALT, XK_Alt_L},
      {0xA5, KEY_RIGHTALT, XK_Alt_R},
      {0xBA, KEY_SEMICOLON, XK_semicolon},
      {0xBB, KEY_EQUAL, XK_equal},
      {0xBC, KEY_COMMA, XK_comma},
      {0xBD, KEY_MINUS, XK_minus},
      {0xBE, KEY_DOT, XK_period},
      {0xBF, KEY_SLASH, XK_slash},
      {0xC0, KEY_GRAVE, XK_grave},
      {0xDB, KEY_LEFTBRACE, XK_bracketleft},
      {0xDC, KEY_BACKSLASH, XK_backslash},
      {0xDD, KEY_RIGHTBRACE, XK_bracketright},
      {0xDE, KEY_APOSTROPHE, XK_apostrophe},
  };
  for (const VirtualKeyMapping& entry : others) map.push_back(entry);
  return map;
}

struct Lookup {
  std::array<uint16_t, 256> evdev{};
  std::array<unsigned long, 256> keysym{};
};

const Lookup& lookup() {
  static const Lookup table = [] {
    Lookup result;
    for (const VirtualKeyMapping& entry : virtualKeyMap()) {
      result.evdev[entry.virtualKey] = entry.evdevCode;
      result.keysym[entry.virtualKey] = entry.keysym;
    }
    return result;
  }();
  return table;
}

}  // namespace

const std::vector<VirtualKeyMapping>& virtualKeyMap() {
  static const std::vector<VirtualKeyMapping> map = buildMap();
  return map;
}

uint16_t evdevCodeForVirtualKey(uint8_t virtualKey) { return lookup().evdev[virtualKey]; }

unsigned long keysymForVirtualKey(uint8_t virtualKey) { return lookup().keysym[virtualKey]; }

}  // namespace platform
