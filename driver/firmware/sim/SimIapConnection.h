#pragma once

#include "platform/hid/HidConnection.h"

#include <QByteArray>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

class SimIapDevice;

// One opened handle on a SimIapDevice. Answers queue up as requests are
// written; a read waits for the next one. Once the device has left (it
// jumped to its boot loader) the handle is gone.
class SimIapConnection : public platform::HidConnection {
 public:
  SimIapConnection(std::shared_ptr<SimIapDevice> device, int generation);

  void cancelRead() override;
  int write(const uint8_t* data, int length) override;
  bool setFeature(const uint8_t*, int) override { return false; }
  QByteArray indexedString(int) override { return QByteArray(); }
  bool isGone() const override;

 protected:
  int receive(uint8_t* buffer, int length, int timeoutMs) override;

 private:
  std::shared_ptr<SimIapDevice> m_device;
  const int m_generation;
  std::mutex m_lock;
  std::condition_variable m_ready;
  std::deque<QByteArray> m_answers;
  bool m_reading = false;
  bool m_cancelled = false;
};
