#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

struct libevdev;
struct libevdev_uinput;

namespace platform {

// One evdev event as a uinput device receives it (the kernel stamps the time).
struct EvdevEvent {
  uint16_t type = 0;
  uint16_t code = 0;
  int32_t value = 0;
  bool operator==(const EvdevEvent& other) const {
    return type == other.type && code == other.code && value == other.value;
  }
};

// Where the virtual input devices write their evdev events: a uinput device
// in the running driver, a pipe or a recording in the tests.
class EvdevSink {
 public:
  virtual ~EvdevSink() = default;

  // Writes one event; true when the whole event was accepted.
  virtual bool writeEvent(uint16_t type, uint16_t code, int32_t value) = 0;

  // Ends one frame of events (EV_SYN / SYN_REPORT).
  bool sync();
};

// Writes each event as one `struct input_event` to a file descriptor it does
// not own: exactly the bytes a uinput device node takes.
class EvdevFdSink : public EvdevSink {
 public:
  explicit EvdevFdSink(int fd) : m_fd(fd) {}
  bool writeEvent(uint16_t type, uint16_t code, int32_t value) override;
  int fd() const { return m_fd; }

 private:
  int m_fd;
};

// Keeps the events in memory, in order.
class RecordingEvdevSink : public EvdevSink {
 public:
  bool writeEvent(uint16_t type, uint16_t code, int32_t value) override {
    m_events.push_back({type, code, value});
    return true;
  }
  const std::vector<EvdevEvent>& events() const { return m_events; }
  void clear() { m_events.clear(); }

 private:
  std::vector<EvdevEvent> m_events;
};

// A kernel input device made through /dev/uinput from a libevdev description
// of its name, identity and capabilities. Its events go through EvdevFdSink on
// the uinput descriptor.
class UinputDevice : public EvdevSink {
 public:
  ~UinputDevice() override;

  // Null when the device cannot be made (no /dev/uinput, no permission); the
  // reason goes to `error` when given.
  static std::unique_ptr<UinputDevice> create(const libevdev* description, QString* error = nullptr);

  bool writeEvent(uint16_t type, uint16_t code, int32_t value) override;

  // "/dev/input/eventN" when the kernel tells it, else empty.
  QString devnode() const;

 private:
  explicit UinputDevice(libevdev_uinput* device);
  libevdev_uinput* m_device;
  EvdevFdSink m_sink;
};

}  // namespace platform
