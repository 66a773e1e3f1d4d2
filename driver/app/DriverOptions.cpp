#include "driver/app/DriverOptions.h"

#include "driver/tablet/ModelTable.h"

bool DriverOptions::parse(const QStringList& arguments, DriverOptions& options, QString& error) {
  for (int i = 0; i < arguments.size(); ++i) {
    const QString& option = arguments[i];
    if (option != QLatin1String("--simulate") && option != QLatin1String("--quit-after")) {
      error =
          QStringLiteral("unknown option %1 (usage: VarnexDriver [--simulate MODEL] [--quit-after MS])").arg(option);
      return false;
    }
    if (i + 1 >= arguments.size()) {
      error = QStringLiteral("%1 needs a value").arg(option);
      return false;
    }
    const QString value = arguments[++i];
    bool isNumber = false;
    const int number = value.toInt(&isNumber, 10);
    if (option == QLatin1String("--simulate")) {
      options.simulate = isNumber ? ModelTable::byDevType(number) : ModelTable::byKey(value);
      if (!options.simulate) {
        error = QStringLiteral("unknown model %1").arg(value);
        return false;
      }
    } else {
      if (!isNumber || number < 0) {
        error = QStringLiteral("--quit-after wants a number of milliseconds, not %1").arg(value);
        return false;
      }
      options.quitAfterMs = number;
    }
  }
  return true;
}
