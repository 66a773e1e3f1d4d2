// What the file checks cost on the largest image a transfer sends (512 KiB):
// the byte sums and the table-driven CRC run twice per upgrade, once per
// phase, on the GUI thread.

#include "driver/firmware/Crc16X25.h"
#include "driver/firmware/FirmwareImage.h"
#include "driver/firmware/FirmwareTransferImage.h"

#include <benchmark/benchmark.h>
#include <QByteArray>
#include <QLoggingCategory>

namespace {

QByteArray largestImage() {
  const int records = (FirmwareImage::kTransferReadLimit - 26) / FirmwareImage::kRecordSize;
  QByteArray payload(records * FirmwareImage::kRecordSize, '\0');
  for (int i = 0; i < payload.size(); ++i) payload[i] = char((i * 131) ^ (i >> 7));
  QByteArray file(26, '\0');
  uint8_t sum = 0;
  for (char byte : payload) sum = uint8_t(sum + uint8_t(byte));
  file[8] = char(sum ^ 0x55);
  file[10] = char(sum ^ 0xAA);
  const uint16_t crc = crc16X25(reinterpret_cast<const uint8_t*>(payload.constData()), size_t(payload.size()));
  file[12] = char(crc & 0xFF);
  file[13] = char(crc >> 8);
  const uint32_t length = uint32_t(records) * 1024;
  for (int i = 0; i < 4; ++i) file[18 + i] = char(length >> (8 * i));
  return file + payload;
}

void BM_Crc16X25(benchmark::State& state) {
  const QByteArray bytes = largestImage();
  for (auto _ : state) {
    benchmark::DoNotOptimize(crc16X25(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())));
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}
BENCHMARK(BM_Crc16X25);

void BM_CheckWholeImage(benchmark::State& state) {
  const QByteArray bytes = largestImage();
  for (auto _ : state) {
    if (!FirmwareImage::checkBytes(bytes)) state.SkipWithError("image refused");
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}
BENCHMARK(BM_CheckWholeImage);

void BM_CutEveryBlock(benchmark::State& state) {
  FirmwareTransferImage image;
  image.setBytes(largestImage());
  for (auto _ : state) {
    for (uint32_t block = 0; block < image.blockCount(); ++block) benchmark::DoNotOptimize(image.blockPayload(block));
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * image.blockCount());
}
BENCHMARK(BM_CutEveryBlock);

}  // namespace

BENCHMARK_MAIN();
