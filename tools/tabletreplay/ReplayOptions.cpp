#include "tools/tabletreplay/ReplayOptions.h"

#include "driver/core/SaneGeometry.h"
#include "driver/tablet/ModelTable.h"
#include "tools/tabletreplay/ReplayInput.h"

namespace {

bool parseRect(const QString& text, QRect& rect) {
  const QStringList parts = text.split(',');
  if (parts.size() != 4) return false;
  int values[4];
  for (int i = 0; i < 4; ++i) {
    bool ok = false;
    values[i] = parts[i].trimmed().toInt(&ok);
    if (!ok) return false;
    // Checked before QRect adds them up.
    const int low = i < 2 ? -SaneGeometry::kLimit : 0;
    if (values[i] < low || values[i] > SaneGeometry::kLimit) return false;
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

QString ReplayOptions::usage() {
  return QStringLiteral(
             "usage: tabletreplay --model NAME [--settings FILE] [--firmware-version TEXT] "
             "[--tablet-preview X,Y,W,H] [--screen X,Y,W,H] [--desktop X,Y,W,H] < REPORTS\n"
             "Standard input: one input report per line in hexadecimal, \"wait N\" for a pause of N ms "
             "(at most %1), \"#\" comments; lines of at most %2 characters.\n"
             "Rectangles: X and Y within -%3..%3, W and H within 0..%3.\n"
             "Exit code: 0 done, 1 the device did not start or the output could not be written, "
             "2 bad arguments, settings file or input.")
      .arg(ReplayInput::kMaxWaitMs)
      .arg(ReplayInput::kMaxLineLength)
      .arg(SaneGeometry::kLimit);
}

bool ReplayOptions::parse(const QStringList& arguments, ReplayOptions& options, QString& error) {
  bool haveModel = false;
  for (int i = 0; i < arguments.size(); ++i) {
    const QString& option = arguments[i];
    if (option == QLatin1String("--help") || option == QLatin1String("-h")) {
      options.help = true;
      return true;
    }
    if (i + 1 >= arguments.size()) {
      error = QStringLiteral("%1 needs a value").arg(ReplayInput::printable(option, 60));
      return false;
    }
    const QString value = arguments[++i];
    if (option == QLatin1String("--model")) {
      const ModelEntry* model = findModel(value);
      if (!model) {
        error = QStringLiteral("unknown model: %1").arg(ReplayInput::printable(value, 60));
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
        error = QStringLiteral("%1 wants X,Y,W,H (X and Y within -%2..%2, W and H within 0..%2), not %3")
                    .arg(option)
                    .arg(SaneGeometry::kLimit)
                    .arg(ReplayInput::printable(value, 60));
        return false;
      }
    } else {
      error = QStringLiteral("unknown option: %1").arg(ReplayInput::printable(option, 60));
      return false;
    }
  }
  if (!haveModel) {
    error = usage().section(QLatin1Char('\n'), 0, 0);
    return false;
  }
  return true;
}
