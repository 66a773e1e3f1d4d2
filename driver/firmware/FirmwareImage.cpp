#include "driver/firmware/FirmwareImage.h"

#include "driver/firmware/Crc16X25.h"
#include "driver/firmware/FirmwareLog.h"

#include "platform/system/RegularFile.h"

#include <QFile>

namespace {

uint8_t byteSum(const uint8_t* data, size_t length) {
  // Wraps modulo 256; the wide accumulator lets the compiler vectorise.
  uint32_t sum = 0;
  for (size_t i = 0; i < length; ++i) sum += data[i];
  return uint8_t(sum);
}

uint16_t le16(const QByteArray& bytes, int at) { return uint16_t(uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8); }

uint32_t le32(const QByteArray& bytes, int at) {
  return uint32_t(le16(bytes, at)) | uint32_t(le16(bytes, at + 2)) << 16;
}

}  // namespace

bool FirmwareFileHeader::parse(const QByteArray& bytes, FirmwareFileHeader* header) {
  if (bytes.size() < kSize) return false;
  header->sum55 = uint8_t(bytes[8]);
  header->sumAA = uint8_t(bytes[10]);
  header->payloadCrc = le16(bytes, 12);
  header->blockTag = le16(bytes, 16);
  header->firmwareLength = le32(bytes, 18);
  header->firmwareInfo = le32(bytes, 22);
  return true;
}

bool CheckFw_Xor55(const uint8_t* payload, size_t length, uint8_t stored) {
  return uint8_t(byteSum(payload, length) ^ 0x55) == stored;
}

bool CheckFw_XorAA(const uint8_t* payload, size_t length, uint8_t stored) {
  return uint8_t(byteSum(payload, length) ^ 0xAA) == stored;
}

bool CheckFw_Crc16(const uint8_t* payload, size_t length, uint16_t stored) {
  return crc16X25(payload, length) == stored;
}

namespace FirmwareImage {

uint32_t blockCount(uint32_t firmwareLength) {
  return firmwareLength / kBlockSize + (firmwareLength % kBlockSize ? 1 : 0);
}

bool blocksInsideData(const FirmwareFileHeader& header, qint64 available) {
  const uint32_t count = blockCount(header.firmwareLength);
  if (count == 0) return true;
  const qint64 lastStart = FirmwareFileHeader::kSize + qint64(kRecordSize) * (count - 1);
  return lastStart < available;
}

bool checkBytes(const QByteArray& file) {
  FirmwareFileHeader header;
  if (!FirmwareFileHeader::parse(file, &header)) return false;
  const auto* payload = reinterpret_cast<const uint8_t*>(file.constData()) + FirmwareFileHeader::kSize;
  const size_t length = size_t(file.size() - FirmwareFileHeader::kSize);
  if (!CheckFw_Xor55(payload, length, header.sum55)) {
    qCDebug(lcFirmware, "[ERROR]: CheckFw_Xor55: %d", 0);
    return false;
  }
  if (!CheckFw_XorAA(payload, length, header.sumAA)) {
    qCDebug(lcFirmware, "[ERROR]: CheckFw_XorAA: %d", 0);
    return false;
  }
  if (!CheckFw_Crc16(payload, length, header.payloadCrc)) {
    qCDebug(lcFirmware, "[ERROR]: CheckFw_Crc16: %d", 0);
    return false;
  }
  // The transfer fills a partly held record with 0xFF; a block the file does
  // not hold at all would put nothing but filler into the tablet's flash.
  const qint64 transferred = qMin<qint64>(file.size(), kTransferReadLimit);
  if (!blocksInsideData(header, transferred)) {
    qCDebug(lcFirmware) << "[ERROR]: CheckFw_Length:" << header.firmwareLength << "bytes announced,"
                        << blockCount(header.firmwareLength) << "blocks, file holds" << file.size() << "bytes";
    return false;
  }
  return true;
}

platform::RegularFileRead readFile(const QString& path) {
  // No tablet takes more than the transfer sends; a larger file (a sparse
  // giant, a link to /dev/zero) is not an image of one and is not read.
  return platform::readRegularFile(QFile::encodeName(path), kTransferReadLimit);
}

bool checkFile(const QString& path) {
  const platform::RegularFileRead file = readFile(path);
  if (file.status != platform::RegularFileRead::Status::Read) {
    qCWarning(lcFirmware) << "firmware file" << path << "not read:" << file.error;
    return false;
  }
  if (file.bytes.isEmpty()) return false;
  return checkBytes(file.bytes);
}

}  // namespace FirmwareImage
