#include "driver/app/DriverOptions.h"

#include "driver/tablet/ModelTable.h"

namespace {
const QLatin1String kSimulate("--simulate");
const QLatin1String kQuitAfter("--quit-after");
}  // namespace

bool DriverOptions::parse(const QStringList& arguments, DriverOptions& options, QString& error) {
  for (int i = 0; i < arguments.size(); ++i) {
    const QString& option = arguments[i];
    if (option != kSimulate && option != kQuitAfter) {
      options.passedOn << option;
      continue;
    }
    if (i + 1 >= arguments.size()) {
      error = QStringLiteral("%1 needs a value (usage: VarnexDriver [--simulate MODEL] [--quit-after MS])").arg(option);
      return false;
    }
    const QString value = arguments[++i];
    bool isNumber = false;
    const int number = value.toInt(&isNumber, 10);
    if (option == kSimulate) {
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
