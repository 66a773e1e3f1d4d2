// tabletreplay's standard input is whatever the user pipes in. The parser
// must refuse or accept every input without crashing, never hold a line
// longer than its limit, and echo nothing unprintable in its messages.

#include "tools/tabletreplay/ReplayInput.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
  QBuffer in(&bytes);
  in.open(QIODevice::ReadOnly);
  std::vector<ReplayStep> steps;
  QString error;
  const int reportLength = 10;
  if (ReplayInput::parse(in, reportLength, steps, error)) {
    for (const ReplayStep& step : steps) {
      if (step.kind == ReplayStep::Report && step.report.size() != reportLength) std::abort();
      if (step.kind == ReplayStep::Wait && (step.waitMs < 0 || step.waitMs > ReplayInput::kMaxWaitMs)) std::abort();
    }
  } else {
    if (!error.startsWith(QLatin1String("line "))) std::abort();
    for (const QChar c : error) {
      if (c.unicode() < 0x20 || c.unicode() == 0x7f) std::abort();
    }
  }
  return 0;
}
