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

  int read(uint8_t* buffer, int length) override;
  void cancelRead() override;
  int write(const uint8_t* data, int length) override;
  bool setFeature(const uint8_t* data, int length) override;
  QByteArray indexedString(int index) override;
  bool isGone() const override;

  int collection() const { return m_collection; }
  bool exclusive() const { return m_exclusive; }

 private:
  friend class SimHidDevice;

  const std::shared_ptr<SimHidDevice> m_device;
  const int m_collection;
  const bool m_exclusive;
  bool m_cancelPending = false;  // guarded by the device's lock
};

}  // namespace platform
