#include "platform/virtualpen/VirtualPen.h"

#include "platform/hid/HidBackend.h"
#include "platform/virtualpen/VirtualPenDevice.h"
#include "platform/virtualpen/linux/UinputPenOutput.h"
#include "platform/virtualpen/sim/RecordingPenOutput.h"

#include <mutex>
#include <mutex>

namespace platform {

namespace {
std::mutex s_lock;
std::shared_ptr<VirtualPenDevice> s_device;
}  // namespace

void VirtualPen::install(std::shared_ptr<PenOutput> output) {
  std::lock_guard<std::mutex> locker(s_lock);
  HidBackend& backend = HidBackend::current();
  if (s_device) backend.unregisterVirtual(s_device.get());
  s_device = std::make_shared<VirtualPenDevice>(std::move(output));
  backend.registerVirtual(s_device);
}

bool VirtualPen::installUinput(bool penDisplay, QString* error) {
  std::shared_ptr<PenOutput> output = UinputPenOutput::create(penDisplay, error);
  if (!output) {
    uninstall();
    return false;
  }
  install(std::move(output));
  return true;
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
}

bool VirtualPen::installed() {
  std::lock_guard<std::mutex> locker(s_lock);
  return s_device != nullptr;
}

}  // namespace platform
