// firmwarecheck FILE --model NAME --caps N --chip N --pen N --hardware X.YY

#include "driver/firmware/FirmwareCheckCommand.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeFirst();
  QByteArray out;
  const int code = FirmwareCheckCommand::run(arguments, &out);
  fwrite(out.constData(), 1, size_t(out.size()), stdout);
  return code;
}
