#include "platform/input/InputInjector.h"
#include "platform/input/NullInputInjector.h"
#include "platform/input/linux/UinputInputInjector.h"
#include "platform/input/linux/XTestInputInjector.h"

#include <QLoggingCategory>

#include <cstdlib>

Q_LOGGING_CATEGORY(lcInput, "varnex.input")

namespace platform {

std::unique_ptr<InputInjector> createDefaultInputInjector() {
  QString uinputError;
  if (auto uinput = UinputInputInjector::create(&uinputError)) return uinput;
  const char* display = std::getenv("DISPLAY");
  if (display && *display) {
    QString xtestError;
    if (auto xtest = XTestInputInjector::create(nullptr, &xtestError)) {
      qCInfo(lcInput) << "no uinput (" << uinputError << "); injecting keys through XTest";
      return xtest;
    }
    qCWarning(lcInput) << "XTest unavailable:" << xtestError;
  }
  qCWarning(lcInput) << "tablet keys cannot type or click:" << uinputError;
  return std::make_unique<NullInputInjector>();
}

}  // namespace platform
