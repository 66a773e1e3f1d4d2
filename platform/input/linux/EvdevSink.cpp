#include "platform/input/linux/EvdevSink.h"

#include <libevdev/libevdev-uinput.h>
#include <libevdev/libevdev.h>
#include <linux/input.h>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace platform {

bool EvdevSink::sync() { return writeEvent(EV_SYN, SYN_REPORT, 0); }

bool EvdevFdSink::writeEvent(uint16_t type, uint16_t code, int32_t value) {
  if (m_fd < 0) return false;
  struct input_event event;
  std::memset(&event, 0, sizeof event);
  event.type = type;
  event.code = code;
  event.value = value;
  ssize_t written;
  do {
    written = ::write(m_fd, &event, sizeof event);
  } while (written < 0 && errno == EINTR);
  return written == ssize_t(sizeof event);
}

UinputDevice::UinputDevice(libevdev_uinput* device)
    : m_device(device), m_sink(libevdev_uinput_get_fd(device)) {}

UinputDevice::~UinputDevice() { libevdev_uinput_destroy(m_device); }

std::unique_ptr<UinputDevice> UinputDevice::create(const libevdev* description, QString* error) {
  libevdev_uinput* device = nullptr;
  const int result = libevdev_uinput_create_from_device(description, LIBEVDEV_UINPUT_OPEN_MANAGED, &device);
  if (result != 0 || !device) {
    if (error) *error = QStringLiteral("cannot create a uinput device: %1").arg(QString::fromLocal8Bit(strerror(-result)));
    return nullptr;
  }
  return std::unique_ptr<UinputDevice>(new UinputDevice(device));
}

bool UinputDevice::writeEvent(uint16_t type, uint16_t code, int32_t value) {
  return m_sink.writeEvent(type, code, value);
}

QString UinputDevice::devnode() const {
  const char* node = libevdev_uinput_get_devnode(m_device);
  return node ? QString::fromLocal8Bit(node) : QString();
}

}  // namespace platform
