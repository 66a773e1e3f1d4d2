// The holder probes read text that other processes control (their command
// lines, the names of the files they map) and holdercheck splits what the
// probes print. None of it may crash them, and no accepted name may carry a
// separator into the list that is ended.

#include "platform/process/linux/ProcessTable.h"
#include "tools/holdercheck/HolderCheck.h"

#include <QString>

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t half = bytes.find('\n');
  const std::string first = bytes.substr(0, half);
  const std::string second = half == std::string::npos ? std::string() : bytes.substr(half + 1);

  const std::string file = platform::ProcessTable::mappedPath(bytes);
  if (!file.empty() && file[0] != '/') std::abort();
  const std::string name = platform::ProcessTable::programName("/usr/lib/wine/wine64-preloader", bytes);
  if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos) std::abort();

  const QStringList parts = HolderCheck::splitOutput(QString::fromLocal8Bit(first.data(), int(first.size())),
                                                     QString::fromLocal8Bit(second.data(), int(second.size())),
                                                     QStringLiteral("holdercheck.exe"));
  for (const QString& accepted : HolderCheck::acceptedNames(parts)) {
    if (accepted.isEmpty() || accepted.contains(QLatin1Char('$'))) std::abort();
  }
  return 0;
}
