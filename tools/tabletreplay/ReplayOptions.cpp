#include "tools/tabletreplay/ReplayOptions.h"

#include "driver/tablet/ModelTable.h"

namespace {

bool parseRect(const QString& text, QRect& rect) {
  const QStringList parts = text.split(',');
  if (parts.size() != 4) return false;
  int values[4];
  for (int i = 0; i < 4; ++i) {
    bool ok = false;
    values[i] = parts[i].trimmed().toInt(&ok);
    if (!ok) return false;
  }
  rect = QRect(values[0], values[1], values[2], values[3]);
  return true;
}

// A model key of the table, ignoring case, or a device-type number.
const ModelEntry* findModel(const QString& name) {
  if (const ModelEntry* byKey = ModelTable::byKey(name)) return byKey;
  bool isNumber = false;
  const int devType = name.toInt(&isNumber);
  return isNumber ? ModelTable::byDevType(devType) : nullptr;
}

}  // namespace

bool ReplayOptions::parse(const QStringList& arguments, ReplayOptions& options, QString& error) {
  bool haveModel = false;
  for (int i = 0; i < arguments.size(); ++i) {
    const QString& option = arguments[i];
    if (i + 1 >= arguments.size()) {
      error = QStringLiteral("%1 needs a value").arg(option);
      return false;
    }
    const QString value = arguments[++i];
    if (option == QLatin1String("--model")) {
      const ModelEntry* model = findModel(value);
      if (!model) {
        error = QStringLiteral("unknown model: %1").arg(value);
        return false;
      }
      options.deviceType = model->devType;
      options.modelKey = QString::fromLatin1(model->key);
      haveModel = true;
    } else if (option == QLatin1String("--settings")) {
      options.settingsFile = value;
    } else if (option == QLatin1String("--firmware-version")) {
      options.firmwareVersion = value;
    } else if (option == QLatin1String("--tablet-preview") || option == QLatin1String("--screen") ||
               option == QLatin1String("--desktop")) {
      QRect& target = option == QLatin1String("--tablet-preview") ? options.tabletPreview
                      : option == QLatin1String("--screen")       ? options.screen
                                                                  : options.desktop;
      if (!parseRect(value, target)) {
        error = QStringLiteral("%1 wants X,Y,W,H, not %2").arg(option, value);
        return false;
      }
    } else {
      error = QStringLiteral("unknown option: %1").arg(option);
      return false;
    }
  }
  if (!haveModel) {
    error = QStringLiteral("usage: tabletreplay --model NAME [--settings FILE] [--firmware-version TEXT] "
                           "[--tablet-preview X,Y,W,H] [--screen X,Y,W,H] [--desktop X,Y,W,H]");
    return false;
  }
  return true;
}
