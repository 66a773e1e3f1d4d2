#pragma once

#include <cstdint>
#include <memory>

class HidDevice;

// One link to a collection of the virtual pen device: pen reports go through
// link type 2, the Windows-Ink mode report through link type 3. A link whose
// collection is absent stays closed and swallows every write.
class VMulti {
 public:
  static constexpr int kBufferSize = 65;

  explicit VMulti(int linkType);
  virtual ~VMulti();

  VMulti(const VMulti&) = delete;
  VMulti& operator=(const VMulti&) = delete;

  int linkType() const { return m_linkType; }
  bool isOpen() const { return m_open; }
  bool isWritable() const { return m_writable; }
  HidDevice* device() const { return m_device.get(); }

  // Copies at most kBufferSize bytes to the start of the outgoing buffer.
  void setBuffer(const uint8_t* data, int length);
  // Sends the outgoing buffer as one output report. True without sending
  // when the link is not writable; otherwise whether the device took it.
  bool write();

  // Builds the mode report (Windows Ink on or off) and writes it.
  bool writeModeReport(bool isWinLnk);

  const uint8_t* buffer() const { return m_buffer; }
  const uint8_t* lastWritten() const { return m_lastWritten; }

 private:
  int m_linkType;
  std::unique_ptr<HidDevice> m_device;
  bool m_open = false;
  bool m_writable = false;
  uint8_t m_buffer[kBufferSize] = {};
  uint8_t m_lastWritten[kBufferSize] = {};
};
