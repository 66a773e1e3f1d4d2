#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace fwtest {

// A firmware file: 26-byte header with correct sums and CRC over `payload`.
QByteArray makeFirmware(const QByteArray& payload, uint32_t firmwareLength, uint16_t blockTag = 0xA55A,
                        uint32_t firmwareInfo = 0x01020304);

// A payload of `records` distinct 1025-byte records.
QByteArray makePayload(int records);

// Writes `bytes` under the test home as `name`; returns the full path.
QString writeFile(const QString& name, const QByteArray& bytes);

// Collects every log message while alive.
class LogCapture {
 public:
  LogCapture();
  ~LogCapture();
  const QStringList& lines() const;
  bool contains(const QString& text) const;
};

}  // namespace fwtest
