// A description of display outputs as a user writes it for displayinfo.

#include "tools/displayinfo/OutputsFile.h"

#include <QRegularExpression>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray content(reinterpret_cast<const char*>(data), int(size));
  // Absolute EDID paths could name devices that never end (/dev/zero is cut
  // off, a terminal is not); relative ones land in a folder that is not there.
  static const QRegularExpression absolutePath(QStringLiteral("(^|\\s)/"));
  if (QString::fromUtf8(content).contains(absolutePath)) return 0;
  QVector<platform::DisplayOutput> outputs;
  QString error;
  // EDID files named in the description are looked up where none exist.
  const bool ok = OutputsFile::parse(content, QStringLiteral("fuzz.txt"), QStringLiteral("/nonexistent-varnex-fuzz"),
                                     outputs, error);
  if (ok != error.isEmpty()) __builtin_trap();
  for (const platform::DisplayOutput& output : outputs) {
    if (output.orientation < 0 || output.orientation > 3 || output.rect.isEmpty()) __builtin_trap();
  }
  return 0;
}
