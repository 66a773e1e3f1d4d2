#include "driver/keys/KeySettings.h"

namespace {
// Placeholder until the settings store is wired in: every key without a function.
class NoKeySettings : public KeySettings {
 public:
  int shortcutkeyEnum(int) override { return -1; }
  QString displayText(int) override { return QString(); }
  int currentSwivelKey() override { return 15; }
  void switchSwivelKey() override {}
  bool disableShortKey() override { return false; }
};
}  // namespace

std::unique_ptr<KeySettings> createStoredKeySettings() { return std::make_unique<NoKeySettings>(); }
