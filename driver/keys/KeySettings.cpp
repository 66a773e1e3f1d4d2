#include "driver/keys/KeySettings.h"

#include "platform/ProcessWide.h"

namespace {
platform::ProcessWide<KeySettings>& slot() {
  static platform::ProcessWide<KeySettings> settings(&createStoredKeySettings);
  return settings;
}
}  // namespace

KeySettings& KeySettings::current() { return slot().get(); }

void KeySettings::install(std::unique_ptr<KeySettings> settings) { slot().install(std::move(settings)); }
