#pragma once

#include <QByteArray>
#include <cstdint>

namespace platform {

// An opened HID interface. One thread reads; any thread may write, send
// feature reports or cancel a pending read.
class HidConnection {
 public:
  virtual ~HidConnection() = default;

  // Blocks until one input report arrives and copies at most `length` bytes of
  // it into `buffer`. Returns the number of bytes copied; 0 when the read was
  // cancelled, failed, or the interface is gone (then isGone() is true and
  // every later read returns 0 at once).
  virtual int read(uint8_t* buffer, int length) = 0;

  // Wakes a read that is blocked now (or the next one to start) with 0.
  virtual void cancelRead() = 0;

  // Sends one output report of exactly `length` bytes. Returns the bytes
  // written, 0 on failure.
  virtual int write(const uint8_t* data, int length) = 0;

  // Sends one feature report; true when the interface accepted it.
  virtual bool setFeature(const uint8_t* data, int length) = 0;

  // The string descriptor with that index; empty when there is none.
  virtual QByteArray indexedString(int index) = 0;

  // True once the device has been unplugged.
  virtual bool isGone() const = 0;
};

}  // namespace platform
