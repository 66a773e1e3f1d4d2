#include "driver/display/EdidMonitorName.h"

namespace {

constexpr size_t kBaseBlockLength = 128;
constexpr size_t kDescriptorOffsets[] = {54, 72, 90, 108};
constexpr size_t kDescriptorLength = 18;
constexpr size_t kTextStart = 5;
constexpr uint8_t kProductNameTag = 0xFC;
// The text of a descriptor ends with a line feed unless it fills all 13 bytes.
constexpr uint8_t kTextEnd = 0x0A;

}  // namespace

QByteArray edidMonitorNameBytes(const uint8_t* edid, size_t length) {
  QByteArray name;
  if (!edid || length < kBaseBlockLength) return name;
  for (size_t offset : kDescriptorOffsets) {
    const uint8_t* descriptor = edid + offset;
    if (descriptor[0] != 0 || descriptor[1] != 0 || descriptor[2] != 0 || descriptor[3] != kProductNameTag) continue;
    name.clear();
    // A zero byte ends the text as well: the name is kept as a C string.
    for (size_t i = kTextStart; i < kDescriptorLength && descriptor[i] != kTextEnd && descriptor[i] != 0; ++i) {
      name.append(char(descriptor[i]));
    }
  }
  return name;
}

QString edidMonitorName(const QByteArray& edid) {
  return QString::fromLatin1(
      edidMonitorNameBytes(reinterpret_cast<const uint8_t*>(edid.constData()), size_t(edid.size())));
}
