#pragma once

// A simulated machine with one tablet of a model and the driver's controller
// over it: prompts are answered and counted, web pages and dialogs caught,
// waits shortened.

#include "driver/app/SimulatedWorld.h"
#include "driver/app/VarnexTablet.h"
#include "driver/core/BrowserService.h"
#include "driver/core/FileDialogService.h"
#include "driver/core/PromptService.h"
#include "driver/firmware/QFirmwareUpgrade.h"
#include "driver/tablet/HidDevice.h"
#include "driver/tablet/ModelTable.h"
#include "tests/firmware/QuickFirmwareTiming.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QThread>
#include <memory>

template <typename Done>
bool waitFor(Done done, int timeoutMs = 5000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents();
    QThread::msleep(2);
  }
  return true;
}

class ControllerRig : public ::testing::Test {
 protected:
  void SetUp() override {
    useQuickFirmwareTiming();
    PromptService::setHandler([this](const PromptService::Prompt& prompt) {
      m_prompts << prompt.text;
      return m_answer;
    });
    FileDialogService::setHandler([](const FileDialogService::Request&) { return QString(); });
    BrowserService::setHandler([this](const QString& url) {
      m_openedPages << url;
      return true;
    });
  }

  void TearDown() override {
    m_controller.reset();
    m_world.reset();
    PromptService::setHandler({});
    FileDialogService::setHandler({});
    BrowserService::setHandler({});
    QFirmwareUpgrade::setTiming(QFirmwareUpgrade::Timing());
    HidDevice::setSearchPauses(5, 1000);
  }

  // The machine with the model plugged in; the controller is made separately.
  SimulatedWorld& plugIn(const char* modelKey) {
    m_world = std::make_unique<SimulatedWorld>(*ModelTable::byKey(modelKey));
    return *m_world;
  }
  VarnexTablet& startController() {
    m_controller = std::make_unique<VarnexTablet>();
    return *m_controller;
  }
  // Unplugs the tablet and plugs it in again; true once the controller has
  // seen it go and come back.
  bool replug() {
    m_world->unplug();
    if (!waitFor([&] { return !m_controller->isConnected(); })) return false;
    m_world->plugIn();
    return waitFor([&] { return m_controller->isConnected(); });
  }

  // Declared first, destroyed last: the controller's device path runs over
  // the world's platform.
  std::unique_ptr<SimulatedWorld> m_world;
  std::unique_ptr<VarnexTablet> m_controller;
  PromptService::Answer m_answer = PromptService::Answer::Ok;
  QStringList m_prompts;
  QStringList m_openedPages;
};
