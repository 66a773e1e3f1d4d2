#include "driver/firmware/FirmwareModels.h"

#include "driver/core/MyQmlEnum.h"

using namespace MyQmlEnum;

namespace {

constexpr uint16_t kQueryWord = 0x0101;
// K40V2 and LarkB run an older boot loader that files the queries elsewhere.
constexpr uint16_t kOlderQueryWord = 0x0102;

const FirmwareModel kModels[] = {
    {CFG_VarnexK10PlusV2, "K10PlusV2", "VarnexK10Plus V2", {"W1", "W4", "W3A"}, kQueryWord},
    {CFG_VarnexK40V2, "K40V2", "VarnexK40 V2", {"W1", "W4", nullptr}, kOlderQueryWord},
    {CFG_LarkA, "PV01", "Lark A", {"W3", "W3A", "W4"}, kQueryWord},
    {CFG_LarkB, "PV02", "Lark B", {"W3", "W4", "W3A"}, kOlderQueryWord},
    {CFG_LarkC, "PV06", "Lark C", {"W5", "W4", nullptr}, kQueryWord},
    {CFG_LarkD1, "PV07", "Lark D1", {"W5", "W4", nullptr}, kQueryWord},
    {CFG_LarkD2, "PV08", "Lark D2", {"W4", "W5", nullptr}, kQueryWord},
    {CFG_LarkD2B, "PV08B", "Lark D2B", {"W4", "W5", nullptr}, kQueryWord},
    {CFG_LarkD3, "PV09", "Lark D3", {"W4", "W5", nullptr}, kQueryWord},
    {CFG_LarkD3B, "PV09B", "Lark D3B", {"W4", "W5", nullptr}, kQueryWord},
    {CFG_MesaA, "PV04", "Mesa A", {"W4", "W3A", nullptr}, kQueryWord},
    {CFG_MesaB, "PV05", "Mesa B", {"W4", "W3A", nullptr}, kQueryWord},
    {CFG_Fjord2Pro, "PV03", "Fjord2 Pro", {"W4", "W5", nullptr}, kQueryWord},
};

// Index = chip code; the boot loader numbers its chips in the order they
// were introduced, not in the order of the firmware type names.
const char* const kFirmwareTypeByChip[] = {nullptr, "CP1", "CP2", "CP3", "CP4", "CP5", "CP7", "CP8", "CP6"};

}  // namespace

namespace FirmwareModels {

const FirmwareModel* byDevType(int devType) {
  for (const FirmwareModel& model : kModels) {
    if (model.devType == devType) return &model;
  }
  return nullptr;
}

uint16_t versionQueryWord(int devType) {
  const FirmwareModel* model = byDevType(devType);
  return model ? model->versionQueryWord : kQueryWord;
}

QString firmwareTypeForChip(int chipCode) {
  if (chipCode < 1 || chipCode > 8) return QString();
  return QString::fromLatin1(kFirmwareTypeByChip[chipCode]);
}

uint8_t chipCodeForFirmwareType(const QString& firmwareType) {
  for (int code = 1; code <= 8; ++code) {
    if (firmwareType == QLatin1String(kFirmwareTypeByChip[code])) return uint8_t(code);
  }
  return 255;
}

}  // namespace FirmwareModels
