// Firmware files from anywhere: the integrity check, the transfer's cutting
// into blocks and the file-name fields. A file the check accepts must never
// make the transfer send a block the file does not hold.

#include "driver/firmware/FirmwareFileName.h"
#include "driver/firmware/FirmwareImage.h"
#include "driver/firmware/FirmwareTransferImage.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool quiet = [] {
    QLoggingCategory::setFilterRules(QStringLiteral("varnex.firmware.debug=false"));
    return true;
  }();
  (void)quiet;

  const QByteArray file(reinterpret_cast<const char*>(data), int(size));
  const bool accepted = FirmwareImage::checkBytes(file);

  FirmwareTransferImage image;
  image.setBytes(file);
  const uint32_t blocks = image.blockCount();
  if (accepted && blocks > 600) abort();  // 512 KiB hold at most 512 records
  for (uint32_t block = 0; block < blocks && block < 600; ++block) {
    const QByteArray payload = image.blockPayload(block);
    if (accepted && payload.size() != FirmwareTransferImage::kHeadSize + FirmwareImage::kRecordSize) abort();
    if (!payload.isEmpty() && uint8_t(payload[0]) != (block + 1 == blocks ? 1 : 0)) abort();
  }

  // The same bytes as a file name (they come from downloads too).
  const QString name = QString::fromUtf8(file.left(256));
  if (const auto fields = FirmwareFileName::parse(name)) {
    FirmwareFileName::hardwareInRange(fields->hardwareRange(), QStringLiteral("1.05"));
  }
  return 0;
}
