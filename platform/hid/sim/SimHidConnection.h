#pragma once

#include "platform/hid/HidConnection.h"

#include <memory>

namespace platform {

class SimHidDevice;

// One open collection of a SimHidDevice. It keeps the device alive, so a test
// may drop its own reference while the driver still holds the connection.
class SimHidConnection : public HidConnection {
 public:
  SimHidConnection(std::shared_ptr<SimHidDevice> device, int collection, bool exclusive);
  ~SimHidConnection() override;

  void cancelRead() override;
  int write(const uint8_t* data, int length) override;
  bool setFeature(const uint8_t* data, int length) override;
  QByteArray indexedString(int index) override;
  bool isGone() const override;

  int collection() const { return m_collection; }
  bool exclusive() const { return m_exclusive; }

 protected:
  int receive(uint8_t* buffer, int length, int timeoutMs) override;

 private:
  friend class SimHidDevice;

  const std::shared_ptr<SimHidDevice> m_device;
  const int m_collection;
  const bool m_exclusive;
  // Both guarded by the device's lock: a cancel ends only a read in flight.
  bool m_reading = false;
  bool m_cancelPending = false;
};

}  // namespace platform
