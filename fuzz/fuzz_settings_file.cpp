// A settings file is whatever the disk (or a hostile user) put there. Reading
// it must never end the program, and every getter of the store must answer
// with a usable value of its kind: finite numbers, rectangles within bounds,
// and a program list no longer than the file could hold.

#include "driver/core/ConfigFile.h"
#include "driver/core/MyQmlEnum.h"
#include "driver/core/SaneGeometry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

void requireFinite(const QPointF& point) { require(std::isfinite(point.x()) && std::isfinite(point.y())); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static int argc = 1;
  static char name[] = "fuzz_settings_file";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  static QTemporaryDir dir;
  static ConfigFile store(dir.path());

  // The file comes into use as its model arrives, which is where the store
  // checks it; one it cannot read is set aside (and dropped here).
  const QString modelFile = dir.filePath(QStringLiteral("fuzz_config.ini"));
  {
    QFile file(modelFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
  }
  store.setDeviceConfig(QStringLiteral("fuzz"), MyQmlEnum::CFG_LarkA);
  for (const QString& aside : QDir(dir.path()).entryList({QStringLiteral("*.damaged*")}, QDir::Files))
    QFile::remove(dir.filePath(aside));

  const double rate = store.getMouseRate();
  require(std::isfinite(rate) && rate >= 0 && rate <= 1);
  for (int point = 0; point < 3; ++point) requireFinite(store.getPenPressedCurvePoint(point));
  for (int type : {MyQmlEnum::DynamicRectScreen, MyQmlEnum::DynamicRectTablet}) {
    const QRect rect = store.getRectSize(type);
    require(SaneGeometry::isSane(rect));
  }
  store.getSkinIndex();
  store.getCoordinateModel();
  store.getWinLnk();
  store.getRotationAngle();
  store.getCurrentSwivelKey();
  for (int key = 0; key <= 25; ++key) {
    store.getShortcutkeyEnum(key);
    store.getComboxIndex(key);
    store.getDisplayText(key);
  }
  CalibrationCalculationPoint calibration;
  store.getCalibrationPointInfo(0, calibration);
  // Every entry takes at least a few bytes of the file.
  require(store.getProgramList().size() <= int(size / 4) + 1);
  return 0;
}
