#include "driver/firmware/sim/SimIapDevice.h"

#include "driver/firmware/FirmwareImage.h"
#include "driver/firmware/FirmwareModels.h"
#include "driver/firmware/sim/SimIapConnection.h"
#include "driver/tablet/ModelTable.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <utility>

namespace {

constexpr uint16_t kIapUsagePage = 0xFF0C;
constexpr uint16_t kIapUsage = 7;
constexpr int kBlockPayloadSize = 7 + FirmwareImage::kRecordSize;

uint32_t be32(const QByteArray& bytes, int at) {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value = value << 8 | uint8_t(bytes[at + i]);
  return value;
}

uint16_t be16(const QByteArray& bytes, int at) { return uint16_t(uint8_t(bytes[at]) << 8 | uint8_t(bytes[at + 1])); }

}  // namespace

SimIapDevice::SimIapDevice(const Config& config) : m_config(config) {}

std::vector<platform::HidInterfaceInfo> SimIapDevice::interfaces() const {
  std::lock_guard<std::mutex> locker(m_lock);
  const ModelEntry* model = ModelTable::byDevType(m_config.devType);
  if (!model) return {};
  platform::HidInterfaceInfo info;
  info.path = QStringLiteral("sim:iap:%1:%2:%3").arg(model->vendorId).arg(model->productId).arg(m_generation);
  info.vendorId = model->vendorId;
  info.productId = model->productId;
  info.usagePage = kIapUsagePage;
  info.usage = kIapUsage;
  info.inputReportLength = kInputReportLength;
  info.outputReportLength = kOutputReportLength;
  info.manufacturer = "Varnex";
  // The boot loader pads its capability word with "f", which readers drop.
  info.product = "Varnex IAP (fff" + QByteArray::number(m_config.capabilities, 16) + ")";
  info.serial = "SIM0001";
  return {info};
}

std::unique_ptr<platform::HidConnection> SimIapDevice::open(const platform::HidInterfaceInfo& which, bool) {
  const std::vector<platform::HidInterfaceInfo> present = interfaces();
  if (present.empty() || present.front().path != which.path) return nullptr;
  return std::make_unique<SimIapConnection>(shared_from_this(), generation());
}

void SimIapDevice::setFault(Fault fault, std::optional<Iap::Command> only, int skip) {
  std::lock_guard<std::mutex> locker(m_lock);
  m_fault = fault;
  m_faultCommand = only;
  m_faultSkip = skip;
}

void SimIapDevice::setArrivalHandler(std::function<void()> handler) {
  std::lock_guard<std::mutex> locker(m_lock);
  m_arrivalHandler = std::move(handler);
}

bool SimIapDevice::inBootLoader() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_config.inBootLoader;
}

int SimIapDevice::arrivals() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_arrivals;
}

QByteArray SimIapDevice::receivedImage() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_image;
}

uint32_t SimIapDevice::announcedLength() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_announcedLength;
}

uint32_t SimIapDevice::announcedInfo() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_announcedInfo;
}

bool SimIapDevice::flashed() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_flashed;
}

bool SimIapDevice::blockOrderBroken() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_orderBroken;
}

std::vector<Iap::Request> SimIapDevice::requests() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_requests;
}

int SimIapDevice::generation() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_generation;
}

bool SimIapDevice::faultApplies(const Iap::Command& command) {
  if (m_fault == Fault::None) return false;
  if (m_faultCommand && !(*m_faultCommand == command)) return false;
  if (m_faultSkip > 0) {
    --m_faultSkip;
    return false;
  }
  return true;
}

