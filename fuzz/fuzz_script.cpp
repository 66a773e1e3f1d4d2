// Script text from anywhere: the tokenizer, the number accessors and a whole
// RunScript over the simulated HID world, where a K10PlusV2 is present, so a
// script that opens it runs every command on a real tablet and mapper.

#include "driver/tablet/CommandHandler.h"
#include "driver/tablet/CommandLine.h"
#include "tests/tablet/FakeTabletDevice.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ready = [] {
    FakeTabletDevice::useSimulatedBackend();
    FakeTabletDevice::plugIn(*ModelTable::byDevType(13000));
    return true;
  }();
  (void)ready;

  const std::string text(reinterpret_cast<const char*>(data), size);
  CommandLine line(text);
  for (int i = -1; i <= line.paramCount(); ++i) {
    line.GetInt(i, 7);
    line.GetDouble(i, 7.5);
    line.GetBoolean(i, true);
    line.GetStringLower(i, "x");
  }

  CommandHandler handler;
  handler.RegisterCommands();
  handler.RunScript(QString::fromUtf8(text.data(), int(text.size())));
  return 0;
}
