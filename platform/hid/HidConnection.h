#pragma once

#include <QByteArray>
#include <cstdint>

namespace platform {

// An opened HID interface. One thread reads; any thread may write, send
// feature reports or cancel a pending read.
class HidConnection {
 public:
  virtual ~HidConnection() = default;

  static constexpr int kNoTimeLimit = -1;

  // Waits until one input report arrives, at most `timeoutMs` milliseconds
  // (kNoTimeLimit: as long as it takes), and copies at most `length` bytes of
  // it into `buffer`. Returns the number of bytes copied; 0 when the time ran
  // out, the read was cancelled or failed, or the interface is gone (then
  // isGone() is true and every later read returns 0 at once).
  int read(uint8_t* buffer, int length, int timeoutMs = kNoTimeLimit) { return receive(buffer, length, timeoutMs); }

  // Wakes the read in flight with 0. A cancel that finds no read in flight
  // (it came just after the read returned) does nothing: it must not end the
  // next read, which nobody meant to cancel.
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

 protected:
  // What read() does; each backend waits in its own way.
  virtual int receive(uint8_t* buffer, int length, int timeoutMs) = 0;
};

}  // namespace platform
