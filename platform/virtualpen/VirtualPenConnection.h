#pragma once

#include "platform/hid/HidConnection.h"
#include "platform/virtualpen/PenOutput.h"

#include <condition_variable>
#include <memory>
#include <mutex>

namespace platform {

// An open collection of the virtual pen. It has no input reports: a read
// waits until it is cancelled or its time runs out. Writes go to the pen output.
class VirtualPenConnection : public HidConnection {
 public:
  enum class Collection { Pen, Mode };

  VirtualPenConnection(std::shared_ptr<PenOutput> output, Collection collection);

  void cancelRead() override;
  int write(const uint8_t* data, int length) override;
  bool setFeature(const uint8_t*, int) override { return false; }
  QByteArray indexedString(int) override { return QByteArray(); }
  bool isGone() const override { return false; }

 protected:
  int receive(uint8_t* buffer, int length, int timeoutMs) override;

 private:
  std::shared_ptr<PenOutput> m_output;
  Collection m_collection;
  std::mutex m_lock;
  std::condition_variable m_wake;
  bool m_reading = false;
  bool m_cancelled = false;
};

}  // namespace platform
