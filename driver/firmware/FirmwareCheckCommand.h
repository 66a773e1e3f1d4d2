#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// `firmwarecheck FILE --model NAME --caps N --chip N --pen N --hardware X.YY`:
// runs every check of an upgrade on FILE offline, against a simulated boot
// loader that reports the given facts, so a downloaded file can be checked
// before a tablet is flashed with it.
namespace FirmwareCheckCommand {

enum ExitCode {
  kAccepted = 0,         // prints "ok"
  kRefused = 1,          // prints the message of the failing check
  kUnreadable = 2,       // prints why the file cannot be read
  kNotFirmwareName = 3,  // prints "not a firmware file name"
  kUsage = 64,           // prints what is wrong with the arguments
};

// `arguments` without the program name, as the system gives them: FILE is
// opened by exactly these bytes, whatever their encoding. What the tool
// prints goes to `out`. Installs the simulated HID world: the check never
// touches a real tablet.
int run(const QList<QByteArray>& arguments, QByteArray* out);
// The same with the arguments in the file-name encoding.
int run(const QStringList& arguments, QByteArray* out);

}  // namespace FirmwareCheckCommand
