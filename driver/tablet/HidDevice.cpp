#include "driver/tablet/HidDevice.h"

#include "platform/hid/HidBackend.h"

#include <QThread>
#include <algorithm>
#include <stdexcept>
#include <vector>

namespace {
std::atomic<int> s_rejectedPauseMs{5};
std::atomic<int> s_failedSearchPauseMs{1000};
}  // namespace

HidDevice::HidDevice(uint16_t vendorId, uint16_t productId, uint16_t usagePage, uint16_t usage)
    : HidDevice(vendorId, productId, usagePage, usage, false, false) {}

HidDevice::HidDevice(uint16_t vendorId, uint16_t productId, uint16_t usagePage, uint16_t usage, bool exclusive,
                     bool overlapped) {
  HidDeviceParams wanted;
  wanted.vendorId = vendorId;
  wanted.productId = productId;
  wanted.usagePage = usagePage;
  wanted.usage = usage;
  wanted.exclusive = exclusive;
  wanted.overlapped = overlapped;
  open(wanted);
}

HidDevice::~HidDevice() {
  m_connection.reset();
  m_opened = false;
  m_params.reset();
}

void HidDevice::setSearchPauses(int rejectedInterfaceMs, int failedSearchMs) {
  s_rejectedPauseMs = rejectedInterfaceMs;
  s_failedSearchPauseMs = failedSearchMs;
}

void HidDevice::open(const HidDeviceParams& wanted) {
  if (wanted.vendorId == 0 || wanted.productId == 0) return;

  platform::HidBackend& backend = platform::HidBackend::current();
  const std::vector<platform::HidInterfaceInfo> candidates = backend.enumerate(wanted.vendorId, wanted.productId);
  for (const platform::HidInterfaceInfo& info : candidates) {
    if (info.vendorId != wanted.vendorId || info.productId != wanted.productId) continue;
    if (info.usagePage != wanted.usagePage || info.usage != wanted.usage) {
      QThread::msleep(s_rejectedPauseMs);
      continue;
    }
    std::unique_ptr<platform::HidConnection> connection = backend.open(info, wanted.exclusive);
    if (!connection) continue;
    m_connection = std::move(connection);
    m_manufacturer = info.manufacturer.left(512);
    m_product = info.product.left(512);
    m_serial = info.serial.left(512);
    m_productCode = productCodeFromProductString(m_product);
    m_inputReportLength = info.inputReportLength;
    m_outputReportLength = info.outputReportLength;
    m_params = std::make_unique<HidDeviceParams>(wanted);
    m_opened = true;
    return;
  }
  QThread::msleep(s_failedSearchPauseMs);
}

int HidDevice::productCodeFromProductString(const QByteArray& product) {
  const int open = product.indexOf('(');
  if (open < 0) return 0;
  const int close = product.indexOf(')', open + 1);
  QByteArray digits = close < 0 ? product.mid(open + 1) : product.mid(open + 1, close - open - 1);
  digits.replace('f', QByteArray()).replace('F', QByteArray());
  // The word is 32 bits unsigned; the top bit is a capability like the others
  // and keeps its place in the int's bit pattern.
  bool ok = false;
  const uint value = digits.toUInt(&ok, 16);
  return ok ? int(value) : 0;
}

int HidDevice::read(uint8_t* buffer, int length) { return read(buffer, length, platform::HidConnection::kNoTimeLimit); }

int HidDevice::read(uint8_t* buffer, int length, int timeoutMs) {
  m_inUse = true;
  if (!m_connection || !buffer || length <= 0) return 0;
  return m_connection->read(buffer, length, timeoutMs);
}

void HidDevice::cancelRead() {
  if (m_connection) m_connection->cancelRead();
}

int HidDevice::write(const uint8_t* data, int n) {
  if (!m_connection || n < 0 || n > m_outputReportLength) return 0;
  // The report always goes out at its full length; what the caller did not
  // give is zero. The buffer lives on the stack for the usual short reports.
  uint8_t small[128];
  std::vector<uint8_t> large;
  uint8_t* report = small;
  if (m_outputReportLength > int(sizeof small)) {
    large.resize(m_outputReportLength);
    report = large.data();
  }
  std::fill(report, report + m_outputReportLength, 0);
  if (n > 0) std::copy(data, data + n, report);
  return m_connection->write(report, m_outputReportLength);
}

bool HidDevice::setFeature(const uint8_t* data, int n) {
  if (!m_connection || !data || n <= 0) return false;
  return m_connection->setFeature(data, n);
}

QByteArray HidDevice::indexedString(int index) {
  if (m_inUse) throw std::runtime_error("HID string request can't be sent when the device is in use!");
  if (!m_connection) return QByteArray();
  return m_connection->indexedString(index & 0xFF).left(128);
}

bool HidDevice::gone() const { return m_connection && m_connection->isGone(); }
