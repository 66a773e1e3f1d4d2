#include "FirmwareTestSupport.h"

#include "driver/firmware/Crc16X25.h"
#include "tests/support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>

namespace fwtest {

QByteArray makeFirmware(const QByteArray& payload, uint32_t firmwareLength, uint16_t blockTag, uint32_t firmwareInfo) {
  QByteArray file(26, '\0');
  uint8_t sum = 0;
  for (char byte : payload) sum = uint8_t(sum + uint8_t(byte));
  file[8] = char(sum ^ 0x55);
  file[10] = char(sum ^ 0xAA);
  const uint16_t crc = crc16X25(reinterpret_cast<const uint8_t*>(payload.constData()), size_t(payload.size()));
  file[12] = char(crc & 0xFF);
  file[13] = char(crc >> 8);
  file[16] = char(blockTag & 0xFF);
  file[17] = char(blockTag >> 8);
  for (int i = 0; i < 4; ++i) {
    file[18 + i] = char(firmwareLength >> (8 * i));
    file[22 + i] = char(firmwareInfo >> (8 * i));
  }
  return file + payload;
}

QByteArray makePayload(int records) {
  QByteArray payload(records * 1025, '\0');
  for (int i = 0; i < payload.size(); ++i) payload[i] = char((i * 7 + i / 1025) & 0xFF);
  return payload;
}

QString writeFile(const QString& name, const QByteArray& bytes) {
  const QString path = QDir(testenv::homeDir()).filePath(name);
  QFile file(path);
  file.open(QIODevice::WriteOnly | QIODevice::Truncate);
  file.write(bytes);
  return path;
}

namespace {
QStringList* s_lines = nullptr;
QtMessageHandler s_previous = nullptr;

void collect(QtMsgType, const QMessageLogContext&, const QString& message) {
  if (s_lines) s_lines->append(message);
}
}  // namespace

LogCapture::LogCapture() {
  static QStringList lines;
  lines.clear();
  s_lines = &lines;
  s_previous = qInstallMessageHandler(collect);
}

LogCapture::~LogCapture() {
  qInstallMessageHandler(s_previous);
  s_lines = nullptr;
}

const QStringList& LogCapture::lines() const { return *s_lines; }

bool LogCapture::contains(const QString& text) const {
  for (const QString& line : *s_lines) {
    if (line.contains(text)) return true;
  }
  return false;
}

}  // namespace fwtest
