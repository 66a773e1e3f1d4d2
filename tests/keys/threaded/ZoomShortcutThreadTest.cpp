// The canvas zoom-in shortcut is changed by the GUI thread whenever another
// program comes to the front while the device thread types it.

#include "driver/core/MyQmlEnum.h"
#include "driver/keys/KeyFunctionTable.h"
#include "driver/keys/KeyNameTable.h"
#include "driver/keys/KeySettings.h"
#include "driver/keys/ShortcutInjector.h"
#include "platform/input/sim/SimInputInjector.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {
class ZoomKeySettings : public KeySettings {
 public:
  int shortcutkeyEnum(int) override { return MyQmlEnum::ECanvasZoomIn; }
  QString displayText(int) override { return QString(); }
  int currentSwivelKey() override { return MyQmlEnum::R1; }
  void switchSwivelKey() override {}
  bool disableShortKey() override { return false; }
};
}  // namespace

TEST(ZoomShortcut, DeviceThreadAlwaysTypesOneWholeShortcut) {
  KeyNameTable::fill();
  auto injector = std::make_unique<platform::SimInputInjector>();
  platform::SimInputInjector* input = injector.get();
  platform::InputInjector::install(std::move(injector));
  KeySettings::install(std::make_unique<ZoomKeySettings>());

  std::atomic<bool> done{false};
  std::thread device([&] {
    for (int i = 0; i < 2000; ++i) {
      KeyFunctionTable::run(MyQmlEnum::K1, true);
      KeyFunctionTable::run(MyQmlEnum::K1, false);
    }
    done = true;
  });
  for (int i = 0; !done; ++i) {
    KeyFunctionTable::setCanvasZoomInShortcut(i % 2 ? "[Ctrl]+[Plus]" : "[Ctrl]+[=]");
  }
  device.join();

  // Every press batch is Ctrl with one of the two keys, never a torn mix.
  int presses = 0;
  for (const auto& event : input->events()) {
    if (!event.pressed || event.code == 0x11) continue;
    EXPECT_TRUE(event.code == 0xBB || event.code == 0x6B) << event.code;
    ++presses;
  }
  EXPECT_EQ(presses, 2000);
  EXPECT_TRUE(ShortcutInjector::heldShortcuts().isEmpty());
  KeySettings::install(nullptr);
  platform::InputInjector::install(nullptr);
  KeyFunctionTable::setCanvasZoomInShortcut("[Ctrl]+[=]");
}
