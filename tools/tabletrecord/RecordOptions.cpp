#include "tools/tabletrecord/RecordOptions.h"

#include "driver/tablet/ModelTable.h"
#include "tools/tabletreplay/ReplayInput.h"

QString RecordOptions::usage() {
  return QStringLiteral(
             "usage: tabletrecord [--model MODEL] [--seconds N]\n"
             "Prints every input report of the connected tablet in tabletreplay's input format until "
             "Ctrl+C, SIGTERM or N seconds (1 to %1).\n"
             "Exit code: 0 recorded, 1 no supported tablet or it cannot be opened, 2 bad arguments.")
      .arg(kMaxSeconds);
}

bool RecordOptions::parse(const QStringList& arguments, RecordOptions& options, QString& error) {
  for (int i = 0; i < arguments.size(); ++i) {
    const QString& option = arguments[i];
    if (option == QLatin1String("--help") || option == QLatin1String("-h")) {
      options.help = true;
      return true;
    }
    if (option != QLatin1String("--model") && option != QLatin1String("--seconds")) {
      error = QStringLiteral("unknown option: %1").arg(ReplayInput::printable(option, 60));
      return false;
    }
    if (i + 1 >= arguments.size()) {
      error = QStringLiteral("%1 needs a value").arg(option);
      return false;
    }
    const QString value = arguments[++i];
    if (option == QLatin1String("--model")) {
      bool isNumber = false;
      const int devType = value.toInt(&isNumber);
      options.model = isNumber ? ModelTable::byDevType(devType) : ModelTable::byKey(value);
      if (!options.model) {
        error = QStringLiteral("unknown model: %1").arg(ReplayInput::printable(value, 60));
        return false;
      }
    } else {
      bool ok = false;
      options.seconds = value.toInt(&ok);
      if (!ok || options.seconds < 1 || options.seconds > kMaxSeconds) {
        error = QStringLiteral("--seconds wants a whole number from 1 to %1, not %2")
                    .arg(kMaxSeconds)
                    .arg(ReplayInput::printable(value, 60));
        return false;
      }
    }
  }
  return true;
}
