#include "platform/virtualpen/VirtualPenConnection.h"

#include <chrono>

namespace platform {

namespace {
constexpr uint8_t kPenReportId = 0x40;
constexpr uint8_t kModeReportId = 0x41;
constexpr int kPenReportLength = 12;
constexpr int kModeReportLength = 3;
}  // namespace

VirtualPenConnection::VirtualPenConnection(std::shared_ptr<PenOutput> output, Collection collection)
    : m_output(std::move(output)), m_collection(collection) {}

int VirtualPenConnection::receive(uint8_t*, int, int timeoutMs) {
  std::unique_lock<std::mutex> lock(m_lock);
  m_reading = true;
  m_cancelled = false;
  const auto cancelled = [this] { return m_cancelled; };
  if (timeoutMs < 0)
    m_wake.wait(lock, cancelled);
  else
    m_wake.wait_for(lock, std::chrono::milliseconds(timeoutMs), cancelled);
  m_reading = false;
  m_cancelled = false;
  return 0;
}

void VirtualPenConnection::cancelRead() {
  {
    std::lock_guard<std::mutex> lock(m_lock);
    if (!m_reading) return;
    m_cancelled = true;
  }
  m_wake.notify_all();
}

int VirtualPenConnection::write(const uint8_t* data, int length) {
  if (!data || length <= 0) return 0;
  // Reports of another kind are accepted and dropped, as the driver we stand
  // in for does with control reports it does not know.
  if (m_collection == Collection::Pen) {
    if (length < kPenReportLength || data[0] != kPenReportId) return length;
    return m_output->penReport(data, kPenReportLength) ? length : 0;
  }
  if (length < kModeReportLength || data[0] != kModeReportId) return length;
  return m_output->modeReport(data, length) ? length : 0;
}

}  // namespace platform
