#pragma once

#include "driver/keys/KeySettings.h"
#include "driver/tablet/ModelTable.h"
#include "driver/tablet/Tablet.h"
#include "platform/hid/sim/SimHidDevice.h"
#include "platform/input/sim/SimInputInjector.h"

#include <gtest/gtest.h>

#include <QMap>
#include <QSignalSpy>
#include <memory>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

// Key settings held in memory, so decoding tests choose each key's function.
class FakeKeySettings : public KeySettings {
 public:
  QMap<int, int> functions;
  QMap<int, QString> texts;
  int swivelKey = 15;
  bool disabled = false;

  int shortcutkeyEnum(int keyType) override { return functions.value(keyType, -1); }
  QString displayText(int keyType) override { return texts.value(keyType); }
  int currentSwivelKey() override { return swivelKey; }
  void switchSwivelKey() override { swivelKey = swivelKey >= 20 ? 15 : swivelKey + 1; }
  bool disableShortKey() override { return disabled; }
};

// One simulated tablet of a model, opened and started like the device thread
// does it, with recording input injection and in-memory key settings. Every
// key is set up to hold "[F1]" ... so the injected events name the key.
class TabletRig {
 public:
  explicit TabletRig(int devType, int inputReportLength = 64, int outputReportLength = 64);
  ~TabletRig();

  // Sends one report, written in hex ("02 A1 10 27"), and reads it.
  int feed(const char* hex, bool discard = false);

  // Gives a key the custom-shortcut function "name#shortcut"; the hint then
  // names the key.
  void holdWithKey(int keyType, const QString& name, const QString& shortcut);

  const ModelEntry& model;
  std::shared_ptr<platform::SimHidDevice> device;
  std::unique_ptr<Tablet> tablet;
  FakeKeySettings* keys;
  platform::SimInputInjector* input;
  std::unique_ptr<QSignalSpy> hints;
  std::unique_ptr<QSignalSpy> centerKey;
};

// The format (a device type) that a model's script selects.
int formatOfModel(const ModelEntry& model);

// A readable name for INSTANTIATE_TEST_SUITE_P.
std::string modelName(const ::testing::TestParamInfo<int>& info);
