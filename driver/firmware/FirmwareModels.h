#pragma once

#include <QString>
#include <cstdint>

// What the firmware side knows per model: the product code firmware file
// names start with, the name shown in the upgrade hint, the pen each pen code
// stands for, and the second command word of the version queries. Pen
// displays other than the Fjord2Pro have no entry: their firmware is not
// upgraded by this program.
struct FirmwareModel {
  int devType;
  const char* productCode;
  const char* productName;
  // Pen type per pen code 0, 1, 2; nullptr where the model has no such pen.
  const char* penTypes[3];
  uint16_t versionQueryWord;
};

namespace FirmwareModels {

// The entry of a device type, or nullptr when it has none.
const FirmwareModel* byDevType(int devType);

// The second command word of GetSHVersion and GetAdditionalMsg for a device
// type (0x0101 unless the model says otherwise).
uint16_t versionQueryWord(int devType);

// Chip code <-> firmware type ("CP1" .. "CP8"). The codes are not in order:
// "CP6" is chip 8, "CP7" chip 6 and "CP8" chip 7.
QString firmwareTypeForChip(int chipCode);                     // "" outside 1..8
uint8_t chipCodeForFirmwareType(const QString& firmwareType);  // 255 for any other text

}  // namespace FirmwareModels
