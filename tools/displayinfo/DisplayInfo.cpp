#include "tools/displayinfo/DisplayInfo.h"

#include "driver/display/DisplayMonitorDevice.h"
#include "driver/display/EdidMonitorName.h"
#include "driver/tablet/ModelTable.h"
#include "platform/display/sim/SimDisplayOutputs.h"
#include "tools/common/PrintableText.h"
#include "tools/displayinfo/OutputsFile.h"

#include <QTextStream>

namespace DisplayInfo {

namespace {

constexpr qint64 kEdidLimit = 256 * 128;

int modelNamed(const QString& name) {
  if (const ModelEntry* model = ModelTable::byKey(name)) return model->devType;
  bool isNumber = false;
  const int number = name.toInt(&isNumber, 10);
  if (isNumber && ModelTable::byDevType(number)) return number;
  return -1;
}

}  // namespace

bool parse(const QStringList& arguments, Options& options, QString& error) {
  bool modelGiven = false;
  for (int i = 0; i < arguments.size(); ++i) {
    const QString& option = arguments[i];
    const bool known =
        option == QLatin1String("--model") || option == QLatin1String("--outputs") || option == QLatin1String("--edid");
    if (!known) {
      error = QStringLiteral("unknown option %1 (usage: displayinfo [--model NAME] [--outputs FILE] | --edid FILE)")
                  .arg(option);
      return false;
    }
    if (i + 1 >= arguments.size()) {
      error = QStringLiteral("%1 needs a value").arg(option);
      return false;
    }
    const QString value = arguments[++i];
    if (option == QLatin1String("--model")) {
      options.devType = modelNamed(value);
      modelGiven = true;
      if (options.devType < 0) {
        error = QStringLiteral("unknown model %1").arg(value);
        return false;
      }
    } else if (option == QLatin1String("--outputs")) {
      options.outputsFile = value;
    } else {
      options.edidFile = value;
    }
  }
  if (!options.edidFile.isEmpty() && (modelGiven || !options.outputsFile.isEmpty())) {
    error = QStringLiteral("--edid takes no other option");
    return false;
  }
  return true;
}

int run(const Options& options, QTextStream& out, QString& error) {
  if (!options.edidFile.isEmpty()) {
    QByteArray edid;
    if (!OutputsFile::readSmallFile(options.edidFile, kEdidLimit, edid, error)) return 2;
    // A monitor's name is whatever its maker (or a forger) put in the EDID.
    out << PrintableText::escaped(edidMonitorName(edid)) << '\n';
    return 0;
  }
  if (!options.outputsFile.isEmpty()) {
    QVector<platform::DisplayOutput> described;
    if (!OutputsFile::read(options.outputsFile, described, error)) return 2;
    platform::DisplayOutputs::install(std::make_unique<platform::SimDisplayOutputs>(described));
  }

  DisplayMonitorDevice monitors;
  monitors.setDevType(options.devType);
  const QString penDisplay = monitors.findPenDisplayDevice();
  for (const MonitorRecord& record : monitors.monitors()) {
    const QRect& rect = record.monitorRect;
    out << "output " << PrintableText::escaped(record.adapterDeviceName) << ' ' << rect.x() << ' ' << rect.y() << ' '
        << rect.width() << ' ' << rect.height() << ' ' << record.displayMode.displayOrientation << ' '
        << PrintableText::quoted(record.monitorName) << '\n';
  }
  out << (penDisplay.isEmpty() ? QStringLiteral("pendisplay")
                               : QStringLiteral("pendisplay ") + PrintableText::escaped(penDisplay))
      << '\n';
  return 0;
}

}  // namespace DisplayInfo
