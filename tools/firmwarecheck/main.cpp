// firmwarecheck FILE --model NAME --caps N --chip N --pen N --hardware X.YY

#include "driver/firmware/FirmwareCheckCommand.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  // The file's name as the system gave it: Qt's decoded arguments lose the
  // bytes of a name that is not valid in the locale's encoding.
  QList<QByteArray> arguments;
  for (int i = 1; i < argc; ++i) arguments << QByteArray(argv[i]);
  QByteArray out;
  const int code = FirmwareCheckCommand::run(arguments, &out);
  fwrite(out.constData(), 1, size_t(out.size()), stdout);
  return code;
}
