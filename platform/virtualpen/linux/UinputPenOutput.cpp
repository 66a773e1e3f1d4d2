#include "platform/virtualpen/linux/UinputPenOutput.h"

#include <libevdev/libevdev.h>

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcVirtualPen, "varnex.virtualpen")

namespace platform {

UinputPenOutput::UinputPenOutput(std::unique_ptr<UinputDevice> device)
    : m_device(std::move(device)), m_translator(*m_device) {}

std::unique_ptr<UinputPenOutput> UinputPenOutput::create(bool penDisplay, QSize area, QString* error) {
  libevdev* description = libevdev_new();
  if (!description) return nullptr;
  PenEvdevTranslator::describe(description, penDisplay, area);
  QString reason;
  std::unique_ptr<UinputDevice> device = UinputDevice::create(description, &reason);
  libevdev_free(description);
  if (!device) {
    qCWarning(lcVirtualPen).noquote() << "no virtual pen:" << reason;
    if (error) *error = reason;
    return nullptr;
  }
  qCInfo(lcVirtualPen) << "virtual pen at" << device->devnode();
  return std::unique_ptr<UinputPenOutput>(new UinputPenOutput(std::move(device)));
}

bool UinputPenOutput::penReport(const uint8_t* report, int length) {
  std::lock_guard<std::mutex> lock(m_lock);
  return m_translator.translate(report, length);
}

bool UinputPenOutput::modeReport(const uint8_t* report, int length) {
  // Windows Ink has no counterpart here; the switch is kept for the log.
  if (length >= 3) m_windowsInk.store(report[2] == 0x00, std::memory_order_relaxed);
  qCDebug(lcVirtualPen) << "windows ink" << windowsInk();
  return true;
}

}  // namespace platform
