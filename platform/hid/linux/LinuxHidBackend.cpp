#include "platform/hid/linux/LinuxHidBackend.h"

namespace platform {

LinuxHidBackend::LinuxHidBackend(QString sysfsRoot, QString devRoot)
    : m_sysfsRoot(std::move(sysfsRoot)), m_devRoot(std::move(devRoot)) {}

std::vector<HidInterfaceInfo> LinuxHidBackend::enumerateReal(uint16_t, uint16_t) { return {}; }

std::unique_ptr<HidConnection> LinuxHidBackend::openReal(const HidInterfaceInfo&, bool) { return nullptr; }

}  // namespace platform
