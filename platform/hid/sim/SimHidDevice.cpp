#include "platform/hid/sim/SimHidDevice.h"

#include "platform/hid/HidBackend.h"
#include "platform/hid/sim/SimHidConnection.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>

namespace platform {

namespace {
QString uniquePathPrefix(uint16_t vendorId, uint16_t productId) {
  static std::atomic<int> serialNumber{0};
  return QString::asprintf("sim:%04x:%04x:%d/", vendorId, productId, ++serialNumber);
}
}  // namespace

SimHidDevice::SimHidDevice(uint16_t vendorId, uint16_t productId, std::vector<Collection> collections,
                           QByteArray product, QByteArray manufacturer, QByteArray serial)
    : m_vendorId(vendorId),
      m_productId(productId),
      m_collections(std::move(collections)),
      m_product(std::move(product)),
      m_manufacturer(std::move(manufacturer)),
      m_serial(std::move(serial)),
      m_pathPrefix(uniquePathPrefix(vendorId, productId)),
      m_input(m_collections.size()) {}

SimHidDevice::~SimHidDevice() = default;

void SimHidDevice::plugIn() { HidBackend::current().registerVirtual(shared_from_this()); }

void SimHidDevice::unregister() { HidBackend::current().unregisterVirtual(this); }

HidInterfaceInfo SimHidDevice::interfaceInfo(int collection) const {
  const Collection& c = m_collections[collection];
  HidInterfaceInfo info;
  info.path = m_pathPrefix + QString::number(collection);
  info.vendorId = m_vendorId;
  info.productId = m_productId;
  info.usagePage = c.usagePage;
  info.usage = c.usage;
  info.inputReportLength = c.inputReportLength;
  info.outputReportLength = c.outputReportLength;
  info.featureReportLength = c.featureReportLength;
  info.manufacturer = m_manufacturer;
  info.product = m_product;
  info.serial = m_serial;
  return info;
}

int SimHidDevice::collectionOfPath(const QString& path) const {
  if (!path.startsWith(m_pathPrefix)) return -1;
  bool ok = false;
  const int index = path.midRef(m_pathPrefix.size()).toInt(&ok);
  return ok && index >= 0 && index < int(m_collections.size()) ? index : -1;
}

std::vector<HidInterfaceInfo> SimHidDevice::interfaces() const {
  std::vector<HidInterfaceInfo> result;
  if (isGone()) return result;
  for (int i = 0; i < int(m_collections.size()); ++i) result.push_back(interfaceInfo(i));
  return result;
}

std::unique_ptr<HidConnection> SimHidDevice::open(const HidInterfaceInfo& which, bool exclusive) {
  const int collection = collectionOfPath(which.path);
  if (collection < 0) return nullptr;
  std::shared_ptr<SimHidDevice> self = weak_from_this().lock();
  if (!self) return nullptr;

  std::lock_guard<std::mutex> locker(m_lock);
  if (m_gone || m_openRefused) return nullptr;
  // Like flock(LOCK_EX) on a hidraw node: an exclusive holder keeps everyone
  // out, and nobody gets exclusive access while others hold it open.
  for (const SimHidConnection* other : m_connections) {
    if (other->collection() == collection && (exclusive || other->exclusive())) return nullptr;
  }
  auto connection = std::make_unique<SimHidConnection>(std::move(self), collection, exclusive);
  m_connections.push_back(connection.get());
  return connection;
}

void SimHidDevice::closed(SimHidConnection& connection) {
  std::lock_guard<std::mutex> locker(m_lock);
  m_connections.erase(std::remove(m_connections.begin(), m_connections.end(), &connection), m_connections.end());
}

void SimHidDevice::pushInput(const QByteArray& report, int collection) {
  if (collection < 0 || collection >= int(m_collections.size())) return;
  std::lock_guard<std::mutex> locker(m_lock);
  if (m_gone) return;
  m_input[collection].push_back(report);
  m_changed.notify_all();
}

void SimHidDevice::pushInput(const uint8_t* report, int length, int collection) {
  pushInput(QByteArray(reinterpret_cast<const char*>(report), length), collection);
}

int SimHidDevice::pendingInput(int collection) const {
  std::lock_guard<std::mutex> locker(m_lock);
  return collection >= 0 && collection < int(m_input.size()) ? int(m_input[collection].size()) : 0;
}

int SimHidDevice::read(SimHidConnection& reader, uint8_t* buffer, int length, int timeoutMs) {
  if (!buffer || length <= 0) return 0;
  std::unique_lock<std::mutex> locker(m_lock);
  std::deque<QByteArray>& queue = m_input[reader.collection()];
  reader.m_reading = true;
  reader.m_cancelPending = false;
  const auto ready = [&] { return m_gone || reader.m_cancelPending || !queue.empty(); };
  if (!ready()) {
    ++m_blockedReads;
    m_changed.notify_all();
    if (timeoutMs < 0)
      m_changed.wait(locker, ready);
    else
      m_changed.wait_for(locker, std::chrono::milliseconds(timeoutMs), ready);
    --m_blockedReads;
  }
  const bool cancelled = reader.m_cancelPending;
  reader.m_reading = false;
  reader.m_cancelPending = false;
  if (m_gone || cancelled || queue.empty()) return 0;
  const QByteArray report = std::move(queue.front());
  queue.pop_front();
  const int copied = std::min(length, int(report.size()));
  std::memcpy(buffer, report.constData(), size_t(copied));
  return copied;
}

void SimHidDevice::cancelRead(SimHidConnection& reader) {
  std::lock_guard<std::mutex> locker(m_lock);
  if (!reader.m_reading) return;
  reader.m_cancelPending = true;
  m_changed.notify_all();
}

int SimHidDevice::write(int collection, ReportKind kind, const uint8_t* data, int length) {
  WrittenReport entry{kind, collection, QByteArray()};
  WriteHandler handler;
  {
    std::lock_guard<std::mutex> locker(m_lock);
    if (m_gone || m_writesFail || !data || length <= 0) return 0;
    const Collection& c = m_collections[collection];
    const int limit = kind == ReportKind::Output ? c.outputReportLength : c.featureReportLength;
    if (length > limit) return 0;
    entry.data = QByteArray(reinterpret_cast<const char*>(data), length);
    m_written.push_back(entry);
    handler = m_writeHandler;
    m_changed.notify_all();
  }
  if (handler) handler(entry);
  return length;
}

QByteArray SimHidDevice::indexedString(int index) const {
  std::lock_guard<std::mutex> locker(m_lock);
  if (m_gone) return QByteArray();
  const auto found = m_strings.find(index);
  return found == m_strings.end() ? QByteArray() : found->second;
}

void SimHidDevice::unplug() {
  std::lock_guard<std::mutex> locker(m_lock);
  m_gone = true;
  for (auto& queue : m_input) queue.clear();
  m_changed.notify_all();
}

bool SimHidDevice::isGone() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_gone;
}

