// The settings-file check must agree with QSettings itself: whatever file it
// passes, QSettings turns into values of the few kinds the store writes, and
// never hands anything else to QDataStream. A value of another kind in a
// passed file means the check decoded the file differently from QSettings.

#include "driver/core/SettingsFileCheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QVariant>

#include <cstdint>
#include <cstdlib>

namespace {

bool ofAKindQSettingsParsesItself(const QVariant& value) {
  switch (value.userType()) {
    case QMetaType::UnknownType:
    case QMetaType::QString:
    case QMetaType::QStringList:
    case QMetaType::QByteArray:
    case QMetaType::QPointF:  // the one "@Variant" the store writes
    case QMetaType::QRect:
    case QMetaType::QSize:
    case QMetaType::QPoint:
      return true;
    case QMetaType::QVariantList:
      for (const QVariant& entry : value.toList())
        if (entry.userType() == QMetaType::QVariantList || !ofAKindQSettingsParsesItself(entry)) return false;
      return true;
    default:
      return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static int argc = 1;
  static char name[] = "fuzz_settings_check";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  static QTemporaryDir dir;
  static int round = 0;

  // A new name each time: QSettings keeps what it read of a file name.
  const QString path = dir.filePath(QStringLiteral("check-%1.ini").arg(++round));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
  }
  if (SettingsFileCheck::readable(path)) {
    QSettings settings(path, QSettings::IniFormat);
    for (const QString& key : settings.allKeys())
      if (!ofAKindQSettingsParsesItself(settings.value(key))) std::abort();
  }
  QFile::remove(path);
  return 0;
}
