#include "platform/virtualpen/sim/RecordingPenOutput.h"

#include <mutex>

namespace platform {

bool RecordingPenOutput::penReport(const uint8_t* report, int length) {
  std::lock_guard<std::mutex> locker(m_lock);
  m_penReports.emplace_back(reinterpret_cast<const char*>(report), length);
  return true;
}

bool RecordingPenOutput::modeReport(const uint8_t* report, int length) {
  std::lock_guard<std::mutex> locker(m_lock);
  m_modeReports.emplace_back(reinterpret_cast<const char*>(report), length);
  return true;
}

std::vector<QByteArray> RecordingPenOutput::penReports() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_penReports;
}

std::vector<QByteArray> RecordingPenOutput::modeReports() const {
  std::lock_guard<std::mutex> locker(m_lock);
  return m_modeReports;
}

std::vector<QByteArray> RecordingPenOutput::takePenReports() {
  std::lock_guard<std::mutex> locker(m_lock);
  std::vector<QByteArray> taken;
  taken.swap(m_penReports);
  return taken;
}

void RecordingPenOutput::clear() {
  std::lock_guard<std::mutex> locker(m_lock);
  m_penReports.clear();
  m_modeReports.clear();
}

}  // namespace platform
