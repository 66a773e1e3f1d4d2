#include "driver/firmware/FirmwareTransferImage.h"

#include <QFileDevice>

bool FirmwareTransferImage::load(const QString& path) {
  m_bytes.clear();
  m_header = FirmwareFileHeader();
  m_error.clear();
  m_errorCode = 0;
  const platform::RegularFileRead file = FirmwareImage::readFile(path);
  if (file.status != platform::RegularFileRead::Status::Read) {
    m_error = file.error;
    m_errorCode = int(QFileDevice::OpenError);
    return false;
  }
  setBytes(file.bytes);
  return true;
}

void FirmwareTransferImage::setBytes(const QByteArray& bytes) {
  m_bytes = bytes.left(FirmwareImage::kTransferReadLimit);
  m_header = FirmwareFileHeader();
  // A file shorter than its header announces nothing: all three values stay 0.
  FirmwareFileHeader::parse(m_bytes, &m_header);
}

QByteArray FirmwareTransferImage::blockPayload(uint32_t block) const {
  const qint64 start = FirmwareFileHeader::kSize + qint64(FirmwareImage::kRecordSize) * block;
  if (block >= blockCount() || start >= m_bytes.size()) return QByteArray();
  const bool last = block + 1 == blockCount();
  QByteArray payload(kHeadSize + FirmwareImage::kRecordSize, char(0xFF));
  payload[0] = char(last ? 1 : 0);
  payload[1] = char(m_header.blockTag >> 8);
  payload[2] = char(m_header.blockTag);
  payload[3] = char(block >> 8);
  payload[4] = char(block);
  payload[5] = char(FirmwareImage::kRecordSize >> 8);
  payload[6] = char(FirmwareImage::kRecordSize & 0xFF);
  const int held = int(qMin<qint64>(FirmwareImage::kRecordSize, m_bytes.size() - start));
  std::copy(m_bytes.constData() + start, m_bytes.constData() + start + held, payload.data() + kHeadSize);
  return payload;
}
