#pragma once

#include "platform/input/linux/EvdevSink.h"
#include "platform/virtualpen/PenOutput.h"
#include "platform/virtualpen/linux/PenEvdevTranslator.h"

#include <QSize>
#include <QString>
#include <atomic>
#include <memory>
#include <mutex>

namespace platform {

// The virtual pen as a kernel tablet made through /dev/uinput.
class UinputPenOutput : public PenOutput {
 public:
  // Null when the uinput device cannot be made (no /dev/uinput or no
  // permission); the reason goes to `error` when given.
  static std::unique_ptr<UinputPenOutput> create(bool penDisplay, QSize area, QString* error = nullptr);

  bool penReport(const uint8_t* report, int length) override;
  bool modeReport(const uint8_t* report, int length) override;

  bool windowsInk() const { return m_windowsInk.load(std::memory_order_relaxed); }

 private:
  explicit UinputPenOutput(std::unique_ptr<UinputDevice> device);

  std::unique_ptr<UinputDevice> m_device;
  std::mutex m_lock;  // pen reports may come from a new device thread each start
  PenEvdevTranslator m_translator;
  std::atomic<bool> m_windowsInk{true};
};

}  // namespace platform
