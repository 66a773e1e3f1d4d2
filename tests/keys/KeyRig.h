#pragma once

#include "driver/core/ConfigFile.h"
#include "driver/keys/KeyFunctionTable.h"
#include "driver/keys/KeySettings.h"
#include "driver/keys/ShortcutInjector.h"
#include "driver/tablet/Tablet.h"
#include "platform/input/sim/SimInputInjector.h"
#include "platform/process/sim/SimProgramStarter.h"
#include "platform/session/sim/SimWindowRaiser.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <initializer_list>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

// A tablet without a device whose key functions read the real settings
// store, with recording injection, program start and window raising.
class KeyRig : public ::testing::Test {
 protected:
  void SetUp() override {
    auto injector = std::make_unique<platform::SimInputInjector>();
    input = injector.get();
    platform::InputInjector::install(std::move(injector));
    auto starter = std::make_unique<platform::SimProgramStarter>();
    programs = starter.get();
    platform::ProgramStarter::install(std::move(starter));
    auto raiser = std::make_unique<platform::SimWindowRaiser>();
    windows = raiser.get();
    platform::WindowRaiser::install(std::move(raiser));
    KeySettings::install(nullptr);

    tablet = std::make_unique<Tablet>(0, 0, 0, 0, false);
    ShortcutInjector::releaseHeldShortcuts();
    input->clear();
    KeyFunctionTable::setPenEraserToggle(1);
    KeyFunctionTable::setCanvasZoomInShortcut("[Ctrl]+[=]");
    config()->cleanProgramConfig(-1);  // a fresh common key group
    hints = std::make_unique<QSignalSpy>(tablet.get(), &Tablet::functionHint);
  }
  void TearDown() override {
    hints.reset();
    tablet.reset();
    platform::InputInjector::install(nullptr);
    platform::ProgramStarter::install(nullptr);
    platform::WindowRaiser::install(nullptr);
  }

  static ConfigFile* config() { return ConfigFile::instance(); }

  QStringList hintTexts() const {
    QStringList texts;
    for (const QList<QVariant>& signal : *hints) texts << signal.at(0).toString();
    return texts;
  }

  // Press and release of a key.
  void click(int keyType) {
    tablet->runKeyFunction(keyType, true);
    tablet->runKeyFunction(keyType, false);
  }

  static QStringList keys(std::initializer_list<int> codes, const char* direction) {
    QStringList texts;
    for (int code : codes)
      texts << QStringLiteral("0x%1 %2").arg(QString::number(code, 16).toUpper().rightJustified(2, '0'), direction);
    return texts;
  }

  platform::SimInputInjector* input = nullptr;
  platform::SimProgramStarter* programs = nullptr;
  platform::SimWindowRaiser* windows = nullptr;
  std::unique_ptr<Tablet> tablet;
  std::unique_ptr<QSignalSpy> hints;
};
