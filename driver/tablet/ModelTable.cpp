#include "driver/tablet/ModelTable.h"

#include "driver/core/MyQmlEnum.h"
#include "platform/hid/HidDeviceName.h"

using namespace MyQmlEnum;

namespace {

// Three vendor ids: the pen tablets and the Fjord2Pro, the digitizer-page pen
// displays, and the two vendor-page pen displays.
constexpr uint16_t kVendorTablets = 0x3CA1;
constexpr uint16_t kVendorDisplays = 0x3CA2;
constexpr uint16_t kVendorProDisplays = 0x3CA3;

const char* const kInitA = "0x02 0xB0 0x04";
const char* const kInitPro = "0x09 0x01 0x04";
const char* const kFullHd = "1920 1080 0 0";

const std::vector<ModelEntry> kModels = {
    {CFG_VarnexK10PlusV2, "K10PlusV2", kVendorTablets, 0x0101, 0xFF0A, 0x0001, "VarnexK10PlusV2", kInitA, 26000, 16000, 8191, "260.0", "160.0", kFullHd, "260 160 130 80"},
    {CFG_VarnexK40V2, "K40V2", kVendorTablets, 0x0102, 0xFF0A, 0x0001, "VarnexK40V2", kInitA, 31204, 18732, 8191, "312.04", "187.32", kFullHd, "312.04 187.32 156.02 93.66"},
    {CFG_LarkA, "LarkA", kVendorTablets, 0x0103, 0xFF0A, 0x0001, "LarkA", kInitA, 20300, 10156, 8191, "203.0", "101.56", nullptr, "203.0 101.56 101.5 50.78"},
    {CFG_LarkB, "LarkB", kVendorTablets, 0x0104, 0xFF0A, 0x0001, "LarkB", kInitA, 24743, 16380, 8191, "247.43", "163.80", kFullHd, "247.43 163.80 123.715 81.9"},
    {CFG_LarkC, "LarkC", kVendorTablets, 0x0105, 0xFF0A, 0x0001, "LarkC", kInitA, 28800, 16200, 8191, "288.0", "162.0", kFullHd, "288.0 162.0 144.0 81.0"},
    {CFG_LarkD1, "LarkD1", kVendorTablets, 0x0106, 0xFF0A, 0x0001, "LarkD1", kInitA, 21600, 16200, 8191, "216.0", "162.0", kFullHd, "216.0 162.0 108.0 81.0"},
    {CFG_LarkD2, "LarkD2", kVendorTablets, 0x0107, 0xFF0A, 0x0001, "LarkD2", kInitA, 28800, 16200, 8191, "288.0", "162.0", kFullHd, "288.0 162.0 144.0 81.0"},
    {CFG_LarkD2B, "LarkD2B", kVendorTablets, 0x0108, 0xFF0A, 0x0001, "LarkD2B", kInitA, 28800, 16200, 8191, "288.0", "162.0", kFullHd, "288.0 162.0 144.0 81.0"},
    {CFG_LarkD3, "LarkD3", kVendorTablets, 0x0109, 0xFF0A, 0x0001, "LarkD3", kInitA, 25200, 15750, 8191, "252.0", "157.5", kFullHd, "252.0 157.5 126.0 79.0"},
    {CFG_LarkD3B, "LarkD3B", kVendorTablets, 0x010A, 0xFF0A, 0x0001, "LarkD3B", kInitA, 25200, 15750, 8191, "252.0", "157.5", kFullHd, "252.0 157.5 126.0 79.0"},
    {CFG_MesaA, "MesaA", kVendorTablets, 0x010B, 0xFF0A, 0x0001, "MesaA", kInitA, 26152, 16125, 8191, "261.52", "161.25", kFullHd, "261.52 161.25 130.76 80.62"},
    {CFG_MesaB, "MesaB", kVendorTablets, 0x010C, 0xFF0A, 0x0001, "MesaB", kInitA, 17303, 10041, 8191, "173.03", "100.41", kFullHd, "173.03 100.41 86.51 50.2"},
    {CFG_Fjord2Pro, "Fjord2Pro", kVendorTablets, 0x010D, 0xFF0A, 0x0001, "Fjord2Pro", kInitA, 26876, 15118, 8191, "268.76", "151.15", "3840 1080 0 0", "268.76 151.15 134.38 75.575"},
    {CFG_Fjord1, "Fjord1", kVendorDisplays, 0x0201, 0x000D, 0x0001, "Fjord1", kInitA, 10206, 7422, 1023, "102.06", "74.22", kFullHd, "102.06 74.22 51.03 37.11"},
    {CFG_Fjord3, "Fjord3", kVendorDisplays, 0x0202, 0x000D, 0x0001, "Fjord3", kInitA, 56296, 31667, 2047, "173.03", "100.41", kFullHd, "173.03 100.41 86.51 50.2"},
    {CFG_Fjord4, "Fjord4", kVendorDisplays, 0x0203, 0x000D, 0x0001, "Fjord4", kInitA, 56296, 31667, 8191, "562.96", "316.67", kFullHd, "562.96 316.67 281.48 158.33"},
    {CFG_Fjord4Pro, "Fjord4Pro", kVendorProDisplays, 0x0301, 0xFF0A, 0x0001, "Fjord4pro", kInitPro, 68839, 38720, 8191, "688.39", "387.20", kFullHd, "688.39 387.20 344.19 193.6"},
    {CFG_Fjord5, "Fjord5", kVendorDisplays, 0x0204, 0x000D, 0x0001, "Fjord4", kInitA, 56296, 31667, 2047, "562.96", "316.67", kFullHd, "562.96 316.67 281.48 158.33"},
    {CFG_Fjord5pro, "Fjord5pro", kVendorProDisplays, 0x0302, 0xFF0A, 0x0001, "Fjord5pro", kInitPro, 95199, 53600, 8191, "562.96", "316.67", kFullHd, "562.96 316.67 281.48 158.33"},
};

const std::vector<ModelTable::FormatName> kFormatNames = {
    {"VarnexK10PlusV2", CFG_VarnexK10PlusV2}, {"VarnexK40V2", CFG_VarnexK40V2}, {"LarkA", CFG_LarkA},
    {"LarkB", CFG_LarkB}, {"LarkC", CFG_LarkC}, {"LarkD1", CFG_LarkD1}, {"LarkD2", CFG_LarkD2},
    {"LarkD2B", CFG_LarkD2B}, {"LarkD3", CFG_LarkD3}, {"LarkD3B", CFG_LarkD3B}, {"Fjord2Pro", CFG_Fjord2Pro},
    {"MesaA", CFG_MesaA}, {"MesaB", CFG_MesaB}, {"Fjord1", CFG_Fjord1}, {"Fjord3", CFG_Fjord3},
    {"Fjord4", CFG_Fjord4}, {"Fjord4Pro", CFG_Fjord4Pro}, {"Fjord5", CFG_Fjord5}, {"Fjord5pro", CFG_Fjord5pro},
};

const std::vector<int> kRecognitionOrder = {
    CFG_VarnexK10PlusV2, CFG_VarnexK40V2, CFG_LarkA, CFG_LarkB, CFG_Fjord2Pro, CFG_MesaA, CFG_MesaB,
    CFG_LarkD1, CFG_LarkD2, CFG_LarkD2B, CFG_LarkD3, CFG_LarkD3B, CFG_LarkC, CFG_Fjord1, CFG_Fjord3,
    CFG_Fjord4, CFG_Fjord4Pro, CFG_Fjord5, CFG_Fjord5pro,
};

QString hex4(uint16_t value) { return QStringLiteral("0x%1").arg(value, 4, 16, QLatin1Char('0')).toUpper().replace("0X", "0x"); }

}  // namespace

