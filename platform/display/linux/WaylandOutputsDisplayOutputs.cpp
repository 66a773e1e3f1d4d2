#include "platform/display/linux/WaylandOutputsDisplayOutputs.h"

#include "platform/desktop/linux/WaylandConnection.h"

#include <wayland-client.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace platform {

namespace {

struct Announced {
  wl_output* handle = nullptr;
  QString name, model;
  QPoint position;
  int transform = 0;
  int scale = 1;
  QSize mode;  // unturned panel pixels
};

Announced& announcedOf(void* data) { return *static_cast<Announced*>(data); }

const wl_output_listener kOutputListener = {
    [](void* data, wl_output*, int32_t x, int32_t y, int32_t, int32_t, int32_t, const char*, const char* model,
       int32_t transform) {
      Announced& output = announcedOf(data);
      output.position = QPoint(x, y);
      output.model = QString::fromUtf8(model);
      output.transform = transform;
    },
    [](void* data, wl_output*, uint32_t flags, int32_t width, int32_t height, int32_t) {
      if (flags & WL_OUTPUT_MODE_CURRENT) announcedOf(data).mode = QSize(width, height);
    },
    [](void*, wl_output*) {},
    [](void* data, wl_output*, int32_t factor) { announcedOf(data).scale = std::max(1, factor); },
    [](void* data, wl_output*, const char* name) { announcedOf(data).name = QString::fromUtf8(name); },
    [](void*, wl_output*, const char*) {},
};

const wl_registry_listener kRegistryListener = {
    [](void* data, wl_registry* registry, uint32_t id, const char* interface, uint32_t version) {
      if (!data || std::strcmp(interface, wl_output_interface.name) != 0) return;
      auto output = std::make_unique<Announced>();
      const uint32_t bound = std::min<uint32_t>(version, 4);
      output->handle = static_cast<wl_output*>(wl_registry_bind(registry, id, &wl_output_interface, bound));
      wl_output_add_listener(output->handle, &kOutputListener, output.get());
      static_cast<std::vector<std::unique_ptr<Announced>>*>(data)->push_back(std::move(output));
    },
    [](void*, wl_registry*, uint32_t) {},
};

}  // namespace

WaylandOutputsDisplayOutputs::WaylandOutputsDisplayOutputs(QByteArray socket) : m_socket(std::move(socket)) {}

QVector<DisplayOutput> WaylandOutputsDisplayOutputs::outputs() {
  QVector<DisplayOutput> result;
  WaylandConnection connection(m_socket);
  if (!connection.isConnected()) return result;
  std::vector<std::unique_ptr<Announced>> announced;
  wl_registry_add_listener(connection.registry(), &kRegistryListener, &announced);
  const bool answered = connection.roundtrip() && connection.roundtrip();
  wl_proxy_set_user_data(reinterpret_cast<wl_proxy*>(connection.registry()), nullptr);
  for (const auto& output : announced) {
    if (answered && output->mode.isValid()) {
      DisplayOutput entry;
      entry.name = output->name.isEmpty() ? output->model : output->name;
      entry.orientation = output->transform % 4;
      entry.modeSize = entry.orientation % 2 ? output->mode.transposed() : output->mode;
      entry.rect = QRect(output->position, entry.modeSize / output->scale);
      entry.monitorName = output->model;
      result.push_back(entry);
    }
    wl_output_destroy(output->handle);
  }
  return result;
}

}  // namespace platform
