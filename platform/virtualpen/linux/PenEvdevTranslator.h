#pragma once

#include "platform/input/linux/EvdevSink.h"

#include <QSize>

#include <cstdint>

struct libevdev;

namespace platform {

// Turns the virtual pen's 12-byte reports into the events of an evdev tablet.
// The status byte says in range (0x20), tip down (0x01), eraser down (0x04)
// and inverted, i.e. the eraser end (0x08). Each report ends with one
// SYN_REPORT; when the pen turns over, the old tool first leaves proximity in
// a frame of its own, as tablet stacks expect one tool at a time.
class PenEvdevTranslator {
 public:
  // Logical ranges and resolutions the device announces.
  // The name the desktop sees; KWin's device list is searched for it.
  static constexpr const char* kDeviceName = "Varnex Virtual Pen";
  // The USB identity the pen announces; desktops keep its settings by it.
  static constexpr int kVendorId = 0x6666;
  static constexpr int kProductId = 0x2908;
  static constexpr int kMaxCoordinate = 32767;
  static constexpr int kCoordinateResolution = 100;  // units per millimetre
  static constexpr int kMaxPressure = 2047;
  static constexpr int kMaxTilt = 90;         // degrees
  static constexpr int kTiltResolution = 57;  // units per radian: one per degree

  explicit PenEvdevTranslator(EvdevSink& sink) : m_sink(sink) {}

  // False when the sink refused an event.
  bool translate(const uint8_t* report, int length);

  // Fills a libevdev description with the name, identity and capabilities of
  // the virtual pen. Pen displays are direct input devices, tablets move a
  // pointer. The pen's coordinates stand for `area` (the desktop, in
  // pixels): its size in millimetres gets the area's proportions, so a
  // desktop that keeps a tablet's aspect ratio does not letterbox it. An
  // empty area gives a square.
  static void describe(libevdev* device, bool penDisplay, QSize area = QSize());
  // Units per millimetre of ABS_Y that give the pen the proportions of
  // `area` beside kCoordinateResolution on ABS_X.
  static int heightResolution(QSize area);

 private:
  enum class Tool { None, Pen, Rubber };

  bool leaveProximity();
  bool emitAxis(uint16_t code, int32_t value, int32_t& last, bool force);
  bool key(uint16_t code, int32_t value);
  bool sync();

  EvdevSink& m_sink;
  bool m_ok = true;
  Tool m_tool = Tool::None;
  bool m_touching = false;
  int32_t m_x = 0;
  int32_t m_y = 0;
  int32_t m_pressure = 0;
  int32_t m_tiltX = 0;
  int32_t m_tiltY = 0;
};

}  // namespace platform
