#pragma once

#include <QString>
#include <memory>

// The stored settings the tablet keys act on: each key's function and
// display text in the current key group, the dial's current roller entry,
// and whether express keys are switched off. The running driver reads the
// settings store; tests may install their own.
class KeySettings {
 public:
  virtual ~KeySettings() = default;

  // A ShortcutkeyEnum value, -1 for a key type without a function.
  virtual int shortcutkeyEnum(int keyType) = 0;
  virtual QString displayText(int keyType) = 0;
  // The roller entry (R1 = 15 ...) the dial works with now.
  virtual int currentSwivelKey() = 0;
  // Steps the dial to the next roller entry that has a function.
  virtual void switchSwivelKey() = 0;
  virtual bool disableShortKey() = 0;

  static KeySettings& current();
  // Takes ownership; null brings back the settings store on the next current().
  static void install(std::unique_ptr<KeySettings> settings);
};

// The default: the process-wide settings store.
std::unique_ptr<KeySettings> createStoredKeySettings();
