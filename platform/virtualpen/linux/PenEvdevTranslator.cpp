#include "platform/virtualpen/linux/PenEvdevTranslator.h"

#include <libevdev/libevdev.h>
#include <linux/input.h>

#include <algorithm>

namespace platform {

namespace {

constexpr int kReportLength = 12;
constexpr uint8_t kInRange = 0x20;
constexpr uint8_t kTip = 0x01;
constexpr uint8_t kEraser = 0x04;
constexpr uint8_t kInvert = 0x08;

int32_t word(const uint8_t* at) { return int32_t(at[0] | (at[1] << 8)); }

}  // namespace

bool PenEvdevTranslator::key(uint16_t code, int32_t value) {
  m_ok = m_sink.writeEvent(EV_KEY, code, value) && m_ok;
  return m_ok;
}

bool PenEvdevTranslator::sync() {
  m_ok = m_sink.sync() && m_ok;
  return m_ok;
}

bool PenEvdevTranslator::emitAxis(uint16_t code, int32_t value, int32_t& last, bool force) {
  if (!force && value == last) return m_ok;
  last = value;
  m_ok = m_sink.writeEvent(EV_ABS, code, value) && m_ok;
  return m_ok;
}

bool PenEvdevTranslator::leaveProximity() {
  if (m_tool == Tool::None) return m_ok;
  if (m_touching) key(BTN_TOUCH, 0);
  m_touching = false;
  emitAxis(ABS_PRESSURE, 0, m_pressure, false);
  key(m_tool == Tool::Rubber ? BTN_TOOL_RUBBER : BTN_TOOL_PEN, 0);
  m_tool = Tool::None;
  return m_ok;
}

bool PenEvdevTranslator::translate(const uint8_t* report, int length) {
  if (!report || length < kReportLength) return false;
  m_ok = true;
  const uint8_t status = report[3];

  if (!(status & kInRange)) {
    leaveProximity();
    sync();
    return m_ok;
  }

  const Tool tool = (status & (kEraser | kInvert)) ? Tool::Rubber : Tool::Pen;
  if (m_tool != Tool::None && m_tool != tool) {
    leaveProximity();
    sync();
  }
  const bool entering = m_tool == Tool::None;
  if (entering) key(tool == Tool::Rubber ? BTN_TOOL_RUBBER : BTN_TOOL_PEN, 1);
  m_tool = tool;

  const int32_t x = std::min(word(report + 4), int32_t(kMaxCoordinate));
  const int32_t y = std::min(word(report + 6), int32_t(kMaxCoordinate));
  const int32_t pressure = std::min(word(report + 8), int32_t(kMaxPressure));
  const int32_t tiltX = std::clamp(int32_t(int8_t(report[10])), -kMaxTilt, kMaxTilt);
  const int32_t tiltY = std::clamp(int32_t(int8_t(report[11])), -kMaxTilt, kMaxTilt);
  // On entering every axis is sent, so the new tool starts with a full state.
  emitAxis(ABS_X, x, m_x, entering);
  emitAxis(ABS_Y, y, m_y, entering);
  emitAxis(ABS_PRESSURE, pressure, m_pressure, entering);
  emitAxis(ABS_TILT_X, tiltX, m_tiltX, entering);
  emitAxis(ABS_TILT_Y, tiltY, m_tiltY, entering);

  const bool touching = (status & (kTip | kEraser)) != 0;
  if (touching != m_touching) key(BTN_TOUCH, touching ? 1 : 0);
  m_touching = touching;
  sync();
  return m_ok;
}

int PenEvdevTranslator::heightResolution(QSize area) {
  if (area.width() <= 0 || area.height() <= 0) return kCoordinateResolution;
  // The same 32767 units over a shorter height are more units per millimetre.
  const long long units = (static_cast<long long>(kCoordinateResolution) * area.width() + area.height() / 2) /
                          area.height();
  return static_cast<int>(std::max(1LL, std::min<long long>(units, kMaxCoordinate)));
}

void PenEvdevTranslator::describe(libevdev* device, bool penDisplay, QSize area) {
  libevdev_set_name(device, kDeviceName);
  libevdev_set_id_bustype(device, BUS_VIRTUAL);
  libevdev_set_id_vendor(device, kVendorId);
  libevdev_set_id_product(device, kProductId);
  libevdev_set_id_version(device, 1);

  libevdev_enable_event_type(device, EV_KEY);
  libevdev_enable_event_code(device, EV_KEY, BTN_TOOL_PEN, nullptr);
  libevdev_enable_event_code(device, EV_KEY, BTN_TOOL_RUBBER, nullptr);
  libevdev_enable_event_code(device, EV_KEY, BTN_TOUCH, nullptr);

  libevdev_enable_event_type(device, EV_ABS);
  auto axis = [device](unsigned code, int minimum, int maximum, int resolution) {
    input_absinfo info{};
    info.minimum = minimum;
    info.maximum = maximum;
    info.resolution = resolution;
    libevdev_enable_event_code(device, EV_ABS, code, &info);
  };
  axis(ABS_X, 0, kMaxCoordinate, kCoordinateResolution);
  axis(ABS_Y, 0, kMaxCoordinate, heightResolution(area));
  axis(ABS_PRESSURE, 0, kMaxPressure, 1);
  axis(ABS_TILT_X, -kMaxTilt, kMaxTilt, kTiltResolution);
  axis(ABS_TILT_Y, -kMaxTilt, kMaxTilt, kTiltResolution);

  libevdev_enable_event_type(device, EV_SYN);
  libevdev_enable_property(device, penDisplay ? INPUT_PROP_DIRECT : INPUT_PROP_POINTER);
}

}  // namespace platform
