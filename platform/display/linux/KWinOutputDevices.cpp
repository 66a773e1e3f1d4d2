#include "platform/display/linux/KWinOutputDevices.h"

#include "platform/display/TurnedLayout.h"

#include <kde-output-device-v2-client-protocol.h>
#include <kde-output-management-v2-client-protocol.h>
#include <wayland-client.h>

#include <cmath>
#include <cstring>

namespace platform {

namespace {

using Device = KWinOutputDevices::Device;
using Mode = KWinOutputDevices::Mode;

Device& deviceOf(void* data) { return *static_cast<Device*>(data); }

Mode* modeOf(Device& device, kde_output_device_mode_v2* handle) {
  for (const auto& mode : device.modes)
    if (mode->handle == handle) return mode.get();
  return nullptr;
}

const kde_output_device_mode_v2_listener kModeListener = {
    [](void* data, kde_output_device_mode_v2*, int32_t width, int32_t height) {
      static_cast<Mode*>(data)->size = QSize(width, height);
    },
    [](void*, kde_output_device_mode_v2*, int32_t) {},
    [](void*, kde_output_device_mode_v2*) {},
    [](void*, kde_output_device_mode_v2*) {},
};

const kde_output_device_v2_listener kDeviceListener = {
    // geometry
    [](void* data, kde_output_device_v2*, int32_t x, int32_t y, int32_t, int32_t, int32_t, const char* make,
       const char* model, int32_t transform) {
      Device& device = deviceOf(data);
      device.position = QPoint(x, y);
      device.make = QString::fromUtf8(make);
      device.model = QString::fromUtf8(model);
      device.transform = transform;
    },
    // current_mode
    [](void* data, kde_output_device_v2*, kde_output_device_mode_v2* mode) {
      Device& device = deviceOf(data);
      device.current = modeOf(device, mode);
    },
    // mode
    [](void* data, kde_output_device_v2*, kde_output_device_mode_v2* handle) {
      Device& device = deviceOf(data);
      auto mode = std::make_unique<Mode>();
      mode->handle = handle;
      kde_output_device_mode_v2_add_listener(handle, &kModeListener, mode.get());
      device.modes.push_back(std::move(mode));
    },
    // done
    [](void*, kde_output_device_v2*) {},
    // scale
    [](void* data, kde_output_device_v2*, wl_fixed_t factor) { deviceOf(data).scale = wl_fixed_to_double(factor); },
    // edid
    [](void* data, kde_output_device_v2*, const char* raw) {
      deviceOf(data).edid = QByteArray::fromBase64(QByteArray(raw));
    },
    // enabled
    [](void* data, kde_output_device_v2*, int32_t enabled) { deviceOf(data).enabled = enabled != 0; },
    [](void*, kde_output_device_v2*, const char*) {},  // uuid
    [](void*, kde_output_device_v2*, const char*) {},  // serial_number
    [](void*, kde_output_device_v2*, const char*) {},  // eisa_id
    [](void*, kde_output_device_v2*, uint32_t) {},     // capabilities
    [](void*, kde_output_device_v2*, uint32_t) {},     // overscan
    [](void*, kde_output_device_v2*, uint32_t) {},     // vrr_policy
    [](void*, kde_output_device_v2*, uint32_t) {},     // rgb_range
    // name
    [](void* data, kde_output_device_v2*, const char* name) { deviceOf(data).name = QString::fromUtf8(name); },
};

struct Binder {
  std::vector<std::unique_ptr<Device>>* devices;
  kde_output_management_v2** management;
};

const wl_registry_listener kRegistryListener = {
    [](void* data, wl_registry* registry, uint32_t id, const char* interface, uint32_t version) {
      // Null once the devices are read: globals that come later are not ours.
      if (!data) return;
      Binder& binder = *static_cast<Binder*>(data);
      if (std::strcmp(interface, kde_output_device_v2_interface.name) == 0) {
        auto device = std::make_unique<Device>();
        const uint32_t bound = std::min<uint32_t>(version, uint32_t(kde_output_device_v2_interface.version));
        device->handle =
            static_cast<kde_output_device_v2*>(wl_registry_bind(registry, id, &kde_output_device_v2_interface, bound));
        kde_output_device_v2_add_listener(device->handle, &kDeviceListener, device.get());
        binder.devices->push_back(std::move(device));
      } else if (std::strcmp(interface, kde_output_management_v2_interface.name) == 0 && !*binder.management) {
        const uint32_t bound = std::min<uint32_t>(version, uint32_t(kde_output_management_v2_interface.version));
        *binder.management = static_cast<kde_output_management_v2*>(
            wl_registry_bind(registry, id, &kde_output_management_v2_interface, bound));
      }
    },
    [](void*, wl_registry*, uint32_t) {},
};

enum class Answer { None, Applied, Failed };

const kde_output_configuration_v2_listener kConfigurationListener = {
    [](void* data, kde_output_configuration_v2*) { *static_cast<Answer*>(data) = Answer::Applied; },
    [](void* data, kde_output_configuration_v2*) { *static_cast<Answer*>(data) = Answer::Failed; },
};

}  // namespace

QSize Device::layoutSize(QSize modeSize, int turnedTransform) const {
  const QSize turned = (turnedTransform % 2) ? modeSize.transposed() : modeSize;
  if (scale <= 0) return turned;
  return QSize(int(std::lround(turned.width() / scale)), int(std::lround(turned.height() / scale)));
}

const Mode* Device::modeOfSize(QSize size) const {
  if (current && current->size == size) return current;
  for (const auto& mode : modes)
    if (mode->size == size) return mode.get();
  return nullptr;
}

KWinOutputDevices::KWinOutputDevices(const QByteArray& socket) : m_connection(socket) {
  if (!m_connection.isConnected()) return;
  Binder binder{&m_devices, &m_management};
  wl_registry_add_listener(m_connection.registry(), &kRegistryListener, &binder);
  // The first answer brings the globals, the second what each device sends
  // on binding (geometry, modes, EDID, name).
  m_complete = m_connection.roundtrip() && m_connection.roundtrip() && !m_devices.empty();
  // The binder lives on this stack only.
  wl_proxy_set_user_data(reinterpret_cast<wl_proxy*>(m_connection.registry()), nullptr);
}

KWinOutputDevices::~KWinOutputDevices() {
  for (const auto& device : m_devices) {
    for (const auto& mode : device->modes) kde_output_device_mode_v2_destroy(mode->handle);
    kde_output_device_v2_destroy(device->handle);
  }
  if (m_management) kde_output_management_v2_destroy(m_management);
}

KWinOutputDevices::Outcome KWinOutputDevices::turn(const Device& device, int transform, const Mode& mode) {
  if (!m_management) return Outcome::NoManagement;
  kde_output_configuration_v2* configuration = kde_output_management_v2_create_configuration(m_management);
  Answer answer = Answer::None;
  kde_output_configuration_v2_add_listener(configuration, &kConfigurationListener, &answer);
  const QRect before = device.layoutRect();
  const QSize after = device.layoutSize(mode.size, transform);
  kde_output_configuration_v2_transform(configuration, device.handle, transform);
  if (&mode != device.current) kde_output_configuration_v2_mode(configuration, device.handle, mode.handle);
  for (const auto& other : m_devices) {
    if (other.get() == &device || !other->enabled) continue;
    const QPoint moved = positionBesideTurned(other->position, before, after);
    if (moved != other->position) kde_output_configuration_v2_position(configuration, other->handle, moved.x(), moved.y());
  }
  kde_output_configuration_v2_apply(configuration);
  const bool answered = m_connection.dispatchUntil([&answer] { return answer != Answer::None; });
  kde_output_configuration_v2_destroy(configuration);
  m_connection.roundtrip();
  return answered && answer == Answer::Applied ? Outcome::Applied : Outcome::Refused;
}

}  // namespace platform
