// Script text from anywhere: the tokenizer, the number accessors and a whole
// RunScript over the simulated HID world (no tablet is present, so HIDTablet
// fails fast and the other commands run their no-tablet paths).

#include "driver/tablet/CommandHandler.h"
#include "driver/tablet/CommandLine.h"
#include "driver/tablet/HidDevice.h"
#include "platform/hid/HidBackend.h"
#include "platform/hid/sim/SimHidBackend.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ready = [] {
    platform::HidBackend::install(std::make_unique<platform::SimHidBackend>());
    HidDevice::setSearchPauses(0, 0);
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