void SimHidDevice::setWriteHandler(WriteHandler handler) {
  std::lock_guard<std::mutex> locker(m_lock);
  m_writeHandler = std::move(handler);
}

void SimHidDevice::setWritesFail(bool fail) {
  std::lock_guard<std::mutex> locker(m_lock);
  m_writesFail = fail;
}

void SimHidDevice::setOpenRefused(bool refused) {
  std::lock_guard<std::mutex> locker(m_lock);
  m_openRefused = refused;
}

void SimHidDevice::setIndexedString(int index, const QByteArray& text) {
  std::lock_guard<std::mutex> locker(m_lock);
  m_strings[index] = text;
}

std::vector<SimHidDevice::WrittenReport> SimHidDevice::writtenReports() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_written;
}

std::vector<QByteArray> SimHidDevice::outputReports(int collection) const {
  std::vector<QByteArray> result;
  for (const WrittenReport& report : writtenReports()) {
    if (report.kind == ReportKind::Output && report.collection == collection) result.push_back(report.data);
  }
  return result;
}

std::vector<QByteArray> SimHidDevice::featureReports(int collection) const {
  std::vector<QByteArray> result;
  for (const WrittenReport& report : writtenReports()) {
    if (report.kind == ReportKind::Feature && report.collection == collection) result.push_back(report.data);
  }
  return result;
}

void SimHidDevice::clearWrittenReports() {
  std::lock_guard<std::mutex> locker(m_lock);
  m_written.clear();
}

bool SimHidDevice::waitForWrittenReports(size_t count, int timeoutMs) const {
  std::unique_lock<std::mutex> locker(m_lock);
  return m_changed.wait_for(locker, std::chrono::milliseconds(timeoutMs), [&] { return m_written.size() >= count; });
}

bool SimHidDevice::waitForBlockedReads(int count, int timeoutMs) const {
  std::unique_lock<std::mutex> locker(m_lock);
  return m_changed.wait_for(locker, std::chrono::milliseconds(timeoutMs), [&] { return m_blockedReads >= count; });
}

int SimHidDevice::openConnections() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return int(m_connections.size());
}

}  // namespace platform
