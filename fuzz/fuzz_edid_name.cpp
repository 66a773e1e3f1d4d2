// EDID bytes as a monitor or a user's file gives them: the name reader, and
// the pen display choice over outputs whose monitors carry those bytes.

#include "driver/core/MyQmlEnum.h"
#include "driver/display/DisplayMonitorDevice.h"
#include "driver/display/EdidMonitorName.h"
#include "platform/display/sim/SimDisplayOutputs.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Exactly `size` bytes of our own, so a read past them is caught.
  std::unique_ptr<uint8_t[]> edid(new uint8_t[size]);
  if (size) std::memcpy(edid.get(), data, size);
  const QByteArray name = edidMonitorNameBytes(edid.get(), size);
  if (size < 128 && !name.isEmpty()) __builtin_trap();
  if (name.size() > 13) __builtin_trap();

  static platform::SimDisplayOutputs* outputs = [] {
    auto sim = std::make_unique<platform::SimDisplayOutputs>();
    platform::SimDisplayOutputs* raw = sim.get();
    platform::DisplayOutputs::install(std::move(sim));
    return raw;
  }();
  platform::DisplayOutput first, second;
  first.name = QStringLiteral("DP-1");
  first.rect = QRect(0, 0, 1920, 1080);
  first.modeSize = first.rect.size();
  first.edid = QByteArray(reinterpret_cast<const char*>(data), int(size));
  second = first;
  second.name = QStringLiteral("HDMI-1");
  second.rect.moveLeft(1920);
  outputs->setOutputs({first, second});
  DisplayMonitorDevice monitors;
  monitors.setDevType(MyQmlEnum::CFG_Fjord5);
  const QString chosen = monitors.findPenDisplayDevice();
  // Both monitors carry the same bytes, so either both qualify or none.
  if (!chosen.isEmpty() && chosen != QLatin1String("HDMI-1")) __builtin_trap();
  monitors.monitorNameMap();
  return 0;
}
