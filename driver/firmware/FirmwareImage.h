#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include "platform/system/RegularFile.h"

// The 26-byte header in front of an enciphered firmware payload. All fields
// are little-endian; the reserved bytes are the device's and are not read.
struct FirmwareFileHeader {
  static constexpr int kSize = 26;

  uint8_t sum55 = 0;        // byte sum of the payload XOR 0x55
  uint8_t sumAA = 0;        // byte sum of the payload XOR 0xAA
  uint16_t payloadCrc = 0;  // CRC-16/X-25 of the payload
  uint16_t blockTag = 0;    // copied into every block sent to the boot loader
  uint32_t firmwareLength = 0;
  uint32_t firmwareInfo = 0;  // handed to the boot loader with the length

  // False when `bytes` is shorter than a header.
  static bool parse(const QByteArray& bytes, FirmwareFileHeader* header);
};

// The payload integrity sums stored in the header; each compares the sum it
// computes with the stored value.
bool CheckFw_Xor55(const uint8_t* payload, size_t length, uint8_t stored);
bool CheckFw_XorAA(const uint8_t* payload, size_t length, uint8_t stored);
bool CheckFw_Crc16(const uint8_t* payload, size_t length, uint16_t stored);

namespace FirmwareImage {

// The boot loader takes the firmware in 1024-byte blocks, each sent as a
// 1025-byte record of the file (the cipher adds a byte per block).
constexpr int kBlockSize = 1024;
constexpr int kRecordSize = 1025;
// The transfer reads no more of a file than this.
constexpr int kTransferReadLimit = 524288;

// Blocks the header announces: firmwareLength / 1024, rounded up.
uint32_t blockCount(uint32_t firmwareLength);

// True when every announced block starts inside the first `available` bytes
// of the file, so that no block would be made of filler alone.
bool blocksInsideData(const FirmwareFileHeader& header, qint64 available);

// The integrity check over the whole file's bytes: header present, the two
// sums and the CRC match (in this order, the first failure logged), and
// every announced block starts inside what the transfer will read.
bool checkBytes(const QByteArray& file);

// A firmware file read as a file: only a regular file (never a FIFO or a
// device, which are not waited on), of at most kTransferReadLimit bytes.
platform::RegularFileRead readFile(const QString& path);

// checkBytes over a file on disk; false when readFile refuses it or it is
// empty.
bool checkFile(const QString& path);

}  // namespace FirmwareImage
