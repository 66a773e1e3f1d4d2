#include "driver/output/VMulti.h"

#include "driver/tablet/HidDevice.h"

#include <algorithm>
#include <cstring>

namespace {

struct LinkIdentity {
  uint16_t vendorId;
  uint16_t productId;
  uint16_t usagePage;
  uint16_t usage;
};

// Types 0 and 1 name an older control collection that nothing here uses.
bool identityOf(int linkType, LinkIdentity& id) {
  switch (linkType) {
    case 0:
    case 1: id = {0x00FF, 0xBACC, 0xFF00, 0x0001}; return true;
    case 2: id = {0x6666, 0x2908, 0xFF00, 0x0001}; return true;
    case 3: id = {0x6666, 0x2908, 0xFF00, 0x0002}; return true;
    default: return false;
  }
}

}  // namespace

VMulti::VMulti(int linkType) : m_linkType(linkType) {
  LinkIdentity id;
  if (!identityOf(linkType, id)) return;
  auto device = std::make_unique<HidDevice>(id.vendorId, id.productId, id.usagePage, id.usage);
  if (!device->opened()) return;
  m_device = std::move(device);
  m_open = true;
  m_writable = true;
}

VMulti::~VMulti() = default;

void VMulti::setBuffer(const uint8_t* data, int length) {
  if (!data || length <= 0) return;
  std::memcpy(m_buffer, data, size_t(std::min(length, kBufferSize)));
}

bool VMulti::write() {
  if (!m_writable || !m_device) return true;
  // The device's report may be longer than the buffer; HidDevice pads what
  // is not given with zeros, so never copy past the buffer's end.
  const int length = std::min(m_device->outputReportLength(), kBufferSize);
  std::memcpy(m_lastWritten, m_buffer, size_t(std::max(length, 0)));
  return m_device->write(m_buffer, length) > 0;
}

bool VMulti::writeModeReport(bool isWinLnk) {
  uint8_t report[kBufferSize] = {0x41, 0x01, uint8_t(isWinLnk ? 0x00 : 0x01)};
  setBuffer(report, kBufferSize);
  if (!m_open) return true;
  return write();
}
