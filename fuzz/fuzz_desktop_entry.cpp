// Desktop entries are written by whatever program installed them, and the
// candidate scan reads every one in the menus and on the desktop. None may
// crash it, and the Exec line's arguments come out with their field codes
// gone.

#include "driver/app/DesktopEntry.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray text(reinterpret_cast<const char*>(data), int(size));
  const auto entry = DesktopEntry::parse(text);
  if (entry) {
    for (const QString& argument : entry->exec) {
      if (argument.isEmpty()) std::abort();
    }
  }
  const QStringList split = DesktopEntry::splitExec(QString::fromUtf8(text));
  for (const QString& argument : split) {
    if (argument.isEmpty()) std::abort();
  }
  return 0;
}
