#include "driver/firmware/sim/SimIapConnection.h"

#include "driver/firmware/sim/SimIapDevice.h"

#include <algorithm>
#include <cstring>

SimIapConnection::SimIapConnection(std::shared_ptr<SimIapDevice> device, int generation)
    : m_device(std::move(device)), m_generation(generation) {}

int SimIapConnection::read(uint8_t* buffer, int length) {
  std::unique_lock<std::mutex> locker(m_lock);
  m_ready.wait(locker, [this] { return m_cancelled || !m_answers.empty() || isGone(); });
  if (m_cancelled) {
    m_cancelled = false;
    return 0;
  }
  if (m_answers.empty()) return 0;
  // An input report always has its full length.
  QByteArray report = m_answers.front();
  m_answers.pop_front();
  report.append(QByteArray(qMax(0, SimIapDevice::kInputReportLength - report.size()), '\0'));
  const int copied = std::min(length, int(report.size()));
  std::memcpy(buffer, report.constData(), size_t(copied));
  return copied;
}

void SimIapConnection::cancelRead() {
  {
    std::lock_guard<std::mutex> locker(m_lock);
    m_cancelled = true;
  }
  m_ready.notify_all();
}

int SimIapConnection::write(const uint8_t* data, int length) {
  if (isGone() || length != SimIapDevice::kOutputReportLength) return 0;
  const QByteArray answer = m_device->answer(data, length);
  if (!answer.isEmpty()) {
    std::lock_guard<std::mutex> locker(m_lock);
    m_answers.push_back(answer);
  }
  m_ready.notify_all();
  return length;
}

bool SimIapConnection::isGone() const { return m_device->generation() != m_generation; }