namespace ModelTable {

const std::vector<ModelEntry>& models() { return kModels; }

const ModelEntry* byDevType(int devType) {
  for (const ModelEntry& model : kModels) {
    if (model.devType == devType) return &model;
  }
  return nullptr;
}

const ModelEntry* byKey(const QString& key) {
  for (const ModelEntry& model : kModels) {
    if (key.compare(QLatin1String(model.key), Qt::CaseInsensitive) == 0) return &model;
  }
  return nullptr;
}

QString script(const ModelEntry& m) {
  // One command per line with a blank before the line end, as the scripts
  // have always been written; ScreenArea is not a command and is skipped by
  // the interpreter, but it stays in the text.
  QString text;
  text += QStringLiteral("HIDTablet %1 %2 %3 %4 \n")
              .arg(hex4(m.vendorId), hex4(m.productId), hex4(m.usagePage), hex4(m.usage));
  text += QStringLiteral("TabletFormat %1 \n").arg(QLatin1String(m.formatName));
  text += QStringLiteral("InitReport %1 \n").arg(QLatin1String(m.initReport));
  text += QStringLiteral("MaxX %1 \n").arg(m.maxX);
  text += QStringLiteral("MaxY %1 \n").arg(m.maxY);
  text += QStringLiteral("MaxPressure %1 \n").arg(m.maxPressure);
  text += QStringLiteral("Width %1 \n").arg(QLatin1String(m.width));
  text += QStringLiteral("Height %1 \n").arg(QLatin1String(m.height));
  text += QStringLiteral("DesktopSize 1920 1080 \n");
  if (m.screenArea) text += QStringLiteral("ScreenArea %1 \n").arg(QLatin1String(m.screenArea));
  text += QStringLiteral("TabletArea %1 \n").arg(QLatin1String(m.tabletArea));
  text += QStringLiteral("OutputMode Digitizer\n");
  return text;
}

const std::vector<FormatName>& formatNames() { return kFormatNames; }

const std::vector<int>& recognitionOrder() { return kRecognitionOrder; }

QString recognitionText(const ModelEntry& model) {
  return platform::hidDeviceName(model.vendorId, model.productId);
}

int recognise(const QString& deviceName) {
  for (int devType : kRecognitionOrder) {
    const ModelEntry* model = byDevType(devType);
    if (deviceName.contains(recognitionText(*model), Qt::CaseInsensitive)) return devType;
  }
  return -1;
}

}  // namespace ModelTable
