// The holder probes read text that other processes control (their command
// lines, the names of the files they map) and holdercheck splits what the
// probes print. None of it may crash them, and no accepted name may carry a
// separator into the list that is ended.

#include "platform/process/ModuleHolderWalk.h"
#include "platform/process/linux/ProcessTable.h"
#include "tools/holdercheck/HolderCheck.h"

#include <QByteArray>
#include <QList>

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

  const QList<QByteArray> parts =
      HolderCheck::splitOutput(QByteArray::fromStdString(first), QByteArray::fromStdString(second), "holdercheck.exe");
  for (const QByteArray& accepted : HolderCheck::acceptedNames(parts)) {
    if (accepted.isEmpty() || accepted.contains('$')) std::abort();
  }

  // What the probes print of a name never holds their separator or a line break.
  for (const char c : platform::ModuleHolderWalk::carriedName(bytes)) {
    if (c == '$' || static_cast<unsigned char>(c) < 0x20 || c == 0x7f) std::abort();
  }
  return 0;
}
