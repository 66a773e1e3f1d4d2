// Answer reports from a boot loader, which may be damaged, cut short or not
// a frame at all: parsing must never read past what arrived, and what it
// accepts must be a frame whose CRC holds.

#include "driver/firmware/Crc16X25.h"
#include "driver/firmware/IapFrame.h"
#include "driver/firmware/ShVersionRecord.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An exact-size copy, so any read past the report trips the sanitizer.
  std::vector<uint8_t> report(data, data + size);
  const int received = int(size > 1200 ? 1200 : size);
  const Iap::Answer answer = Iap::parseAnswer(report.empty() ? nullptr : report.data(), received);
  if (answer.status == Iap::kStatusBadAnswer && !answer.data.isEmpty()) {
    // Status 8 from the device itself is possible, but then the CRC held.
    const int length = report[6] << 8 | report[7];
    if (crc16X25(report.data() + 1, size_t(length + 7)) != uint16_t(report[length + 8] << 8 | report[length + 9]))
      abort();
  }
  const ShVersionRecord record = ShVersionRecord::fromAnswer(answer);
  if (answer.status != 0 && record.firmwareMajor != 0) abort();

  const auto request = Iap::parseRequest(report.empty() ? nullptr : report.data(), received);
  if (request) {
    // Whatever the device side accepts, the host side builds the same way.
    Iap::setNextSequence(request->sequence);
    const QByteArray rebuilt = Iap::buildRequest(request->command, request->payload);
    if (rebuilt.size() > received || memcmp(rebuilt.constData(), report.data(), size_t(rebuilt.size())) != 0) abort();
  }
  return 0;
}
