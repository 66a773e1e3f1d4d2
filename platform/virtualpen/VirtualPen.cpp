#include "platform/virtualpen/VirtualPen.h"

#include "platform/hid/HidBackend.h"
#include "platform/virtualpen/VirtualPenDevice.h"
#include "platform/virtualpen/linux/PenEvdevTranslator.h"
#include "platform/virtualpen/linux/UinputPenOutput.h"
#include "platform/virtualpen/sim/RecordingPenOutput.h"

#include <mutex>

namespace platform {

namespace {
enum class Kind { None, Other, UinputTablet, UinputDisplay };

std::mutex s_lock;
std::shared_ptr<VirtualPenDevice> s_device;
Kind s_kind = Kind::None;
// The proportions the uinput pen was made with, as its height resolution.
int s_heightResolution = 0;

void installLocked(std::shared_ptr<PenOutput> output, Kind kind) {
  HidBackend& backend = HidBackend::current();
  if (s_device) backend.unregisterVirtual(s_device.get());
  s_device = std::make_shared<VirtualPenDevice>(std::move(output));
  s_kind = kind;
  backend.registerVirtual(s_device);
}

}  // namespace

void VirtualPen::install(std::shared_ptr<PenOutput> output) {
  std::lock_guard<std::mutex> locker(s_lock);
  installLocked(std::move(output), Kind::Other);
}

bool VirtualPen::installUinput(bool penDisplay, QSize area, QString* error) {
  std::shared_ptr<PenOutput> output = UinputPenOutput::create(penDisplay, area, error);
  if (!output) {
    uninstall();
    return false;
  }
  std::lock_guard<std::mutex> locker(s_lock);
  installLocked(std::move(output), penDisplay ? Kind::UinputDisplay : Kind::UinputTablet);
  s_heightResolution = PenEvdevTranslator::heightResolution(area);
  return true;
}

bool VirtualPen::prepare(bool penDisplay, QSize area, QString* error) {
  {
    std::lock_guard<std::mutex> locker(s_lock);
    const Kind wanted = penDisplay ? Kind::UinputDisplay : Kind::UinputTablet;
    if (s_kind == Kind::Other) return true;
    if (s_kind == wanted && s_heightResolution == PenEvdevTranslator::heightResolution(area)) return true;
  }
  return installUinput(penDisplay, area, error);
}

std::shared_ptr<RecordingPenOutput> VirtualPen::installRecorder() {
  auto recorder = std::make_shared<RecordingPenOutput>();
  install(recorder);
  return recorder;
}

void VirtualPen::uninstall() {
  std::lock_guard<std::mutex> locker(s_lock);
  if (!s_device) return;
  HidBackend::current().unregisterVirtual(s_device.get());
  s_device.reset();
  s_kind = Kind::None;
}

bool VirtualPen::installed() {
  std::lock_guard<std::mutex> locker(s_lock);
  return s_device != nullptr;
}

}  // namespace platform
