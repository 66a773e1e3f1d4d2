#include "driver/core/ConfigFile.h"
#include "driver/keys/KeySettings.h"

namespace {
class StoredKeySettings : public KeySettings {
 public:
  int shortcutkeyEnum(int keyType) override { return ConfigFile::instance()->getShortcutkeyEnum(keyType); }
  QString displayText(int keyType) override { return ConfigFile::instance()->getDisplayText(keyType); }
  int currentSwivelKey() override { return ConfigFile::instance()->getCurrentSwivelKey(); }
  void switchSwivelKey() override { ConfigFile::instance()->switchSwivelKey(); }
  bool disableShortKey() override { return ConfigFile::instance()->getDisableShortKey(); }
};
}  // namespace

std::unique_ptr<KeySettings> createStoredKeySettings() { return std::make_unique<StoredKeySettings>(); }