std::vector<QByteArray> SimIapDevice::answers(const uint8_t* report, int length) {
  const std::optional<Iap::Request> request = Iap::parseRequest(report, length);
  // A boot loader drops frames it cannot read.
  if (!request) return {};
  std::lock_guard<std::mutex> locker(m_lock);
  std::vector<QByteArray> sent;
  if (!m_lateAnswer.isEmpty()) sent.push_back(std::exchange(m_lateAnswer, QByteArray()));
  m_requests.push_back(*request);
  const bool faulty = faultApplies(request->command);
  if (faulty && m_fault == Fault::NoAnswer) return sent;
  uint16_t status = 0;
  const QByteArray data = respond(*request, &status);
  if (faulty && m_fault == Fault::ErrorStatus) status = kStatusRefused;
  QByteArray frame = Iap::buildAnswer(request->sequence, request->command, status, data);
  if (faulty && m_fault == Fault::BadCrc) frame[frame.size() - 1] = char(frame[frame.size() - 1] ^ 0x5A);
  if (faulty && m_fault == Fault::ShortAnswer) {
    // Announce more than one input report can carry.
    frame[6] = char(0x01);
    frame[7] = char(0x00);
  }
  if (faulty && m_fault == Fault::LateAnswer) {
    m_lateAnswer = frame;
    return sent;
  }
  sent.push_back(frame);
  return sent;
}

QByteArray SimIapDevice::respond(const Iap::Request& request, uint16_t* status) {
  const Iap::Command& command = request.command;
  if (command == Iap::getShVersion(m_config.devType)) {
    QByteArray data(72, '\0');
    data[1] = char(m_config.firmwareMajor);
    data[2] = char(m_config.firmwareMinor);
    const QByteArray text = "Varnex simulated boot loader";
    std::copy(text.begin(), text.end(), data.begin() + 3);
    data[67] = char(m_config.hardwareMajor);
    data[68] = char(m_config.hardwareMinor);
    return data;
  }
  if (command == Iap::getAdditionalMsg(m_config.devType)) {
    // The ST platform knows no additional message.
    if (m_config.capabilities == 0) {
      *status = kStatusRefused;
      return QByteArray();
    }
    const char message[3] = {char(m_config.chipCode), char(m_config.penCode), char(m_config.spare)};
    return QByteArray(message, 3);
  }
  if (command == Iap::kQueryRunRegion) return QByteArray(1, char(m_config.inBootLoader ? 2 : 1));
  if (command == Iap::kCheckReserveFlashSpace) {
    QByteArray data(4, '\0');
    for (int i = 0; i < 4; ++i) data[i] = char(m_config.reservedFlash >> (8 * i));
    return data;
  }
  if (command == Iap::kJumpToBoot) {
    if (!m_config.inBootLoader) leaveAndArrive(true);
    return QByteArray();
  }
  if (command == Iap::kSendFileInfo && m_config.inBootLoader && request.payload.size() == 8) {
    m_announcedLength = be32(request.payload, 0);
    m_announcedInfo = be32(request.payload, 4);
    m_image.clear();
    m_nextBlock = 0;
    m_flashed = false;
    m_orderBroken = false;
    return QByteArray();
  }
  if (command == Iap::kWriteBlock && m_config.inBootLoader && request.payload.size() == kBlockPayloadSize) {
    const uint32_t count = FirmwareImage::blockCount(m_announcedLength);
    const uint32_t block = be16(request.payload, 3);
    const bool last = request.payload[0] == 1;
    if (block != m_nextBlock || block >= count || last != (block + 1 == count) ||
        be16(request.payload, 5) != FirmwareImage::kRecordSize) {
      m_orderBroken = true;
      *status = kStatusWrongBlock;
      return QByteArray();
    }
    m_image.append(request.payload.mid(7));
    ++m_nextBlock;
    if (last) {
      m_flashed = true;
      // The new firmware starts: the tablet leaves and comes back running it.
      leaveAndArrive(false);
    }
    return QByteArray();
  }
  *status = kStatusRefused;
  return QByteArray();
}

void SimIapDevice::leaveAndArrive(bool asBootLoader) {
  m_config.inBootLoader = asBootLoader;
  ++m_generation;
  ++m_arrivals;
  if (m_arrivalHandler && QCoreApplication::instance())
    QMetaObject::invokeMethod(QCoreApplication::instance(), m_arrivalHandler, Qt::QueuedConnection);
}
