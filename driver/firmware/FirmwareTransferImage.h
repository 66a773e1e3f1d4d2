#pragma once

#include "driver/firmware/FirmwareImage.h"

#include <QByteArray>
#include <QString>

// The part of a firmware file a transfer sends, read once when the transfer
// starts, and cut into the WriteBlock payloads the boot loader expects.
class FirmwareTransferImage {
 public:
  // Reads the first 524288 bytes (at most) of the file. False when it cannot
  // be opened; errorString() then tells why.
  bool load(const QString& path);
  // Takes the bytes of a file already read (only the first 524288 count).
  void setBytes(const QByteArray& bytes);

  const FirmwareFileHeader& header() const { return m_header; }
  uint32_t blockCount() const { return FirmwareImage::blockCount(m_header.firmwareLength); }
  QString errorString() const { return m_error; }
  int errorCode() const { return m_errorCode; }

  // The payload of WriteBlock j: last-block flag, block tag (big-endian),
  // block number (big-endian), record size 1025 (big-endian), then the
  // record at 26 + 1025 j. A record the file holds only in part is filled
  // up with 0xFF. Empty when the record starts beyond the data read: such a
  // block must never be sent.
  QByteArray blockPayload(uint32_t block) const;

  static constexpr int kHeadSize = 7;

 private:
  QByteArray m_bytes;
  FirmwareFileHeader m_header;
  QString m_error;
  int m_errorCode = 0;
};
