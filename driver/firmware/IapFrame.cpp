#include "driver/firmware/IapFrame.h"

#include "driver/firmware/Crc16X25.h"
#include "driver/firmware/FirmwareModels.h"

#include <atomic>

namespace Iap {

namespace {

// One counter for every frame the process builds. Only the GUI thread talks
// to the boot loader; the atomic merely keeps a stray caller harmless.
std::atomic<uint16_t> s_sequence{0};

void put16(QByteArray& bytes, uint16_t value) {
  bytes.append(char(value >> 8));
  bytes.append(char(value & 0xFF));
}

uint16_t get16(const uint8_t* at) { return uint16_t(at[0] << 8 | at[1]); }

// Frame without its CRC, then the CRC over it.
QByteArray frame(uint16_t sequence, const Command& command, const QByteArray& payload) {
  QByteArray bytes;
  bytes.reserve(1 + kFrameOverhead + payload.size());
  bytes.append(char(kReportId));
  bytes.append(char(0x89));
  bytes.append(char(0xFF));
  bytes.append(char(0xFF));
  put16(bytes, sequence);
  put16(bytes, uint16_t(payload.size() + 6));
  put16(bytes, command.word0);
  put16(bytes, command.word1);
  put16(bytes, command.word2);
  bytes.append(payload);
  put16(bytes, crc16X25(reinterpret_cast<const uint8_t*>(bytes.constData()) + 1, size_t(bytes.size() - 1)));
  return bytes;
}

// The frame inside a report whose length field fits the bytes received and
// whose CRC holds; returns the frame length, 0 when it is not intact.
int intactFrameLength(const uint8_t* report, int received) {
  if (!report || received < 1 + kHeaderSize) return 0;
  const uint8_t* frameBytes = report + 1;
  const int length = get16(frameBytes + 5);
  const int frameLength = length + 9;
  if (length < 6 || 1 + frameLength > received) return 0;
  const int covered = length + 7;
  if (crc16X25(frameBytes, size_t(covered)) != get16(frameBytes + covered)) return 0;
  return frameLength;
}

}  // namespace

Command getShVersion(int devType) { return {0x0000, FirmwareModels::versionQueryWord(devType), 0x0202}; }

Command getAdditionalMsg(int devType) { return {0x0000, FirmwareModels::versionQueryWord(devType), 0x0204}; }

QByteArray buildRequest(const Command& command, const QByteArray& payload) {
  return frame(s_sequence.fetch_add(1), command, payload);
}

uint16_t nextSequence() { return s_sequence.load(); }

void setNextSequence(uint16_t sequence) { s_sequence.store(sequence); }

Answer parseAnswer(const uint8_t* report, int received) {
  Answer answer;
  const int frameLength = intactFrameLength(report, received);
  // The status word needs two payload bytes.
  if (frameLength < kFrameOverhead + 2) return answer;
  const uint8_t* frameBytes = report + 1;
  answer.status = get16(frameBytes + kHeaderSize);
  answer.data =
      QByteArray(reinterpret_cast<const char*>(frameBytes) + kHeaderSize + 2, frameLength - kFrameOverhead - 2);
  return answer;
}

std::optional<Header> parseHeader(const uint8_t* report, int received) {
  if (intactFrameLength(report, received) == 0) return std::nullopt;
  const uint8_t* frameBytes = report + 1;
  return Header{get16(frameBytes + 3), {get16(frameBytes + 7), get16(frameBytes + 9), get16(frameBytes + 11)}};
}

std::optional<Request> parseRequest(const uint8_t* report, int received) {
  const int frameLength = intactFrameLength(report, received);
  if (frameLength == 0 || report[0] != kReportId) return std::nullopt;
  const uint8_t* frameBytes = report + 1;
  if (frameBytes[0] != 0x89 || frameBytes[1] != 0xFF || frameBytes[2] != 0xFF) return std::nullopt;
  Request request;
  request.sequence = get16(frameBytes + 3);
  request.command = {get16(frameBytes + 7), get16(frameBytes + 9), get16(frameBytes + 11)};
  request.payload = QByteArray(reinterpret_cast<const char*>(frameBytes) + kHeaderSize, frameLength - kFrameOverhead);
  return request;
}

QByteArray buildAnswer(uint16_t sequence, const Command& command, uint16_t status, const QByteArray& data) {
  QByteArray payload;
  put16(payload, status);
  payload.append(data);
  return frame(sequence, command, payload);
}

}  // namespace Iap
