#pragma once

#include "platform/virtualpen/PenOutput.h"

#include <QByteArray>
#include <mutex>
#include <vector>

namespace platform {

// The simulated virtual pen: keeps every report written to it, in order.
class RecordingPenOutput : public PenOutput {
 public:
  bool penReport(const uint8_t* report, int length) override;
  bool modeReport(const uint8_t* report, int length) override;

  std::vector<QByteArray> penReports() const;
  std::vector<QByteArray> modeReports() const;
  // Hands over the pen reports kept so far and keeps none of them, so a
  // long run that only looks at what is new does not pile them up.
  std::vector<QByteArray> takePenReports();
  void clear();

 private:
  mutable std::mutex m_lock;
  std::vector<QByteArray> m_penReports;
  std::vector<QByteArray> m_modeReports;
};

}  // namespace platform
