#include "driver/firmware/sim/SimIapConnection.h"

#include "driver/firmware/sim/SimIapDevice.h"

#include <algorithm>
#include <chrono>
#include <cstring>

SimIapConnection::SimIapConnection(std::shared_ptr<SimIapDevice> device, int generation)
    : m_device(std::move(device)), m_generation(generation) {}

int SimIapConnection::receive(uint8_t* buffer, int length, int timeoutMs) {
  std::unique_lock<std::mutex> locker(m_lock);
  m_reading = true;
  m_cancelled = false;
  const auto ready = [this] { return m_cancelled || !m_answers.empty() || isGone(); };
  if (timeoutMs < 0)
    m_ready.wait(locker, ready);
  else
    m_ready.wait_for(locker, std::chrono::milliseconds(timeoutMs), ready);
  const bool cancelled = m_cancelled;
  m_reading = false;
  m_cancelled = false;
  if (cancelled || m_answers.empty()) return 0;
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
    if (!m_reading) return;
    m_cancelled = true;
  }
  m_ready.notify_all();
}

int SimIapConnection::write(const uint8_t* data, int length) {
  if (isGone() || length != SimIapDevice::kOutputReportLength) return 0;
  const std::vector<QByteArray> answers = m_device->answers(data, length);
  {
    std::lock_guard<std::mutex> locker(m_lock);
    m_answers.insert(m_answers.end(), answers.begin(), answers.end());
  }
  m_ready.notify_all();
  return length;
}

bool SimIapConnection::isGone() const { return m_device->generation() != m_generation; }
