#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// The one table of the nineteen supported models: USB identity, report
// format, ranges and default areas. The built-in scripts, DevInfo, device
// detection and the firmware interface all read it.
struct ModelEntry {
  int devType;             // a MyQmlEnum::VARNEX value
  const char* key;         // model key, "LarkA"
  uint16_t vendorId;
  uint16_t productId;
  uint16_t usagePage;      // of the vendor interface the tablet is read from
  uint16_t usage;
  const char* formatName;  // as the script writes it (Fjord5 names Fjord4's)
  const char* initReport;  // "0x02 0xB0 0x04"
  int maxX;
  int maxY;
  int maxPressure;
  const char* width;       // millimetres, as written in the script
  const char* height;
  const char* screenArea;  // "1920 1080 0 0", or nullptr when the script has no such line
  const char* tabletArea;  // "width height x y" in millimetres
};

namespace ModelTable {

// All nineteen models in the order of the VARNEX values.
const std::vector<ModelEntry>& models();

// The entry of a device type, or nullptr for a value that is not a model.
const ModelEntry* byDevType(int devType);

// The entry whose key equals `key` ignoring case, or nullptr.
const ModelEntry* byKey(const QString& key);

// The model's built-in configuration script.
QString script(const ModelEntry& model);

// The format names of TabletDataFormat in the order they are tried, with
// the device type each one selects.
struct FormatName {
  const char* name;
  int devType;
};
const std::vector<FormatName>& formatNames();

// The order in which device detection tries the models on a device name.
const std::vector<int>& recognitionOrder();

// "VID_%04X&PID_%04X" of a model: what detection looks for in a device name.
QString recognitionText(const ModelEntry& model);

// The model named in a device name ("...VID_3CA1&PID_0101..." in any case),
// tried in recognition order; -1 when none.
int recognise(const QString& deviceName);

// The MesaB firmware that reports more counts than the script gives.
constexpr const char* kMesaBWideFirmware = "1.15";
constexpr int kMesaBWideMaxX = 28800;
constexpr int kMesaBWideMaxY = 16200;

}  // namespace ModelTable
