#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>

// The frames of the boot loader's in-application programming (IAP) protocol.
// A request is one output report: report id 0xFD, then the frame
//   89 FF FF | sequence | length L | word0 | word1 | word2 | payload | CRC
// with big-endian 16-bit fields, L = payload length + 6 and the CRC-16/X-25
// over everything from 0x89 to the payload. An answer has the same header;
// its payload begins with a status word (0 = success) and its data follow.
namespace Iap {

constexpr uint8_t kReportId = 0xFD;
constexpr int kHeaderSize = 13;  // frame bytes before the payload
constexpr int kFrameOverhead = kHeaderSize + 2;
// What a request with no payload takes: report id, header and CRC.
constexpr int kEmptyRequestSize = 1 + kFrameOverhead;
// Status of an answer that did not arrive whole or failed its CRC.
constexpr uint32_t kStatusBadAnswer = 8;

struct Command {
  uint16_t word0;
  uint16_t word1;
  uint16_t word2;
  bool operator==(const Command& other) const {
    return word0 == other.word0 && word1 == other.word1 && word2 == other.word2;
  }
};

// The seven requests. The two version queries carry a per-model word.
Command getShVersion(int devType);
Command getAdditionalMsg(int devType);
constexpr Command kQueryRunRegion{0x0000, 0x0301, 0x0101};
constexpr Command kJumpToBoot{0x0000, 0x0301, 0x0102};
constexpr Command kCheckReserveFlashSpace{0x0000, 0x0301, 0x0103};
constexpr Command kWriteBlock{0x0000, 0x0301, 0x0104};
constexpr Command kSendFileInfo{0x0000, 0x0301, 0x0105};

// Builds one request report (report id included, no padding) with the next
// number of the process-wide sequence, which wraps from 65535 to 0.
QByteArray buildRequest(const Command& command, const QByteArray& payload = QByteArray());

// The sequence number the next frame gets; tests set it to see it wrap.
uint16_t nextSequence();
void setNextSequence(uint16_t sequence);

struct Answer {
  uint32_t status = kStatusBadAnswer;
  QByteArray data;
  // Data byte `index`; 0 beyond the data the answer carried.
  uint8_t dataByte(int index) const { return index >= 0 && index < data.size() ? uint8_t(data[index]) : 0; }
};

// Reads an answer report of `received` bytes (report id first). An answer
// that is cut short, too short to hold a status, or fails its CRC gives
// status 8 and no data.
Answer parseAnswer(const uint8_t* report, int received);

// Who an intact frame is addressed to: the sequence number and command words
// of its header. Nothing when the report holds no intact frame.
struct Header {
  uint16_t sequence = 0;
  Command command{0, 0, 0};
};
std::optional<Header> parseHeader(const uint8_t* report, int received);

// The device's side, for the simulated boot loader and for tests.
struct Request {
  uint16_t sequence = 0;
  Command command{0, 0, 0};
  QByteArray payload;
};
// A request report as the device receives it (padded to the output report
// length); empty when it is no intact frame or lacks the 89 FF FF start.
std::optional<Request> parseRequest(const uint8_t* report, int received);
// An answer report (report id included, unpadded).
QByteArray buildAnswer(uint16_t sequence, const Command& command, uint16_t status, const QByteArray& data);

}  // namespace Iap
