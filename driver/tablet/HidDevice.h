#pragma once

#include "driver/tablet/HidDeviceParams.h"
#include "platform/hid/HidConnection.h"

#include <QByteArray>
#include <atomic>
#include <memory>

// One USB HID interface: the tablet's vendor interface, a virtual-pen link or
// the firmware-upgrade interface. The constructor searches and opens at once;
// `opened()` tells the result. A HidDevice is never re-opened.
class HidDevice {
 public:
  HidDevice(uint16_t vendorId, uint16_t productId, uint16_t usagePage, uint16_t usage);
  HidDevice(uint16_t vendorId, uint16_t productId, uint16_t usagePage, uint16_t usage, bool exclusive,
            bool overlapped);
  ~HidDevice();

  HidDevice(const HidDevice&) = delete;
  HidDevice& operator=(const HidDevice&) = delete;

  bool opened() const { return m_opened; }
  bool inUse() const { return m_inUse; }
  const HidDeviceParams* params() const { return m_params.get(); }

  int inputReportLength() const { return m_inputReportLength; }
  int outputReportLength() const { return m_outputReportLength; }
  int productCode() const { return m_productCode; }
  const QByteArray& manufacturer() const { return m_manufacturer; }
  const QByteArray& product() const { return m_product; }
  const QByteArray& serial() const { return m_serial; }

  // Blocks until one input report arrives; copies at most `length` bytes into
  // `buffer` and returns how many. 0 when nothing was obtained: closed device,
  // cancelled read, or an unplugged interface (then gone() is true and every
  // later read returns 0 at once).
  int read(uint8_t* buffer, int length);
  // The same, giving up after `timeoutMs` milliseconds with 0.
  int read(uint8_t* buffer, int length, int timeoutMs);

  // Wakes the read in flight from another thread; it returns 0. A cancel
  // that comes after the read returned leaves the next read alone.
  void cancelRead();

  // Sends one output report: `n` bytes at the start of a zero-filled buffer of
  // outputReportLength bytes. Returns the bytes written, 0 on failure or when
  // n exceeds the output report length (nothing is sent then).
  int write(const uint8_t* data, int n);

  bool setFeature(const uint8_t* data, int n);

  // The device string with that index. Throws std::runtime_error once reading
  // has started, as string requests must not interleave with reports.
  QByteArray indexedString(int index);

  bool gone() const;

  // "X (1f2)" -> 0x12: the text between the first "(" and the next ")", every
  // "f"/"F" removed, read as hexadecimal; 0 when that is not a number.
  static int productCodeFromProductString(const QByteArray& product);

  // The pauses of the open search (5 ms per rejected interface, 1000 ms after
  // a failed search). Tests shorten them.
  static void setSearchPauses(int rejectedInterfaceMs, int failedSearchMs);

 private:
  void open(const HidDeviceParams& wanted);

  std::unique_ptr<HidDeviceParams> m_params;
  std::unique_ptr<platform::HidConnection> m_connection;
  QByteArray m_manufacturer;
  QByteArray m_product;
  QByteArray m_serial;
  int m_inputReportLength = 0;
  int m_outputReportLength = 0;
  int m_productCode = 0;
  bool m_opened = false;
  std::atomic<bool> m_inUse{false};
};
